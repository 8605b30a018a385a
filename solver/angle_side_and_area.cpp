// SPDX-License-Identifier: GPL-3.0-or-later
// One angle, one side and the area, in two schemes: the side opposite the
// angle, or a side enclosing it.
#include "area_from_side_and_angle.h"
#include "completion_steps.h"
#include "helper_formulas.h"
#include "procedures.h"

namespace triangle {

namespace {

// With the angle at `given` and the two sides enclosing it, S in the record:
// the third side by the law of cosines, R from the three sides and the given
// area, the angle at `found` among all three sides, and the rest of pi.
void finishFromEnclosingSides(Triangle &t, Vertex given, Vertex found)
{
    const Vertex first = given == A ? B : A;
    const Vertex second = otherVertex(given, first);
    t.side(given) = lawOfCosines(t.side(first), t.side(second), t.angle(given));
    t.R = t.a * t.b * t.c / (4.0 * t.S);
    angleFromSideThenRest(t, found, otherVertex(given, found));
}

void FinishFromBCAlpha(Triangle &t) { finishFromEnclosingSides(t, A, C); }
void FinishFromACBeta(Triangle &t) { finishFromEnclosingSides(t, B, A); }
void FinishFromABGamma(Triangle &t) { finishFromEnclosingSides(t, C, B); }

template <Vertex Given, void (*Angles)(Triangle &)>
void oppositeSide(Triangle &t, Branches &branches)
{
    t.R = circumradiusFromSide(t.side(Given), t.angle(Given));
    sidesFromArea(t, Given, branches);
    Angles(t);
}

// The other enclosing side from S = s t sin(angle) / 2, then the closing.
template <Vertex Given, Vertex GivenSide, void (*Finish)(Triangle &)>
void adjacentSide(Triangle &t, Branches &)
{
    constexpr Vertex missing = otherVertex(Given, GivenSide);
    t.side(missing) = (2.0 * t.S) / (t.side(GivenSide) * sin(t.angle(Given)));
    Finish(t);
}

} // namespace

const std::array<Procedure, 9> kAngleSideAndArea = {
    oppositeSide<A, AnglesFromSideB>,             // 42: A, a, S
    oppositeSide<B, angleFromSideThenRest<C, A>>, // 43: B, b, S
    oppositeSide<C, angleFromSideThenRest<A, B>>, // 44: C, c, S
    adjacentSide<A, B, FinishFromBCAlpha>,        // 45: A, b, S
    adjacentSide<A, C, FinishFromBCAlpha>,        // 46: A, c, S
    adjacentSide<B, A, FinishFromACBeta>,         // 47: B, a, S
    adjacentSide<B, C, FinishFromACBeta>,         // 48: B, c, S
    adjacentSide<C, A, FinishFromABGamma>,        // 49: C, a, S
    adjacentSide<C, B, FinishFromABGamma>,        // 50: C, b, S
};

} // namespace triangle
