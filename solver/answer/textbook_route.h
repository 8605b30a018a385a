// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/steps/journal.h"
#include "solver/triangle/triangle.h"

namespace triangle {

// The steps of a real triangle in the order a school finds its values, each
// step showing the value `record` holds. `solverSteps`, the steps the solver
// took to `record`, stand where the school has no shorter route, and say
// which value each branch point took; among three known sides an angle is
// found from its cosine, never from its sine. For exact forms, two sides
// and an angle a student knows opposite one of them go by the quadratic of
// the law of cosines, whose roots are exact, rather than by the sine of an
// angle that has no exact degrees.
Journal textbookRoute(int combination, const Triangle &record, const Journal &solverSteps, bool exactForms);

} // namespace triangle
