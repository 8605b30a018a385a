// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/triangle.h"

namespace triangle {

// Whether the record describes a real triangle, and if not, the first check
// it fails.
enum class Verdict {
    RealTriangle,
    AngleNotPositive, // an angle below 1e-9 radians: the angles leave no room
    SizeNotPositive,  // a side, S or R not above 0
    LawOfSinesFails,  // a side differs from 2R sin(opposite angle)
    AreaDoesNotMatch, // S differs from abc / 4R
};

// Every angle at least 1e-9 radians (rounding can leave a tiny positive
// angle where the data give none), positive sides, S and R, each side equal
// to 2R sin(opposite angle) and S equal to abc / 4R within a relative 1e-6.
Verdict verdictOf(const Triangle &t);

inline bool isRealTriangle(const Triangle &t) { return verdictOf(t) == Verdict::RealTriangle; }

} // namespace triangle
