// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "branches.h"
#include "triangle.h"

namespace triangle {

// With S and a side with its opposite angle in the record: the two other sides
// by SidesFromAreaAngle, stored by the side assignment rule (the later of the
// two in the order a, b, c gets the larger value) or, where the branches ask
// for the mirror image, the other way round. Shared by the families that know
// S with R or with an opposite pair.
void sidesFromArea(Triangle &t, Vertex known, Branches &branches);

} // namespace triangle
