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

namespace {

// 180 - (x + y) with the rounding of the sum carried along (Knuth's
// two-sum): near 180 the subtraction is exact, so only the last rounding
// remains in a tiny result.
Real restOf180(Real x, Real y)
{
    const Real sum = x + y;
    const Real part = sum - x;
    const Real sumError = (x - (sum - part)) + (y - part);
    return (Real(180.0) - sum) - sumError;
}

// pi - (angle at x + angle at y), from the typed degrees where both were given.
Real restOfPi(const Triangle &t, Vertex x, Vertex y)
{
    const Real degreesX = t.givenDegrees.at(x);
    const Real degreesY = t.givenDegrees.at(y);
    if (degreesX > 0.0 && degreesY > 0.0)
        return restOf180(degreesX, degreesY) * kPi / 180.0;
    return Real(kPi) - (t.angle(x) + t.angle(y));
}

} // namespace

void ThirdAngleAlpha(Triangle &t) { t.Alpha = restOfPi(t, B, C); }
void ThirdAngleBeta(Triangle &t) { t.Beta = restOfPi(t, A, C); }
void ThirdAngleGamma(Triangle &t) { t.Gamma = restOfPi(t, A, B); }

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
