// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace triangle::ui {

// Makes screen readers take the picture box for a picture and the announcer
// for an alert or a notification, as it announces, and hear a combo box's
// accessible name as its name. Once per program; later
// calls do nothing.
void installAccessibleRoles();

} // namespace triangle::ui
