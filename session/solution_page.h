// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "solver/answer/solution.h"
#include "solver/exact_replay/exact_forms.h"
#include "wording/solution_text.h"

namespace triangle::session {

// A solution to show: the steps of the triangle on view and the given
// values as they were typed, and its whole text as the faces show, copy and
// print it (written by the session, so that a value no number can show ends
// in the session's fault note rather than in a face).
struct SolutionPage {
    Solution solution;
    wording::GivenTexts given;
    ExactForms exact; // of its values and steps, where it has them
    std::string document;
};

} // namespace triangle::session
