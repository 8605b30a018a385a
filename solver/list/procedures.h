// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "solver/list/catalogue.h"

namespace triangle {

// The families' rows, in catalogue order.
extern const std::array<Combination, 9> kTwoAnglesAndSide;           // 0..8
extern const std::array<Combination, 6> kTwoAnglesWithAreaOrRadius;  // 9..14
extern const std::array<Combination, 6> kAngleAdjacentSideAndRadius; // 15..20
extern const std::array<Combination, 9> kTwoSidesAndAngle;           // 21..29
extern const std::array<Combination, 6> kTwoSidesWithAreaOrRadius;   // 30..35
extern const std::array<Combination, 6> kAreaRadiusAndSideOrAngle;   // 36..41
extern const std::array<Combination, 9> kAngleSideAndArea;           // 42..50
extern const std::array<Combination, 1> kThreeSides;                 // 51

} // namespace triangle
