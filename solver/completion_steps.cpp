#include "completion_steps.h"

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

void thirdAngle(Triangle &t, Vertex v)
{
    const Vertex first = v == A ? B : A;
    const Vertex second = otherVertex(v, first);
    t.angle(v) = Real(kPi) - (t.angle(first) + t.angle(second));
}

void ThirdAngleAlpha(Triangle &t) { thirdAngle(t, A); }
void ThirdAngleBeta(Triangle &t) { thirdAngle(t, B); }
void ThirdAngleGamma(Triangle &t) { thirdAngle(t, C); }

void angleFromSideThenRest(Triangle &t, Vertex found, Vertex rest)
{
    t.angle(found) = angleFromSideAmongSides(t, found);
    thirdAngle(t, rest);
}

void AnglesFromSideB(Triangle &t) { angleFromSideThenRest(t, B, C); }

} // namespace triangle
