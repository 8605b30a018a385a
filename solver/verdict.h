// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "triangle.h"

namespace triangle {

// Whether the record describes a real triangle: every angle at least 1e-9
// radians (rounding can leave a tiny positive angle where the data give
// none), positive sides, S and R, each side equal to 2R sin(opposite angle)
// and S equal to abc / 4R within a relative 1e-6.
bool isRealTriangle(const Triangle &t);

} // namespace triangle
