// SPDX-License-Identifier: GPL-3.0-or-later
#include "helper_formulas.h"

namespace triangle {

Real arcsineOrRightAngle(Real sine)
{
    if (sine >= 1.0)
        return Real(kPi) / 2.0;
    // No absolute value here: a sine of -1 divides by zero and one below -1
    // takes the root of a negative number, both reported as faults.
    return atan(sine / sqrt(1.0 - sine * sine));
}

Real AngleFromSide(const Triangle &t, int k)
{
    const auto opposite = static_cast<Vertex>(k - 1);
    return arcsineOrRightAngle(t.side(opposite) / (2.0 * t.R));
}

Real ArcSine(const Triangle &t) { return arcsineOrRightAngle(t.SineArg); }

void SidesFromAreaAngle(Triangle &t)
{
    const Real product = (2.0 * t.S) / sin(t.WorkAngle);
    const Real q = (2.0 * product) * cos(t.WorkAngle);
    const Real sum = sqrt(abs((t.WorkSide * t.WorkSide + 2.0 * product) + q));
    // No real pair of sides exists when the area is too large for the side and
    // its angle: both sides then come out as half the sum.
    const Real difference = sum * sum < 4.0 * product ? Real(0.0) : sqrt(abs(sum * sum - 4.0 * product));
    t.WorkHigh = (sum + difference) / 2.0;
    t.WorkLow = (sum - difference) / 2.0;
}

Real angleFromSideAmongSides(const Triangle &t, Vertex v)
{
    const Real ratio = t.side(v) / (2.0 * t.R);
    const Real angle = arcsineOrRightAngle(ratio);
    if (ratio >= 1.0)
        return angle;
    // A comparison only: plain doubles, so huge sides cannot fault here.
    const double side = t.side(v).value();
    const double other1 = t.side(otherVertex(v, v == A ? B : A)).value();
    const double other2 = t.side(v == A ? B : A).value();
    if (side * side > other1 * other1 + other2 * other2)
        return Real(kPi) - angle;
    return angle;
}

Real acuteOrObtuse(Real acute, Branches &branches)
{
    return branches.takeOther() ? Real(kPi) - acute : acute;
}

Real lawOfCosines(Real s1, Real s2, Real enclosedAngle)
{
    return sqrt(abs((s1 * s1 + s2 * s2) - 2.0 * s1 * s2 * cos(enclosedAngle)));
}

Real circumradiusFromSide(Real side, Real oppositeAngle) { return side / (2.0 * sin(oppositeAngle)); }

Real sideFromCircumradius(const Triangle &t, Vertex v) { return 2.0 * t.R * sin(t.angle(v)); }

} // namespace triangle
