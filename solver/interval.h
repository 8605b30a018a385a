// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace triangle {

// A closed interval of reals that surely holds the value it stands for: each
// operation widens its result by a few units in the last place, more than
// the rounding of any of the operations below can take away, so that a
// value excluded from an interval is excluded for certain. The search for a
// triangle's shape uses it to rule out whole regions at once. An operation
// that cannot bound its result (a division by an interval that holds zero
// and reaches both signs) gives the whole line; NaN bounds mean the same to
// excludesZero(). Does not throw.
struct Interval {
    double lo = 0.0;
    double hi = 0.0;

    constexpr Interval() = default;
    constexpr Interval(double value) : lo(value), hi(value) {} // NOLINT: constants read like the formula
    constexpr Interval(double low, double high) : lo(low), hi(high) {}

    static Interval outward(double low, double high)
    {
        constexpr double kSlack = 8 * std::numeric_limits<double>::epsilon();
        constexpr double kTiny = std::numeric_limits<double>::denorm_min();
        return {low - std::fabs(low) * kSlack - kTiny, high + std::fabs(high) * kSlack + kTiny};
    }
    static Interval whole()
    {
        return {-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
    }

    bool excludesZero() const { return lo > 0.0 || hi < 0.0; }
    double width() const { return hi - lo; }
    double middle() const { return lo + (hi - lo) / 2; }

    friend Interval operator+(Interval x, Interval y) { return outward(x.lo + y.lo, x.hi + y.hi); }
    friend Interval operator-(Interval x, Interval y) { return outward(x.lo - y.hi, x.hi - y.lo); }
    friend Interval operator-(Interval x) { return {-x.hi, -x.lo}; }
    friend Interval operator*(Interval x, Interval y)
    {
        const std::array<double, 4> p = {x.lo * y.lo, x.lo * y.hi, x.hi * y.lo, x.hi * y.hi};
        // 0 times infinity: the product may be anything.
        if (std::any_of(p.begin(), p.end(), [](double value) { return std::isnan(value); }))
            return whole();
        const auto [low, high] = std::minmax_element(p.begin(), p.end());
        return outward(*low, *high);
    }
    friend Interval operator/(Interval x, Interval y)
    {
        if (y.lo > 0.0 || y.hi < 0.0)
            return x * outward(1.0 / y.hi, 1.0 / y.lo);
        if (y.lo == 0.0 && y.hi > 0.0) // one-sided: the reciprocal reaches infinity
            return x * Interval(1.0 / y.hi, std::numeric_limits<double>::infinity());
        return whole();
    }
};

inline Interval sqrt(Interval x)
{
    return Interval::outward(std::sqrt(std::max(x.lo, 0.0)), std::sqrt(std::max(x.hi, 0.0)));
}

// The cosine over an interval, from the cosines of its ends and the extremes
// at the multiples of pi that it holds.
inline Interval cos(Interval x)
{
    if (!(x.width() < 2 * std::numbers::pi))
        return {-1.0, 1.0};
    double low = std::min(std::cos(x.lo), std::cos(x.hi));
    double high = std::max(std::cos(x.lo), std::cos(x.hi));
    const double firstTurn = std::ceil(x.lo / std::numbers::pi);
    for (double k = firstTurn; k * std::numbers::pi <= x.hi; ++k) {
        if (std::fmod(std::fabs(k), 2.0) == 0.0)
            high = 1.0;
        else
            low = -1.0;
    }
    return Interval::outward(std::max(low, -1.0), std::min(high, 1.0));
}

inline Interval sin(Interval x) { return cos(x - Interval(std::numbers::pi / 2)); }

} // namespace triangle
