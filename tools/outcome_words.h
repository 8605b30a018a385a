// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "solver/list/compute.h"

namespace triangle::cli {

// A fault's name on the command line: "division-by-zero", "overflow",
// "invalid-argument".
const char *faultName(FaultKind kind);

// The answer's line when the request solved nothing ("invalid",
// "no-triangle", "fault<TAB>KIND"), and whether it did not.
bool appendUnsolved(std::string &out, const Outcome &outcome);

} // namespace triangle::cli
