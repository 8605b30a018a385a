// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/practice/worksheet.h"

#include <algorithm>

namespace triangle {

std::vector<std::vector<Problem>> worksheetProblems(const WorksheetOptions &options)
{
    const std::vector<ProblemType> types = options.types.empty()
        ? std::vector<ProblemType>(kProblemTypes.begin(), kProblemTypes.end())
        : options.types;
    const int problems = std::clamp(options.problems, 1, kMostWorksheetProblems);
    const int variants = std::clamp(options.variants, 1, kMostWorksheetVariants);
    std::vector<std::vector<Problem>> sheet(static_cast<std::size_t>(variants));
    // One run of seeds through the whole sheet: no two problems share data.
    std::uint32_t seed = options.seed;
    for (auto &variant : sheet) {
        for (int i = 0; i < problems; ++i) {
            const ProblemType type = types.at(static_cast<std::size_t>(i) % types.size());
            // A seed whose problem cannot be posed is passed over (none is
            // known, but a seed is the user's number).
            for (int tries = 0; tries < 64; ++tries) {
                if (auto problem = problemOf(problemId(type, options.level, seed++))) {
                    variant.push_back(std::move(*problem));
                    break;
                }
            }
        }
    }
    return sheet;
}

} // namespace triangle
