// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/numbers/real.h"

namespace triangle {

// What makes a step's value impossible in a triangle. The first such step
// ends the worked solution, and the verdict names the same law.
enum class Contradiction {
    None,
    ThirdAngleZero,       // the angle sum leaves exactly 0 for the third angle
    ThirdAngleNegative,   // the angle sum leaves less than 0
    SineAboveOne,         // the law of sines gives a sine above 1
    SineFromAreaAboveOne, // S = ab sin(gamma) / 2 gives a sine above 1
    NoSidesForArea,       // the area and the law of cosines: (b - c)^2 below 0
    SizeNotPositive,      // a side, S or R at or below 0
};

// How far past a sine of 1 or a double root a value may lie and still count
// as on it: data rounded to about seven digits, as a calculator shows them,
// keep their right or isosceles triangle, as the checks of a finished
// triangle allow.
inline constexpr Real::Value kBoundarySlack = 1e-6L;

// A third angle within this share of 180 degrees of 0 is 0: closer than
// sixteen typed digits tell apart, as for a right angle.
inline constexpr Real::Value kAngleSumSlack = 0x1p-50L;

} // namespace triangle
