// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/answer/solution.h"
#include "solver/exact_replay/exact_forms.h"
#include "wording/solution_text.h"

namespace triangle::session {

// A solution to show: the steps of the triangle on view and the given
// values as they were typed.
struct SolutionPage {
    Solution solution;
    wording::GivenTexts given;
    ExactForms exact; // of its values and steps, where it has them
};

} // namespace triangle::session
