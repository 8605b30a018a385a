// SPDX-License-Identifier: GPL-3.0-or-later
// Two sides and one angle, in two schemes: the angle between the sides, or the
// angle opposite one of them.
#include "completion_steps.h"
#include "helper_formulas.h"
#include "procedures.h"

namespace triangle {

namespace {

// The angle at Given lies between the two given sides: the area, the third
// side by the law of cosines, R, then the angle opposite the earlier side and
// the rest of pi. The data fix one triangle.
template <Vertex Given>
void includedAngle(Triangle &t, Branches &)
{
    const Vertex first = Given == A ? B : A;
    const Vertex second = otherVertex(Given, first);
    const Real theta = t.angle(Given);
    t.S = 0.5 * t.side(first) * t.side(second) * sin(theta);
    t.side(Given) = lawOfCosines(t.side(first), t.side(second), theta);
    t.R = t.a * t.b * t.c / (4.0 * t.S);
    angleFromSideThenRest(t, first, second);
}

// The angle at Given lies opposite its side: R by the law of sines, the angle
// opposite the other given side from its sine, the rest of pi, the third side
// and the area.
template <Vertex Given, Vertex OtherSide>
void oppositeAngle(Triangle &t, Branches &branches)
{
    constexpr Vertex third = otherVertex(Given, OtherSide);
    t.R = circumradiusFromSide(t.side(Given), t.angle(Given));
    t.angle(OtherSide) = acuteOrObtuse(AngleFromSide(t, OtherSide + 1), branches);
    thirdAngle(t, third);
    t.side(third) = sideFromCircumradius(t, third);
    t.S = 0.5 * t.b * t.c * sin(t.Alpha);
}

} // namespace

const std::array<Procedure, 9> kTwoSidesAndAngle = {
    includedAngle<C>,    // 21: C, a, b
    includedAngle<B>,    // 22: B, a, c
    includedAngle<A>,    // 23: A, b, c
    oppositeAngle<A, B>, // 24: A, a, b
    oppositeAngle<B, A>, // 25: B, a, b
    oppositeAngle<A, C>, // 26: A, a, c
    oppositeAngle<C, A>, // 27: C, a, c
    oppositeAngle<B, C>, // 28: B, b, c
    oppositeAngle<C, B>, // 29: C, b, c
};

} // namespace triangle
