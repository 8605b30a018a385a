// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/session.h"

namespace triangle::web {

// The page's one session: what its fields, note and picture show.
triangle::session::Session &pageSession();

} // namespace triangle::web
