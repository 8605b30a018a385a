// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/practice_text.h"

#include <vector>

#include "wording/solution_text.h"

namespace triangle::wording {

namespace {

// "a, b и c": a list as a sentence writes it.
std::string listed(const std::vector<std::string> &items, const Language &language)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " " + std::string(language.solution.andWord) + " " : ", ";
        text += items[i];
    }
    return text;
}

std::string unitOf(Quantity q, const PracticeWords &words)
{
    if (isAngle(q))
        return "°";
    return " " + std::string(q == Quantity::S ? words.area : words.length);
}

} // namespace

std::string problemText(const Problem &problem, const Language &language)
{
    const PracticeWords &words = language.practice;
    std::vector<std::string> data;
    for (const GivenValue &g : problem.given) {
        std::string text = g.text;
        if (const auto point = text.find('.'); point != std::string::npos)
            text.replace(point, 1, language.decimalSeparator);
        data.push_back(
            (g.half ? std::string("p") : symbolOf(g.element)) + " = " + text + unitOf(g.element, words));
    }
    std::string text = filled(words.data, {listed(data, language)});
    if (problem.type == ProblemType::HowManyTriangles)
        return text + " " + std::string(words.howMany);
    std::vector<std::string> asked;
    for (const Quantity q : problem.asked)
        asked.push_back(symbolOf(q));
    return text + " " + filled(words.find, {listed(asked, language)});
}

} // namespace triangle::wording
