// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "branches.h"
#include "triangle.h"

namespace triangle {

// pi / 2 for a sine of 1 or more, else the arcsine written with the arctangent.
Real arcsineOrRightAngle(Real sine);

// The angle opposite side k (1 a, 2 b, 3 c) from that side and R: always the
// acute solution, a right angle when the side is not shorter than 2R.
Real AngleFromSide(const Triangle &t, int k);

// The arcsine of t.SineArg, by the same rule.
Real ArcSine(const Triangle &t);

// The two sides enclosing t.WorkAngle, from t.S, t.WorkSide and t.WorkAngle:
// writes t.WorkHigh (the larger) and t.WorkLow.
void SidesFromAreaAngle(Triangle &t);

// AngleFromSide where the other two sides are known as well: when the arcsine
// is taken and the side is longest beyond a right triangle, the true angle is
// obtuse, so the supplement is returned instead of the arcsine value.
Real angleFromSideAmongSides(const Triangle &t, Vertex v);

// An angle found from its sine at a branch point: the acute value, or its
// supplement where the branches ask for the other triangle.
Real acuteOrObtuse(Real acute, Branches &branches);

// Side opposite the angle between s1 and s2, by the law of cosines. The
// absolute value keeps a radicand that rounding made slightly negative from
// faulting.
Real lawOfCosines(Real s1, Real s2, Real enclosedAngle);

// R = side / (2 sin(opposite angle)).
Real circumradiusFromSide(Real side, Real oppositeAngle);

// Side opposite v as 2R sin(angle at v).
Real sideFromCircumradius(const Triangle &t, Vertex v);

// The vertex that is neither x nor y.
constexpr Vertex otherVertex(Vertex x, Vertex y) { return static_cast<Vertex>(3 - x - y); }

} // namespace triangle
