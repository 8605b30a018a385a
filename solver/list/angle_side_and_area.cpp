// SPDX-License-Identifier: GPL-3.0-or-later
// One angle, one side and the area, in two schemes: the side opposite the
// angle, or a side enclosing it.
#include "solver/list/procedures.h"
#include "solver/steps/completion_steps.h"
#include "solver/steps/solving_steps.h"

namespace triangle {

using enum Vertex;

namespace {

// With the angle at `given` and the two sides enclosing it, S in the record:
// the third side by the law of cosines, R from the three sides and the given
// area, the angle at `found` among all three sides, and the rest of pi.
void finishFromEnclosingSides(Solving &s, Vertex given, Vertex found)
{
    steps::sideByLawOfCosines(s, given);
    steps::radiusFromSidesAndArea(s);
    angleFromSideThenRest(s, found, otherVertex(given, found));
}

void FinishFromBCAlpha(Solving &s) { finishFromEnclosingSides(s, A, C); }
void FinishFromACBeta(Solving &s) { finishFromEnclosingSides(s, B, A); }
void FinishFromABGamma(Solving &s) { finishFromEnclosingSides(s, C, B); }

template <Vertex Given, void (*Angles)(Solving &)>
void oppositeSide(Solving &s)
{
    steps::circumradiusFromPair(s, Given);
    steps::sidesFromArea(s, Given);
    Angles(s);
}

// The other enclosing side from S = s t sin(angle) / 2, then the closing.
template <Vertex Given, Vertex GivenSide, void (*Finish)(Solving &)>
void adjacentSide(Solving &s)
{
    steps::sideFromArea(s, otherVertex(Given, GivenSide), Given);
    Finish(s);
}

} // namespace

const std::array<Combination, 9> kAngleSideAndArea = {{
    {"10010010", oppositeSide<A, AnglesFromSideB>},
    {"01001010", oppositeSide<B, angleFromSideThenRest<C, A>>},
    {"00100110", oppositeSide<C, angleFromSideThenRest<A, B>>},
    {"10001010", adjacentSide<A, B, FinishFromBCAlpha>},
    {"10000110", adjacentSide<A, C, FinishFromBCAlpha>},
    {"01010010", adjacentSide<B, A, FinishFromACBeta>},
    {"01000110", adjacentSide<B, C, FinishFromACBeta>},
    {"00110010", adjacentSide<C, A, FinishFromABGamma>},
    {"00101010", adjacentSide<C, B, FinishFromABGamma>},
}};

} // namespace triangle
