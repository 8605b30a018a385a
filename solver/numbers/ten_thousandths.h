// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace triangle {

// A result rounded to four decimals, as formatResult() shows it: its
// magnitude in ten-thousandths and its sign. Inline below, as a plain
// request rounds nine of them.
struct TenThousandths {
    std::uint64_t units = 0;
    bool negative = false; // never for 0
};

// Room that writeTenThousandths() and writeShortResult() may take with a
// point.
inline constexpr std::size_t kShortResultRoom = 24;

// The short route of formatResult(): where value * 10^4 lies below 2^53
// and farther than a relative 1e-14 from a halfway point, the integer
// nearest to it, which is then the rounding of the value's exact decimal
// expansion. The product rounded once to long double is off by at most
// 2^-64 of itself, so that no halfway point lies between it and the exact
// product. Every step after it is exact: the nearest integer (one
// instruction, frndint), the distance from it, the integer below 2^53 as a
// double. The bound and the test on it are those of formatResult()'s exact
// path, which takes every other value: empty for those.
inline std::optional<TenThousandths> shortRounding(long double value)
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

// The rounding that formatResult() gives every number within `bound` of
// `value`, for a value known only to within a bound: empty unless they all
// lie below 2^52 ten-thousandths, round alike, and lie farther than its
// relative 1e-14 from a halfway point.
inline std::optional<TenThousandths> certainRounding(double value, double bound)
{
    // Both products in ten-thousandths round by at most 2^-53 of
    // themselves; 2^-50 of the value covers them and the rounding of
    // formatResult()'s own test.
    const double scaled = std::fabs(value) * 1e4;
    const double spread = bound * 1e4 * (1.0 + 0x1p-50) + scaled * 0x1p-50;
    if (!(scaled + spread < 0x1p52))
        return std::nullopt;
    // Below 2^52, adding and taking away 2^52 rounds to the nearest integer.
    const double nearest = (scaled + 0x1p52) - 0x1p52;
    if (0.5 - std::fabs(scaled - nearest) <= spread + 1e-14 * (scaled + spread))
        return std::nullopt;
    const auto units = static_cast<std::uint64_t>(static_cast<std::int64_t>(nearest));
    return TenThousandths {units, value < 0.0 && units != 0};
}

// The rounded result with four decimals and a point at `at`; returns the
// end. Units below 2^63 have at most 15 integer digits.
char *writeTenThousandths(char *at, TenThousandths rounded);
// The same with another separator.
char *writeTenThousandths(char *at, TenThousandths rounded, std::string_view separator);

// formatResult(value, NumberFormat {}) written at `at` with no string, for
// a value whose ten-thousandths lie below 2^53 and farther than a relative
// 1e-14 from a halfway point: their digits are those of the value's exact
// decimal expansion, from one multiplication. Returns the end, or nullptr
// for any other value, having written nothing.
char *writeShortResult(char *at, long double value);

} // namespace triangle
