// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include "solver/elements/shape_search.h"

namespace triangle {

// A whole family of triangles that the values of a determinate set fit at
// special values, where its equations stop being independent: a right
// angle at A with m_a = a/2 (every right triangle with hypotenuse a), m_a =
// R with a right angle, R = m_a = a/2, or h_a = m_a = l_a (every isosceles
// triangle with apex A and that height); the same at B and C.
enum class FamilyKind { RightWithHypotenuse, IsoscelesWithHeight };

struct Family {
    FamilyKind kind = FamilyKind::RightWithHypotenuse;
    Vertex vertex = Vertex::A;       // the right angle's, or the apex's
    Quantity measured = Quantity::a; // the hypotenuse, or the height
    long double value = 0;
};

// The family the values fit, if they fit one: equal within 2^-50, the
// program's rule for values that sixteen digits cannot tell apart.
std::optional<Family> familyOf(const std::array<GivenElement, 3> &given);

} // namespace triangle
