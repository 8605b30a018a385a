// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/more_elements_text.h"

#include <string>
#include <variant>

#include "solver/answer/more_elements.h"
#include "wording/exact_decimals.h"

namespace triangle::wording {

MoreText moreElementsText(const Solution &solution, const GivenTexts &given, const NumberFormat &format,
    const Language &language, const ExactForms *exact)
{
    const SolutionWords &words = language.solution;
    Journal steps;
    const MoreElements more = moreElementsOf(solution.record, &steps);
    if (!solution.moreSteps.empty())
        steps = solution.moreSteps;
    MoreText text;
    const GivenTexts exactly = withExactDecimals(solution.steps, given, format.decimalSeparator.front());
    for (const Step &step : steps) {
        const StepForms forms = stepForms(exact, solution.steps.size() + text.steps.size());
        text.steps.push_back(std::to_string(text.steps.size() + 1) + ". "
            + stepText(step, exactly, format, language, forms) + ".");
    }
    std::string uncomputed;
    for (std::size_t i = 0; i < more.values.size(); ++i) {
        if (std::holds_alternative<FaultKind>(more.values.at(i)))
            uncomputed += (uncomputed.empty() ? "" : ", ") + symbolOf(kMoreElements.at(i));
    }
    if (!uncomputed.empty())
        text.outOfRange = filled(words.outOfRange, {uncomputed});
    text.kind = filled(words.kind,
        {words.byAngles.at(static_cast<std::size_t>(more.angles)),
            words.bySides.at(static_cast<std::size_t>(more.sides))});
    text.heading = words.more;
    return text;
}

std::string plainText(const MoreText &text)
{
    std::string plain = text.heading + "\n";
    for (const std::string &step : text.steps)
        plain += step + "\n";
    if (!text.outOfRange.empty())
        plain += text.outOfRange + "\n";
    return plain + text.kind + "\n";
}

} // namespace triangle::wording
