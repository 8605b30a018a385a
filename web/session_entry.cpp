// SPDX-License-Identifier: GPL-3.0-or-later
// The page's actions, forwarded to the session the window runs as well;
// each answers with the view the page is to show, as JSON.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "solver/catalogue.h"
#include "wording/solution_markup.h"
#include "wording/solution_text.h"

#include "web/argument_lines.h"
#include "web/json_text.h"
#include "web/page_session.h"

namespace {

using triangle::session::Announcement;
using triangle::session::ElementsView;
using triangle::session::View;
using triangle::web::JsonText;

// The page writes the language's decimal separator and reads the point and
// the comma alike, so that a text typed before a change of language reads
// as it did.
triangle::NumberFormat pageFormat(const triangle::wording::Language &language)
{
    return triangle::NumberFormat {
        std::string(language.decimalSeparator), language.decimalSeparator == "." ? "," : ""};
}

void announcement(JsonText &json, const std::optional<Announcement> &said)
{
    json.key("announcement");
    if (!said) {
        json.boolean(false);
        return;
    }
    json.beginObject()
        .key("kind")
        .string(said->kind == Announcement::Kind::Alert ? "alert" : "status")
        .key("text")
        .string(said->text)
        .endObject();
}

void viewJson(JsonText &json, const View &view)
{
    json.beginObject().key("combination").number(view.combination).key("fields").beginArray();
    for (const std::string &field : view.fields)
        json.string(field);
    json.endArray().key("open").beginArray();
    for (int position = 0; position < triangle::kQuantityCount; ++position)
        json.boolean(triangle::isGiven(view.combination, triangle::quantityAt(position)));
    json.endArray().key("note").string(view.note);
    announcement(json, view.announcement);
    json.key("picture")
        .boolean(view.picture.has_value())
        .key("pictureEmpty")
        .boolean(view.pictureEmpty)
        .key("pictureDescription")
        .string(view.pictureDescription)
        .key("otherTriangle")
        .boolean(view.otherTriangleOffered)
        .key("solution")
        .boolean(view.solutionOffered)
        .key("triangle")
        .number(static_cast<double>(triangle::web::pageSession().shownTriangle() + 1))
        .endObject();
}

void booleans(JsonText &json, const auto &values)
{
    json.beginArray();
    for (const bool value : values)
        json.boolean(value);
    json.endArray();
}

void elementsJson(JsonText &json, const ElementsView &view)
{
    json.beginObject().key("fields").beginArray();
    for (const std::string &field : view.fields)
        json.string(field);
    json.endArray().key("open");
    booleans(json, view.open);
    json.key("given");
    booleans(json, view.given);
    json.key("note").string(view.note);
    announcement(json, view.announcement);
    json.key("picture")
        .boolean(view.picture.has_value())
        .key("pictureDescription")
        .string(view.pictureDescription)
        .key("otherTriangle")
        .boolean(view.otherTriangleOffered)
        .key("triangle")
        .number(static_cast<double>(triangle::web::pageElements().shownTriangle() + 1))
        .endObject();
}

// The text handed to the page stays valid until the next call.
const char *lent(std::string text)
{
    static std::string held; // NOLINT(*-avoid-non-const-global-variables): lent to the page
    held = std::move(text);
    return held.c_str();
}

// «Копирай»: the request on view, its nine values and where it is found,
// one a line, and after them the worked solution when `withSolution`.
std::string copiedText(const View &view, std::string_view address, bool withSolution)
{
    auto &session = triangle::web::pageSession();
    const triangle::wording::Language &language = session.language();
    const auto &names = language.window.text2;
    const auto line = [&](std::size_t position) {
        return std::string(names.at(position).accessibleName) + " = " + view.fields.at(position);
    };
    std::string text(language.solution.given);
    std::string_view comma;
    for (int position = 0; position < triangle::kQuantityCount; ++position) {
        if (triangle::isGiven(view.combination, triangle::quantityAt(position))) {
            text.append(comma).append(line(static_cast<std::size_t>(position)));
            comma = ", ";
        }
    }
    text += '\n';
    for (std::size_t position = 0; position < view.fields.size(); ++position)
        text.append(line(position)).append("\n");
    if (!view.picture)
        text.append(language.notes.noTriangle).append("\n");
    text.append(address).append("\n");
    if (const auto page = withSolution ? session.openSolution() : std::nullopt) {
        text.append("\n").append(triangle::wording::solutionDocument(
            page->solution, page->given, pageFormat(language), language, &page->exact));
    }
    return text;
}

const char *shown(const View &view)
{
    JsonText json;
    viewJson(json, view);
    return lent(json.text());
}

const char *shown(const ElementsView &view)
{
    JsonText json;
    elementsJson(json, view);
    return lent(json.text());
}

} // namespace

