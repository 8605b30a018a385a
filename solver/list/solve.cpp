// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/list/solve.h"

#include "solver/steps/solving.h"

namespace triangle {

Contradiction solveCombination(
    Triangle &t, int combination, const GivenValues &values, Branches &branches, Journal *journal)
{
    if (!isValidCombination(combination))
        return Contradiction::None;
    const Combination &row = combinationAt(combination);
    t.givenDegrees = {};
    t.restOfPiSums = {};
    for (int position = 0; position < kQuantityCount; ++position) {
        const Quantity q = quantityAt(position);
        if (!row.gives(q))
            continue;
        t.field(q) = isAngle(q) ? values.at(position) * kPi / 180.0 : values.at(position);
        if (isAngle(q))
            t.givenDegrees.at(position) = values.at(position);
    }
    Solving solving(t, branches, journal);
    row.solve(solving);
    const Contradiction first = solving.firstContradiction();
    if (journal != nullptr && first == Contradiction::None) {
        using enum Quantity;
        Step perimeter;
        perimeter.quantity = P;
        perimeter.rule = Rule::Perimeter;
        perimeter.value = fieldValue(t, P).value();
        perimeter.operands = {{{a, t.a.value()}, {b, t.b.value()}, {c, t.c.value()}}};
        perimeter.operandCount = 3;
        journal->push_back(perimeter);
    }
    return first;
}

Real::Value shownValue(Quantity q, Real::Value stored)
{
    return isAngle(q) ? (Real(stored) * 180.0 / kPi).value() : stored;
}

} // namespace triangle
