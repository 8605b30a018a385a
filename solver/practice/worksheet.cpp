// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/practice/worksheet.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>

namespace triangle {

namespace {

constexpr int kTries = 64;

std::string dataOf(const Problem &problem)
{
    std::string data(kProblemTypeNames.at(static_cast<std::size_t>(problem.type)));
    for (const GivenValue &given : problem.given)
        data += ' ' + std::string(tagOf(given.element)) + (given.half ? "/2=" : "=") + given.text;
    return data;
}

// The problem of the next seed whose data are not on the sheet yet; after
// as many tries, one that is. A seed whose problem cannot be posed is
// passed over (none is known, but a seed is the user's number).
std::optional<Problem> nextProblem(
    ProblemType type, Level level, std::uint32_t &seed, std::set<std::string> &posed)
{
    std::optional<Problem> repeated;
    for (int tries = 0; tries < kTries; ++tries) {
        auto problem = problemOf(problemId(type, level, seed++));
        if (!problem)
            continue;
        if (posed.insert(dataOf(*problem)).second)
            return problem;
        if (!repeated)
            repeated = std::move(problem);
    }
    return repeated;
}

} // namespace

std::vector<std::vector<Problem>> worksheetProblems(const WorksheetOptions &options)
{
    const std::vector<ProblemType> types = options.types.empty()
        ? std::vector<ProblemType>(kProblemTypes.begin(), kProblemTypes.end())
        : options.types;
    const int problems = std::clamp(options.problems, 1, kMostWorksheetProblems);
    const int variants = std::clamp(options.variants, 1, kMostWorksheetVariants);
    std::vector<std::vector<Problem>> sheet(static_cast<std::size_t>(variants));
    // One run of seeds through the whole sheet, and no data twice where
    // the type has enough problems: neighbours must not be able to copy.
    std::set<std::string> posed;
    std::uint32_t seed = options.seed;
    for (auto &variant : sheet) {
        for (int i = 0; i < problems; ++i) {
            const ProblemType type = types.at(static_cast<std::size_t>(i) % types.size());
            if (auto problem = nextProblem(type, options.level, seed, posed))
                variant.push_back(std::move(*problem));
        }
    }
    return sheet;
}

} // namespace triangle
