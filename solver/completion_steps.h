// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "triangle.h"

// Closing sequences shared by several families of procedures. Each is entered
// with the fields it needs already in the record and stores its results in
// the order written; the driver's output step follows.
namespace triangle {

// With Alpha, Beta, a, b and R known.
void FinishWithGamma(Triangle &t);
// S = numerator / denominator; the caller prepares both.
void AreaQuotient(Triangle &t, Real numerator, Real denominator);
// S = abc / 4R.
void AreaFromSidesAndR(Triangle &t);
// c from R, then the area.
void SideCThenArea(Triangle &t);
// b from R, then SideCThenArea.
void SideBThenArea(Triangle &t);
// With the three angles and a: R, then SideBThenArea.
void SidesFromA(Triangle &t);
// With the three angles and c: R, a, b, then the area.
void SidesFromC(Triangle &t);

// The angle at v as the rest of pi.
void thirdAngle(Triangle &t, Vertex v);
void ThirdAngleAlpha(Triangle &t);
void ThirdAngleBeta(Triangle &t);
void ThirdAngleGamma(Triangle &t);

// The angle at `found` from its side among all three sides, then the angle at
// the remaining vertex as the rest of pi.
void angleFromSideThenRest(Triangle &t, Vertex found, Vertex rest);
template <Vertex Found, Vertex Rest>
void angleFromSideThenRest(Triangle &t)
{
    angleFromSideThenRest(t, Found, Rest);
}
// Beta from b, then Gamma as the rest of pi.
void AnglesFromSideB(Triangle &t);

} // namespace triangle
