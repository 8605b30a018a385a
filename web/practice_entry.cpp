// SPDX-License-Identifier: GPL-3.0-or-later
// The page's mode «Упражнение» and its worksheets, forwarded to the practice
// session the window runs as well; each action answers with the view the
// page is to show, as JSON.
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "session/worksheet.h"
#include "solver/practice/problem.h"
#include "solver/practice/worksheet.h"
#include "wording/language.h"

#include "web/json_text.h"
#include "web/page_session.h"
#include "web/view_json.h"

namespace {

using triangle::session::Announcement;
using triangle::session::PracticeView;
using triangle::web::JsonText;
using triangle::web::lent;
using triangle::web::pagePractice;
using triangle::wording::Language;

// The page's sessions all speak the language chosen last.
const Language &pageLanguage() { return triangle::web::pageSession().language(); }

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole text, blanks around it aside, as a number from `least` to `most`.
template <typename Number>
std::optional<Number> wholeNumber(std::string_view text, Number least, Number most)
{
    text = trimmed(text);
    Number value {};
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc {} || stop != end || value < least || value > most)
        return std::nullopt;
    return value;
}

// The mode's view, each answer field with its name, "Отговор за c". The
// picture is described by the problem itself: its measures would give the
// answers away. `numberMessage` says why a number typed opened no problem.
void writeView(JsonText &json, const PracticeView &view, const std::optional<Announcement> &said,
    std::string_view numberMessage = {})
{
    json.beginObject()
        .key("problemId")
        .string(std::to_string(view.problemId))
        .key("problem")
        .string(view.problem)
        .key("asked");
    triangle::web::stringsJson(json, view.asked);
    json.key("names").beginArray();
    for (const std::string &symbol : view.asked)
        json.string(triangle::wording::filled(pageLanguage().practiceMode.answer, {symbol}));
    json.endArray().key("answers");
    triangle::web::stringsJson(json, view.answers);
    json.key("marks");
    triangle::web::stringsJson(json, view.marks);
    json.key("note").string(view.note).key("numberMessage").string(numberMessage);
    triangle::web::announcementJson(json, said);
    json.key("picture")
        .boolean(view.picture.has_value())
        .key("pictureDescription")
        .string(view.problem)
        .key("otherTriangle")
        .boolean(false)
        .key("solution")
        .boolean(view.solutionOffered)
        .key("triangle")
        .number(1)
        .endObject();
}

const char *shown(
    const PracticeView &view, const std::optional<Announcement> &said, std::string_view numberMessage = {})
{
    JsonText json;
    writeView(json, view, said, numberMessage);
    return lent(json.text());
}

const char *shown(const PracticeView &view) { return shown(view, view.announcement); }

std::optional<triangle::ProblemType> problemType(int type)
{
    if (type < 0 || type >= static_cast<int>(triangle::kProblemTypes.size()))
        return std::nullopt;
    return triangle::kProblemTypes.at(static_cast<std::size_t>(type));
}

triangle::Level level(int level)
{
    return level == 1 ? triangle::Level::Calculator : triangle::Level::NoCalculator;
}

// The types a worksheet draws from, named as in an address, "sas,ssa";
// names of no type are passed over.
std::vector<triangle::ProblemType> problemTypes(std::string_view names)
{
    std::vector<triangle::ProblemType> types;
    while (!names.empty()) {
        const auto comma = names.find(',');
        const std::string_view name = names.substr(0, comma);
        for (std::size_t k = 0; k < triangle::kProblemTypeNames.size(); ++k) {
            if (triangle::kProblemTypeNames.at(k) == name)
                types.push_back(triangle::kProblemTypes.at(k));
        }
        names = comma == std::string_view::npos ? std::string_view() : names.substr(comma + 1);
    }
    return types;
}

// {"error": why, "field": which} for a setting that is no number in its range.
const char *settingRefused(std::string_view field, const triangle::wording::ControlWords &words,
    std::uint64_t least, std::uint64_t most)
{
    JsonText json;
    json.beginObject()
        .key("error")
        .string(triangle::wording::filled(
            pageLanguage().page.wholeNumber, {words.caption, std::to_string(least), std::to_string(most)}))
        .key("field")
        .string(field)
        .endObject();
    return lent(json.text());
}

} // namespace

