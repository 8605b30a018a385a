// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace triangle {

// The 51 admissible choices of three given quantities. Each string has eight
// characters '0' or '1' for the positions A, B, C, a, b, c, S, R; its place in
// the list is the combination index the driver dispatches on.
inline constexpr int kCombinationCount = 51;
inline constexpr int kQuantityCount = 8; // value fields 0..7; field 8 is the perimeter
inline constexpr int kFieldCount = 9;

extern const std::array<std::string_view, kCombinationCount> kCatalogue;

// Letters of the positions as the list shows them.
inline constexpr std::array<std::string_view, kQuantityCount> kPositionTags
    = {"A", "B", "C", "a", "b", "c", "S", "R"};

bool isValidCombination(int index);
bool isGiven(int combination, int position);

// The visible list entry: " 0: A,B,a," (leading blank, trailing comma).
std::string combinationLabel(int combination);

} // namespace triangle
