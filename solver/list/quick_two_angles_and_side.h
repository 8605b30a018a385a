// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "solver/list/catalogue.h"

namespace triangle {

// The quick route of two angles and a side (the angle at `third` not
// given, the side opposite `sideAt` given): the third angle as the solving
// takes it, R and the other sides by the law of sines, the area and the
// perimeter in double, each with a bound on its error and on the long
// double solving's (how near 180 degrees a given angle is). The shown
// values where the bounds prove them, the verdict a real triangle and no
// value of the solving beyond a double's range; empty otherwise.
std::optional<RoundedValues> shownTwoAnglesAndSide(Vertex third, Vertex sideAt, const GivenValues &values);

} // namespace triangle
