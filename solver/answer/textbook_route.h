// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/steps/journal.h"
#include "solver/triangle/triangle.h"

namespace triangle {

// The steps of a real triangle in the order a school finds its values, each
// step showing the value `record` holds. `solverSteps`, the steps the solver
// took to `record`, stand where the school has no shorter route, and say
// which value each branch point took; among three known sides an angle is
// found from its cosine, never from its sine.
Journal textbookRoute(int combination, const Triangle &record, const Journal &solverSteps);

} // namespace triangle
