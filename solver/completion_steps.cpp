// SPDX-License-Identifier: GPL-3.0-or-later
#include "completion_steps.h"

#include <array>

#include "helper_formulas.h"

namespace triangle {

void FinishWithGamma(Triangle &t)
{
    ThirdAngleGamma(t);
    t.c = sideFromCircumradius(t, C);
    const Real numerator = t.a * t.a * sin(t.Beta) * sin(t.Gamma);
    const Real denominator = 2.0 * sin(t.Alpha);
    AreaQuotient(t, numerator, denominator);
}

void AreaQuotient(Triangle &t, Real numerator, Real denominator) { t.S = numerator / denominator; }

void AreaFromSidesAndR(Triangle &t)
{
    const Real fourR = 4.0 * t.R;
    t.S = (t.a * t.b * t.c) / fourR;
}

void SideCThenArea(Triangle &t)
{
    t.c = sideFromCircumradius(t, C);
    AreaFromSidesAndR(t);
}

void SideBThenArea(Triangle &t)
{
    t.b = sideFromCircumradius(t, B);
    SideCThenArea(t);
}

void SidesFromA(Triangle &t)
{
    t.R = circumradiusFromSide(t.a, t.Alpha);
    SideBThenArea(t);
}

void SidesFromC(Triangle &t)
{
    t.R = circumradiusFromSide(t.c, t.Gamma);
    t.a = sideFromCircumradius(t, A);
    t.b = sideFromCircumradius(t, B);
    AreaFromSidesAndR(t);
}

void ThirdAngleAlpha(Triangle &t) { t.Alpha = Real(kPi) - (t.Beta + t.Gamma); }
void ThirdAngleBeta(Triangle &t) { t.Beta = Real(kPi) - (t.Alpha + t.Gamma); }
void ThirdAngleGamma(Triangle &t) { t.Gamma = Real(kPi) - (t.Alpha + t.Beta); }

void thirdAngle(Triangle &t, Vertex v)
{
    constexpr std::array<void (*)(Triangle &), 3> steps = {ThirdAngleAlpha, ThirdAngleBeta, ThirdAngleGamma};
    steps.at(v)(t);
}

void angleFromSideThenRest(Triangle &t, Vertex found, Vertex rest)
{
    t.angle(found) = angleFromSideAmongSides(t, found);
    thirdAngle(t, rest);
}

void AnglesFromSideB(Triangle &t) { angleFromSideThenRest(t, B, C); }

} // namespace triangle
