// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "solver/exact_replay/exact_forms.h"
#include "solver/list/compute.h"
#include "wording/language.h"

// What the note box says, in the language's words.
namespace triangle::session {

using wording::Language;

// The note box's text when there is nothing to report.
std::string problemStatement(const Language &language);

// After a request: the problem statement when it solved a real triangle,
// otherwise why it did not.
std::string noteFor(const Language &language, const Outcome &outcome);

// That the data fit `count` triangles, in one sentence.
std::string otherTrianglesFit(const Language &language, std::size_t count);

// Which of `count` triangles the fields show: "Показан е 2 от 2."
std::string whichTriangle(const Language &language, std::size_t shown, std::size_t count);

// The note when the data fit `count` triangles and the fields show the
// `shown`-th (counted from 1): that there are others, which one is shown and
// how to switch (the button or `shortcut`), then the problem statement.
std::string otherTrianglesNote(
    const Language &language, std::size_t shown, std::size_t count, std::string_view shortcut);

// That a given field was solved with the number at the start of its text
// only: the quantity, the number as the field now shows it, and what was
// typed (shortened where long).
// The exact forms of a solved triangle's computed values, "Точно: c = 7,
// S = 10√3, R = 7√3/3, P = 20."; empty where none has one. The given
// values are the combination's, or those marked in `given`, by element.
std::string exactNote(const Language &language, int combination, const ExactForms &forms);
std::string exactNote(
    const Language &language, const std::array<bool, kElementCount> &given, const ExactForms &forms);

std::string readAsNote(const Language &language, Quantity q, std::string_view number, std::string_view typed);

} // namespace triangle::session
