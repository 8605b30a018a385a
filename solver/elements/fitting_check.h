// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "solver/elements/shape_search.h"

namespace triangle {

// Whether the triangle with these sides (opposite A, B, C) is one the given
// values describe: a proper triangle, no angle of it under 1e-6° (a shape
// that closes to a segment meets the equations in the limit, but is none),
// whose own elements, worked out from its sides alone, equal the given
// values to a relative 1e-8. Every triangle an answer of three elements
// names has passed it: a route or a search that ends on the edge of the
// shapes, or on a shape that meets the equations but not the values, adds
// nothing.
bool fitsGivenValues(const std::array<long double, 3> &sides, const std::array<GivenElement, 3> &given);

// An element of the triangle with these sides, angles in radians.
long double elementOfSides(Quantity q, const std::array<long double, 3> &sides);

} // namespace triangle
