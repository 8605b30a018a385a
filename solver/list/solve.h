// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "solver/list/catalogue.h"
#include "solver/steps/branches.h"
#include "solver/steps/contradiction.h"
#include "solver/steps/journal.h"
#include "solver/triangle/triangle.h"

namespace triangle {

// Stores the combination's given values in field order (an angle converted to
// radians as (v * pi) / 180) and runs its procedure along `branches`, noting
// its steps and the perimeter in `journal` when there is one. Returns the
// first contradiction met, with which the journal ends. Does nothing for an
// index outside the catalogue. Throws ArithmeticFault.
Contradiction solveCombination(
    Triangle &t, int combination, const GivenValues &values, Branches &branches, Journal *journal = nullptr);

// The value of a field: the angles in degrees, the sides, S, R and the
// perimeter (a + b) + c. Throws ArithmeticFault.
// Inline, so that the nine of an answer need no call each.
inline Real fieldValue(const Triangle &t, Quantity q)
{
    if (q == Quantity::P)
        return (t.a + t.b) + t.c;
    return isAngle(q) ? t.field(q) * 180.0 / kPi : t.field(q);
}

// A value as stored in the record or the journal, in the field's unit.
Real::Value shownValue(Quantity q, Real::Value stored);

} // namespace triangle
