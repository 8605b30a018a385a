// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/view_json.h"

#include <utility>

#include "wording/solution_markup.h"
#include "wording/solution_text.h"

namespace triangle::web {

NumberFormat pageFormat(const wording::Language &language)
{
    return NumberFormat {std::string(language.decimalSeparator), language.decimalSeparator == "." ? "," : ""};
}

void announcementJson(JsonText &json, const std::optional<session::Announcement> &said)
{
    json.key("announcement");
    if (!said) {
        json.boolean(false);
        return;
    }
    json.beginObject()
        .key("kind")
        .string(said->kind == session::Announcement::Kind::Alert ? "alert" : "status")
        .key("text")
        .string(said->text)
        .endObject();
}

void solutionJson(JsonText &json, const std::optional<session::SolutionPage> &page, bool pictured)
{
    json.key("solution");
    if (!page) {
        json.boolean(false);
        return;
    }
    json.beginObject()
        .key("markup")
        .string(wording::solutionMarkup(wording::withSignsKeptToTheirValues(page->document)))
        .key("picture")
        .boolean(pictured && page->solution.verdict == Verdict::RealTriangle)
        .endObject();
}

const char *lent(std::string text)
{
    static std::string held; // NOLINT(*-avoid-non-const-global-variables): lent to the page
    held = std::move(text);
    return held.c_str();
}

} // namespace triangle::web
