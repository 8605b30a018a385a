// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/element_solution.h"

#include <utility>

namespace triangle::session {

ElementSolution elementSolution(const std::array<ElementText, 3> &given, std::size_t shown,
    const NumberFormat &format, const wording::Language &language)
{
    // The first triangle is found alone as it is among the others: the
    // others' exact forms are worked out only where one of them is shown.
    ElementsAnswer answer = answerElements(
        given, {.otherTriangles = shown > 0, .steps = true, .more = true, .exact = true}, format);
    Outcome &outcome = answer.answer.outcome;
    if (outcome.status != Outcome::Status::Solved || answer.answer.triangles.size() <= shown)
        return {std::nullopt, outcome};
    AnsweredTriangle &triangle = answer.answer.triangles.at(shown);
    SolutionPage page {{outcome.combination, outcome.givenValues, {}, false, std::move(triangle.steps),
                           std::move(triangle.moreSteps), triangle.record, Verdict::RealTriangle},
        {}, std::move(triangle.exact), {}};
    for (const ElementText &element : given) {
        page.solution.givenElements.push_back(element.element);
        page.given.at(static_cast<std::size_t>(element.element)) = element.text;
    }
    try {
        page.document = wording::solutionDocument(page.solution, page.given, format, language, &page.exact);
        return {std::move(page), outcome};
    } catch (const ArithmeticFault &fault) {
        // A step's value that no number can show.
        outcome.status = Outcome::Status::Fault;
        outcome.fault = fault.kind;
        return {std::nullopt, outcome};
    }
}

} // namespace triangle::session
