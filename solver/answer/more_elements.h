// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <variant>

#include "solver/numbers/arithmetic_fault.h"
#include "solver/steps/journal.h"
#include "solver/triangle/triangle.h"

namespace triangle {

enum class AngleKind { Acute, Right, Obtuse };
enum class SideKind { Scalene, Isosceles, Equilateral };

// The rest of a solved triangle: heights, medians and angle bisectors to a,
// b and c, the inradius, and the kind of triangle by its angles (right when
// the largest shows as 90.0000) and by its sides (equal when they show
// equal at four decimals).
struct MoreElements {
    // In the order of kMoreElements: each element's value, or the fault that
    // kept it from being computed (sizes near the ends of a double's range).
    std::array<std::variant<Real::Value, FaultKind>, 10> values {};
    AngleKind angles = AngleKind::Acute;
    SideKind sides = SideKind::Scalene;
};

// Computes them from the record, noting a step for each computed element in
// `journal` when there is one. An element that faults is marked as such; the
// others are still computed.
MoreElements moreElementsOf(const Triangle &t, Journal *journal = nullptr);

} // namespace triangle
