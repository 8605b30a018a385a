// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/numbers/number_formatting.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "solver/numbers/decimal_conversion.h"
#include "solver/numbers/ten_thousandths.h"

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
    return {buffer.data(), writeTenThousandths(buffer.data(), {units, negative}, separator)};
}

} // namespace

namespace {

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
