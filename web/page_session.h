// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "session/elements_session.h"
#include "session/practice_session.h"
#include "session/session.h"

namespace triangle::web {

// The page's one session: what its fields, note and picture show.
triangle::session::Session &pageSession();
// Its session of any three elements, kept beside the list's: the page
// switches between the two modes without losing either one's request.
triangle::session::ElementsSession &pageElements();
// Its session of the mode «Упражнение», likewise. Made at the first call,
// its first problem from `firstSeed`, which the page draws so that a visit
// starts where the last did not; later calls' seeds change nothing.
triangle::session::PracticeSession &pagePractice(std::uint32_t firstSeed = 1);

} // namespace triangle::web
