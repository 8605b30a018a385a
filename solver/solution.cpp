// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/solution.h"

namespace triangle {

Solution solutionOf(const Outcome &solved, unsigned branches)
{
    Solution solution;
    solution.combination = solved.combination;
    solution.givenValues = solved.givenValues;
    Branches choices(branches);
    const Contradiction first
        = solveCombination(solution.record, solved.combination, solved.givenValues, choices, &solution.steps);
    solution.verdict = verdictOf(solution.record, first);
    return solution;
}

} // namespace triangle
