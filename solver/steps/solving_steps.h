// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/steps/solving.h"

// The single steps of the procedures: each finds one quantity (two for the
// sides from the area) by one rule, stores it and notes it in the journal.
namespace triangle::steps {

// 180 - (x + y) with the rounding of the sum carried along (Knuth's
// two-sum): near 180 the subtraction is exact, so only the last rounding
// remains in a tiny result. The third angle of two typed ones, in degrees.
Real restOf180(Real x, Real y);

// The angle at v as the rest of pi (of 180 degrees where both others were
// typed); none left is a contradiction.
void thirdAngle(Solving &s, Vertex v);
// The same where the three sides are known: they make the triangle, and a
// rest near 0 is only the rounding of a needle's smallest angle.
void thirdAngleAmongSides(Solving &s, Vertex v);
// R from the side opposite v and the angle at v.
void circumradiusFromPair(Solving &s, Vertex v);
// The side opposite v as 2R sin(angle at v).
void sideFromCircumradius(Solving &s, Vertex v);
// The angle at v from its side and R, acute or obtuse at a branch point.
void angleFromCircumradius(Solving &s, Vertex v);
// The angle at v from its side and another known pair, at a branch point.
void angleByLawOfSines(Solving &s, Vertex v, Vertex known);
// The angle at v among three known sides and R.
void angleAmongSides(Solving &s, Vertex v);
// The side opposite v by the law of cosines.
void sideByLawOfCosines(Solving &s, Vertex v);
// S from the two sides enclosing the angle at v.
void areaFromTwoSides(Solving &s, Vertex v);
// S = abc / 4R.
void areaFromSidesAndRadius(Solving &s);
// R = abc / 4S.
void radiusFromSidesAndArea(Solving &s);
// S from the side opposite v and the three angles.
void areaFromAnglesAndSide(Solving &s, Vertex v);
// R from S and the three angles.
void radiusFromAnglesAndArea(Solving &s);
// S from R and the three angles.
void areaFromAnglesAndRadius(Solving &s);
// The angle at v from S and the two sides enclosing it, at a branch point.
void angleFromArea(Solving &s, Vertex v);
// The side opposite `missing` from S, the other side enclosing the angle at
// `angle`, and that angle.
void sideFromArea(Solving &s, Vertex missing, Vertex angle);
// The two sides enclosing the angle at `known`, from S, that angle and its
// side: the later of the two in a, b, c the larger, or swapped at a branch point.
void sidesFromArea(Solving &s, Vertex known);

} // namespace triangle::steps
