// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/steps/solving.h"

// Closing sequences shared by several families of procedures. Each is entered
// with the fields it needs already in the record and stores its results in
// the order written; the driver's output step follows.
namespace triangle {

// With Alpha, Beta, a, b and R known.
void FinishWithGamma(Solving &s);
// S from the side opposite v and the three angles.
void AreaQuotient(Solving &s, Vertex v);
// S = abc / 4R.
void AreaFromSidesAndR(Solving &s);
// c from R, then the area.
void SideCThenArea(Solving &s);
// b from R, then SideCThenArea.
void SideBThenArea(Solving &s);
// With the three angles and a: R, then SideBThenArea.
void SidesFromA(Solving &s);
// With the three angles and c: R, a, b, then the area.
void SidesFromC(Solving &s);

// The angle at one vertex as the rest of pi.
void ThirdAngleAlpha(Solving &s);
void ThirdAngleBeta(Solving &s);
void ThirdAngleGamma(Solving &s);

// The angle at `found` from its side among all three sides, then the angle at
// the remaining vertex as the rest of pi.
void angleFromSideThenRest(Solving &s, Vertex found, Vertex rest);
template <Vertex Found, Vertex Rest>
void angleFromSideThenRest(Solving &s)
{
    angleFromSideThenRest(s, Found, Rest);
}
// Beta from b, then Gamma as the rest of pi.
void AnglesFromSideB(Solving &s);

} // namespace triangle
