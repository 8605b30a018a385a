// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/picture_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <span>
#include <vector>

#include "geometry/cevian_strokes.h"
#include "geometry/letter_places.h"
#include "geometry/plane_math.h"

namespace triangle::geometry {

namespace {

// Boxes smaller than this (an icon) get the drawing without letters.
constexpr double kLetteredFrom = 64.0;
// Shares of the box's shorter side. The margin leaves a corner's letter room
// outside the circle.
constexpr double kMarginShare = 0.11;
constexpr double kIconMarginShare = 0.04;
constexpr double kLetterShare = 0.078;
constexpr double kArcShare = 0.1;
constexpr double kLeastArcShare = 0.04;
// An arc stays within this share of the shorter side beside its corner, but
// no smaller than the least arc.
constexpr double kArcSideShare = 0.35;
// A triangle whose longest side would come out shorter than this share is
// enlarged; the note strip takes this share of the box's height.
constexpr double kReadableShare = 0.3;
constexpr double kNoteStripShare = 0.17;
constexpr double kCentreDotShare = 0.013;
// A marked cevian's strokes: the right angle's legs, the ticks across the
// halves of a side or of an angle's arc.
constexpr double kStrokeShare = 0.045;

// The smallest upright rectangle round the three corners.
Rect boundsOf(const TriangleCorners &model)
{
    const double left = std::min({model.A.x, model.B.x, model.C.x});
    const double top = std::min({model.A.y, model.B.y, model.C.y});
    return {left, top, std::max({model.A.x, model.B.x, model.C.x}) - left,
        std::max({model.A.y, model.B.y, model.C.y}) - top};
}

// The rectangle with its top edge moved to `top`, its bottom edge kept.
Rect withTopAt(Rect rect, double top)
{
    const double drop = top - rect.top;
    rect.top += drop;
    rect.height -= drop;
    return rect;
}

// The model's y axis points up, the screen's down; `bounds` fills `area`
// less the margin, proportions kept.
class Mapping {
public:
    Mapping(const Rect &bounds, const Rect &area, double margin)
    {
        const Rect target = area.adjusted(margin, margin, -margin, -margin);
        const double w = std::max(bounds.width, 1e-12);
        const double h = std::max(bounds.height, 1e-12);
        m_scale = std::min(target.width / w, target.height / h);
        m_modelCentre = bounds.centre();
        m_screenCentre = target.centre();
    }

