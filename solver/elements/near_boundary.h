// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "solver/elements/shape_search.h"
#include "solver/elements/special_lines.h"

namespace triangle {

// Where values that fit no triangle just miss one: one given value lies a
// hair beyond the largest (or least) that the other two allow, a bound
// reached at a right, isosceles or equilateral triangle, where the two
// triangles the values would fit meet. A = 60° and a = 6 allow a height of
// at most 3√3, the equilateral triangle's: h_a = 5.19615242271 misses it by
// 3.4e-12.
struct Boundary {
    Quantity element = Quantity::A; // the given value beyond the bound
    long double bound = 0;          // an angle in radians
    bool largest = true;            // the value is above the bound, else below
    SpecialShape shape = SpecialShape::Isosceles;

    // The bound as shown, an angle in degrees: "5.19615242270663", fifteen
    // significant digits with a point.
    std::string shownDigits() const;
};

// The boundary the values miss by no more than a relative 1e-6, if any;
// the nearest where several are that near.
std::optional<Boundary> nearBoundary(const std::array<GivenElement, 3> &given);

} // namespace triangle
