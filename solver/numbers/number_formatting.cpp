// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/numbers/number_formatting.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "solver/numbers/decimal_conversion.h"

namespace triangle {

namespace {

// Below this the value in ten-thousandths is an exact integer in a double.
constexpr double kFastLimit = 1e15;

std::string assemble(
    std::string_view integerDigits, std::string_view decimals, bool negative, const NumberFormat &format)
{
    std::string text;
    text.reserve(integerDigits.size() + decimals.size() + format.decimalSeparator.size() + 1);
    if (negative)
        text += '-';
    text.append(integerDigits);
    text.append(format.decimalSeparator);
    text.append(decimals);
    return text;
}

// "00" to "99", for writing two digits at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs {};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs.at(2 * i) = static_cast<char>('0' + i / 10);
        pairs.at(2 * i + 1) = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// units / 10^4 with four decimals at `at`; returns the end. Units below
// 2^63 have at most 15 integer digits, so that 20 bytes and the separator
// hold it.
char *writeTenThousandths(char *at, std::uint64_t units, bool negative, std::string_view separator)
{
    if (negative)
        *at++ = '-';
    at = std::to_chars(at, at + 20, units / 10000).ptr;
    for (const char ch : separator)
        *at++ = ch;
    const std::uint64_t decimals = units % 10000;
    for (const std::uint64_t pair : {decimals / 100, decimals % 100}) {
        *at++ = kDigitPairs.at(2 * pair);
        *at++ = kDigitPairs.at(2 * pair + 1);
    }
    return at;
}

// The text of units / 10^4 with four decimals, written into a buffer and
// copied once: this runs nine times for every answer. A separator of more
// than a few bytes (none that a locale uses) goes the slower way.
std::string formatTenThousandths(std::uint64_t units, bool negative, const NumberFormat &format)
{
    const std::string_view separator = format.decimalSeparator;
    if (separator.size() > 8)
        return assemble(
            std::to_string(units / 10000), std::to_string(units % 10000 + 10000).substr(1), negative, format);
    std::array<char, 48> buffer {};
    return {buffer.data(), writeTenThousandths(buffer.data(), units, negative, separator)};
}

// A result counted in whole ten-thousandths, and its sign.
struct TenThousandths {
    std::uint64_t units;
    bool negative;
};

// The short route of formatResult(): where value * 10^4 lies below 2^53
// and farther than a relative 1e-14 from a halfway point, the integer
// nearest to it, which is then the rounding of the value's exact decimal
// expansion. The product rounded once to long double is off by at most
// 2^-64 of itself, so that no halfway point lies between it and the exact
// product. Every step after it is exact: the nearest integer (one
// instruction, frndint), the distance from it, the integer below 2^53 as a
// double. The bound and the test on it are those of formatResult()'s exact
// path, which takes every other value.
std::optional<TenThousandths> shortRounding(long double value)
{
    const long double scaled = std::fabs(value * 1e4L);
    if (!(scaled < 0x1p53L))
        return std::nullopt;
    const long double nearest = std::rint(scaled);
    if (0.5L - std::fabs(scaled - nearest) <= 1e-14L * scaled)
        return std::nullopt;
    const auto units = static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<double>(nearest)));
    // A value that rounds to zero shows no sign.
    return TenThousandths {units, value < 0.0L && units != 0};
}

// Exact decimal rounding of the binary value, for any double.
std::string formatExactly(double value, const NumberFormat &format)
{
    const std::string text = fixedDecimals(value, 4);
    std::string_view digits = text;
    const bool negative = digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    const auto point = digits.find('.');
    const bool zero = digits.find_first_not_of("0.") == std::string_view::npos;
    return assemble(digits.substr(0, point), digits.substr(point + 1), negative && !zero, format);
}

} // namespace

std::string formatFixed4(double value, const NumberFormat &format)
{
    // Fast path: count in ten-thousandths. The product carries at most one
    // rounding error, which can only change the result where the exact value
    // lies that close to a halfway point; those few values go the exact way.
    const double scaled = value * 1e4;
    if (!(std::fabs(scaled) < kFastLimit))
        return formatExactly(value, format);
    const double rounded = std::nearbyint(scaled);
    const double margin = std::fabs(scaled) * 0x1p-52 + 0x1p-60;
    if (std::fabs(std::fabs(scaled - rounded) - 0.5) <= margin)
        return formatExactly(value, format);
    return formatTenThousandths(static_cast<std::uint64_t>(std::fabs(rounded)), rounded < 0.0, format);
}

char *writeShortResult(char *at, long double value)
{
    const std::optional<TenThousandths> rounded = shortRounding(value);
    return rounded ? writeTenThousandths(at, rounded->units, rounded->negative, ".") : nullptr;
}

std::string formatResult(long double value, const NumberFormat &format)
{
    if (const std::optional<TenThousandths> rounded = shortRounding(value))
        return formatTenThousandths(rounded->units, rounded->negative, format);
    // Next to a halfway point, or beyond counting in ten-thousandths.
    const long double scaled = value * 1e4L;
    const long double lower = std::floor(scaled);
    const long double halfway = lower + 0.5L;
    if (std::fabs(scaled) < 0x1p62L && std::fabs(scaled - halfway) <= 1e-14L * std::fabs(scaled)) {
        const bool lowerIsEven = static_cast<std::int64_t>(lower) % 2 == 0;
        return formatFixed4(static_cast<double>((lowerIsEven ? lower : lower + 1.0L) / 1e4L), format);
    }
    return formatFixed4(static_cast<double>(value), format);
}

std::string withSeparator(std::string text, std::string_view from, std::string_view to)
{
    if (const auto at = text.find(from); at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::string formatFixed4Lossless(double value, const NumberFormat &format)
{
    // Fast path: the value in whole ten-thousandths, divided back, is the
    // double nearest to the four-decimal text, which therefore reads back.
    const double scaled = value * 1e4;
    if (std::fabs(scaled) < kFastLimit && std::nearbyint(scaled) / 1e4 == value)
        return formatFixed4(value, format);
    // When some text with four decimals reads back as the value, the
    // shortest one has at most four; the correctly rounded four-decimal text
    // is then at least as near, so it reads back too.
    const std::string shortest = shortestFixed(value);
    std::string_view digits = shortest;
    const bool negative = digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    const auto point = digits.find('.');
    if (point == std::string_view::npos || digits.size() - point - 1 <= 4)
        return formatFixed4(value, format);
    return assemble(digits.substr(0, point), digits.substr(point + 1), negative, format);
}

} // namespace triangle
