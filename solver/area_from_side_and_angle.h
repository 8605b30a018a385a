#pragma once

#include "branches.h"
#include "triangle.h"

namespace triangle {

// With S and a side with its opposite angle in the record: the two other sides
// by SidesFromAreaAngle, stored by the side assignment rule (the later of the
// two in the order a, b, c gets the larger value), then the angle at `found`
// among all three sides and the angle at the remaining vertex as the rest of
// pi. Shared by the families that know S with R or with an opposite pair.
void sidesFromAreaThenAngles(Triangle &t, Vertex known, Vertex found, Branches &branches);

} // namespace triangle
