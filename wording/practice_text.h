// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "solver/practice/problem.h"
#include "wording/language.h"

namespace triangle::wording {

// A problem worded as a textbook poses it: "В триъгълник ABC a = 5 cm,
// b = 8 cm и γ = 60°. Намерете c, S и R."
std::string problemText(const Problem &problem, const Language &language);

} // namespace triangle::wording
