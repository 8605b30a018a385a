// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "real.h"

namespace triangle {

// The program's pi: a decimal literal, a little smaller than the double nearest
// to pi. Every conversion and every "rest of pi" uses it, so that results agree
// to the last digit with the published worked examples.
inline constexpr double kPi = 3.14159265358979;

enum Vertex { A = 0, B = 1, C = 2 };

// The solver's whole state: the eight quantities of the current triangle
// (angles in radians) and the work fields through which the procedures talk to
// the helper formulas. The work fields keep the values of their last use.
struct Triangle {
    Real a, b, c;
    Real Alpha, Beta, Gamma;
    Real R, S;
    Real WorkSide, WorkLow, WorkHigh, WorkAngle;
    Real SineArg;

    // Zeroes the eight quantities; the work fields stay as they are.
    void clearQuantities()
    {
        a = b = c = 0.0;
        Alpha = Beta = Gamma = 0.0;
        R = S = 0.0;
    }

    // Field by vertex: the angle at it and the side opposite it.
    Real &angle(Vertex v) { return v == A ? Alpha : v == B ? Beta : Gamma; }
    Real &side(Vertex v) { return v == A ? a : v == B ? b : c; }
    Real angle(Vertex v) const { return v == A ? Alpha : v == B ? Beta : Gamma; }
    Real side(Vertex v) const { return v == A ? a : v == B ? b : c; }
};

} // namespace triangle
