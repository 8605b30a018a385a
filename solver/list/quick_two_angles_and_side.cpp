// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/list/quick_two_angles_and_side.h"

#include <algorithm>
#include <array>

#include "solver/list/quick_route.h"
#include "solver/steps/solving_steps.h"

namespace triangle {

using namespace quick;

std::optional<RoundedValues> shownTwoAnglesAndSide(Vertex third, Vertex sideAt, const GivenValues &values)
{
    const auto at = [](Quantity q) { return static_cast<std::size_t>(fieldIndex(q)); };
    const auto slot = [](Vertex v) { return static_cast<std::size_t>(indexOf(v)); };
    const Vertex first = firstOtherThan(third);
    const Vertex second = otherVertex(third, first);
    std::array<long double, 3> degrees {};
    degrees.at(slot(first)) = values.at(at(angleAt(first))).value();
    degrees.at(slot(second)) = values.at(at(angleAt(second))).value();
    if (!tameAngle(degrees.at(slot(first))) || !tameAngle(degrees.at(slot(second))))
        return std::nullopt;
    // The third angle as the solving finds it, and as it shows it.
    const Real rest = steps::restOf180(values.at(at(angleAt(first))), values.at(at(angleAt(second))));
    degrees.at(slot(third)) = rest.value();
    const long double restShown = (rest * kPi / 180.0 * 180.0 / kPi).value();
    const long double givenSide = values.at(at(sideOpposite(sideAt))).value();
    if (!tameAngle(rest.value()) || !tameLength(static_cast<double>(givenSide)))
        return std::nullopt;

    // Each angle's sine to 4 roundings; R to 6, the other sides to 11, the
    // area from two of them and the sine between them to 18, the perimeter
    // to 13.
    std::array<double, 3> sines {};
    for (const Vertex v : kVertices)
        sines.at(slot(v)) = sineOfDegrees(degrees.at(slot(v)));
    const double radius = static_cast<double>(givenSide) / (2.0 * sines.at(slot(sideAt)));
    std::array<double, 3> sides {};
    for (const Vertex v : kVertices)
        sides.at(slot(v)) = v == sideAt ? static_cast<double>(givenSide) : 2.0 * radius * sines.at(slot(v));
    const Vertex other = firstOtherThan(sideAt);
    const Vertex last = otherVertex(sideAt, other);
    const double area = 0.5 * sides.at(slot(sideAt)) * sides.at(slot(other)) * sines.at(slot(last));
    const double perimeter = (sides[0] + sides[1]) + sides[2];
    if (!tameLength(radius) || !std::all_of(sides.begin(), sides.end(), tameLength))
        return std::nullopt;

    // The long double solving's errors: each sine's by the angle's
    // supplement factor, R by its side's, a side by its and R's, the area by
    // all three.
    std::array<double, 3> factors {};
    for (const Vertex v : kVertices)
        factors.at(slot(v)) = supplementFactor(degrees.at(slot(v)));
    const double radiusFactor = factors.at(slot(sideAt));
    const double allFactors = factors[0] + factors[1] + factors[2];

    // The verdict checks the law of sines at each vertex to 1e-6 of the
    // longest side and the area against abc / 4R: the solving's errors, 2R
    // times those of the sines, stay a hundred times below it.
    const double longest = std::max({sides[0], sides[1], sides[2]});
    if (!(2.0 * radius * (kLongRoundings * allFactors * kLongUnit + 8.0 * kUnit) < 1e-8 * longest))
        return std::nullopt;

    Shown shown;
    shown.set(angleAt(first), shortRounding(shownAngle(degrees.at(slot(first)))));
    shown.set(angleAt(second), shortRounding(shownAngle(degrees.at(slot(second)))));
    shown.set(angleAt(third), shortRounding(restShown));
    for (const Vertex v : kVertices) {
        shown.set(sideOpposite(v),
            v == sideAt ? shortRounding(givenSide)
                        : shownLength(sides.at(slot(v)), 11.0, radiusFactor + factors.at(slot(v))));
    }
    shown.set(Quantity::S, shownLength(area, 18.0, allFactors));
    shown.set(Quantity::R, shownLength(radius, 6.0, radiusFactor));
    shown.set(Quantity::P, shownLength(perimeter, 13.0, allFactors));
    return shown.proved();
}

} // namespace triangle
