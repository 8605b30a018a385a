// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/answer/solution.h"

#include <algorithm>
#include <iterator>
#include <memory>
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

// Whether some triangle fits the data along the branch choices `mask` up to
// its point `point`, whatever the choices after it: the first solving
// tells how many there are.
bool anyTriangleAlong(const Outcome &solved, unsigned mask, int point)
{
    const unsigned fixed = mask & ((2U << point) - 1);
    int points = point + 1;
    for (unsigned later = 0; later < (1U << (points - point - 1)); ++later) {
        Triangle scratch;
        Branches branches(fixed | (later << (point + 1)));
        try {
            const Contradiction first
                = solveCombination(scratch, solved.combination, solved.givenValues, branches);
            if (verdictOf(scratch, first) == Verdict::RealTriangle)
                return true;
        } catch (const ArithmeticFault &) {
            // A branch that faults fits no triangle.
        }
        points = std::clamp(branches.pointsVisited(), points, point + 9);
    }
    return false;
}

// For each branching step, where the value it did not take fits no
// triangle, the step that shows why, as a teacher accounts for both values
// of a sine.
void noteAlternativeEnds(Journal &steps, const Outcome &solved, unsigned branches)
{
    for (Step &step : steps) {
        if (step.branchPoint < 0 || step.branchPoint > 16)
            continue;
        const unsigned other = branches ^ (1U << step.branchPoint);
        if (anyTriangleAlong(solved, other, step.branchPoint))
            continue;
        const unsigned first = other & ((2U << step.branchPoint) - 1);
        Triangle record;
        Branches choices(first);
        Journal journal;
        try {
            solveCombination(record, solved.combination, solved.givenValues, choices, &journal);
        } catch (const ArithmeticFault &) {
            continue;
        }
        const auto end = std::find_if(journal.begin(), journal.end(),
            [](const Step &s) { return s.contradiction != Contradiction::None; });
        if (end != journal.end())
            step.alternativeEnd = std::make_shared<const Step>(*end);
    }
}

} // namespace

Solution solutionOf(const Outcome &solved, unsigned branches, bool exactForms)
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
        noteAlternativeEnds(solution.steps, solved, branches);
        solution.steps = textbookRoute(solution.combination, solution.record, solution.steps, exactForms);
        return solution;
    }
    if (const auto last = contradictingStep(solution.steps, solution.verdict); last != solution.steps.end())
        solution.steps = leadingTo(solution.steps, last);
    return solution;
}

} // namespace triangle
