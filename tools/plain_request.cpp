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
    const auto digit = [&](std::size_t at) {
        return at < line.size() && line[at] >= '0' && line[at] <= '9' ? line[at] - '0' : -1;
    };
    PlainRequest request;
    std::size_t at = 0;
    for (; digit(at) >= 0 && at < 2; ++at)
        request.combination = request.combination * 10 + digit(at);
    if (at == 0 || at == line.size() || line[at] != '\t' || !isValidCombination(request.combination))
        return std::nullopt;
    for (std::size_t field = 0; field < request.texts.size(); ++field) {
        const std::size_t start = at + 1;
        at = line.find('\t', start);
        request.texts.at(field) = line.substr(start, at - start);
        if ((at == std::string_view::npos) != (field + 1 == request.texts.size()))
            return std::nullopt;
    }
    return request;
}

void appendPlainAnswer(std::string &out, int combination, const std::array<std::string_view, 3> &texts)
{
    // A decimal comma is read as a Bulgarian window reads it.
    const FirstTriangle first = firstTriangle(combination, texts, NumberFormat {".", ","});
    if (appendUnsolved(out, first.outcome))
        return;
    out += "solved";
    appendValueLine(out, first.values, first.outcome.realTriangle);
}

} // namespace triangle::cli
