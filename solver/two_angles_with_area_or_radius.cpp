// SPDX-License-Identifier: GPL-3.0-or-later
// Two angles with the area or the circumradius: the third angle as the rest of
// pi, then one of two closings that depend only on which of S and R is known.
#include "completion_steps.h"
#include "helper_formulas.h"
#include "procedures.h"

namespace triangle {

namespace {

void sidesFromCircumradius(Triangle &t)
{
    t.a = sideFromCircumradius(t, A);
    t.b = sideFromCircumradius(t, B);
    t.c = sideFromCircumradius(t, C);
}

// With the three angles and S: R first, then the sides.
void FinishFromAnglesAndArea(Triangle &t)
{
    const Real sineA = sin(t.Alpha);
    const Real sineB = sin(t.Beta);
    const Real sineC = sin(t.Gamma);
    const Real product = sineA * 2.0 * sineB * sineC;
    // The absolute value keeps R positive whatever the signs of the sines.
    t.R = sqrt(abs(t.S / product));
    sidesFromCircumradius(t);
}

// With the three angles and R: the sides, then S from R and the angles.
void FinishFromAnglesAndR(Triangle &t)
{
    sidesFromCircumradius(t);
    t.S = 2.0 * t.R * t.R * sin(t.Alpha) * sin(t.Beta) * sin(t.Gamma);
}

template <Vertex Derived, void (*Finish)(Triangle &)>
void twoAngles(Triangle &t, Branches &)
{
    thirdAngle(t, Derived);
    Finish(t);
}

} // namespace

const std::array<Procedure, 6> kTwoAnglesWithAreaOrRadius = {
    twoAngles<C, FinishFromAnglesAndArea>, //  9: A, B, S
    twoAngles<B, FinishFromAnglesAndArea>, // 10: A, C, S
    twoAngles<A, FinishFromAnglesAndArea>, // 11: B, C, S
    twoAngles<C, FinishFromAnglesAndR>,    // 12: A, B, R
    twoAngles<B, FinishFromAnglesAndR>,    // 13: A, C, R
    twoAngles<A, FinishFromAnglesAndR>,    // 14: B, C, R
};

} // namespace triangle
