// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <charconv>

#include "solver/numbers/decimal_conversion.h"

namespace triangle {

namespace {

// The smallest subnormal double takes 326 characters in fixed notation, the
// largest double 309; room for a sign and the decimals asked for.
constexpr std::size_t kFixedBuffer = 400;

} // namespace

std::optional<long double> decimalToBinary(const std::string &text)
{
    long double value = 0.0L;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return std::nullopt;
    return value;
}

std::string fixedDecimals(double value, int decimals)
{
    std::array<char, kFixedBuffer> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    return {buffer.data(), result.ptr};
}

std::string shortestFixed(double value)
{
    std::array<char, kFixedBuffer> buffer {};
    const auto result
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return {buffer.data(), result.ptr};
}

} // namespace triangle
