// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "journal.h"
#include "triangle.h"

namespace triangle {

enum class AngleKind { Acute, Right, Obtuse };
enum class SideKind { Scalene, Isosceles, Equilateral };

// The rest of a solved triangle: heights, medians and angle bisectors to a,
// b and c, the inradius, and the kind of triangle by its angles (right when
// the largest shows as 90.0000) and by its sides (equal when they show
// equal at four decimals).
struct MoreElements {
    std::array<Real::Value, 10> values {}; // in the order of kMoreElements
    AngleKind angles = AngleKind::Acute;
    SideKind sides = SideKind::Scalene;
};

// Computes them from the record, noting a step for each in `journal` when
// there is one. Throws ArithmeticFault.
MoreElements moreElementsOf(const Triangle &t, Journal *journal = nullptr);

} // namespace triangle
