// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/answer/solution.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "solver/answer/textbook_route.h"

namespace triangle {

namespace {

// The step that shows the data fit no triangle: the first with a value no
// triangle has, or the angle sum where the given angles leave no room.
Journal::const_iterator contradictingStep(const Journal &steps, Verdict verdict)
{
    const bool anglesRuleOut = verdict == Verdict::AnglesFillTheSum || verdict == Verdict::AnglesExceedTheSum;
    return std::find_if(steps.begin(), steps.end(), [&](const Step &step) {
        return step.contradiction != Contradiction::None || (anglesRuleOut && step.rule == Rule::AngleSum);
    });
}

// The steps that lead to the contradiction and that step itself, in their
// order: as a teacher stops, at the first value no triangle has, with
// nothing worked out that it does not need.
Journal leadingTo(const Journal &steps, Journal::const_iterator last)
{
    std::vector<bool> kept(steps.size());
    std::vector<Quantity> needed;
    for (auto step = std::make_reverse_iterator(last + 1); step != steps.rend(); ++step) {
        const bool needs = step.base() - 1 == last
            || std::find(needed.begin(), needed.end(), step->quantity) != needed.end();
        if (!needs)
            continue;
        kept.at(static_cast<std::size_t>(steps.rend() - step - 1)) = true;
        for (std::size_t i = 0; i < step->operandCount; ++i)
            needed.push_back(step->operands.at(i).quantity);
    }
    Journal leading;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (kept[i])
            leading.push_back(steps[i]);
    }
    return leading;
}

} // namespace

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
    if (solution.verdict == Verdict::RealTriangle) {
        solution.steps = textbookRoute(solution.combination, solution.record, solution.steps);
        return solution;
    }
    if (const auto last = contradictingStep(solution.steps, solution.verdict); last != solution.steps.end())
        solution.steps = leadingTo(solution.steps, last);
    return solution;
}

} // namespace triangle
