// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/list/catalogue.h"

#include <array>

#include "solver/list/procedures.h"

namespace triangle {

namespace {

// The families in catalogue order.
constexpr std::array<std::span<const Combination>, 8> kFamilies = {
    kTwoAnglesAndSide,
    kTwoAnglesWithAreaOrRadius,
    kAngleAdjacentSideAndRadius,
    kTwoSidesAndAngle,
    kTwoSidesWithAreaOrRadius,
    kAreaRadiusAndSideOrAngle,
    kAngleSideAndArea,
    kThreeSides,
};

template <class... Family>
constexpr std::size_t rowCount(const Family &...)
{
    return (std::tuple_size_v<Family> + ...);
}

static_assert(
    rowCount(kTwoAnglesAndSide, kTwoAnglesWithAreaOrRadius, kAngleAdjacentSideAndRadius, kTwoSidesAndAngle,
        kTwoSidesWithAreaOrRadius, kAreaRadiusAndSideOrAngle, kAngleSideAndArea, kThreeSides)
    == kCombinationCount);

// The rows in catalogue order, gathered once: the driver asks for them on
// every request.
const std::array<const Combination *, kCombinationCount> &rows()
{
    static const auto table = [] {
        std::array<const Combination *, kCombinationCount> pointers {};
        std::size_t next = 0;
        for (const auto family : kFamilies) {
            for (const Combination &row : family)
                pointers.at(next++) = &row;
        }
        return pointers;
    }();
    return table;
}

} // namespace

bool isValidCombination(int index) { return index >= 0 && index < kCombinationCount; }

const Combination &combinationAt(int index) { return *rows().at(static_cast<std::size_t>(index)); }

bool isGiven(int combination, Quantity q)
{
    return isValidCombination(combination) && combinationAt(combination).gives(q);
}

std::string combinationLabel(int combination)
{
    std::string label = " ";
    label += std::to_string(combination);
    label += ": ";
    for (int position = 0; position < kQuantityCount; ++position) {
        if (isGiven(combination, quantityAt(position))) {
            label += kQuantityTags.at(static_cast<std::size_t>(position));
            label += ',';
        }
    }
    return label;
}

} // namespace triangle
