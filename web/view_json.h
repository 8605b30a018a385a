// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "session/solution_page.h"
#include "session/view.h"
#include "solver/numbers/number_format.h"
#include "wording/language.h"

#include "web/json_text.h"

// What every mode's entries write the same way: the page's number format,
// an announcement, a list of texts, the worked solution, and the text lent
// to the page.
namespace triangle::web {

// The page writes the language's decimal separator and reads the point and
// the comma alike, so that a text typed before a change of language reads
// as it did.
NumberFormat pageFormat(const wording::Language &language);

// "announcement": {"kind": "status" or "alert", "text": …}, or false.
void announcementJson(JsonText &json, const std::optional<session::Announcement> &said);

template <typename Texts>
void stringsJson(JsonText &json, const Texts &texts)
{
    json.beginArray();
    for (const std::string &text : texts)
        json.string(text);
    json.endArray();
}

// "solution": the worked solution as the window shows it, in escaped HTML
// with the indices as subscripts, and whether it has a picture: a real
// triangle's, unless the mode has none to show (`pictured`); or false.
void solutionJson(JsonText &json, const std::optional<session::SolutionPage> &page, bool pictured = true);

// The text handed to the page, valid until the next call.
const char *lent(std::string text);

} // namespace triangle::web
