// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>
#include <vector>

#include "solver/elements/unit_triangle.h"
#include "solver/triangle/quantity.h"

namespace triangle {

// One given element: an angle in radians, a length, or the area.
struct GivenElement {
    Quantity element;
    long double value;
};

// A given length as it is, the area as the length of its root: what the
// ratios of the search compare.
inline long double asLength(const GivenElement &g)
{
    return dimensionOf(g.element) == 2 ? std::sqrt(g.value) : g.value;
}

// Every shape of triangle in which three elements of a determinate set can
// have the given values, each once. Two given angles fix the shape; with
// one the other two are sought along a line, with none over the plane of
// the tangents from the vertices to the inscribed circle
// (tangent_lengths.h). The search rules out a region of shapes only where
// interval bounds of the equations (over it, or from its middle with
// bounds on their derivatives, or Krawczyk's test) prove that no shape in
// it comes within the residual a solution is allowed, narrows the rest
// down to small cells, and takes every solution from Newton's method in
// long double started in them, kept only where the elements it gives agree
// with the values given: it invents none. It may miss a triangle with an
// angle of a few degrees or less, thin or flat, where the equations are
// nearly dependent and Newton's method from a cell's middle does not
// reach it.
// Does not throw.
std::vector<Shape<long double>> fittingShapes(const std::array<GivenElement, 3> &given);

// The diameter of the circumscribed circle of the triangle of that shape
// in which the element (a length or the area) has the given value.
long double circumdiameterFor(const Shape<long double> &shape, const GivenElement &given);

} // namespace triangle
