// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/elements_session.h"
#include "session/session.h"

namespace triangle::web {

// The page's one session: what its fields, note and picture show.
triangle::session::Session &pageSession();
// Its session of any three elements, kept beside the list's: the page
// switches between the two modes without losing either one's request.
triangle::session::ElementsSession &pageElements();

} // namespace triangle::web
