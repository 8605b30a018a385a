// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

#include "solver/elements/shape_search.h"
#include "solver/elements/special_lines.h"

namespace triangle {

// The shape the search found, or the right or isosceles shape beside it
// (or the equilateral one) where that meets the given values within 2^-50.
// Such a shape is often a double root of the search's equations, where
// Newton's method ends up to half the digits away on either side; the
// shape itself, the values within their rounding, has them all. Where the
// residual rises between the two, both are roots and both are returned,
// the special one first. A shape near none is kept as found.
std::vector<Shape<long double>> polishedShapes(
    const Shape<long double> &found, const std::array<GivenElement, 3> &given);

} // namespace triangle
