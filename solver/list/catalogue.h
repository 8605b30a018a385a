// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "solver/numbers/real.h"
#include "solver/numbers/ten_thousandths.h"
#include "solver/triangle/quantity.h"

namespace triangle {

class Solving;

// A solution procedure: entered with the three given values already in the
// record, it fills the other quantities. It ends where the output step begins.
using Procedure = void (*)(Solving &);

// The values read from the eight quantity fields (only the given ones count).
using GivenValues = std::array<Real, kQuantityCount>;

// The nine values of a request's first line to four decimals, in field
// order.
using RoundedValues = std::array<TenThousandths, kFieldCount>;

// A quick route to the first line: the shown values worked out in double
// with a bound on their error, where the bound proves them those of the
// procedure's long double solving and its verdict a real triangle; empty
// otherwise.
using QuickRoute = std::optional<RoundedValues> (*)(const GivenValues &);

// Whether given values can be solved at all, where the procedure would
// otherwise end with SidesCloseNoTriangle: asked first, so that this usual
// answer costs no exception.
using Solvable = bool (*)(const GivenValues &);

// One admissible choice of three given quantities: eight characters '0' or
// '1' for A, B, C, a, b, c, S, R, the procedure that solves it and, where
// it pays, a quick route and the test that it can be solved.
struct Combination {
    std::string_view given;
    Procedure solve = nullptr;
    QuickRoute quick = nullptr;
    Solvable solvable = nullptr;

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
