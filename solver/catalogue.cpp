// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

namespace triangle {

// clang-format off
const std::array<std::string_view, kCombinationCount> kCatalogue = {
    // two angles and one side
    "11010000", "11001000", "10100100", "10110000", "01101000", "01100100",
    "01110000", "10101000", "11000100",
    // two angles with the area or the circumradius
    "11000010", "10100010", "01100010", "11000001", "10100001", "01100001",
    // one angle, an adjacent side and the circumradius
    "01010001", "00110001", "10001001", "00101001", "10000101", "01000101",
    // two sides and one angle
    "00111000", "01010100", "10001100", "10011000", "01011000", "10010100",
    "00110100", "01001100", "00101100",
    // two sides with the area or the circumradius
    "00011010", "00010110", "00001110", "00011001", "00010101", "00001101",
    // the area and the circumradius with a side or an angle
    "00010011", "00001011", "00000111", "10000011", "01000011", "00100011",
    // one angle, one side and the area
    "10010010", "01001010", "00100110", "10001010", "10000110", "01010010",
    "01000110", "00110010", "00101010",
};
// clang-format on

bool isValidCombination(int index) { return index >= 0 && index < kCombinationCount; }

bool isGiven(int combination, int position)
{
    return isValidCombination(combination) && position >= 0 && position < kQuantityCount
        && kCatalogue[combination][position] == '1';
}

std::string combinationLabel(int combination)
{
    std::string label = " ";
    label += std::to_string(combination);
    label += ": ";
    for (int position = 0; position < kQuantityCount; ++position) {
        if (isGiven(combination, position)) {
            label += kPositionTags[position];
            label += ',';
        }
    }
    return label;
}

} // namespace triangle
