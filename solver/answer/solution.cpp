// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/answer/solution.h"

#include "solver/answer/textbook_route.h"

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
    if (solved.typedVerdict != Verdict::RealTriangle)
        solution.verdict = solved.typedVerdict;
    // Data that fit no triangle keep the solver's steps, which end at the
    // first value no triangle has.
    if (solution.verdict == Verdict::RealTriangle)
        solution.steps = textbookRoute(solution.combination, solution.record, solution.steps);
    return solution;
}

} // namespace triangle
