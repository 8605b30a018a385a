// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "solver/numbers/number_format.h"

namespace triangle {

// Exactly four decimals, rounded; the format's decimal separator, no digit
// grouping, a leading zero below 1, a minus sign for negative values. A value
// that rounds to zero shows no sign.
std::string formatFixed4(double value, const NumberFormat &format);

// A computed result with four decimals. A result within a relative 1e-14 of
// a halfway point is taken to lie on it and rounded to even: exact data such
// as an isosceles triangle with an apex of 0.0005 degrees have base angles of
// exactly 89.99975, which computing leaves a hair to either side; both show
// as 89.9998.
std::string formatResult(long double value, const NumberFormat &format);

// A text that reads back as exactly `value`: formatFixed4() when its four
// decimals lose nothing, otherwise the fewest further decimals that do (a
// typed 2.34567 stays 2.34567). For a field the program rewrites and reads
// again, so that rewriting never changes what it holds.
std::string formatFixed4Lossless(double value, const NumberFormat &format);

// The text with its first `from` (a decimal separator) written as `to`, or
// unchanged where it has none: a point from the conversions made a comma,
// or the other way round.
std::string withSeparator(std::string text, std::string_view from, std::string_view to);

} // namespace triangle
