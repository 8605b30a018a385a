// SPDX-License-Identifier: GPL-3.0-or-later
// Two sides with the area or the circumradius.
#include "solver/list/procedures.h"
#include "solver/steps/completion_steps.h"
#include "solver/steps/solving_steps.h"

namespace triangle {

using enum Vertex;

namespace {

// The area gives the sine of the angle between the given sides; then the
// third side, R, the angle opposite `Second` among all three sides and the
// rest of pi. S stays as given.
template <Vertex Between, Vertex Second>
void sidesAndArea(Solving &s)
{
    steps::angleFromArea(s, Between);
    steps::sideByLawOfCosines(s, Between);
    steps::circumradiusFromPair(s, Between);
    angleFromSideThenRest(s, Second, otherVertex(Between, Second));
}

// R gives the angles opposite both given sides; then the rest of pi, the third
// side and the area.
template <Vertex Third>
void sidesAndRadius(Solving &s)
{
    constexpr Vertex first = firstOtherThan(Third);
    steps::angleFromCircumradius(s, first);
    steps::angleFromCircumradius(s, otherVertex(Third, first));
    steps::thirdAngle(s, Third);
    steps::sideFromCircumradius(s, Third);
    AreaFromSidesAndR(s);
}

} // namespace

const std::array<Combination, 6> kTwoSidesWithAreaOrRadius = {{
    {"00011010", sidesAndArea<C, B>},
    {"00010110", sidesAndArea<B, C>},
    {"00001110", sidesAndArea<A, B>},
    {"00011001", sidesAndRadius<C>},
    {"00010101", sidesAndRadius<B>},
    {"00001101", sidesAndRadius<A>},
}};

} // namespace triangle