namespace triangle::web {

triangle::session::Session &pageSession()
{
    static triangle::session::Session session(pageFormat(triangle::wording::kBulgarian),
        triangle::session::kPageFace, triangle::wording::kBulgarian);
    return session;
}

triangle::session::ElementsSession &pageElements()
{
    static triangle::session::ElementsSession session(
        pageFormat(triangle::wording::kBulgarian), triangle::wording::kBulgarian);
    return session;
}

} // namespace triangle::web

using triangle::web::pageElements;
using triangle::web::pageSession;

// What the page shows now.
extern "C" const char *triangle_view() { return shown(pageSession().view()); }

// A row of the list; a number that is no row changes nothing.
extern "C" const char *triangle_choose(int combination)
{
    if (combination < 0 || combination >= triangle::kCombinationCount)
        return triangle_view();
    return shown(pageSession().choose(combination));
}

// «Изчисли», `typed` holding the eight value fields' texts one a line: a
// field cannot hold a line feed. Missing lines are empty fields.
extern "C" const char *triangle_compute(const char *typed)
{
    std::array<std::string, triangle::kQuantityCount> fields;
    const auto lines = triangle::web::argumentLines(typed);
    for (std::size_t k = 0; k < fields.size() && k < lines.size(); ++k)
        fields.at(k) = lines[k];
    return shown(pageSession().compute(fields));
}

extern "C" const char *triangle_next() { return shown(pageSession().showNextTriangle()); }

// «Провери», `draw` in [0, 1) choosing the sample.
extern "C" const char *triangle_sample(double draw)
{
    const bool inRange = draw >= 0.0 && draw < 1.0;
    return shown(pageSession().showSample(inRange ? static_cast<float>(draw) : 0.0F));
}

extern "C" const char *triangle_clear() { return shown(pageSession().clear()); }

// The page in the language of `code` ("bg", "en"; any other changes
// nothing), with that language's number format: both modes' sessions; the
// list's view.
extern "C" const char *triangle_language(const char *code)
{
    const triangle::wording::Language *language = triangle::wording::languageFor(code);
    if (language == nullptr)
        return triangle_view();
    pageElements().setLanguage(*language, pageFormat(*language));
    return shown(pageSession().setLanguage(*language, pageFormat(*language)));
}

// «Решение»: the worked solution of the triangle on view, as the window
// shows it, in escaped HTML with the indices as subscripts, and whether it
// has a picture; none where a step faults, the view then saying why.
extern "C" const char *triangle_solution()
{
    const auto page = pageSession().openSolution();
    JsonText json;
    json.beginObject().key("solution");
    if (page) {
        json.beginObject()
            .key("markup")
            .string(triangle::wording::solutionMarkup(triangle::wording::withSignsKeptToTheirValues(
                triangle::wording::solutionDocument(page->solution, page->given,
                    pageFormat(pageSession().language()), pageSession().language(), &page->exact))))
            .key("picture")
            .boolean(page->solution.verdict == triangle::Verdict::RealTriangle)
            .endObject();
    } else {
        json.boolean(false);
    }
    json.key("view");
    viewJson(json, pageSession().view());
    return lent(json.endObject().text());
}

// The text «Копирай» puts on the clipboard, for the address `address`;
// with the worked solution where `withSolution` is not 0.
extern "C" const char *triangle_copied(const char *address, int withSolution)
{
    const View &view = pageSession().view();
    JsonText json;
    json.beginObject().key("text").string(copiedText(view, address, withSolution != 0)).endObject();
    return lent(json.text());
}

// The mode «Всякакви три елемента»: what it shows now.
extern "C" const char *triangle_elements_view() { return shown(pageElements().view()); }

// The user typed `text` into the field at `field` (0 to 18, in the view's
// order); any other number changes nothing.
extern "C" const char *triangle_elements_edit(int field, const char *text)
{
    if (field < 0 || field >= static_cast<int>(ElementsView::kFields))
        return triangle_elements_view();
    return shown(pageElements().edit(static_cast<std::size_t>(field), text));
}

extern "C" const char *triangle_elements_compute() { return shown(pageElements().compute()); }

extern "C" const char *triangle_elements_next() { return shown(pageElements().showNextTriangle()); }

extern "C" const char *triangle_elements_clear() { return shown(pageElements().clear()); }
