// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures.h"

#include "catalogue.h"

namespace triangle {

namespace {

// The families in catalogue order; their sizes add up to the catalogue's.
constexpr std::array<std::span<const Procedure>, 7> kFamilies = {
    kTwoAnglesAndSide,
    kTwoAnglesWithAreaOrRadius,
    kAngleAdjacentSideAndRadius,
    kTwoSidesAndAngle,
    kTwoSidesWithAreaOrRadius,
    kAreaRadiusAndSideOrAngle,
    kAngleSideAndArea,
};

} // namespace

Procedure procedureFor(int combination)
{
    if (!isValidCombination(combination))
        return nullptr;
    auto index = static_cast<std::size_t>(combination);
    for (const auto family : kFamilies) {
        if (index < family.size())
            return family[index];
        index -= family.size();
    }
    return nullptr;
}

} // namespace triangle
