// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/answer/other_triangles.h"

#include <algorithm>
#include <string>

#include "solver/list/verdict.h"
#include "solver/numbers/number_formatting.h"

namespace triangle {

namespace {

// The nine fields as the window would show them.
using ShownValues = std::array<std::string, kFieldCount>;

ShownValues shownValues(const Triangle &t)
{
    ShownValues shown;
    for (const Quantity q : kAllQuantities)
        shown.at(fieldIndex(q)) = formatResult(fieldValue(t, q).value(), NumberFormat {});
    return shown;
}

int branchPointCount(int combination, const GivenValues &values)
{
    Triangle scratch;
    Branches first;
    try {
        solveCombination(scratch, combination, values, first);
    } catch (const ArithmeticFault &) {
    }
    return first.pointsVisited();
}

} // namespace

std::vector<FittingTriangle> otherTriangles(const Outcome &solved, const Triangle &shown)
{
    std::vector<FittingTriangle> others;
    if (solved.status != Outcome::Status::Solved)
        return others;
    std::vector<ShownValues> seen = {shownValues(shown)};
    const unsigned choices = 1U << branchPointCount(solved.combination, solved.givenValues);
    for (unsigned mask = 1; mask < choices; ++mask) {
        Triangle candidate = shown;
        Branches branches(mask);
        try {
            const Contradiction first
                = solveCombination(candidate, solved.combination, solved.givenValues, branches);
            if (verdictOf(candidate, first) != Verdict::RealTriangle)
                continue;
            ShownValues values = shownValues(candidate);
            if (std::find(seen.begin(), seen.end(), values) != seen.end())
                continue;
            seen.push_back(std::move(values));
            others.push_back({candidate, mask});
        } catch (const ArithmeticFault &) {
            // A branch that faults fits no triangle.
        }
    }
    return others;
}

} // namespace triangle
