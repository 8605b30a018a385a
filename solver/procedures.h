// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>

#include "branches.h"
#include "triangle.h"

namespace triangle {

// A solution procedure: entered with the three given values already in the
// record, it fills the other quantities. It ends where the output step begins.
using Procedure = void (*)(Triangle &, Branches &);

// One table per family, in catalogue order.
extern const std::array<Procedure, 9> kTwoAnglesAndSide;           // 0..8
extern const std::array<Procedure, 6> kTwoAnglesWithAreaOrRadius;  // 9..14
extern const std::array<Procedure, 6> kAngleAdjacentSideAndRadius; // 15..20
extern const std::array<Procedure, 9> kTwoSidesAndAngle;           // 21..29
extern const std::array<Procedure, 6> kTwoSidesWithAreaOrRadius;   // 30..35
extern const std::array<Procedure, 6> kAreaRadiusAndSideOrAngle;   // 36..41
extern const std::array<Procedure, 9> kAngleSideAndArea;           // 42..50

// The procedure of a combination index; nullptr outside 0..50.
Procedure procedureFor(int combination);

} // namespace triangle