// What the mode shows now. The first call makes its session, its first
// problem from the seed `draw` in [0, 1) picks.
extern "C" const char *triangle_practice_view(double draw)
{
    const bool inRange = draw >= 0.0 && draw < 1.0;
    const double seeds = static_cast<double>(std::numeric_limits<std::uint32_t>::max()) + 1.0;
    return shown(pagePractice(inRange ? static_cast<std::uint32_t>(draw * seeds) : 1).view());
}

// «Нова задача»: of the type at `type` in the page's list (any other
// number: every type in turn), at the level `level` (1 with a calculator).
extern "C" const char *triangle_practice_new(int type, int level)
{
    return shown(pagePractice().newProblem(problemType(type), ::level(level)));
}

// The problem whose number is `number`, as typed; a text that is no
// problem's number leaves the problem on view, and the session's alert is
// said beside the field as well.
extern "C" const char *triangle_practice_show(const char *number)
{
    const PracticeView &view = pagePractice().openNumber(number);
    const bool refused = view.announcement && view.announcement->kind == Announcement::Kind::Alert;
    return shown(view, view.announcement, refused ? std::string_view(view.announcement->text) : "");
}

// The user typed `text` as the answer at `answer`, in the view's order.
extern "C" const char *triangle_practice_edit(int answer, const char *text)
{
    if (answer < 0)
        return shown(pagePractice().view());
    return shown(pagePractice().edit(static_cast<std::size_t>(answer), text));
}

extern "C" const char *triangle_practice_check() { return shown(pagePractice().check()); }

extern "C" const char *triangle_practice_hint() { return shown(pagePractice().hint()); }

// «Решение»: the problem's worked solution, its picture only where the
// figure is the problem's own triangle rather than a sketch.
extern "C" const char *triangle_practice_solution()
{
    auto &session = pagePractice();
    JsonText json;
    json.beginObject();
    triangle::web::solutionJson(json, session.openSolution(), session.view().picture.has_value());
    // Nothing to say again of the action before.
    json.key("view");
    writeView(json, session.view(), std::nullopt);
    return lent(json.endObject().text());
}

// A worksheet as HTML for paper, in the page's language: of the types
// named in `types` ("sas,ssa"; none: every type) at `level`, with `count`
// problems in each of `variants` variants from the seed `seed`, these three
// as typed, and the worked solutions where `solutions` is not 0. JSON:
// {"markup": …}, or {"error": why, "field": "count", "variants" or "seed"}.
extern "C" const char *triangle_worksheet(
    const char *types, int level, const char *count, const char *variants, const char *seed, int solutions)
{
    const triangle::wording::WorksheetWords &words = pageLanguage().worksheet;
    triangle::WorksheetOptions options;
    const auto problems = wholeNumber(count, 1, triangle::kMostWorksheetProblems);
    if (!problems)
        return settingRefused("count", words.count, 1, triangle::kMostWorksheetProblems);
    const auto sets = wholeNumber(variants, 1, triangle::kMostWorksheetVariants);
    if (!sets)
        return settingRefused("variants", words.variants, 1, triangle::kMostWorksheetVariants);
    const std::uint32_t mostSeed = std::numeric_limits<std::uint32_t>::max();
    const auto first = wholeNumber(seed, std::uint32_t {0}, mostSeed);
    if (!first)
        return settingRefused("seed", words.seed, 0, mostSeed);
    options.types = problemTypes(types);
    options.level = ::level(level);
    options.problems = *problems;
    options.variants = *sets;
    options.seed = *first;
    options.solutions = solutions != 0;
    JsonText json;
    json.beginObject()
        .key("markup")
        .string(triangle::session::worksheetMarkup(
            options, triangle::web::pageFormat(pageLanguage()), pageLanguage()))
        .endObject();
    return lent(json.text());
}
