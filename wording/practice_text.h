// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "solver/numbers/number_format.h"
#include "solver/practice/problem.h"
#include "wording/language.h"

namespace triangle::wording {

// A problem worded as a textbook poses it: "В триъгълник ABC a = 5 cm,
// b = 8 cm и γ = 60°. Намерете c, S и R."
std::string problemText(const Problem &problem, const Language &language);

// An asked value as an answer key writes it: "c = 7 cm", "S = 10√3 ≈ 17,3205 cm²",
// "γ = 60°"; the number of triangles alone, "2", and with 0 that there is
// no such triangle. Without a calculator the exact form, with one the
// decimals, unless the value is whole.
std::string keyLine(const KeyValue &key, Level level, const NumberFormat &format, const Language &language);

} // namespace triangle::wording
