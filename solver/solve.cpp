// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve.h"

#include "procedures.h"

namespace triangle {

void solveCombination(Triangle &t, int combination, const GivenValues &values, Branches &branches)
{
    const Procedure procedure = procedureFor(combination);
    if (procedure == nullptr)
        return;
    const std::array<Real *, kQuantityCount> fields
        = {&t.Alpha, &t.Beta, &t.Gamma, &t.a, &t.b, &t.c, &t.S, &t.R};
    for (int position = 0; position < kQuantityCount; ++position) {
        if (!isGiven(combination, position))
            continue;
        const bool isAngle = position < 3;
        *fields[position] = isAngle ? values[position] * kPi / 180.0 : values[position];
    }
    procedure(t, branches);
}

Real fieldValue(const Triangle &t, int position)
{
    switch (position) {
    case 0: return t.Alpha * 180.0 / kPi;
    case 1: return t.Beta * 180.0 / kPi;
    case 2: return t.Gamma * 180.0 / kPi;
    case 3: return t.a;
    case 4: return t.b;
    case 5: return t.c;
    case 6: return t.S;
    case 7: return t.R;
    default: return (t.a + t.b) + t.c;
    }
}

} // namespace triangle
