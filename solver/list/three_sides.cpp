// SPDX-License-Identifier: GPL-3.0-or-later
// Three sides: the angles by the law of cosines and the area by Heron's
// formula, both in the forms that keep their digits for needle-like
// triangles, then R from the sides and the area.
#include <algorithm>
#include <functional>

#include "solver/list/procedures.h"
#include "solver/steps/completion_steps.h"
#include "solver/steps/solving_steps.h"
#include "solver/triangle/angle_functions.h"

namespace triangle {

using enum Vertex;

namespace {

using Value = Real::Value;

// Twice the half-perimeter and twice its excess over each side, formed from
// the sides sorted longest first so that no subtraction loses digits:
// 2p = x + (y + z), 2(p - x) = z - (x - y), 2(p - y) = z + (x - y),
// 2(p - z) = x + (y - z) for x >= y >= z.
struct HeronFactors {
    Value twiceP = 0;
    std::array<Value, 3> twiceExcess {}; // over a, b, c
};

// Whether sides sorted longest first close a triangle: the shortest is
// longer than the difference of the other two.
bool sortedSidesClose(Value x, Value y, Value z) { return z - (x - y) > 0.0L; }

bool sidesClose(const GivenValues &values)
{
    const auto at = [&](Quantity q) { return values.at(static_cast<std::size_t>(fieldIndex(q))).value(); };
    std::array<Value, 3> sides = {at(Quantity::a), at(Quantity::b), at(Quantity::c)};
    std::sort(sides.begin(), sides.end(), std::greater<>());
    return sortedSidesClose(sides[0], sides[1], sides[2]);
}

HeronFactors heronFactors(const Triangle &t)
{
    std::array<Vertex, 3> order = {A, B, C};
    std::sort(order.begin(), order.end(), [&](Vertex x, Vertex y) { return t.side(x) > t.side(y); });
    const Value x = t.side(order[0]).value();
    const Value y = t.side(order[1]).value();
    const Value z = t.side(order[2]).value();
    if (!sortedSidesClose(x, y, z))
        throw SidesCloseNoTriangle {};
    HeronFactors f;
    f.twiceP = x + (y + z);
    f.twiceExcess.at(indexOf(order[0])) = z - (x - y);
    f.twiceExcess.at(indexOf(order[1])) = z + (x - y);
    f.twiceExcess.at(indexOf(order[2])) = x + (y - z);
    return f;
}

// tan(angle / 2) = sqrt((p - y)(p - z) / (p (p - x))), the half-angle form of
// the law of cosines.
Real angleOpposite(const HeronFactors &f, Vertex v)
{
    const Value excess = f.twiceExcess.at(indexOf(v));
    const Value others = f.twiceExcess.at(indexOf(firstOtherThan(v)))
        * f.twiceExcess.at(indexOf(otherVertex(v, firstOtherThan(v))));
    const Value halfTangent = std::sqrt(others / (f.twiceP * excess));
    return Real(2.0L) * atan(Real(halfTangent));
}

void threeSides(Solving &s)
{
    const HeronFactors f = heronFactors(s.t);
    for (const Vertex v : kVertices) {
        // Shown only, in long double, whose range holds the squares of any
        // sides a double can.
        const Value a = s.t.side(v).value();
        const Value b = s.t.side(firstOtherThan(v)).value();
        const Value c = s.t.side(otherVertex(v, firstOtherThan(v))).value();
        const Real cosine = s.journalling() ? Real((b * b + c * c - a * a) / (2.0L * b * c)) : Real(0.0);
        s.found(angleAt(v), angleOpposite(f, v), Rule::AngleFromThreeSides,
            {sideOpposite(v), sideOpposite(firstOtherThan(v)),
                sideOpposite(otherVertex(v, firstOtherThan(v)))},
            cosine);
    }
    const Value product = f.twiceP * f.twiceExcess[0] * f.twiceExcess[1] * f.twiceExcess[2];
    s.found(Quantity::S, Real::checked(std::sqrt(product) / 4.0L), Rule::Heron,
        {Quantity::a, Quantity::b, Quantity::c}, Real(f.twiceP / 2.0L));
    steps::radiusFromSidesAndArea(s);
}

} // namespace

const std::array<Combination, 1> kThreeSides = {{
    {"00011100", threeSides, nullptr, sidesClose},
}};

} // namespace triangle
