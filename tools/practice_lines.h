// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solver/practice/problem.h"
#include "wording/language.h"

namespace triangle::cli {

// triangle-solve --practice [--type T] [--level L] [--seed N] [--count K]:
// problems for the seeds N, N + 1, …, each of type T (or of the types in
// turn) at level L (0 without a calculator, 1 with one).
struct PracticeRequest {
    std::optional<ProblemType> type;
    Level level = Level::NoCalculator;
    std::uint32_t seed = 1;
    int count = 1;
};

// The words after --practice read into a request; the error's text where
// they are none.
struct PracticeWordsRead {
    std::optional<PracticeRequest> request;
    std::string error;
};
PracticeWordsRead readPracticeWords(const std::vector<std::string_view> &words, std::uint32_t randomSeed);

// Each problem as the lines problem, given, ask and key.
std::string practiceLines(const PracticeRequest &request, const wording::Language &language);

// What --check adds to the marks: with `hint`, where an answer is wrong,
// the first step of the solution; with `solution`, the whole worked
// solution, as --steps --exact writes it.
struct CheckOptions {
    bool hint = false;
    bool solution = false;
    const wording::Language *language = &wording::kBulgarian;
};

// triangle-solve --check ID NAME=ANSWER …: a line per answer,
// right|unsimplified|rounded|wrong, the name, and what to simplify; false
// with `lines` the error where the id or a name is none of the problem's.
bool checkLines(std::string_view id, const std::vector<std::string_view> &answers, CheckOptions options,
    std::string &lines);

} // namespace triangle::cli
