// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/plain_request.h"

#include "solver/answer/answer.h"
#include "solver/list/catalogue.h"
#include "tools/outcome_words.h"
#include "tools/value_line.h"

namespace triangle::cli {

std::optional<PlainRequest> plainRequestLine(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    const auto isDigit = [](char ch) { return ch >= '0' && ch <= '9'; };
    PlainRequest request;
    std::size_t at = 0;
    for (; at < 2 && at < line.size() && isDigit(line[at]); ++at)
        request.combination = request.combination * 10 + (line[at] - '0');
    if (at == 0 || at == line.size() || line[at] != '\t' || !isValidCombination(request.combination))
        return std::nullopt;
    // The three texts between the tabs after the index, and no more tabs.
    for (std::size_t field = 0; field < request.texts.size(); ++field) {
        const std::size_t start = at + 1;
        at = line.find('\t', start);
        const bool last = field + 1 == request.texts.size();
        if ((at == std::string_view::npos) != last)
            return std::nullopt;
        request.texts.at(field) = line.substr(start, last ? std::string_view::npos : at - start);
    }
    return request;
}

void appendPlainAnswer(std::string &out, int combination, const std::array<std::string_view, 3> &texts)
{
    // A decimal comma is read as a Bulgarian window reads it.
    const NumberFormat format {".", ","};
    if (const std::optional<RoundedValues> shown = quickFirstLine(combination, texts, format)) {
        out += "solved";
        appendShownLine(out, *shown, true);
        return;
    }
    const FirstTriangle first = firstTriangle(combination, texts, format);
    if (appendUnsolved(out, first.outcome))
        return;
    out += "solved";
    appendValueLine(out, first.values, first.outcome.realTriangle);
}

} // namespace triangle::cli
