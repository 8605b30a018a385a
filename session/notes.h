// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "solver/compute.h"

// What the note box says: the design's texts, filled in.
namespace triangle::session {

// The note box's text when there is nothing to report.
std::string problemStatement();

// After a request: the problem statement when it solved a real triangle,
// otherwise why it did not.
std::string noteFor(const Outcome &outcome);

// That the data fit `count` triangles, in one sentence.
std::string otherTrianglesFit(std::size_t count);

// Which of `count` triangles the fields show: "Показан е 2 от 2."
std::string whichTriangle(std::size_t shown, std::size_t count);

// The note when the data fit `count` triangles and the fields show the
// `shown`-th (counted from 1): that there are others, which one is shown and
// how to switch (the button or `shortcut`), then the problem statement.
std::string otherTrianglesNote(std::size_t shown, std::size_t count, std::string_view shortcut);

// That a given field was solved with the number at the start of its text
// only: the quantity, the number as the field now shows it, and what was
// typed (shortened where long).
std::string readAsNote(Quantity q, std::string_view number, std::string_view typed);

} // namespace triangle::session
