// SPDX-License-Identifier: GPL-3.0-or-later
// Two sides with the area or the circumradius.
#include "completion_steps.h"
#include "helper_formulas.h"
#include "procedures.h"

namespace triangle {

namespace {

// The area gives the sine of the angle between the given sides; then the
// third side, R, the angle opposite `Second` among all three sides and the
// rest of pi. S stays as given.
template <Vertex Between, Vertex Second>
void sidesAndArea(Triangle &t, Branches &branches)
{
    const Vertex first = Between == A ? B : A;
    const Vertex last = otherVertex(Between, first);
    t.SineArg = (2.0 * t.S) / (t.side(first) * t.side(last));
    t.angle(Between) = acuteOrObtuse(ArcSine(t), branches);
    t.side(Between) = lawOfCosines(t.side(first), t.side(last), t.angle(Between));
    t.R = circumradiusFromSide(t.side(Between), t.angle(Between));
    angleFromSideThenRest(t, Second, otherVertex(Between, Second));
}

// R gives the angles opposite both given sides; then the rest of pi, the third
// side and the area.
template <Vertex Third>
void sidesAndRadius(Triangle &t, Branches &branches)
{
    const Vertex first = Third == A ? B : A;
    const Vertex last = otherVertex(Third, first);
    t.angle(first) = acuteOrObtuse(AngleFromSide(t, first + 1), branches);
    t.angle(last) = acuteOrObtuse(AngleFromSide(t, last + 1), branches);
    thirdAngle(t, Third);
    t.side(Third) = sideFromCircumradius(t, Third);
    AreaFromSidesAndR(t);
}

} // namespace

const std::array<Procedure, 6> kTwoSidesWithAreaOrRadius = {
    sidesAndArea<C, B>, // 30: a, b, S
    sidesAndArea<B, C>, // 31: a, c, S
    sidesAndArea<A, B>, // 32: b, c, S
    sidesAndRadius<C>,  // 33: a, b, R
    sidesAndRadius<B>,  // 34: a, c, R
    sidesAndRadius<A>,  // 35: b, c, R
};

} // namespace triangle
