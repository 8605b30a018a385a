// SPDX-License-Identifier: GPL-3.0-or-later
// One angle, a side meeting at its vertex, and the circumradius: the angle
// opposite the side from its sine, the third as the rest of pi, the two other
// sides by the law of sines, the area from the sides and R.
#include "completion_steps.h"
#include "helper_formulas.h"
#include "procedures.h"

namespace triangle {

namespace {

// The two sides other than the known one, in alphabetical order, then the area.
void otherSidesThenArea(Triangle &t, Vertex known)
{
    switch (known) {
    case A: SideBThenArea(t); break;
    case B:
        t.a = sideFromCircumradius(t, A);
        SideCThenArea(t);
        break;
    case C:
        t.a = sideFromCircumradius(t, A);
        t.b = sideFromCircumradius(t, B);
        AreaFromSidesAndR(t);
        break;
    }
}

template <Vertex GivenSide, Vertex Derived>
void angleSideRadius(Triangle &t, Branches &branches)
{
    t.angle(GivenSide) = acuteOrObtuse(AngleFromSide(t, GivenSide + 1), branches);
    thirdAngle(t, Derived);
    otherSidesThenArea(t, GivenSide);
}

} // namespace

const std::array<Procedure, 6> kAngleAdjacentSideAndRadius = {
    angleSideRadius<A, C>, // 15: B, a, R
    angleSideRadius<A, B>, // 16: C, a, R
    angleSideRadius<B, C>, // 17: A, b, R
    angleSideRadius<B, A>, // 18: C, b, R
    angleSideRadius<C, B>, // 19: A, c, R
    angleSideRadius<C, A>, // 20: B, c, R
};

} // namespace triangle
