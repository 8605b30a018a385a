// SPDX-License-Identifier: GPL-3.0-or-later
// The area and the circumradius with a side or an angle: complete the pair of
// a side and its opposite angle, then the two other sides from the area.
#include "solver/list/procedures.h"
#include "solver/steps/completion_steps.h"
#include "solver/steps/solving_steps.h"

namespace triangle {

using enum Vertex;

namespace {

using Closing = void (*)(Solving &);

template <Vertex Given, Closing Angles>
void sideAreaRadius(Solving &s)
{
    steps::angleFromCircumradius(s, Given);
    steps::sidesFromArea(s, Given);
    Angles(s);
}

template <Vertex Given, Closing Angles>
void angleAreaRadius(Solving &s)
{
    steps::sideFromCircumradius(s, Given);
    steps::sidesFromArea(s, Given);
    Angles(s);
}

} // namespace

const std::array<Combination, 6> kAreaRadiusAndSideOrAngle = {{
    {"00010011", sideAreaRadius<A, AnglesFromSideB>},
    {"00001011", sideAreaRadius<B, angleFromSideThenRest<C, A>>},
    {"00000111", sideAreaRadius<C, angleFromSideThenRest<B, A>>},
    {"10000011", angleAreaRadius<A, AnglesFromSideB>},
    {"01000011", angleAreaRadius<B, angleFromSideThenRest<C, A>>},
    {"00100011", angleAreaRadius<C, angleFromSideThenRest<A, B>>},
}};

} // namespace triangle
