// SPDX-License-Identifier: GPL-3.0-or-later
// The page's words, from the window's own design tables and the solver's
// catalogue, so that the page and the window say the same.
#include <string>

#include "solver/catalogue.h"
#include "ui/form_design.h"
#include "ui/sample_triangles.h"

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

// Each row of the list: its label, and which quantities it gives, one
// character '1' or '0' each, in field order.
void combinations(JsonText &json)
{
    json.key("combinations").beginArray();
    for (int index = 0; index < triangle::kCombinationCount; ++index) {
        json.beginObject()
            .key("label")
            .string(triangle::combinationLabel(index))
            .key("given")
            .string(triangle::combinationAt(index).given)
            .endObject();
    }
    json.endArray();
}

void notes(JsonText &json)
{
    const design::Notes &notes = design::kNotes;
    json.key("notes")
        .beginObject()
        .key("invalid")
        .string(notes.invalidInput)
        .key("division-by-zero")
        .string(notes.divisionByZero)
        .key("overflow")
        .string(notes.overflow)
        .key("invalid-argument")
        .string(notes.invalidArgument)
        .key("no-triangle")
        .string(notes.noTriangle)
        .key("oneOtherTriangle")
        .string(notes.oneOtherTriangle)
        .key("moreOtherTriangles")
        .string(notes.moreOtherTriangles)
        .key("shownTriangle")
        .string(notes.shownTriangle)
        .key("howToSwitch")
        .string(notes.howToSwitch)
        .endObject();
}

void spoken(JsonText &json)
{
    json.key("spoken").beginObject().key("quantities");
    strings(json, design::kSpoken.quantities);
    json.key("solved")
        .string(design::kSpoken.solved)
        .key("triangle")
        .string(design::kSpoken.triangle)
        .key("startUpPicture")
        .string(design::kSpoken.startUpPicture)
        .endObject();
}

void samples(JsonText &json)
{
    json.key("samples").beginArray();
    for (const triangle::ui::SampleTriangle &sample : triangle::ui::kSampleTriangles) {
        json.beginArray();
        for (const double value : sample)
            json.number(value);
        json.endArray();
    }
    json.endArray();
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
    json.key("marks");
    captions(json, design::kCheck1);
    json.key("fieldNames").beginArray();
    for (const design::Control &field : design::kText2)
        json.string(field.accessibleName);
    json.endArray();
    json.key("tags");
    strings(json, triangle::kQuantityTags);
    json.key("typingLimit").number(design::kTypingLimit);
    json.key("noteName").string(design::kText1[0].accessibleName);
    json.key("problemStatement").string(design::kText1[0].caption);
    json.key("mottoName").string(design::kText1[1].accessibleName);
    json.key("motto").string(design::kText1[1].caption);
    json.key("enlargedPicture").string(design::kEnlargedPictureNote);
    notes(json);
    spoken(json);
    samples(json);
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
