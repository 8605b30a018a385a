// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "solver/list/compute.h"

namespace triangle::cli {

// The rest of a solved or also line: each of the nine values after a tab
// with four decimals, then "triangle" or "no-triangle". Every value is
// written once, straight into `out`; only one beside a halfway point or too
// large to count in ten-thousandths makes a text of its own.
void appendValueLine(std::string &out, const FieldValues &values, bool real);

// The same from the values already rounded to four decimals.
void appendShownLine(std::string &out, const RoundedValues &shown, bool real);

} // namespace triangle::cli
