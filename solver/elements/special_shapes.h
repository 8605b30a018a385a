// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "solver/elements/shape_search.h"

namespace triangle {

// The shape the search found, or the right or isosceles shape beside it
// (or the equilateral one) where that meets the given values better. Such
// a shape is often a double root of the search's equations, where Newton's
// method ends up to half the digits away on either side; the shape itself,
// the values within their rounding, has them all. A shape near none, or a
// triangle that only comes close to one, is kept as found.
Shape<long double> polishedShape(const Shape<long double> &found, const std::array<GivenElement, 3> &given);

} // namespace triangle
