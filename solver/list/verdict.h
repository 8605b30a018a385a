// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/steps/contradiction.h"
#include "solver/triangle/triangle.h"

namespace triangle {

// Whether the data describe a real triangle, and if not, the law they break:
// that of the first contradiction the solving met, else the first check of
// the finished record that fails.
enum class Verdict {
    RealTriangle,
    AnglesFillTheSum,     // two angles make 180 degrees: the third is 0
    AnglesExceedTheSum,   // two angles make more than 180 degrees
    SineAboveOne,         // the law of sines gives a sine above 1
    SineFromAreaAboveOne, // the area gives the sine between two sides above 1
    NoSidesForArea,       // the area and the law of cosines leave no real pair of sides
    SizeNotPositive,      // a side, S or R not above 0
    LawOfSinesFails,      // a side differs from 2R sin(opposite angle)
    AreaDoesNotMatch,     // S differs from abc / 4R
    AngleNotBelow180,     // a given angle of 180 degrees or more
};

// The checks of a finished record: positive sides, S and R, each side equal
// to 2R sin(opposite angle) and S equal to abc / 4R within a relative 1e-6.
// The angles are judged by the steps that found them: a needle's smallest
// angle may round to 0.
Verdict verdictOf(const Triangle &t);

// The verdict on data whose solving met `first` (None: none) and ended in
// `t`.
Verdict verdictOf(const Triangle &t, Contradiction first);

inline bool isRealTriangle(const Triangle &t) { return verdictOf(t) == Verdict::RealTriangle; }

} // namespace triangle
