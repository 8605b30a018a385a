// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/worksheet.h"

#include "session/element_solution.h"
#include "wording/practice_text.h"
#include "wording/solution_markup.h"

namespace triangle::session {

namespace {

constexpr std::string_view kNewPage = " style=\"page-break-before: always\"";

std::string heading(std::string_view level, std::string_view text, bool newPage)
{
    const std::string tag(level);
    return "<" + tag + (newPage ? std::string(kNewPage) : "") + ">" + wording::paperMarkup(text) + "</" + tag
        + ">\n";
}

// "<p><b>3.</b> text</p>": numbered by hand, so that the number stays
// with its problem on every renderer.
std::string numbered(std::size_t number, std::string_view markup)
{
    return "<p><b>" + std::to_string(number) + ".</b> " + std::string(markup) + "</p>\n";
}

std::string letterOf(std::size_t variant, const wording::Language &language)
{
    return std::string(language.worksheet.letters.at(variant % language.worksheet.letters.size()));
}

std::string keyOf(const Problem &problem, const NumberFormat &format, const wording::Language &language)
{
    std::string line;
    for (const KeyValue &key : problem.key)
        line += (line.empty() ? "" : "; ") + wording::keyLine(key, problem.level, format, language);
    return wording::paperMarkup(line);
}

std::string solutionOf(const Problem &problem, const NumberFormat &format, const wording::Language &language)
{
    const auto page = elementSolution(givenTexts(problem.given), 0, format, language).page;
    if (!page)
        return "<p>" + wording::paperMarkup(language.worksheet.noTriangle) + "</p>\n";
    std::string text;
    std::size_t start = 0;
    const std::string &document = page->document;
    while (start < document.size()) {
        const std::size_t end = std::min(document.find('\n', start), document.size());
        if (end > start)
            text += "<p>" + wording::paperMarkup(std::string_view(document).substr(start, end - start))
                + "</p>\n";
        start = end + 1;
    }
    return text;
}

} // namespace

std::string worksheetMarkup(
    const WorksheetOptions &options, const NumberFormat &format, const wording::Language &language)
{
    const wording::WorksheetWords &words = language.worksheet;
    const auto sheet = worksheetProblems(options);
    std::string html = "<html><head><meta charset=\"utf-8\"><title>" + wording::paperMarkup(words.title)
        + "</title></head><body>\n";
    for (std::size_t v = 0; v < sheet.size(); ++v) {
        html += heading("h1",
            std::string(words.title) + " · " + wording::filled(words.variant, {letterOf(v, language)}),
            v > 0);
        html += "<p>" + wording::paperMarkup(words.pupil) + "</p>\n";
        for (std::size_t i = 0; i < sheet.at(v).size(); ++i)
            html += numbered(i + 1, wording::paperMarkup(wording::problemText(sheet.at(v).at(i), language)));
    }
    html += heading("h1", words.key, true);
    for (std::size_t v = 0; v < sheet.size(); ++v) {
        html += heading("h2", wording::filled(words.variant, {letterOf(v, language)}), false);
        for (std::size_t i = 0; i < sheet.at(v).size(); ++i)
            html += numbered(i + 1, keyOf(sheet.at(v).at(i), format, language));
    }
    if (options.solutions) {
        html += heading("h1", words.solutions, true);
        for (std::size_t v = 0; v < sheet.size(); ++v) {
            for (std::size_t i = 0; i < sheet.at(v).size(); ++i) {
                html += heading("h2",
                    wording::filled(words.problem, {std::to_string(i + 1), letterOf(v, language)}), false);
                html += solutionOf(sheet.at(v).at(i), format, language);
            }
        }
    }
    return html + "</body></html>\n";
}

} // namespace triangle::session
