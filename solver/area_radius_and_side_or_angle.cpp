// SPDX-License-Identifier: GPL-3.0-or-later
// The area and the circumradius with a side or an angle: complete the pair of
// a side and its opposite angle, then the two other sides from the area.
#include "area_from_side_and_angle.h"
#include "completion_steps.h"
#include "helper_formulas.h"
#include "procedures.h"

namespace triangle {

namespace {

using Closing = void (*)(Triangle &);

template <Vertex Given, Closing Angles>
void sideAreaRadius(Triangle &t, Branches &branches)
{
    t.angle(Given) = acuteOrObtuse(AngleFromSide(t, Given + 1), branches);
    sidesFromArea(t, Given, branches);
    Angles(t);
}

template <Vertex Given, Closing Angles>
void angleAreaRadius(Triangle &t, Branches &branches)
{
    t.side(Given) = sideFromCircumradius(t, Given);
    sidesFromArea(t, Given, branches);
    Angles(t);
}

} // namespace

const std::array<Procedure, 6> kAreaRadiusAndSideOrAngle = {
    sideAreaRadius<A, AnglesFromSideB>,              // 36: a, S, R
    sideAreaRadius<B, angleFromSideThenRest<C, A>>,  // 37: b, S, R
    sideAreaRadius<C, angleFromSideThenRest<B, A>>,  // 38: c, S, R
    angleAreaRadius<A, AnglesFromSideB>,             // 39: A, S, R
    angleAreaRadius<B, angleFromSideThenRest<C, A>>, // 40: B, S, R
    angleAreaRadius<C, angleFromSideThenRest<A, B>>, // 41: C, S, R
};

} // namespace triangle
