// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "solver/triangle/quantity.h"

namespace triangle {

class Solving;

// A solution procedure: entered with the three given values already in the
// record, it fills the other quantities. It ends where the output step begins.
using Procedure = void (*)(Solving &);

// One admissible choice of three given quantities: eight characters '0' or
// '1' for A, B, C, a, b, c, S, R, and the procedure that solves it.
struct Combination {
    std::string_view given;
    Procedure solve = nullptr;

    bool gives(Quantity q) const
    {
        const auto position = static_cast<std::size_t>(fieldIndex(q));
        return position < given.size() && given[position] == '1';
    }
};

// The combinations; a combination's place in the list is the index the
// driver dispatches on. Each family of procedures owns its rows. The three
// sides came last, so that the first 51 keep their numbers.
inline constexpr int kCombinationCount = 52;

bool isValidCombination(int index);
// The row of a valid index.
const Combination &combinationAt(int index);
bool isGiven(int combination, Quantity q);

// The visible list entry: " 0: A,B,a," (leading blank, trailing comma).
std::string combinationLabel(int combination);

} // namespace triangle
