// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace triangle {

// The exact conversions between binary floating point and decimal text that
// reading and formatting build on. Two implementations, one chosen when the
// project is configured: <charconv> where the standard library converts
// floating point, the C library (strtold, snprintf) where it does not, as in
// the WebAssembly build. Both give the same results; the reading and
// formatting tests run on each.

// `text` as the reader normalises it, "[-]DIGITSe[-]DIGITS" with no decimal
// point, correctly rounded to long double. Empty when the value lies beyond
// the range of long double, above or below.
std::optional<long double> decimalToBinary(const std::string &text);

// `value` correctly rounded to `decimals` decimals in fixed notation: a
// minus sign for a negative value, the integer digits, a point, the decimals.
std::string fixedDecimals(double value, int decimals);

// The shortest text in fixed notation that reads back as `value`, with a
// point when it has decimals.
std::string shortestFixed(double value);

} // namespace triangle
