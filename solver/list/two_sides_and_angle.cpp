// SPDX-License-Identifier: GPL-3.0-or-later
// Two sides and one angle, in two schemes: the angle between the sides, or the
// angle opposite one of them.
#include "solver/list/procedures.h"
#include "solver/list/quick_included_angle.h"
#include "solver/steps/completion_steps.h"
#include "solver/steps/solving_steps.h"

namespace triangle {

using enum Vertex;

namespace {

// The angle at Given lies between the two given sides: the area, the third
// side by the law of cosines, R, then the angle opposite the earlier side and
// the rest of pi. The data fix one triangle.
template <Vertex Given>
void includedAngle(Solving &s)
{
    constexpr Vertex first = firstOtherThan(Given);
    steps::areaFromTwoSides(s, Given);
    steps::sideByLawOfCosines(s, Given);
    steps::radiusFromSidesAndArea(s);
    angleFromSideThenRest(s, first, otherVertex(Given, first));
}

// The angle at Given lies opposite its side: R by the law of sines, the angle
// opposite the other given side from its sine, the rest of pi, the third side
// and the area.
template <Vertex Given, Vertex OtherSide>
void oppositeAngle(Solving &s)
{
    constexpr Vertex third = otherVertex(Given, OtherSide);
    steps::circumradiusFromPair(s, Given);
    steps::angleByLawOfSines(s, OtherSide, Given);
    steps::thirdAngle(s, third);
    steps::sideFromCircumradius(s, third);
    steps::areaFromTwoSides(s, A);
}

template <Vertex Given>
std::optional<RoundedValues> quickIncludedAngle(const GivenValues &values)
{
    return shownIncludedAngle(Given, values);
}

} // namespace

const std::array<Combination, 9> kTwoSidesAndAngle = {{
    {"00111000", includedAngle<C>, quickIncludedAngle<C>},
    {"01010100", includedAngle<B>, quickIncludedAngle<B>},
    {"10001100", includedAngle<A>, quickIncludedAngle<A>},
    {"10011000", oppositeAngle<A, B>},
    {"01011000", oppositeAngle<B, A>},
    {"10010100", oppositeAngle<A, C>},
    {"00110100", oppositeAngle<C, A>},
    {"01001100", oppositeAngle<B, C>},
    {"00101100", oppositeAngle<C, B>},
}};

} // namespace triangle
