// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's layout for the page to paint, from the same geometry as the
// window's picture, of the triangle one of the page's modes shows, at full
// precision rather than its four shown decimals.
#include <array>
#include <optional>
#include <span>
#include <string>

#include "geometry/picture_geometry.h"
#include "ui/form_design.h"

#include "web/json_text.h"
#include "web/page_session.h"

namespace {

using triangle::geometry::Point;
using triangle::web::JsonText;

void point(JsonText &json, Point p) { json.beginArray().number(p.x).number(p.y).endArray(); }

void points(JsonText &json, const auto &all)
{
    json.beginArray();
    for (const Point p : all)
        point(json, p);
    json.endArray();
}

void numbers(JsonText &json, const auto &values)
{
    json.beginArray();
    for (const double value : values)
        json.number(value);
    json.endArray();
}

void circle(
    JsonText &json, const triangle::geometry::PictureLayout &layout, const triangle::geometry::Rect &area)
{
    json.key("circle");
    if (!layout.hasCircle) {
        json.boolean(false);
        return;
    }
    json.beginObject().key("centre");
    point(json, layout.centre);
    json.key("radius").number(layout.radius).key("arcInView");
    if (layout.enlarged && !area.contains(layout.centre))
        points(json, triangle::geometry::arcInView(layout.centre, layout.radius, area));
    else
        json.boolean(false);
    json.key("bisectors").beginArray();
    for (const auto &bisector : layout.bisectors) {
        if (bisector)
            points(json, std::array {bisector->from, bisector->to});
        else
            json.boolean(false);
    }
    json.endArray().endObject();
}

void segment(JsonText &json, const triangle::geometry::Segment &line)
{
    points(json, std::array {line.from, line.to});
}

// Each given cevian: its kind (0 a height, 1 a median, 2 an angle
// bisector), its corner, its line, the side carried on to its foot or
// false, its strokes and its label.
void cevians(JsonText &json, const triangle::geometry::PictureLayout &layout)
{
    json.key("cevians").beginArray();
    for (const auto &marked : layout.cevians) {
        json.beginObject()
            .key("kind")
            .number(static_cast<double>(marked.cevian.kind))
            .key("corner")
            .number(static_cast<double>(marked.cevian.corner))
            .key("line");
        segment(json, marked.line);
        json.key("carriedOn");
        if (marked.sideCarriedOn)
            segment(json, *marked.sideCarriedOn);
        else
            json.boolean(false);
        json.key("strokes").beginArray();
        for (const auto &stroke : marked.strokes)
            segment(json, stroke);
        json.endArray().key("label");
        point(json, marked.label);
        json.endObject();
    }
    json.endArray();
}

std::string pictureJson(const triangle::geometry::Rect &area,
    const triangle::geometry::TriangleCorners &model, std::span<const triangle::geometry::Cevian> marked,
    JsonText &json)
{
    const auto layout = triangle::geometry::layoutPicture(area, model, marked);
    json.key("corners");
    points(json, layout.corners);
    circle(json, layout, area);
    json.key("arcRadii");
    numbers(json, layout.arcRadii);
    json.key("letterSize").number(layout.letterSize).key("cornerLetters");
    points(json, layout.cornerLetters);
    json.key("sideLetters");
    points(json, layout.sideLetters);
    json.key("angleLetters");
    points(json, layout.angleLetters);
    json.key("centreMark");
    if (layout.centreMarked) {
        json.beginObject().key("dotRadius").number(layout.centreDotRadius).key("letter");
        point(json, layout.centreLetter);
        json.endObject();
    } else {
        json.boolean(false);
    }
    json.key("enlarged").boolean(layout.enlarged).key("noteStrip");
    const triangle::geometry::Rect &strip = layout.noteStrip;
    numbers(json, std::array {strip.left, strip.top, strip.width, strip.height});
    cevians(json, layout);
    return json.endObject().text();
}

// The triangle drawn, or the start-up drawing where there is none.
std::string drawn(const triangle::geometry::Rect &area,
    const std::optional<triangle::session::PictureView> &shown,
    std::span<const triangle::geometry::Cevian> sketchMarked, JsonText &json)
{
    if (!shown) {
        const auto &[a, b, c] = triangle::ui::design::kPictureSides;
        json.key("startUp").boolean(true);
        return pictureJson(area, triangle::geometry::cornersFromSides(a, b, c), sketchMarked, json);
    }
    const auto &[a, b, c] = shown->sides;
    json.key("startUp").boolean(false);
    return pictureJson(area, triangle::geometry::cornersFromSides(a, b, c), shown->marked, json);
}

// A practice problem's figure: its triangle, or where it asks how many
// there are, the start-up drawing as a sketch; the elements it gives and
// asks for marked, bit by bit as geometry::ElementMarks has them.
std::string practiceFigure(const triangle::geometry::Rect &area, JsonText &json)
{
    const auto &view = triangle::web::pagePractice().view();
    json.key("marks")
        .beginObject()
        .key("given")
        .number(static_cast<double>(view.figureMarks.given))
        .key("asked")
        .number(static_cast<double>(view.figureMarks.asked))
        .endObject();
    return drawn(area, view.picture, view.marked, json);
}

enum class Mode { List, Elements, Practice };

std::string picture(double width, double height, Mode mode)
{
    const triangle::geometry::Rect area {0, 0, width, height};
    JsonText json;
    json.beginObject();
    if (mode == Mode::Practice)
        return practiceFigure(area, json);
    const auto &view = triangle::web::pageSession().view();
    // Any three elements show no start-up drawing: only a triangle found.
    const bool elements = mode == Mode::Elements;
    const auto &shown = elements ? triangle::web::pageElements().view().picture : view.picture;
    if (!shown && (elements || view.pictureEmpty))
        return json.key("empty").boolean(true).endObject().text();
    return drawn(area, shown, {}, json);
}

} // namespace

// The layout of a `width` by `height` picture of what the mode `mode` shows:
// 0 the list's triangle on view, 1 that of any three elements, 2 the
// practice problem's figure; or of the start-up drawing, or {"empty": true}
// where the picture is to be empty. JSON; the text stays valid until the
// next call.
extern "C" const char *triangle_picture(double width, double height, int mode)
{
    static std::string layout; // NOLINT(*-avoid-non-const-global-variables): lent to the page
    layout = picture(width, height, mode == 2 ? Mode::Practice : mode == 1 ? Mode::Elements : Mode::List);
    return layout.c_str();
}
