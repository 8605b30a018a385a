// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/numbers/ten_thousandths.h"

#include <array>
#include <charconv>
#include <cstring>

namespace triangle {

namespace {

// "00" to "99", for writing two digits at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs {};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs.at(2 * i) = static_cast<char>('0' + i / 10);
        pairs.at(2 * i + 1) = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Two digits of `pair` (below 100) at `at`.
char *writePair(char *at, std::uint64_t pair)
{
    std::memcpy(at, &kDigitPairs[2 * pair], 2);
    return at + 2;
}

// The digits of a whole number: the few of a triangle's usual values by
// hand, more through to_chars.
char *writeWhole(char *at, std::uint64_t whole)
{
    if (whole < 10) {
        *at++ = static_cast<char>('0' + whole);
        return at;
    }
    if (whole < 100)
        return writePair(at, whole);
    if (whole < 1000) {
        *at++ = static_cast<char>('0' + whole / 100);
        return writePair(at, whole % 100);
    }
    return std::to_chars(at, at + 20, whole).ptr;
}

// The four decimals of `units` at `at`.
char *writeDecimals(char *at, std::uint64_t units)
{
    const std::uint64_t decimals = units % 10000;
    return writePair(writePair(at, decimals / 100), decimals % 100);
}

} // namespace

char *writeTenThousandths(char *at, TenThousandths rounded)
{
    if (rounded.negative)
        *at++ = '-';
    at = writeWhole(at, rounded.units / 10000);
    *at++ = '.';
    return writeDecimals(at, rounded.units);
}

char *writeTenThousandths(char *at, TenThousandths rounded, std::string_view separator)
{
    if (rounded.negative)
        *at++ = '-';
    at = writeWhole(at, rounded.units / 10000);
    std::memcpy(at, separator.data(), separator.size());
    return writeDecimals(at + separator.size(), rounded.units);
}

char *writeShortResult(char *at, long double value)
{
    const std::optional<TenThousandths> rounded = shortRounding(value);
    return rounded ? writeTenThousandths(at, *rounded) : nullptr;
}

} // namespace triangle
