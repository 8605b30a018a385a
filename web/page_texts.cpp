// SPDX-License-Identifier: GPL-3.0-or-later
// The page's words, from the window's own design tables and the solver's
// catalogue, so that the page and the window say the same.
#include <string>

#include "session/face.h"
#include "session/spoken.h"
#include "solver/catalogue.h"
#include "ui/form_design.h"

#include "web/json_text.h"

namespace {

namespace design = triangle::ui::design;
using triangle::web::JsonText;

void strings(JsonText &json, const auto &texts)
{
    json.beginArray();
    for (const std::string_view text : texts)
        json.string(text);
    json.endArray();
}

void captions(JsonText &json, const auto &controls)
{
    json.beginArray();
    for (const design::Control &control : controls)
        json.string(control.caption);
    json.endArray();
}

// The text before the first non-blank and after the last.
std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view {}
                                           : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Each row of the list: its label, and the name a screen reader says, the
// label first (the row's number, which the user types to choose it) and
// then its quantities in words: said aloud, "A" and "a" sound alike.
void combinations(JsonText &json)
{
    json.key("combinations").beginArray();
    for (int index = 0; index < triangle::kCombinationCount; ++index) {
        const std::string label = triangle::combinationLabel(index);
        json.beginObject()
            .key("label")
            .string(label)
            .key("name")
            .string(std::string(trimmed(label)) + ' ' + triangle::session::combinationWords(index))
            .endObject();
    }
    json.endArray();
}

void solution(JsonText &json)
{
    const design::SolutionTexts &texts = design::kSolution;
    json.key("solution")
        .beginObject()
        .key("title")
        .string(texts.title)
        .key("textName")
        .string(texts.textName)
        .key("pictureName")
        .string(texts.pictureName)
        .key("close")
        .string(texts.close.caption)
        .endObject();
}

std::string pageTexts()
{
    JsonText json;
    json.beginObject().key("title").string(design::kWindow.caption).key("labels");
    captions(json, design::kLabel1);
    json.key("perimeterLabel").string(design::kLabel2.caption);
    json.key("listName").string(design::kList1[0].accessibleName);
    json.key("frame").string(design::kFrame1.caption);
    json.key("pictureName").string(design::kPicture1.accessibleName);
    json.key("buttons");
    captions(json, design::kCommand1);
    json.key("mnemonics");
    strings(json, design::kCommand1Mnemonics);
    json.key("otherTriangle").string(design::kCommand2.caption);
    json.key("otherTriangleShortcut").string(triangle::session::kPageFace.otherTriangleShortcut);
    json.key("marks");
    captions(json, design::kCheck1);
    json.key("fieldNames").beginArray();
    for (const design::Control &field : design::kText2)
        json.string(field.accessibleName);
    json.endArray();
    json.key("typingLimit").number(design::kTypingLimit);
    json.key("noteName").string(design::kText1[0].accessibleName);
    json.key("mottoName").string(design::kText1[1].accessibleName);
    json.key("motto").string(design::kText1[1].caption);
    json.key("enlargedPicture").string(design::kEnlargedPictureNote);
    json.key("solutionButton").string(design::kCommand3.caption);
    solution(json);
    combinations(json);
    return json.endObject().text();
}

} // namespace

// Every text the page shows or says, as JSON.
extern "C" const char *triangle_texts()
{
    static const std::string texts = pageTexts();
    return texts.c_str();
}
