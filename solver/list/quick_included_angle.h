// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "solver/list/catalogue.h"

namespace triangle {

// The quick route of two sides and the angle between them, at `given`:
// the third side, the area, R, the perimeter and the two other angles
// worked out in double, each with a bound on its error from the data (how
// thin the triangle is, how near a right angle the angle found from its
// sine is), and a bound alike on the error of the long double solving.
// Where every value lies so far from a halfway point of its fourth decimal
// that both round alike, and the verdict cannot but find a real triangle,
// the shown values; empty otherwise, and the long double solving answers.
std::optional<RoundedValues> shownIncludedAngle(Vertex given, const GivenValues &values);

} // namespace triangle
