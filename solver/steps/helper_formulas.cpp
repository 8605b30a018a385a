// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/steps/helper_formulas.h"

namespace triangle {

namespace {

// Typed values carry about sixteen significant digits; a sine that close to
// 1 belongs to a right angle as far as the data can tell, and the arcsine
// there would turn the last digit of the data into visible degrees.
constexpr Real::Value kRightAngleSlack = 0x1p-50L;

// A sine this close to 1 is an angle within about 0.1 degree of a right one.
constexpr Real::Value kNearRight = 1e-6L;

} // namespace

Real arcsineOrRightAngle(Real sine)
{
    if (sine >= 1.0 - kRightAngleSlack)
        return Real(kPi) / 2.0;
    // (1 - s)(1 + s) rather than 1 - s*s keeps the digits of a sine near 1.
    // No absolute value here: a sine of -1 divides by zero and one below -1
    // takes the root of a negative number, both reported as faults.
    return atan(sine / sqrt((1.0 - sine) * (1.0 + sine)));
}

Real arcsineOfRatio(Real opposite, Real hypotenuse, Real::Value slack)
{
    const Real sine = opposite / hypotenuse;
    if (sine >= 1.0 - slack)
        return Real(kPi) / 2.0;
    // The cosine from (h - o)(h + o): the difference of the two lengths is
    // exact, where 1 - sine would carry the rounding of the quotient.
    const Real cosine = sqrt((hypotenuse - opposite) * (hypotenuse + opposite)) / abs(hypotenuse);
    return atan(sine / cosine);
}

Real angleByLawOfSines(Real side, Real knownSide, Real knownAngle, Real knownSine)
{
    const Real sine = side * knownSine / knownSide;
    if (sine >= 1.0 - kRightAngleSlack)
        return Real(kPi) / 2.0;
    // The cosine from knownSide - side * knownSine. Where the known angle is
    // near a right one, 1 - its sine is written as 2 sin^2 of half its
    // distance from the right angle, which keeps the digits a sine near 1
    // has lost.
    const bool nearRight = knownAngle > Real(kPi) / 4.0 && knownAngle < 3.0 * Real(kPi) / 4.0;
    Real shortfall = knownSide - side * knownSine;
    if (nearRight) {
        const Real halfDistance = sin(Real(kPi) / 4.0 - knownAngle / 2.0);
        shortfall = (knownSide - side) + 2.0 * side * halfDistance * halfDistance;
    }
    const Real cosine = sqrt(shortfall * (knownSide + side * knownSine)) / abs(knownSide);
    return atan(sine / cosine);
}

Real AngleFromSide(const Triangle &t, int k)
{
    const auto opposite = static_cast<Vertex>(k - 1);
    return arcsineOfRatio(t.side(opposite), 2.0 * t.R, kRightAngleSlack);
}

Real AngleFromSide(const Triangle &t, Vertex v) { return AngleFromSide(t, indexOf(v) + 1); }

Real ArcSine(const Triangle &t) { return arcsineOrRightAngle(t.SineArg); }

Real SidesFromAreaAngle(Triangle &t)
{
    const Real product = (2.0 * t.S) / sin(t.WorkAngle);
    const Real halfSine = sin(t.WorkAngle / 2.0);
    const Real halfCosine = cos(t.WorkAngle / 2.0);
    // The sum and the difference of the two sides squared, with 1 + cos and
    // 1 - cos written as squares of the half angle so that neither cancels.
    const Real sum = sqrt(abs(t.WorkSide * t.WorkSide + 4.0 * product * halfCosine * halfCosine));
    const Real side2 = t.WorkSide * t.WorkSide;
    const Real difference2 = side2 - 4.0 * product * halfSine * halfSine;
    // No real pair of sides exists when the area is too large for the side and
    // its angle: both sides then come out as half the sum. A difference
    // within the data's precision is none: the two sides are equal.
    const bool equal = difference2 <= side2 * kRightAngleSlack;
    const Real difference = equal ? Real(0.0) : sqrt(difference2);
    t.WorkHigh = (sum + difference) / 2.0;
    // The smaller side from the product: (sum - difference) / 2 would cancel
    // for a needle.
    t.WorkLow = equal ? (sum - difference) / 2.0 : product / t.WorkHigh;
    return difference2;
}

Real angleFromSideAmongSides(const Triangle &t, Vertex v)
{
    const Real::Value side = t.side(v).value();
    const Real::Value other1 = t.side(otherVertex(v, firstOtherThan(v))).value();
    const Real::Value other2 = t.side(firstOtherThan(v)).value();
    // Plain numbers: a comparison and a cosine that must not fault for huge
    // sides. b^2 + c^2 - a^2 has the sign of the cosine.
    const Real::Value cosineNumerator = (other1 * other1 + other2 * other2) - side * side;
    const Real ratio = t.side(v) / (2.0 * t.R);
    // Within a hair of a right angle the sine says little about the angle;
    // the cosine from the three sides says it all.
    if (std::fabs(1.0L - ratio.value()) < kNearRight && std::isfinite(cosineNumerator))
        return angleFromSineAndCosine(ratio, Real(cosineNumerator / (2.0L * other1 * other2)));
    // With all three sides known the angle is what they make it: no slack,
    // which would flatten the small third angle of a thin triangle.
    const Real angle = arcsineOfRatio(t.side(v), 2.0 * t.R, 0.0L);
    if (ratio >= 1.0 || cosineNumerator >= 0.0L)
        return angle;
    return Real(kPi) - angle;
}

Real lawOfCosinesSquare(Real s1, Real s2, Real enclosedAngle)
{
    const Real halfSine = sin(enclosedAngle / 2.0);
    return (s1 - s2) * (s1 - s2) + 4.0 * s1 * s2 * halfSine * halfSine;
}

Real lawOfCosines(Real s1, Real s2, Real enclosedAngle)
{
    return sqrt(abs(lawOfCosinesSquare(s1, s2, enclosedAngle)));
}

Real circumradiusFromSide(Real side, Real oppositeAngle) { return side / (2.0 * sin(oppositeAngle)); }

Real sineAt(const Triangle &t, Vertex v)
{
    const Real own = t.angle(v);
    const Real others = t.restOfPiSums.at(static_cast<std::size_t>(indexOf(v)));
    if (own.value() > kPi / 2 && others.value() > 0)
        return sin(others);
    return sin(own);
}

Real sideFromCircumradius(const Triangle &t, Vertex v) { return 2.0 * t.R * sineAt(t, v); }

} // namespace triangle
