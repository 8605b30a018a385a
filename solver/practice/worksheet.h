// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "solver/practice/problem.h"

namespace triangle {

// What a teacher asks of a worksheet: how many problems of which types, at
// which level, in how many variants, from which seed. The same options
// give the same worksheet on every machine.
struct WorksheetOptions {
    std::vector<ProblemType> types; // taken in turn; none: every type
    Level level = Level::NoCalculator;
    int problems = 10; // in each variant
    int variants = 2;
    std::uint32_t seed = 1;
    bool solutions = false; // the worked solutions after the key
};

inline constexpr int kMostWorksheetProblems = 30;
inline constexpr int kMostWorksheetVariants = 6;

// The problems of each variant. Variants pose the same types in the same
// order with other data, so that neighbours cannot copy; counts beyond the
// limits above are taken as the limits.
std::vector<std::vector<Problem>> worksheetProblems(const WorksheetOptions &options);

} // namespace triangle
