// SPDX-License-Identifier: GPL-3.0-or-later
// The page's actions, forwarded to the session the window runs as well;
// each answers with the view the page is to show, as JSON.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solver/list/catalogue.h"

#include "web/argument_lines.h"
#include "web/json_text.h"
#include "web/page_session.h"
#include "web/view_json.h"

namespace {

using triangle::session::ElementsView;
using triangle::session::View;
using triangle::web::JsonText;
using triangle::web::lent;
using triangle::web::pageFormat;
using triangle::web::stringsJson;

void booleans(JsonText &json, const auto &values)
{
    json.beginArray();
    for (const bool value : values)
        json.boolean(value);
    json.endArray();
}

// What both modes' views end with: the note, the picture and the buttons.
void tailJson(JsonText &json, const auto &view, std::size_t shownTriangle)
{
    json.key("note").string(view.note);
    triangle::web::announcementJson(json, view.announcement);
    json.key("picture")
        .boolean(view.picture.has_value())
        .key("pictureDescription")
        .string(view.pictureDescription)
        .key("otherTriangle")
        .boolean(view.otherTriangleOffered)
        .key("solution")
        .boolean(view.solutionOffered)
        .key("triangle")
        .number(static_cast<double>(shownTriangle + 1))
        .endObject();
}

// The list's view.
void writeJson(JsonText &json, const View &view)
{
    std::array<bool, triangle::kQuantityCount> open {};
    for (int position = 0; position < triangle::kQuantityCount; ++position)
        open.at(static_cast<std::size_t>(position))
            = triangle::isGiven(view.combination, triangle::quantityAt(position));
    json.beginObject().key("combination").number(view.combination).key("fields");
    stringsJson(json, view.fields);
    json.key("open");
    booleans(json, open);
    json.key("pictureEmpty").boolean(view.pictureEmpty);
    tailJson(json, view, triangle::web::pageSession().shownTriangle());
}

// The view of the mode of any three elements.
void writeJson(JsonText &json, const ElementsView &view)
{
    json.beginObject().key("fields");
    stringsJson(json, view.fields);
    json.key("open");
    booleans(json, view.open);
    json.key("given");
    booleans(json, view.given);
    tailJson(json, view, triangle::web::pageElements().shownTriangle());
}

// «Копирай»: the request on view, every value and where it is found, one
// a line, and after them the worked solution of `page` where there is one.
struct CopiedLines {
    std::vector<std::string> given;  // "name = value"
    std::vector<std::string> values; // likewise, every field
    bool triangle = false;
    std::string exact; // the note's line of exact values, «Точно: c = 7, …», if it has one
};

// The note's line of exact values, found by the words it starts with.
std::string exactLine(const triangle::wording::Language &language, std::string_view note)
{
    const std::string_view pattern = language.notes.exact;
    const std::string_view start = pattern.substr(0, pattern.find("%1"));
    for (std::size_t at = 0; at < note.size();) {
        const std::size_t end = std::min(note.find('\n', at), note.size());
        if (const std::string_view line = note.substr(at, end - at); line.starts_with(start))
            return std::string(line);
        at = end + 1;
    }
    return {};
}

std::string copiedText(const triangle::wording::Language &language, const CopiedLines &lines,
    std::string_view address, const std::optional<triangle::session::SolutionPage> &page)
{
    std::string text(language.solution.given);
    std::string_view comma;
    for (const std::string &given : lines.given) {
        text.append(comma).append(given);
        comma = ", ";
    }
    text += '\n';
    for (const std::string &value : lines.values)
        text.append(value).append("\n");
    if (!lines.exact.empty())
        text.append(lines.exact).append("\n");
    if (!lines.triangle)
        text.append(language.notes.noTriangle).append("\n");
    text.append(address).append("\n");
    if (page) {
        text.append("\n").append(page->document);
    }
    return text;
}

// A view's fields as «Копирай» writes them, under their accessible names.
template <typename Names, typename Fields, typename Given>
CopiedLines copiedLines(const Names &names, const Fields &fields, const Given &given, bool triangle)
{
    CopiedLines lines;
    lines.triangle = triangle;
    for (std::size_t position = 0; position < fields.size(); ++position) {
        std::string line = std::string(names.at(position)) + " = " + fields.at(position);
        if (position < given.size() && given.at(position))
            lines.given.push_back(line);
        lines.values.push_back(std::move(line));
    }
    return lines;
}

// The solution to copy with the text, where one is open.
template <typename Session>
std::optional<triangle::session::SolutionPage> copiedSolution(Session &session, bool withSolution)
{
    return withSolution ? session.openSolution() : std::nullopt;
}

const char *shown(const auto &view)
{
    JsonText json;
    writeJson(json, view);
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

triangle::session::PracticeSession &pagePractice(std::uint32_t firstSeed)
{
    static triangle::session::PracticeSession session(
        pageFormat(triangle::wording::kBulgarian), triangle::wording::kBulgarian, firstSeed);
    return session;
}

} // namespace triangle::web

using triangle::web::pageElements;
using triangle::web::pagePractice;
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
// nothing), with that language's number format: every mode's session; the
// list's view.
extern "C" const char *triangle_language(const char *code)
{
    const triangle::wording::Language *language = triangle::wording::languageFor(code);
    if (language == nullptr)
        return triangle_view();
    pageElements().setLanguage(*language, pageFormat(*language));
    pagePractice().setLanguage(*language, pageFormat(*language));
    return shown(pageSession().setLanguage(*language, pageFormat(*language)));
}

// «Решение»: the worked solution of the triangle on view, as the window
// shows it; none where a step faults, the view then saying why.
template <typename Session>
static const char *solutionAndView(Session &session)
{
    JsonText json;
    json.beginObject();
    triangle::web::solutionJson(json, session.openSolution());
    json.key("view");
    writeJson(json, session.view());
    return lent(json.endObject().text());
}

extern "C" const char *triangle_solution() { return solutionAndView(pageSession()); }

extern "C" const char *triangle_elements_solution() { return solutionAndView(pageElements()); }

static const char *copiedJson(const std::string &text)
{
    JsonText json;
    json.beginObject().key("text").string(text).endObject();
    return lent(json.text());
}

// The text «Копирай» puts on the clipboard, for the address `address`;
// with the worked solution where `withSolution` is not 0.
extern "C" const char *triangle_copied(const char *address, int withSolution)
{
    auto &session = pageSession();
    const View &view = session.view();
    const triangle::wording::Language &language = session.language();
    std::array<std::string_view, triangle::kFieldCount> names {};
    std::array<bool, triangle::kQuantityCount> given {};
    for (std::size_t position = 0; position < names.size(); ++position)
        names.at(position) = language.window.text2.at(position).accessibleName;
    for (std::size_t position = 0; position < given.size(); ++position)
        given.at(position)
            = triangle::isGiven(view.combination, triangle::quantityAt(static_cast<int>(position)));
    CopiedLines lines = copiedLines(names, view.fields, given, view.picture.has_value());
    lines.exact = exactLine(language, view.note);
    return copiedJson(copiedText(language, lines, address, copiedSolution(session, withSolution != 0)));
}

// The same in the mode of any three elements.
extern "C" const char *triangle_elements_copied(const char *address, int withSolution)
{
    auto &session = pageElements();
    const ElementsView &view = session.view();
    const triangle::wording::Language &language = session.language();
    CopiedLines lines
        = copiedLines(language.elements.names, view.fields, view.given, view.picture.has_value());
    lines.exact = exactLine(language, view.note);
    return copiedJson(copiedText(language, lines, address, copiedSolution(session, withSolution != 0)));
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
