// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>

#include "solver/dual.h"
#include "solver/interval.h"
#include "solver/unit_triangle.h"

namespace triangle {

// Near a flat triangle, where one angle nears 180° and the other two 0°,
// every length of the unit triangle vanishes, and their ratios depend on
// how the two small angles compare: no bound over a region of angles that
// holds the corner can tell them apart. There the shape is taken as the
// angle π − ρ at `corner` and ρ·t and ρ·(1 − t) at `first` and `second`,
// and each length as ρ, t and 1 − t to powers times a rest that vanishes
// nowhere (but for one point for the median from `corner`).
struct FlatCorner {
    Vertex corner, first, second;
};

inline constexpr std::array<FlatCorner, 3> kFlatCorners = {{{Vertex::C, Vertex::A, Vertex::B},
    {Vertex::A, Vertex::B, Vertex::C}, {Vertex::B, Vertex::C, Vertex::A}}};

// sin x / x for 0 ≤ x ≤ π, where it falls from 1 to 0.
inline Interval sinc(Interval x)
{
    const auto value = [](double y) { return y == 0.0 ? 1.0 : std::sin(y) / y; };
    return Interval::outward(value(std::max(x.hi, 0.0)), value(std::max(x.lo, 0.0)));
}
inline long double sinc(long double x) { return x == 0 ? 1.0L : std::sin(x) / x; }
template <class D>
D sinc(const D &x)
{
    using std::sin;
    return x.value == 0 ? D(1) : sin(x) / x;
}
// With bounds on the derivative: (x cos x − sin x)/x² lies between −x/3
// and 0 for 0 ≤ x ≤ π, since sin x − x cos x grows no faster than x³/3.
template <std::size_t N>
Dual<Interval, N> sinc(const Dual<Interval, N> &x)
{
    return x.chain(sinc(x.value), Interval(-std::max(x.value.hi, 0.0) / 3, 0.0));
}

template <class T>
Shape<T> flatShape(const FlatCorner &corner, const T &rho, const T &t)
{
    std::array<T, 3> angles {};
    angles.at(static_cast<std::size_t>(indexOf(corner.corner))) = T(std::numbers::pi_v<long double>) - rho;
    angles.at(static_cast<std::size_t>(indexOf(corner.first))) = rho * t;
    angles.at(static_cast<std::size_t>(indexOf(corner.second))) = rho * (T(1) - t);
    return {angles[0], angles[1], angles[2]};
}

// The element whose role near `corner` is that of `q` near the corner at C
// (the side or line from `first` plays a, from `second` b, from `corner` c).
constexpr Quantity roleNear(const FlatCorner &corner, Quantity q)
{
    const auto v = vertexOfElement(q);
    if (!v || isAngle(q))
        return q;
    return sameKindAt(q, *v == corner.first ? Vertex::A : *v == corner.second ? Vertex::B : Vertex::C);
}

// The element as a length, with powers of ρ, t and 1 − t.
template <class T>
UnitLength<T> flatUnitLength(Quantity q, const FlatCorner &corner, const T &rho, const T &t)
{
    using std::cos;
    using std::sin;
    using std::sqrt;
    const auto square = [](const T &x) { return x * x; };
    const T u = T(1) - t;
    const T sa = sinc(rho * t);
    const T sb = sinc(rho * u);
    const T sg = sinc(rho);
    const T halfCosines = cos(rho * t * T(0.5)) * cos(rho * u * T(0.5)) * sinc(rho * T(0.5));
    const auto median = [](const T &x, const T &y, const T &own) {
        return T(0.5) * atLeastZero(sqrt(atLeastZero(T(2) * x * x + T(2) * y * y - own * own)));
    };
    switch (roleNear(corner, q)) {
    case Quantity::a: return {{2, 2, 0}, sa};
    case Quantity::b: return {{2, 0, 2}, sb};
    case Quantity::c: return {{2, 0, 0}, sg};
    case Quantity::S: return {{3, 1, 1}, sqrt(T(0.5) * sa * sb * sg)};
    case Quantity::R: return {{0, 0, 0}, T(0.5)};
    case Quantity::P: return {{2, 0, 0}, T(2) * halfCosines};
    case Quantity::r: return {{4, 2, 2}, sa * sb * sg / (T(2) * halfCosines)};
    case Quantity::ha: return {{4, 0, 2}, sb * sg};
    case Quantity::hb: return {{4, 2, 0}, sa * sg};
    case Quantity::hc: return {{4, 2, 2}, sa * sb};
    case Quantity::ma: return {{2, 0, 0}, median(u * sb, sg, t * sa)};
    case Quantity::mb: return {{2, 0, 0}, median(t * sa, sg, u * sb)};
    case Quantity::mc: {
        // 2a² + 2b² − c² as a sum of squares: it vanishes where the corner
        // is the midpoint of a flat triangle, and a bound that subtracted
        // there would not come near 0.
        const T x = t * sa;
        const T y = u * sb;
        const T difference = x - y;
        const T sum = difference * difference + x * x * square(sin(rho * u)) + y * y * square(sin(rho * t))
            + T(2) * x * y * (T(1) - cos(rho * t) * cos(rho * u));
        return {{2, 0, 0}, T(0.5) * sqrt(atLeastZero(sum))};
    }
    case Quantity::la: return {{2, 0, 2}, T(2) * sb * sg / ((T(1) + u) * sinc(rho * (T(1) + u) * T(0.5)))};
    case Quantity::lb: return {{2, 2, 0}, T(2) * sa * sg / ((T(1) + t) * sinc(rho * (T(1) + t) * T(0.5)))};
    case Quantity::lc: return {{4, 2, 2}, sa * sb / cos(rho * (t - u) * T(0.5))};
    default: break;
    }
    return {{0, 0, 0}, T(0)};
}

} // namespace triangle
