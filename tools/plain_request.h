// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace triangle::cli {

// A request of the list in the form batches write, with its texts as views
// into its line.
struct PlainRequest {
    int combination = 0;
    std::array<std::string_view, 3> texts;
};

// "INDEX<TAB>T1<TAB>T2<TAB>T3" with an index of the list in one or two
// digits, an optional carriage return at the end: read without building a
// Request. Empty for any other line, which parseRequestLine() reads; of the
// lines read here it makes the same request.
std::optional<PlainRequest> plainRequestLine(std::string_view line);

// The answer to a request of the list with no option: "invalid",
// "no-triangle", "fault<TAB>KIND", or "solved" with the first triangle's
// nine values and verdict, written straight from the solver's values.
void appendPlainAnswer(std::string &out, int combination, const std::array<std::string_view, 3> &texts);

} // namespace triangle::cli
