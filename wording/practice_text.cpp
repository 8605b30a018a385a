// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/practice_text.h"

#include <vector>

#include "exact/surd_text.h"
#include "solver/numbers/number_formatting.h"
#include "solver/practice/typed_answer.h"
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

// The exact form of the key in school notation: 10√3, 7√3/3.
std::optional<std::string> schoolForm(const KeyValue &key)
{
    if (!key.form)
        return std::nullopt;
    exact::Field field;
    const auto read = readTypedAnswer(*key.form, field);
    if (!read || !read->inField)
        return std::nullopt;
    return exact::textOf(field, read->value, exact::Notation::School);
}

bool isDecimal(const std::string &form)
{
    return form.find_first_not_of("0123456789.-") == std::string::npos;
}

} // namespace

std::string keyLine(const KeyValue &key, Level level, const NumberFormat &format, const Language &language)
{
    const auto q = quantityOfTag(key.name);
    const std::string decimals = formatResult(key.value, format);
    if (!q) {
        const std::string count = key.form.value_or(decimals);
        return count == "0" ? count + " (" + std::string(language.worksheet.noTriangle) + ")" : count;
    }
    const std::string unit = unitOf(*q, language.practice);
    std::string line = symbolOf(*q);
    // A decimal stays as the key has it (2.5, not 5/2).
    const auto form = key.form && isDecimal(*key.form) ? key.form : schoolForm(key);
    const bool exactShown = form && (level == Level::NoCalculator || isDecimal(*key.form));
    if (exactShown)
        line += " = " + withSeparator(*form, ".", format.decimalSeparator);
    if (!exactShown || !isDecimal(*key.form))
        line += " ≈ " + decimals;
    return line + unit;
}

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
