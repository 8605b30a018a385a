// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace triangle::ui {

// The form's font: the design's first family that is installed, at its point
// size. Set on the application too, since Qt's default "Sans Serif" may resolve
// to a monospace font without the look the form was drawn for.
QFont windowFont();

} // namespace triangle::ui
