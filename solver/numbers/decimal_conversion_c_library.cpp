// SPDX-License-Identifier: GPL-3.0-or-later
// For standard libraries without floating-point <charconv>. The C library's
// conversions are exact as well; what they add is the locale, whose decimal
// point they use: the texts read here have none, and the point of a printed
// text is found by its place before the decimals.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "solver/numbers/decimal_conversion.h"

namespace triangle {

namespace {

// snprintf is this file's reason to be: the one exact formatter there is.
std::string printed(const char *format, int decimals, double value)
{
    const int length = std::snprintf(nullptr, 0, format, decimals, value); // NOLINT(*-vararg)
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), format, decimals, value); // NOLINT(*-vararg)
    return {buffer.data(), static_cast<std::size_t>(length)};
}

// Whether a fixed text with `decimals` decimals reads back as `value`; it is
// read without its point, as digits times a power of ten.
bool readsBackAs(std::string text, int decimals, double value)
{
    if (decimals > 0) {
        text.erase(text.size() - static_cast<std::size_t>(decimals) - 1, 1);
        text += "e-" + std::to_string(decimals);
    }
    return std::strtod(text.c_str(), nullptr) == value;
}

} // namespace

std::optional<long double> decimalToBinary(const std::string &text)
{
    errno = 0;
    const long double value = std::strtold(text.c_str(), nullptr);
    // As std::from_chars reports it: out of range when the value overflows
    // or underflows to zero; a subnormal result is a value.
    if (errno == ERANGE && (std::isinf(value) || value == 0.0L))
        return std::nullopt;
    return value;
}

std::string fixedDecimals(double value, int decimals)
{
    std::string text = printed("%.*f", decimals, value);
    if (decimals > 0)
        text[text.size() - static_cast<std::size_t>(decimals) - 1] = '.';
    return text;
}

std::string shortestFixed(double value)
{
    // With one decimal fewer no text reads back, and among the texts with as
    // many decimals the correctly rounded one is nearest, so it reads back
    // whenever any of them does. Seventeen significant digits always read
    // back: the search starts where the first significant digit is and ends
    // within seventeen steps.
    const std::string scientific = printed("%.*e", 16, value);
    const long exponent = std::strtol(scientific.c_str() + scientific.find_last_of("eE") + 1, nullptr, 10);
    constexpr int kEveryDecimal = 1074; // enough for every double exactly
    for (int decimals = static_cast<int>(std::max(0L, -exponent - 1)); decimals < kEveryDecimal; ++decimals) {
        std::string text = fixedDecimals(value, decimals);
        if (readsBackAs(text, decimals, value))
            return text;
    }
    return fixedDecimals(value, kEveryDecimal);
}

} // namespace triangle
