// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How many triangles have three given elements, found apart from the
// program: its search works on intervals over a chart of tangents, these
// counters sample the triangle's angles and refine what they find, with the
// school's formulas written out here again.
#include <optional>

#include "exact_triangles.h"
#include "solver/elements/element_set.h"

// Both count the triangles whose angles are all at least `leastAngle`
// degrees.

// For a set with exactly one given angle: along the free angle, where the
// ratio of the two given lengths crosses theirs (3,000 points, each
// crossing bisected) or touches it (a least mismatch under 1e-12, as at an
// isosceles or right triangle). None for other sets.
std::optional<int> countAlongTheFreeAngle(
    const triangle::ElementSet &set, const ExactValues &source, double leastAngle);

// For a set with no angle: over the plane of two angles, the points where
// both ratios of the given lengths meet theirs, found as the local least
// mismatches of a 160 × 160 grid refined by damped Newton steps and then a
// pattern search (a mismatch under 1e-10 is a root), two within 2e-3 of
// each other in their angles (radians) counted once. Near a flat triangle
// the refinement stalls short of the edge where the mismatch keeps falling
// towards it (as h_a approaches l_a): keep `leastAngle` well above that,
// 0.01° say. None for other sets.
std::optional<int> countOverTheAngles(
    const triangle::ElementSet &set, const ExactValues &source, double leastAngle);
