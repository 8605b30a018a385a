// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's layout for the page to paint, from the same geometry as the
// window's picture, of the same triangle the window would draw: the one the
// request solves to, at full precision rather than its four shown decimals.
#include <array>
#include <optional>
#include <string>
#include <variant>

#include "geometry/picture_geometry.h"
#include "solver/compute.h"
#include "solver/other_triangles.h"
#include "solver/request_form.h"
#include "solver/solve.h"
#include "tools/request_line.h"
#include "ui/form_design.h"

#include "web/argument_lines.h"
#include "web/json_text.h"

namespace {

using triangle::geometry::Point;
using triangle::web::JsonText;

// The `shown`-th triangle the request's values fit (0: the one solved
// first), if it is a real one.
std::optional<triangle::Triangle> fittingTriangle(const std::vector<std::string_view> &arguments, int shown)
{
    if (arguments.size() != 4)
        return std::nullopt;
    const auto parsed
        = triangle::cli::requestFromWords({arguments[0], arguments[1], arguments[2], arguments[3]});
    const auto *request = std::get_if<triangle::cli::Request>(&parsed);
    if (request == nullptr)
        return std::nullopt;
    triangle::RequestForm form(
        request->combination, {request->texts[0], request->texts[1], request->texts[2]});
    triangle::Triangle record;
    const triangle::Outcome outcome = triangle::Compute(record, form, triangle::NumberFormat {});
    if (outcome.status != triangle::Outcome::Status::Solved || !outcome.realTriangle)
        return std::nullopt;
    if (shown == 0)
        return record;
    const auto others = triangle::otherTriangles(outcome, record);
    if (shown < 0 || static_cast<std::size_t>(shown) > others.size())
        return std::nullopt;
    return others[static_cast<std::size_t>(shown) - 1].record;
}

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

std::string pictureJson(
    const triangle::geometry::Rect &area, const triangle::geometry::TriangleCorners &model, JsonText &json)
{
    const auto layout = triangle::geometry::layoutPicture(area, model);
    json.key("corners");
    points(json, layout.corners);
    circle(json, layout, area);
    json.key("arcRadii");
    numbers(json, layout.arcRadii);
    json.key("letterSize").number(layout.letterSize).key("cornerLetters");
    points(json, layout.cornerLetters);
    json.key("sideLetters");
    points(json, layout.sideLetters);
    json.key("enlarged").boolean(layout.enlarged).key("noteStrip");
    const triangle::geometry::Rect &strip = layout.noteStrip;
    numbers(json, std::array {strip.left, strip.top, strip.width, strip.height});
    return json.endObject().text();
}

std::string picture(const std::vector<std::string_view> &arguments, int shown, double width, double height)
{
    const triangle::geometry::Rect area {0, 0, width, height};
    JsonText json;
    json.beginObject();
    const std::optional<triangle::Triangle> record = fittingTriangle(arguments, shown);
    if (!record) {
        const auto &[a, b, c] = triangle::ui::design::kPictureSides;
        json.key("startUp").boolean(true);
        return pictureJson(area, triangle::geometry::cornersFromSides(a, b, c), json);
    }
    // For the picture's description: the sides and the angles in degrees.
    const std::array<double, 3> sides = {record->a.toDouble(), record->b.toDouble(), record->c.toDouble()};
    json.key("startUp").boolean(false).key("sides");
    numbers(json, sides);
    json.key("angles");
    std::array<double, 3> angles {};
    for (const triangle::Vertex v : triangle::kVertices)
        angles.at(triangle::indexOf(v)) = triangle::fieldValue(*record, triangle::angleAt(v)).toDouble();
    numbers(json, angles);
    return pictureJson(area, triangle::geometry::cornersFromSides(sides[0], sides[1], sides[2]), json);
}

} // namespace

// The layout of a `width` by `height` picture of the triangle a request
// solves to, `request` being its four arguments one a line as for
// triangle_answer(), and `shown` which of the triangles that fit (0: the
// first). Without a real triangle to show, the start-up drawing. JSON; the
// text stays valid until the next call.
extern "C" const char *triangle_picture(const char *request, int shown, double width, double height)
{
    static std::string layout; // NOLINT(*-avoid-non-const-global-variables): lent to the page
    layout = picture(triangle::web::argumentLines(request), shown, width, height);
    return layout.c_str();
}
