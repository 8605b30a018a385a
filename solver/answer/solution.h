// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "solver/list/compute.h"
#include "solver/list/verdict.h"
#include "solver/steps/journal.h"

namespace triangle {

// How a solved request's triangle was found: the steps (a real triangle's
// in the order a school takes them, else the solver's), the triangle they
// end in, and the verdict on it.
struct Solution {
    int combination = -1;
    GivenValues givenValues {};
    // Where any three elements were given instead of a combination: which,
    // in field order, and whether the perimeter was typed as p = P / 2.
    std::vector<Quantity> givenElements;
    bool semiperimeterGiven = false;
    Journal steps;
    // The steps of the rest of the triangle where they were found with it
    // (any three elements), else empty: they are worked out from the record.
    Journal moreSteps;
    Triangle record;
    Verdict verdict = Verdict::RealTriangle;
};

// Solves a solved request again along the given branch choices (0 for the
// triangle shown first), noting every step. Throws ArithmeticFault only where
// the request itself faulted. With `exactForms` the steps are the route
// whose values have exact forms where a school's other route has none.
Solution solutionOf(const Outcome &solved, unsigned branches = 0, bool exactForms = false);

} // namespace triangle
