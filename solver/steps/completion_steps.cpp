// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/steps/completion_steps.h"

#include "solver/steps/solving_steps.h"

namespace triangle {

using enum Vertex;

void FinishWithGamma(Solving &s)
{
    ThirdAngleGamma(s);
    steps::sideFromCircumradius(s, C);
    AreaQuotient(s, A);
}

void AreaQuotient(Solving &s, Vertex v) { steps::areaFromAnglesAndSide(s, v); }

void AreaFromSidesAndR(Solving &s) { steps::areaFromSidesAndRadius(s); }

void SideCThenArea(Solving &s)
{
    steps::sideFromCircumradius(s, C);
    AreaFromSidesAndR(s);
}

void SideBThenArea(Solving &s)
{
    steps::sideFromCircumradius(s, B);
    SideCThenArea(s);
}

void SidesFromA(Solving &s)
{
    steps::circumradiusFromPair(s, A);
    SideBThenArea(s);
}

void SidesFromC(Solving &s)
{
    steps::circumradiusFromPair(s, C);
    steps::sideFromCircumradius(s, A);
    steps::sideFromCircumradius(s, B);
    AreaFromSidesAndR(s);
}

void ThirdAngleAlpha(Solving &s) { steps::thirdAngle(s, A); }
void ThirdAngleBeta(Solving &s) { steps::thirdAngle(s, B); }
void ThirdAngleGamma(Solving &s) { steps::thirdAngle(s, C); }

void angleFromSideThenRest(Solving &s, Vertex found, Vertex rest)
{
    steps::angleAmongSides(s, found);
    steps::thirdAngleAmongSides(s, rest);
}

void AnglesFromSideB(Solving &s) { angleFromSideThenRest(s, B, C); }

} // namespace triangle
