// SPDX-License-Identifier: GPL-3.0-or-later
// The page's words in one language, from the program's language tables, so
// that the page and the window say the same.
#include <array>
#include <string>
#include <string_view>

#include "session/face.h"
#include "session/spoken.h"
#include "session/view.h"
#include "solver/list/catalogue.h"
#include "solver/practice/problem.h"
#include "solver/practice/worksheet.h"
#include "solver/triangle/quantity.h"
#include "ui/form_design.h"
#include "wording/language.h"
#include "wording/text_echo.h"

#include "web/json_text.h"

namespace {

using triangle::web::JsonText;
using triangle::wording::ControlWords;
using triangle::wording::Language;

void captions(JsonText &json, const auto &controls)
{
    json.beginArray();
    for (const ControlWords &control : controls)
        json.string(control.caption);
    json.endArray();
}

void names(JsonText &json, const auto &controls)
{
    json.beginArray();
    for (const ControlWords &control : controls)
        json.string(control.accessibleName);
    json.endArray();
}

// A button: its caption, and the letter Alt takes with it.
void button(JsonText &json, const ControlWords &control)
{
    json.beginObject()
        .key("caption")
        .string(control.caption)
        .key("mnemonic")
        .string(control.mnemonic)
        .endObject();
}

void button(JsonText &json, std::string_view key, const ControlWords &control)
{
    json.key(key);
    button(json, control);
}

// Each row of the list: its label, the name a screen reader says, the
// label first (the row's number, which the user types to choose it) and
// then its quantities in words: said aloud, "A" and "a" sound alike; and
// the positions of its given fields, by which an address names the row.
void combinations(JsonText &json, const Language &language)
{
    json.key("combinations").beginArray();
    for (int index = 0; index < triangle::kCombinationCount; ++index) {
        const std::string label = triangle::combinationLabel(index);
        json.beginObject()
            .key("label")
            .string(label)
            .key("name")
            .string(std::string(triangle::wording::trimmed(label)) + ' '
                + triangle::session::combinationWords(language, index))
            .key("given")
            .beginArray();
        for (int position = 0; position < triangle::kQuantityCount; ++position) {
            if (triangle::isGiven(index, triangle::quantityAt(position)))
                json.number(position);
        }
        json.endArray().endObject();
    }
    json.endArray();
}

void solution(JsonText &json, const Language &language)
{
    const auto &words = language.solutionWindow;
    json.key("solution")
        .beginObject()
        .key("title")
        .string(words.title)
        .key("textName")
        .string(words.textName)
        .key("pictureName")
        .string(words.pictureName);
    button(json, "close", words.close);
    json.endObject();
}

// The group of each field of any three elements, in the view's order
// A B C a b c S R P h_a … l_c r, as the groups' captions go: angles, sides,
// area and radii (the inradius too), perimeter, heights, medians, bisectors.
constexpr std::array<int, triangle::session::ElementsView::kFields> kElementGroups
    = {0, 0, 0, 1, 1, 1, 2, 2, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6, 2};

// The mode of any three elements: its switch, the captions of its groups of
// fields, each field's group, name and letters ("h_a"), which label it and
// name it in an address.
void elements(JsonText &json, const Language &language)
{
    const triangle::wording::ElementsWords &words = language.elements;
    json.key("elements").beginObject();
    button(json, "mode", words.mode);
    json.key("groups").beginArray();
    for (const std::string_view caption : words.groups)
        json.string(caption);
    json.endArray().key("group").beginArray();
    for (const int group : kElementGroups)
        json.number(group);
    json.endArray().key("names").beginArray();
    for (const std::string_view name : words.names)
        json.string(name);
    json.endArray().key("tags").beginArray();
    for (const std::string_view tag : triangle::kAllTags)
        json.string(tag);
    json.endArray().endObject();
}

// A control's caption, its name where that differs, and its letter.
void control(JsonText &json, std::string_view key, const ControlWords &words)
{
    json.key(key)
        .beginObject()
        .key("caption")
        .string(words.caption)
        .key("name")
        .string(words.accessibleName.empty() ? words.caption : words.accessibleName)
        .key("mnemonic")
        .string(words.mnemonic)
        .endObject();
}

void textList(JsonText &json, std::string_view key, const auto &texts)
{
    json.key(key).beginArray();
    for (const std::string_view text : texts)
        json.string(text);
    json.endArray();
}

// The mode «Упражнение»: its controls, its problem types in words and as
// an address names them.
void practice(JsonText &json, const Language &language)
{
    const triangle::wording::PracticeModeWords &words = language.practiceMode;
    json.key("practice").beginObject();
    control(json, "mode", words.mode);
    control(json, "type", words.type);
    json.key("anyType").string(words.anyType);
    textList(json, "types", words.types);
    textList(json, "typeNames", triangle::kProblemTypeNames);
    control(json, "level", words.level);
    textList(json, "levels", words.levels);
    control(json, "problem", words.problem);
    control(json, "number", words.number);
    control(json, "check", words.check);
    control(json, "hint", words.hint);
    control(json, "newProblem", words.newProblem);
    control(json, "worksheet", words.worksheet);
    json.endObject();
}

// A worksheet's settings, their first values and limits, and the print
// and close buttons of the solution's window.
void worksheet(JsonText &json, const Language &language)
{
    const triangle::wording::WorksheetWords &words = language.worksheet;
    const triangle::WorksheetOptions defaults;
    json.key("worksheet").beginObject().key("title").string(words.title);
    control(json, "types", words.types);
    control(json, "count", words.count);
    control(json, "variants", words.variants);
    control(json, "seed", words.seed);
    control(json, "withSolutions", words.withSolutions);
    control(json, "print", language.solutionWindow.print);
    control(json, "close", language.solutionWindow.close);
    json.key("firstCount")
        .number(defaults.problems)
        .key("firstVariants")
        .number(defaults.variants)
        .key("mostCount")
        .number(triangle::kMostWorksheetProblems)
        .key("mostVariants")
        .number(triangle::kMostWorksheetVariants)
        .endObject();
}

// Every language the page offers, named in itself.
void languages(JsonText &json)
{
    json.key("languages").beginArray();
    for (const Language *language : triangle::wording::kLanguages)
        json.beginObject()
            .key("code")
            .string(language->code)
            .key("name")
            .string(language->page.languageName)
            .endObject();
    json.endArray();
}

std::string pageTexts(const Language &language)
{
    const triangle::wording::WindowWords &window = language.window;
    const triangle::wording::PageWords &page = language.page;
    JsonText json;
    json.beginObject().key("code").string(language.code).key("title").string(page.title).key("labels");
    captions(json, window.label1);
    json.key("legend").string(page.legend);
    json.key("perimeterLabel").string(window.label2.caption);
    json.key("listName").string(window.list1[0].accessibleName);
    json.key("frame").string(window.frame1.caption);
    json.key("pictureName").string(window.picture1.accessibleName);
    json.key("buttons").beginArray();
    for (const ControlWords &command : window.command1)
        button(json, command);
    json.endArray();
    button(json, "otherTriangle", window.command2);
    json.key("otherTriangleShortcut").string(triangle::session::kPageFace.otherTriangleShortcut);
    button(json, "solutionButton", window.command3);
    json.key("marks");
    captions(json, window.check1);
    json.key("fieldNames");
    names(json, window.text2);
    json.key("typingLimit").number(triangle::ui::design::kTypingLimit);
    json.key("noteName").string(window.text1[0].accessibleName);
    json.key("mottoName").string(window.text1[1].accessibleName);
    json.key("motto").string(window.text1[1].caption);
    json.key("enlargedPicture").string(window.enlargedPicture);
    json.key("languageName").string(window.language.accessibleName);
    json.key("notLoaded").string(page.notLoaded);
    button(json, "link", page.link);
    button(json, "copy", page.copy);
    json.key("linkCopied").string(page.linkCopied);
    json.key("textCopied").string(page.textCopied);
    json.key("notCopied").string(page.notCopied);
    solution(json, language);
    languages(json);
    combinations(json, language);
    elements(json, language);
    practice(json, language);
    worksheet(json, language);
    return json.endObject().text();
}

} // namespace

// Every text the page shows or says in the language of `code` ("bg", "en";
// any other: Bulgarian), as JSON.
extern "C" const char *triangle_texts(const char *code)
{
    static std::string texts; // NOLINT(*-avoid-non-const-global-variables): lent to the page
    const Language *language = triangle::wording::languageFor(code);
    texts = pageTexts(language != nullptr ? *language : triangle::wording::kBulgarian);
    return texts.c_str();
}
