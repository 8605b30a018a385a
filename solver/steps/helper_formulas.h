// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/triangle/angle_functions.h"
#include "solver/triangle/triangle.h"

namespace triangle {

// pi / 2 for a sine of 1 or more, else the arcsine written with the
// arctangent. A sine within the reading's precision of 1 counts as 1: such
// data cannot be told from a right triangle.
Real arcsineOrRightAngle(Real sine);

// The same for the sine opposite / hypotenuse, with the cosine taken from
// the two lengths rather than from the rounded quotient; a sine within
// `slack` of 1 counts as 1.
Real arcsineOfRatio(Real opposite, Real hypotenuse, Real::Value slack);

// The acute angle opposite `side` by the law of sines, from another side and
// the angle opposite it and that angle's sine: the same value as
// AngleFromSide with R taken from that pair, evaluated so that a sine near 1
// keeps its digits.
Real angleByLawOfSines(Real side, Real knownSide, Real knownAngle, Real knownSine);

// The angle opposite side k (1 a, 2 b, 3 c) from that side and R: always the
// acute solution, a right angle when the side is not shorter than 2R.
Real AngleFromSide(const Triangle &t, int k);
Real AngleFromSide(const Triangle &t, Vertex v);

// The arcsine of t.SineArg, by the same rule.
Real ArcSine(const Triangle &t);

// The two sides enclosing t.WorkAngle, from t.S, t.WorkSide and t.WorkAngle:
// writes t.WorkHigh (the larger) and t.WorkLow. Returns the square of their
// difference, below 0 where no real pair exists.
Real SidesFromAreaAngle(Triangle &t);

// AngleFromSide where the other two sides are known as well: when the arcsine
// is taken and the side is longest beyond a right triangle, the true angle is
// obtuse, so the supplement is returned instead of the arcsine value.
Real angleFromSideAmongSides(const Triangle &t, Vertex v);

// Side opposite the angle between s1 and s2, by the law of cosines written
// as (s1 - s2)^2 + 4 s1 s2 sin^2(angle / 2), which keeps its digits for
// nearly equal sides and a small angle. The absolute value keeps the
// radicand of inconsistent data from faulting.
Real lawOfCosines(Real s1, Real s2, Real enclosedAngle);
// The square of that side, before the root.
Real lawOfCosinesSquare(Real s1, Real s2, Real enclosedAngle);

// The sine of the angle at v. An obtuse angle found as the rest of pi has
// the sine of the sum of the other two, sin β = sin(α + γ): where they are
// small, the rest of pi has lost their digits, and their sum has not.
Real sineAt(const Triangle &t, Vertex v);

// R = side / (2 sin(opposite angle)).
Real circumradiusFromSide(Real side, Real oppositeAngle);

// Side opposite v as 2R sin(angle at v).
Real sideFromCircumradius(const Triangle &t, Vertex v);

} // namespace triangle
