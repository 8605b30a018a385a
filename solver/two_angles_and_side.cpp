// SPDX-License-Identifier: GPL-3.0-or-later
// Two angles and one side: the law of sines alone.
#include "completion_steps.h"
#include "helper_formulas.h"
#include "procedures.h"

namespace triangle {

namespace {

// R from b, then a, then c and the area.
void sidesFromB(Triangle &t)
{
    t.R = circumradiusFromSide(t.b, t.Beta);
    t.a = sideFromCircumradius(t, A);
    SideCThenArea(t);
}

// The third angle right after reading, then R from the given side and the
// other sides.
template <Vertex Derived, void (*Closing)(Triangle &)>
void thirdAngleFirst(Triangle &t, Branches &)
{
    thirdAngle(t, Derived);
    Closing(t);
}

} // namespace

const std::array<Procedure, 9> kTwoAnglesAndSide = {
    // 0: A, B, a; the third angle only inside FinishWithGamma
    [](Triangle &t, Branches &) {
        t.R = circumradiusFromSide(t.a, t.Alpha);
        t.b = sideFromCircumradius(t, B);
        FinishWithGamma(t);
    },
    // 1: A, B, b
    [](Triangle &t, Branches &) {
        t.R = circumradiusFromSide(t.b, t.Beta);
        t.a = sideFromCircumradius(t, A);
        FinishWithGamma(t);
    },
    // 2: A, C, c; the area from c and the sines, before the other sides
    [](Triangle &t, Branches &) {
        ThirdAngleBeta(t);
        t.R = circumradiusFromSide(t.c, t.Gamma);
        const Real numerator = t.c * t.c * sin(t.Alpha) * sin(t.Beta);
        AreaQuotient(t, numerator, 2.0 * sin(t.Gamma));
        t.a = sideFromCircumradius(t, A);
        t.b = sideFromCircumradius(t, B);
    },
    thirdAngleFirst<B, SidesFromA>, // 3: A, C, a
    thirdAngleFirst<A, sidesFromB>, // 4: B, C, b
    thirdAngleFirst<A, SidesFromC>, // 5: B, C, c
    thirdAngleFirst<A, SidesFromA>, // 6: B, C, a
    thirdAngleFirst<B, sidesFromB>, // 7: A, C, b
    thirdAngleFirst<C, SidesFromC>, // 8: A, B, c
};

} // namespace triangle
