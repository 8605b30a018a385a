// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "solver/list/compute.h"
#include "solver/triangle/triangle.h"

namespace triangle {

// A triangle that fits the given values, and the branch choices that reach it.
struct FittingTriangle {
    Triangle record;
    unsigned branches = 0;
};

// Every other real triangle with the given values of a solved request: the
// procedure is run along each other choice at its branch points (an angle
// from its sine taken obtuse, the two sides from the area mirrored), and a
// result is kept when it passes the triangle check and differs from the
// shown triangle and from those already kept in some field at four decimals.
std::vector<FittingTriangle> otherTriangles(const Outcome &solved, const Triangle &shown);

} // namespace triangle
