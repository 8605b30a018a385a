// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "solver/list/catalogue.h"

namespace triangle::session {

// A worked triangle the sample button writes into the eight input fields, in
// field order A, B, C (degrees), a, b, c, S, R.
using SampleTriangle = std::array<double, kQuantityCount>;

// The equilateral triangle with side 10 and the right triangle with angles
// 30, 60 and 90 degrees.
extern const std::array<SampleTriangle, 2> kSampleTriangles;

// The sample for a random number r in [0, 1): r * 1000 rounded half to even;
// an odd result picks the equilateral triangle with side 10, an even one the
// right triangle with angles 30, 60 and 90 degrees.
const SampleTriangle &sampleFor(float r);

} // namespace triangle::session
