// SPDX-License-Identifier: GPL-3.0-or-later
// One angle, a side meeting at its vertex, and the circumradius: the angle
// opposite the side from its sine, the third as the rest of pi, the two other
// sides by the law of sines, the area from the sides and R.
#include "solver/list/procedures.h"
#include "solver/steps/completion_steps.h"
#include "solver/steps/solving_steps.h"

namespace triangle {

using enum Vertex;

namespace {

// The two sides other than the known one, in alphabetical order, then the area.
void otherSidesThenArea(Solving &s, Vertex known)
{
    switch (known) {
    case A: SideBThenArea(s); break;
    case B:
        steps::sideFromCircumradius(s, A);
        SideCThenArea(s);
        break;
    case C:
        steps::sideFromCircumradius(s, A);
        steps::sideFromCircumradius(s, B);
        AreaFromSidesAndR(s);
        break;
    }
}

template <Vertex GivenSide, Vertex Derived>
void angleSideRadius(Solving &s)
{
    steps::angleFromCircumradius(s, GivenSide);
    steps::thirdAngle(s, Derived);
    otherSidesThenArea(s, GivenSide);
}

} // namespace

const std::array<Combination, 6> kAngleAdjacentSideAndRadius = {{
    {"01010001", angleSideRadius<A, C>},
    {"00110001", angleSideRadius<A, B>},
    {"10001001", angleSideRadius<B, C>},
    {"00101001", angleSideRadius<B, A>},
    {"10000101", angleSideRadius<C, B>},
    {"01000101", angleSideRadius<C, A>},
}};

} // namespace triangle
