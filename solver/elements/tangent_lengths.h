// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>

#include "solver/elements/interval.h"
#include "solver/elements/unit_triangle.h"
#include "solver/triangle/quantity.h"

namespace triangle {

// A triangle's shape as the lengths of the tangents from its vertices to
// the inscribed circle, x = p − a, y = p − b, z = p − c, scaled to p = 1:
// the sides are y + z, z + x, x + y, and every point with x, y, z > 0 is a
// triangle. Each element's square is then a rational function of x, y and
// z times a square root of some of them: no sines to bound, a flat triangle
// on an edge (x → 0 as α → 180°) rather than in a corner, and the medians a
// sum of squares that interval bounds keep tight.
//
// The plane x + y + z = 1 is searched in three charts, one for each largest
// tangent: the chart's two coordinates are the other two, and the largest
// (at least 1/3) is what they leave of 1, so that a small tangent is always
// a coordinate of its own and never the difference of two.
struct TangentChart {
    int largest = 0; // 0, 1, 2 for x, y, z
};

inline constexpr std::array<TangentChart, 3> kTangentCharts = {{{0}, {1}, {2}}};

// A point of the plane: the tangents x, y, z and the sides a = 1 − x,
// b = 1 − y, c = 1 − z, each from the chart's coordinates directly, so
// that interval bounds of them are tight. The side opposite the largest
// tangent is the sum of the two coordinates: 1 − x would lose its digits
// where x is near 1.
template <class T>
struct TangentPoint {
    std::array<T, 3> tangents;
    std::array<T, 3> sides;
};

// The point (u, v) of the chart.
template <class T>
TangentPoint<T> tangentsAt(const TangentChart &chart, const T &u, const T &v)
{
    const T first = atLeastZero(u);
    const T second = atLeastZero(v);
    const T rest = atLeastZero(T(1) - u - v);
    const T sum = first + second;
    const T firstSide = T(1) - first;
    const T secondSide = T(1) - second;
    switch (chart.largest) {
    case 0: return {{rest, first, second}, {sum, firstSide, secondSide}};
    case 1: return {{second, rest, first}, {secondSide, sum, firstSide}};
    default: return {{first, second, rest}, {firstSide, secondSide, sum}};
    }
}

// The element's square, with the half powers of x, y and z it carries:
// the area's square root of xyz, r² = xyz, a height's 4xyz over its side's
// square, a bisector's tangent at its own vertex.
template <class T>
UnitLength<T> squaredLength(Quantity q, const TangentPoint<T> &point)
{
    const auto &[x, y, z] = point.tangents;
    const auto &[a, b, c] = point.sides;
    switch (q) {
    case Quantity::a: return {{0, 0, 0}, square(a)};
    case Quantity::b: return {{0, 0, 0}, square(b)};
    case Quantity::c: return {{0, 0, 0}, square(c)};
    case Quantity::S: return {{1, 1, 1}, T(1)};
    case Quantity::R: return {{-2, -2, -2}, square(a * b * c) * T(0.0625)};
    case Quantity::P: return {{0, 0, 0}, T(4)};
    case Quantity::r: return {{2, 2, 2}, T(1)};
    case Quantity::ha: return {{2, 2, 2}, T(4) / square(a)};
    case Quantity::hb: return {{2, 2, 2}, T(4) / square(b)};
    case Quantity::hc: return {{2, 2, 2}, T(4) / square(c)};
    // m_a² = (2b² + 2c² − a²)/4 = x + (y − z)²/4 with p = 1.
    case Quantity::ma: return {{0, 0, 0}, x + square(y - z) * T(0.25)};
    case Quantity::mb: return {{0, 0, 0}, y + square(z - x) * T(0.25)};
    case Quantity::mc: return {{0, 0, 0}, z + square(x - y) * T(0.25)};
    // l_a² = bc·(b + c − a)(b + c + a)/(b + c)² = x·4bc/(b + c)², and
    // 4bc/(b + c)² = 1 − ((b − c)/(b + c))² with b − c = z − y and
    // b + c = 1 + x: each tangent once, and the bound stays tight.
    case Quantity::la: return {{2, 0, 0}, T(1) - square((z - y) / (T(1) + x))};
    case Quantity::lb: return {{0, 2, 0}, T(1) - square((x - z) / (T(1) + y))};
    case Quantity::lc: return {{0, 0, 2}, T(1) - square((y - x) / (T(1) + z))};
    default: break;
    }
    return {{0, 0, 0}, T(0)}; // angles have no length
}

// The angles of the triangle with these tangents: tg(α/2) = r/x, r = √(xyz).
inline Shape<long double> shapeOfTangents(const std::array<long double, 3> &tangents)
{
    const auto &[x, y, z] = tangents;
    const long double r = std::sqrt(x * y * z);
    return {2 * std::atan2(r, x), 2 * std::atan2(r, y), 2 * std::atan2(r, z)};
}

} // namespace triangle
