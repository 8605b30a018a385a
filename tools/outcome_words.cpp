// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/outcome_words.h"

namespace triangle::cli {

const char *faultName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::DivisionByZero: return "division-by-zero";
    case FaultKind::Overflow: return "overflow";
    case FaultKind::InvalidArgument: return "invalid-argument";
    }
    return "unknown";
}

bool appendUnsolved(std::string &out, const Outcome &outcome)
{
    switch (outcome.status) {
    case Outcome::Status::Invalid: out += "invalid"; return true;
    case Outcome::Status::NoTriangle: out += "no-triangle"; return true;
    case Outcome::Status::Fault:
        out += "fault\t";
        out += faultName(outcome.fault);
        return true;
    case Outcome::Status::Solved: return false;
    }
    return false;
}

} // namespace triangle::cli
