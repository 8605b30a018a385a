// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>
#include <numbers>

#include "solver/elements/dual.h"
#include "solver/elements/interval.h"
#include "solver/triangle/quantity.h"

namespace triangle {

// A triangle's shape: its angles in radians. The third is kept as a value
// of its own, since in an interval or with derivatives it is not simply the
// rest of pi.
template <class T>
struct Shape {
    T alpha, beta, gamma;

    const T &at(Vertex v) const { return v == Vertex::A ? alpha : v == Vertex::B ? beta : gamma; }
};

// How much of an element's size comes from the dimension: an angle none, a
// length one, the area two.
constexpr int dimensionOf(Quantity q) { return isAngle(q) ? 0 : q == Quantity::S ? 2 : 1; }

// An element of the triangle whose circumscribed circle has diameter 1, as a
// length (the square root of the area): sin^(k/2) α · sin^(l/2) β ·
// sin^(m/2) γ · rest. The powers say how the element vanishes as an angle
// closes; the rest neither vanishes nor grows without bound anywhere but at
// the corners of the shapes' domain. Ratios of two such elements cancel the
// powers before they are computed, so that they stay bounded and
// informative on the domain's edges, where both elements vanish.
template <class T>
struct UnitLength {
    std::array<int, 3> halfPowers {};
    T rest {};
};

inline double atLeastZero(double x) { return x; }
inline long double atLeastZero(long double x) { return x; }
inline Interval atLeastZero(Interval x) { return {std::max(x.lo, 0.0), std::max(x.hi, 0.0)}; }
template <class D>
D atLeastZero(const D &x)
{
    return x;
}
template <std::size_t N>
Dual<Interval, N> atLeastZero(Dual<Interval, N> x)
{
    x.value = atLeastZero(x.value);
    return x;
}

template <class T>
T halfCosines(const Shape<T> &s)
{
    using std::cos;
    return cos(s.alpha * T(0.5)) * cos(s.beta * T(0.5)) * cos(s.gamma * T(0.5));
}

// The sines and cosines of a shape's angles, worked out once for all the
// elements of an equation.
template <class T>
struct Trigonometry {
    std::array<T, 3> sines;
    std::array<T, 3> cosines;
};

template <class T>
Trigonometry<T> trigonometryOf(const Shape<T> &s)
{
    const auto [sineA, cosineA] = sinCos(s.alpha);
    const auto [sineB, cosineB] = sinCos(s.beta);
    const auto [sineC, cosineC] = sinCos(s.gamma);
    return {{atLeastZero(sineA), atLeastZero(sineB), atLeastZero(sineC)}, {cosineA, cosineB, cosineC}};
}

template <class T>
UnitLength<T> unitLength(Quantity q, const Shape<T> &s, const Trigonometry<T> &trig)
{
    using std::cos;
    using std::sqrt;
    // 2b² + 2c² − a² as a sum of squares, (b − c)² + 2b²c² + 2bc·(1 −
    // cos β·cos γ), from a = b·cos γ + c·cos β with b = sin β, c = sin γ:
    // near a flat triangle it is small beside each of the first form's
    // terms, and a bound that subtracted would not come near it.
    const auto median = [&](std::size_t x, std::size_t y) {
        const T &b = trig.sines.at(x);
        const T &c = trig.sines.at(y);
        const T sum = square(b - c) + T(2) * square(b * c)
            + T(2) * b * c * (T(1) - trig.cosines.at(x) * trig.cosines.at(y));
        return T(0.5) * atLeastZero(sqrt(atLeastZero(sum)));
    };
    switch (q) {
    case Quantity::a: return {{2, 0, 0}, T(1)};
    case Quantity::b: return {{0, 2, 0}, T(1)};
    case Quantity::c: return {{0, 0, 2}, T(1)};
    case Quantity::S: return {{1, 1, 1}, T(std::numbers::sqrt2 / 2)};
    case Quantity::R: return {{0, 0, 0}, T(0.5)};
    case Quantity::P: return {{0, 0, 0}, T(4) * halfCosines(s)};
    case Quantity::r: return {{2, 2, 2}, T(1) / (T(4) * halfCosines(s))};
    case Quantity::ha: return {{0, 2, 2}, T(1)};
    case Quantity::hb: return {{2, 0, 2}, T(1)};
    case Quantity::hc: return {{2, 2, 0}, T(1)};
    case Quantity::ma: return {{0, 0, 0}, median(1, 2)};
    case Quantity::mb: return {{0, 0, 0}, median(0, 2)};
    case Quantity::mc: return {{0, 0, 0}, median(0, 1)};
    case Quantity::la: return {{0, 2, 2}, T(1) / cos((s.beta - s.gamma) * T(0.5))};
    case Quantity::lb: return {{2, 0, 2}, T(1) / cos((s.alpha - s.gamma) * T(0.5))};
    case Quantity::lc: return {{2, 2, 0}, T(1) / cos((s.alpha - s.beta) * T(0.5))};
    default: break;
    }
    return {{0, 0, 0}, T(0)}; // angles have no length
}

template <class T>
UnitLength<T> unitLength(Quantity q, const Shape<T> &s)
{
    return unitLength(q, s, trigonometryOf(s));
}

// x^(halves/2) for x ≥ 0.
template <class T>
T halfPower(const T &x, int halves)
{
    using std::sqrt;
    const int magnitude = halves < 0 ? -halves : halves;
    if (magnitude == 0)
        return T(1);
    const bool odd = magnitude % 2 != 0;
    T power = odd ? sqrt(x) : x;
    for (int i = odd ? 0 : 1; i < magnitude / 2; ++i)
        power = power * x;
    // Rounded outward, a bound of 0 may have slipped below it.
    power = atLeastZero(power);
    return halves < 0 ? reciprocal(power) : power;
}

// The ratio of two elements as lengths, first / second, with their common
// vanishing cancelled: `factors` are the three quantities whose powers the
// elements carry.
template <class T>
T lengthRatio(const UnitLength<T> &first, const UnitLength<T> &second, const std::array<T, 3> &factors)
{
    T ratio = first.rest / second.rest;
    for (std::size_t i = 0; i < 3; ++i) {
        const int halves = first.halfPowers.at(i) - second.halfPowers.at(i);
        if (halves != 0)
            ratio = ratio * halfPower(factors.at(i), halves);
    }
    return ratio;
}

// The element as a length in the unit triangle.
template <class T>
T unitLengthValue(Quantity q, const Shape<T> &s)
{
    return lengthRatio(unitLength(q, s), UnitLength<T> {{0, 0, 0}, T(1)}, trigonometryOf(s).sines);
}

} // namespace triangle
