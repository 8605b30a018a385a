// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

#include "solver/elements/school_routes.h"
#include "solver/steps/journal.h"

namespace triangle {

// A triangle's nineteen elements by Quantity: angles in radians.
using ElementValues = std::array<long double, kElementCount>;

// The steps that find the sides of a triangle the search for the shape
// found: one for each side, all from the three given elements.
std::vector<PlannedStep> numericalSteps(const std::array<GivenElement, 3> &given);

// The worked steps from three given elements to the triangle `values`:
// `planned` as the triangle took it (at a step with two values, the one
// this triangle has), then the rest of its nine values as a school finds
// them from its three sides: the unknown angles by the law of cosines and
// the last by the angle sum, the area, R and the perimeter. Given values
// stand as given.
Journal elementSteps(
    const std::vector<PlannedStep> &planned, const std::array<GivenElement, 3> &given, ElementValues values);

} // namespace triangle
