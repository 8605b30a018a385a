// SPDX-License-Identifier: GPL-3.0-or-later
#include "area_from_side_and_angle.h"

#include "helper_formulas.h"

namespace triangle {

void sidesFromArea(Triangle &t, Vertex known, Branches &branches)
{
    t.WorkSide = t.side(known);
    t.WorkAngle = t.angle(known);
    SidesFromAreaAngle(t);
    const Vertex earlier = known == A ? B : A;
    const Vertex later = otherVertex(known, earlier);
    // The mirror image has the two values swapped.
    const bool mirrored = branches.takeOther();
    t.side(later) = mirrored ? t.WorkLow : t.WorkHigh;
    t.side(earlier) = mirrored ? t.WorkHigh : t.WorkLow;
}

} // namespace triangle
