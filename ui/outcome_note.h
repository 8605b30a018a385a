#pragma once

#include <QString>

#include <compute.h>

namespace triangle::ui {

// What the note box says after a request: the problem statement when the
// request solved a real triangle, otherwise why it did not.
QString noteFor(const triangle::Outcome &outcome);

// The note box's text when there is nothing to report.
QString problemStatement();

} // namespace triangle::ui
