// SPDX-License-Identifier: GPL-3.0-or-later
// Two angles with the area or the circumradius: the third angle as the rest of
// pi, then one of two closings that depend only on which of S and R is known.
#include "solver/list/procedures.h"
#include "solver/steps/completion_steps.h"
#include "solver/steps/solving_steps.h"

namespace triangle {

using enum Vertex;

namespace {

void sidesFromCircumradius(Solving &s)
{
    for (const Vertex v : kVertices)
        steps::sideFromCircumradius(s, v);
}

// With the three angles and S: R first, then the sides.
void FinishFromAnglesAndArea(Solving &s)
{
    steps::radiusFromAnglesAndArea(s);
    sidesFromCircumradius(s);
}

// With the three angles and R: the sides, then S from R and the angles.
void FinishFromAnglesAndR(Solving &s)
{
    sidesFromCircumradius(s);
    steps::areaFromAnglesAndRadius(s);
}

template <Vertex Derived, void (*Finish)(Solving &)>
void twoAngles(Solving &s)
{
    steps::thirdAngle(s, Derived);
    Finish(s);
}

} // namespace

const std::array<Combination, 6> kTwoAnglesWithAreaOrRadius = {{
    {"11000010", twoAngles<C, FinishFromAnglesAndArea>},
    {"10100010", twoAngles<B, FinishFromAnglesAndArea>},
    {"01100010", twoAngles<A, FinishFromAnglesAndArea>},
    {"11000001", twoAngles<C, FinishFromAnglesAndR>},
    {"10100001", twoAngles<B, FinishFromAnglesAndR>},
    {"01100001", twoAngles<A, FinishFromAnglesAndR>},
}};

} // namespace triangle
