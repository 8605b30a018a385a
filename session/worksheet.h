// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "solver/numbers/number_format.h"
#include "solver/practice/worksheet.h"
#include "wording/language.h"

namespace triangle::session {

// A worksheet as one HTML document for paper, which the window prints and
// the page lays out for printing: each variant's problems from a page of
// their own, then the answer key of every variant with the exact answers,
// and on request the worked solutions. Every text is escaped.
std::string worksheetMarkup(
    const WorksheetOptions &options, const NumberFormat &format, const wording::Language &language);

} // namespace triangle::session
