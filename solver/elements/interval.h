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
// and reaches both signs) gives the whole line; NaN bounds, which no
// comparison passes, rule nothing out either. Does not throw.
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

    double width() const { return hi - lo; }
    double middle() const { return lo + (hi - lo) / 2; }

    friend Interval operator+(Interval x, Interval y) { return outward(x.lo + y.lo, x.hi + y.hi); }
    friend Interval operator-(Interval x, Interval y) { return outward(x.lo - y.hi, x.hi - y.lo); }
    friend Interval operator-(Interval x) { return {-x.hi, -x.lo}; }
    friend Interval operator*(Interval x, Interval y)
    {
        const double p = x.lo * y.lo;
        const double q = x.lo * y.hi;
        const double r = x.hi * y.lo;
        const double s = x.hi * y.hi;
        // 0 times infinity: the product may be anything.
        if (std::isnan(p) || std::isnan(q) || std::isnan(r) || std::isnan(s))
            return whole();
        return outward(std::min(std::min(p, q), std::min(r, s)), std::max(std::max(p, q), std::max(r, s)));
    }
    friend Interval operator/(Interval x, Interval y) { return x * reciprocal(y); }

    // 1 / y, without a quotient's product with [1, 1].
    friend Interval reciprocal(Interval y)
    {
        if (y.lo > 0.0 || y.hi < 0.0)
            return outward(1.0 / y.hi, 1.0 / y.lo);
        if (y.lo == 0.0 && y.hi > 0.0) // one-sided: the reciprocal reaches infinity
            return {1.0 / y.hi, std::numeric_limits<double>::infinity()};
        return whole();
    }
};

// x², never below 0: the product x·x of an interval that holds 0 would
// take its ends' product, below 0, for the least.
inline Interval square(Interval x)
{
    if (std::isnan(x.lo) || std::isnan(x.hi))
        return Interval::whole();
    const double low = x.lo >= 0.0 ? x.lo : x.hi <= 0.0 ? -x.hi : 0.0;
    const double high = std::max(-x.lo, x.hi);
    return Interval::outward(low * low, high * high);
}

inline Interval sqrt(Interval x)
{
    return Interval::outward(std::sqrt(std::max(x.lo, 0.0)), std::sqrt(std::max(x.hi, 0.0)));
}

// cos(x − phase) over an interval, from its values at the ends and the
// extremes at phase + multiples of pi that the interval holds.
inline Interval shiftedCosine(Interval x, double atLow, double atHigh, double phase)
{
    if (!(x.width() < 2 * std::numbers::pi))
        return {-1.0, 1.0};
    double low = std::min(atLow, atHigh);
    double high = std::max(atLow, atHigh);
    const double firstTurn = std::ceil((x.lo - phase) / std::numbers::pi);
    for (double k = firstTurn; phase + k * std::numbers::pi <= x.hi; ++k) {
        if (std::fmod(std::fabs(k), 2.0) == 0.0)
            high = 1.0;
        else
            low = -1.0;
    }
    return Interval::outward(std::max(low, -1.0), std::min(high, 1.0));
}

inline Interval cos(Interval x) { return shiftedCosine(x, std::cos(x.lo), std::cos(x.hi), 0.0); }

inline Interval sin(Interval x)
{
    return shiftedCosine(x, std::sin(x.lo), std::sin(x.hi), std::numbers::pi / 2);
}

// The sine and the cosine together: the formulas of a triangle need both
// of each angle, and the ends' sines and cosines come from one call each.
inline std::array<Interval, 2> sinCos(Interval x)
{
    const double sineLow = std::sin(x.lo);
    const double cosineLow = std::cos(x.lo);
    const double sineHigh = std::sin(x.hi);
    const double cosineHigh = std::cos(x.hi);
    return {shiftedCosine(x, sineLow, sineHigh, std::numbers::pi / 2),
        shiftedCosine(x, cosineLow, cosineHigh, 0.0)};
}

} // namespace triangle
