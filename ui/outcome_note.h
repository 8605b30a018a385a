// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include <QString>

#include <compute.h>

namespace triangle::ui {

// What the note box says after a request: the problem statement when the
// request solved a real triangle, otherwise why it did not.
QString noteFor(const triangle::Outcome &outcome);

// The note box's text when there is nothing to report.
QString problemStatement();

// That the data fit `count` triangles, in one sentence.
QString otherTrianglesFit(std::size_t count);

// The note when the data fit `count` triangles and the fields show the
// `shown`-th (counted from 1): that there are others, which one is shown and
// how to switch, then the problem statement.
QString otherTrianglesNote(std::size_t shown, std::size_t count);

} // namespace triangle::ui