    Point operator()(Point p) const
    {
        const Point d = (p - m_modelCentre) * m_scale;
        return {m_screenCentre.x + d.x, m_screenCentre.y - d.y};
    }
    double scale() const { return m_scale; }

private:
    double m_scale = 1.0;
    Point m_modelCentre;
    Point m_screenCentre;
};

// From the centre along the side's perpendicular bisector to the circle, on
// the side away from the opposite corner; for an obtuse corner the centre
// lies beyond the side, and the line is carried on to the side.
Segment bisectorOf(const PictureLayout &layout, std::size_t i)
{
    const Point middle = (layout.corners[(i + 1) % 3] + layout.corners[(i + 2) % 3]) / 2;
    const Point normal = outwardNormal(layout.corners, i);
    const double toMiddle = dot(middle - layout.centre, normal);
    return {layout.centre + std::min(0.0, toMiddle) * normal, layout.centre + layout.radius * normal};
}

// The centre is marked where it lies in view with room round it for its
// letter: an enlarged picture's lies far outside.
void markCentre(PictureLayout &layout, const Rect &letterArea, double side)
{
    const double room = layout.letterSize;
    layout.centreMarked
        = layout.hasCircle && letterArea.adjusted(room, room, -room, -room).contains(layout.centre);
    layout.centreDotRadius = layout.centreMarked ? kCentreDotShare * side : 0.0;
}

void sizeArcs(PictureLayout &layout, double side)
{
    for (std::size_t i = 0; i < 3; ++i) {
        const Point p = layout.corners[i];
        const double shorter
            = std::min(length(layout.corners[(i + 1) % 3] - p), length(layout.corners[(i + 2) % 3] - p));
        layout.arcRadii[i]
            = std::max(kLeastArcShare * side, std::min(kArcShare * side, kArcSideShare * shorter));
    }
}

} // namespace

TriangleCorners cornersFromSides(double a, double b, double c)
{
    // Only the shape is drawn: sides whose squares would leave a double's
    // range are brought near 1 first, by a power of two, which keeps every
    // digit.
    const double longest = std::max({a, b, c});
    if (std::isfinite(longest) && longest > 0 && (longest > 0x1p500 || longest < 0x1p-500)) {
        const int exponent = std::ilogb(longest);
        a = std::ldexp(a, -exponent);
        b = std::ldexp(b, -exponent);
        c = std::ldexp(c, -exponent);
    }
    // Law of cosines for the angle at A; clamped so impossible sides lie flat.
    const double cosA = std::clamp((b * b + c * c - a * a) / (2 * b * c), -1.0, 1.0);
    const double sinA = std::sqrt(1 - cosA * cosA);
    return {Point {0, 0}, Point {c, 0}, Point {b * cosA, b * sinA}};
}

PictureLayout layoutPicture(const Rect &area, const TriangleCorners &model, std::span<const Cevian> marked)
{
    const double side = std::min(area.width, area.height);
    const bool lettered = side >= kLetteredFrom;
    const double margin = side * (lettered ? kMarginShare : kIconMarginShare);
    const std::optional<Circle> circle = circumcircle(model.A, model.B, model.C);
    const Rect triangleBounds = boundsOf(model);
    const Rect bounds = circle ? Rect {circle->centre.x - circle->radius, circle->centre.y - circle->radius,
                            2 * circle->radius, 2 * circle->radius}
                               : triangleBounds;
    Mapping map(bounds, area, margin);

    PictureLayout layout;
    Rect letterArea = area;
    const double longestSide
        = std::max({length(model.B - model.A), length(model.C - model.B), length(model.A - model.C)});
    if (lettered && circle && longestSide * map.scale() < kReadableShare * side) {
        layout.enlarged = true;
        layout.noteStrip = Rect {area.left, area.top, area.width, kNoteStripShare * side};
        letterArea = withTopAt(letterArea, layout.noteStrip.bottom());
        map = Mapping(triangleBounds, letterArea, margin);
    }
    layout.corners = {map(model.A), map(model.B), map(model.C)};
    if (circle) {
        layout.hasCircle = true;
        layout.centre = map(circle->centre);
        layout.radius = circle->radius * map.scale();
        // An enlarged circle's centre may lie thousands of pixels away: only
        // the part in view is kept, which a dashed pen then draws quickly.
        for (std::size_t i = 0; i < 3; ++i)
            layout.bisectors[i]
                = layout.enlarged ? clippedTo(bisectorOf(layout, i), area) : bisectorOf(layout, i);
    }
    sizeArcs(layout, side);
    for (const Cevian cevian : marked) {
        const Point foot = footOf(layout.corners, cevian);
        layout.cevians.push_back({cevian, {layout.corners.at(cevian.corner), foot},
            carriedOn(layout.corners, cevian.corner, foot), {}, {}});
    }
    if (lettered) {
        for (MarkedCevian &cevian : layout.cevians)
            cevian.strokes = strokesOf(layout, cevian, kStrokeShare * side);
        layout.letterSize = kLetterShare * side;
        markCentre(layout, letterArea, side);
        placeLetters(layout, letterArea);
    }
    return layout;
}

std::vector<Point> arcInView(Point centre, double radius, const Rect &area)
{
    // Seen from a centre outside the box, the box spans less than half a turn.
    constexpr int kSegments = 240;
    const Point towardsArea = area.centre() - centre;
    const double middle = std::atan2(towardsArea.y, towardsArea.x);
    double from = 0.0;
    double to = 0.0;
    const std::array<Point, 4> boxCorners = {Point {area.left, area.top}, Point {area.right(), area.top},
        Point {area.left, area.bottom()}, Point {area.right(), area.bottom()}};
    for (const Point corner : boxCorners) {
        const Point v = corner - centre;
        const double turn = std::remainder(std::atan2(v.y, v.x) - middle, 2 * std::numbers::pi);
        from = std::min(from, turn);
        to = std::max(to, turn);
    }
    std::vector<Point> arc;
    arc.reserve(kSegments + 1);
    for (int i = 0; i <= kSegments; ++i) {
        const double angle = middle + from + (to - from) * i / kSegments;
        arc.push_back(centre + radius * Point {std::cos(angle), std::sin(angle)});
    }
    return arc;
}

} // namespace triangle::geometry
