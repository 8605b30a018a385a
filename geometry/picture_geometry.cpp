// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/picture_geometry.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

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
// An angle's name inside its corner keeps this many letters from the lines
// and goes at most this many quarter letters further in than just beyond
// its arc: further in, it would seem to name another corner.
constexpr double kAngleLetterClearance = 0.45;
constexpr int kAngleLetterFurther = 6;
// A cevian's label, an index beside its letter, is wider than a letter and
// not as tall as one with the index: its box, in letters, keeps clear of the
// lines. It keeps this many letters from the circle and the arcs, and goes
// a fifth of a letter further than that from its cevian.
constexpr double kLabelClearance = 0.65;
constexpr double kLabelWidth = 1.0;
constexpr double kLabelHeight = 0.8;
// A marked cevian's strokes: the right angle's legs, the ticks across the
// halves of a side or of an angle's arc.
constexpr double kStrokeShare = 0.045;

struct Circle {
    Point centre;
    double radius = 0.0;
};

double dot(Point u, Point v) { return u.x * v.x + u.y * v.y; }

double length(Point v) { return std::hypot(v.x, v.y); }

Point unit(Point v)
{
    const double n = length(v);
    return n > 0.0 ? v / n : Point {};
}

double distanceToSegment(Point point, Point p, Point q)
{
    const Point along = q - p;
    const double squared = dot(along, along);
    const double t = squared > 0.0 ? std::clamp(dot(point - p, along) / squared, 0.0, 1.0) : 0.0;
    return length(point - (p + t * along));
}

// None for three corners on one line.
std::optional<Circle> circumcircle(Point a, Point b, Point c)
{
    const double d = 2.0 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    const double size = std::max({length(b - a), length(c - b), length(a - c)});
    if (size == 0.0 || std::abs(d) < 1e-9 * size * size)
        return std::nullopt;
    const double a2 = dot(a, a);
    const double b2 = dot(b, b);
    const double c2 = dot(c, c);
    const Point centre {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
        (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
    return Circle {centre, length(a - centre)};
}

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

// The unit normal of the side opposite corner i, pointing away from it.
Point outwardNormal(const std::array<Point, 3> &corners, std::size_t i)
{
    const Point p = corners[(i + 1) % 3];
    const Point q = corners[(i + 2) % 3];
    const Point normal = unit(Point {-(q - p).y, (q - p).x});
    return dot(normal, (p + q) / 2 - corners[i]) < 0 ? -normal : normal;
}

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

// The part of `line` inside `box`, or none when no part is (Liang and
// Barsky's clipping).
std::optional<Segment> clippedTo(const Segment &line, const Rect &box)
{
    const Point along = line.to - line.from;
    double enter = 0.0;
    double leave = 1.0;
    const std::array<std::pair<double, double>, 4> edges = {{
        {-along.x, line.from.x - box.left},
        {along.x, box.right() - line.from.x},
        {-along.y, line.from.y - box.top},
        {along.y, box.bottom() - line.from.y},
    }};
    for (const auto &[towards, room] : edges) {
        if (towards == 0.0) {
            if (room < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = room / towards;
        if (towards < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter >= leave)
        return std::nullopt;
    return Segment {line.from + enter * along, line.from + leave * along};
}

bool insideTriangle(Point at, const std::array<Point, 3> &corners)
{
    const auto turn = [&](std::size_t i) {
        const Point p = corners[i];
        const Point q = corners[(i + 1) % 3];
        return (q.x - p.x) * (at.y - p.y) - (q.y - p.y) * (at.x - p.x);
    };
    const double first = turn(0);
    const double second = turn(1);
    const double third = turn(2);
    return (first > 0 && second > 0 && third > 0) || (first < 0 && second < 0 && third < 0);
}

// Where a letter may go: a corner's or a side's outside the triangle, an
// angle's name inside it, the centre's letter anywhere.
enum class Region { Outside, Inside, Anywhere };

// Where a letter belongs: `distance` from `anchor` towards `direction`, and
// at least half a letter beyond the line through `anchor` across `outward`
// (a zero vector: anywhere), so that a side's letter stays outside its side.
// Of two places equally far from the wanted one, the one nearer what the
// letter names, the segment from `namedFrom` to `namedTo`, wins. The letter
// keeps `clearance` letters from the lines (a small Greek letter's ink is
// smaller than a capital's) and goes at most `furtherSteps` quarter letters
// further out than wanted; it may lie over a dashed bisector only where
// `overDashes`.
struct WantedPlace {
    Point anchor;
    Point direction;
    double distance = 0.0;
    Point outward;
    Point namedFrom;
    Point namedTo;
    Region region = Region::Outside;
    double clearance = 0.6;
    int furtherSteps = 16;
    bool overDashes = false;
    // A cevian's label goes only where it is nearer its own cevian (from
    // `namedFrom` to `namedTo`) than any other; it keeps its box clear of the
    // lines rather than `clearance`.
    bool nearestItsOwn = false;
    bool label = false;
};

// Puts letters, square boxes of one size, near where each belongs: the
// wanted place first, then, when that one crowds a corner, a side, the
// circle, a letter already placed or the box's edge, or lies inside the
// triangle, a little further out or turned a little, the least change first.
// Thin triangles need this, their corners lie close.
class LetterPlacer {
public:
    LetterPlacer(const Rect &area, const PictureLayout &layout)
        : m_inside(area.adjusted(
            layout.letterSize / 2, layout.letterSize / 2, -layout.letterSize / 2, -layout.letterSize / 2)),
          m_layout(layout), m_size(layout.letterSize)
    {
    }

    // At the first of the wanted places, in order of preference, that has
    // room near it; where none has, at the first one.
    Point place(std::initializer_list<WantedPlace> wanted)
    {
        const WantedPlace &first = *wanted.begin();
        Point chosen = clampedInside(first.anchor + unit(first.direction) * first.distance);
        for (const WantedPlace &place : wanted) {
            if (const std::optional<Point> found = firstFree(place)) {
                chosen = *found;
                break;
            }
        }
        m_placed.push_back(chosen);
        return chosen;
    }

private:
    struct Candidate {
        double farFromNamed;
        Point at;
    };

    // Candidates round the wanted place: further out by quarter letters,
    // turned by 15 degrees each way round to behind. A quarter letter
    // further costs as much as a turn; the cheapest come first, of equal
    // cost the nearest to what the letter names, then in the order made
    // (outwards, then from one side round to the other): the same order
    // in every standard library, so that the window and the page place
    // alike. Most letters are placed at the first few costs.
    std::optional<Point> firstFree(const WantedPlace &wanted) const
    {
        constexpr int kTurnSteps = 12;
        const double heading = std::atan2(wanted.direction.y, wanted.direction.x);
        std::array<Point, 2 * kTurnSteps + 1> directions {};
        const auto towards = [&directions](int turn) -> Point & {
            const int index = turn + kTurnSteps;
            return directions.at(static_cast<std::size_t>(index));
        };
        for (int turn = -kTurnSteps; turn <= kTurnSteps; ++turn) {
            const double angle = heading + turn * std::numbers::pi / kTurnSteps;
            towards(turn) = {std::cos(angle), std::sin(angle)};
        }
        std::vector<Candidate> sameCost;
        for (int cost = 0; cost < wanted.furtherSteps + kTurnSteps; ++cost) {
            sameCost.clear();
            for (int step = std::max(0, cost - kTurnSteps); step <= std::min(wanted.furtherSteps - 1, cost);
                 ++step) {
                const double reach = wanted.distance + step * m_size / 4;
                for (const int turn : {step - cost, cost - step}) {
                    const Point at = wanted.anchor + reach * towards(turn);
                    sameCost.push_back({distanceToSegment(at, wanted.namedFrom, wanted.namedTo), at});
                    if (turn == 0)
                        break;
                }
            }
            std::stable_sort(sameCost.begin(), sameCost.end(),
                [](const Candidate &x, const Candidate &y) { return x.farFromNamed < y.farFromNamed; });
            for (const Candidate &candidate : sameCost) {
                if (isFree(candidate.at, wanted))
                    return candidate.at;
            }
        }
        return std::nullopt;
    }

    bool isFree(Point at, const WantedPlace &wanted) const
    {
        const auto &corners = m_layout.corners;
        if (!m_inside.contains(at) || !inRegion(at, wanted.region))
            return false;
        if (dot(at - wanted.anchor, wanted.outward) < 0.5 * m_size * length(wanted.outward))
            return false;
        const double clear = wanted.clearance * m_size;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            if (tooNear(at, {corners[i], corners[(i + 1) % 3]}, wanted))
                return false;
            const Point fromCorner = at - corners[i];
            if (std::max(std::abs(fromCorner.x), std::abs(fromCorner.y)) < 0.6 * m_size)
                return false;
        }
        if (m_layout.hasCircle && std::abs(length(at - m_layout.centre) - m_layout.radius) < clear)
            return false;
        if (nearAnArc(at, clear))
            return false;
        if (m_layout.centreMarked && length(at - m_layout.centre) < 0.6 * m_size + m_layout.centreDotRadius)
            return false;
        const bool onBisector = !wanted.overDashes
            && std::any_of(m_layout.bisectors.begin(), m_layout.bisectors.end(),
                [&](const std::optional<Segment> &line) {
                    return line && distanceToSegment(at, line->from, line->to) < 0.4 * m_size;
                });
        if (onBisector || nearACevian(at, wanted))
            return false;
        if (wanted.nearestItsOwn && !nearestItsOwn(at, wanted))
            return false;
        const double apart = (0.45 + (wanted.label ? kLabelWidth / 2 : 0.45)) * m_size;
        return std::none_of(m_placed.begin(), m_placed.end(), [&](Point other) {
            return std::abs(at.x - other.x) < apart && std::abs(at.y - other.y) < 0.9 * m_size;
        });
    }

    // Nearer the line than the letter's clearance, or than a label's box
    // reaches across it, and a little more.
    bool tooNear(Point at, const Segment &line, const WantedPlace &wanted) const
    {
        double clear = wanted.clearance * m_size;
        if (wanted.label) {
            constexpr double kGap = 0.05;
            const Point across = unit(Point {line.from.y - line.to.y, line.to.x - line.from.x});
            clear = ((kLabelWidth * std::abs(across.x) + kLabelHeight * std::abs(across.y)) / 2 + kGap)
                * m_size;
        }
        return distanceToSegment(at, line.from, line.to) < clear;
    }

    // The marked cevians' lines, the sides carried on to their feet and
    // their strokes.
    bool nearACevian(Point at, const WantedPlace &wanted) const
    {
        const auto near = [&](const Segment &line) { return tooNear(at, line, wanted); };
        return std::any_of(m_layout.cevians.begin(), m_layout.cevians.end(), [&](const MarkedCevian &marked) {
            return near(marked.line) || (marked.sideCarriedOn && near(*marked.sideCarriedOn))
                || std::any_of(marked.strokes.begin(), marked.strokes.end(), near);
        });
    }

    // Nearer its own cevian than any other. As near as another, beside the
    // corner two share, a label would name either.
    bool nearestItsOwn(Point at, const WantedPlace &wanted) const
    {
        const auto same = [](Point p, Point q) { return p.x == q.x && p.y == q.y; };
        const double own = distanceToSegment(at, wanted.namedFrom, wanted.namedTo);
        return std::none_of(m_layout.cevians.begin(), m_layout.cevians.end(), [&](const MarkedCevian &other) {
            const bool itsOwn
                = same(other.line.from, wanted.namedFrom) && same(other.line.to, wanted.namedTo);
            return !itsOwn && distanceToSegment(at, other.line.from, other.line.to) <= own;
        });
    }

    bool inRegion(Point at, Region region) const
    {
        switch (region) {
        case Region::Outside: return !insideTriangle(at, m_layout.corners);
        case Region::Inside: return insideTriangle(at, m_layout.corners);
        case Region::Anywhere: return true;
        }
        return false;
    }

    // An arc keeps its least radius in a corner of nearly 180 degrees, and
    // then bulges out of its flat triangle.
    bool nearAnArc(Point at, double clear) const
    {
        const auto cross = [](Point u, Point v) { return u.x * v.y - u.y * v.x; };
        const auto &corners = m_layout.corners;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Point v = at - corners[i];
            if (std::abs(length(v) - m_layout.arcRadii[i]) >= clear)
                continue;
            const Point u = corners[(i + 1) % 3] - corners[i];
            const Point w = corners[(i + 2) % 3] - corners[i];
            if (cross(u, v) * cross(u, w) >= 0 && cross(w, v) * cross(w, u) >= 0)
                return true;
        }
        return false;
    }

    Point clampedInside(Point p) const
    {
        return {std::clamp(p.x, m_inside.left, m_inside.right()),
            std::clamp(p.y, m_inside.top, m_inside.bottom())};
    }

    Rect m_inside; // where a letter's centre may go
    const PictureLayout &m_layout;
    double m_size;
    std::vector<Point> m_placed;
};

// Outside the corner, along the bisector of the angle beside it; a corner of
// nearly 180 degrees has none and looks away from the middle instead.
WantedPlace besideCorner(const PictureLayout &layout, std::size_t i)
{
    const auto &corners = layout.corners;
    const Point p = corners[i];
    Point outside = -(unit(corners[(i + 1) % 3] - p) + unit(corners[(i + 2) % 3] - p));
    if (length(outside) < 1e-3)
        outside = p - (corners[0] + corners[1] + corners[2]) / 3;
    return {p, outside, 0.85 * layout.letterSize, {}, p, p};
}

// Outside the side opposite corner i, a little along it from its middle,
// where the dashed bisector leaves: never further along than a quarter of
// the side, so that the letter of a short side stays beside it.
WantedPlace besideSide(const PictureLayout &layout, std::size_t i)
{
    const Point p = layout.corners[(i + 1) % 3];
    const Point q = layout.corners[(i + 2) % 3];
    const Point normal = outwardNormal(layout.corners, i);
    const double shift = std::min(0.55 * layout.letterSize, length(q - p) / 4);
    const Point anchor = (p + q) / 2 + unit(q - p) * shift;
    return {anchor, normal, layout.letterSize, normal, p, q};
}

// The name of the angle at corner i, just beyond its arc along the bisector
// of the angle; a corner of nearly 180 degrees looks towards the middle.
// With `overDashes`, a dashed line may run through the name rather than it
// move away from its corner.
WantedPlace besideArc(const PictureLayout &layout, std::size_t i, Region region, bool overDashes = false)
{
    const auto &corners = layout.corners;
    const Point p = corners[i];
    Point inside = unit(corners[(i + 1) % 3] - p) + unit(corners[(i + 2) % 3] - p);
    if (length(inside) < 1e-3)
        inside = (corners[0] + corners[1] + corners[2]) / 3 - p;
    const bool inTheCorner = region == Region::Inside;
    return {p, inside, layout.arcRadii[i] + (inTheCorner ? 0.6 : 0.65) * layout.letterSize, {}, p, p, region,
        inTheCorner ? kAngleLetterClearance : 0.6, inTheCorner ? kAngleLetterFurther : 16, overDashes};
}

// The directions of the lines that leave the centre: the bisectors, both
// ways where the centre lies beyond or near a side, and the sides that pass
// near it.
std::vector<double> linesFromCentre(const PictureLayout &layout)
{
    std::vector<double> headings;
    const auto add = [&headings](Point v) { headings.push_back(std::atan2(v.y, v.x)); };
    for (std::size_t i = 0; i < 3; ++i) {
        const Point p = layout.corners[(i + 1) % 3];
        const Point q = layout.corners[(i + 2) % 3];
        const Point normal = outwardNormal(layout.corners, i);
        const bool nearSide = distanceToSegment(layout.centre, p, q) < layout.letterSize;
        add(normal);
        if (nearSide || dot((p + q) / 2 - layout.centre, normal) < 0)
            add(-normal);
        if (nearSide) {
            add(q - p);
            add(p - q);
        }
    }
    return headings;
}

// The middles of the gaps between the headings, each with its width.
std::vector<std::pair<double, double>> gapsBetween(std::vector<double> headings)
{
    std::sort(headings.begin(), headings.end());
    std::vector<std::pair<double, double>> gaps;
    for (std::size_t k = 0; k < headings.size(); ++k) {
        const double from = headings[k];
        const double to = k + 1 < headings.size() ? headings[k + 1] : headings.front() + 2 * std::numbers::pi;
        gaps.emplace_back((from + to) / 2, to - from);
    }
    return gaps;
}

// The centre's letter, in the widest gap between the lines that leave it;
// of gaps about as wide, the one nearest the upper right, where a textbook
// writes it. Nearly equal gaps, as a right triangle's, are common: decided
// by a rounding error, the letter would jump between the window's triangle
// and the same one computed anew.
WantedPlace besideCentre(const PictureLayout &layout)
{
    constexpr double kAboutAsWide = 0.1;
    constexpr double kUpperRight = -std::numbers::pi / 4;
    const auto gaps = gapsBetween(linesFromCentre(layout));
    double widest = 0.0;
    for (const auto &[middle, width] : gaps)
        widest = std::max(widest, width);
    double heading = kUpperRight;
    double nearest = std::numeric_limits<double>::infinity();
    for (const auto &[middle, width] : gaps) {
        const double away = std::abs(std::remainder(middle - kUpperRight, 2 * std::numbers::pi));
        if (width >= widest - kAboutAsWide && away < nearest) {
            nearest = away;
            heading = middle;
        }
    }
    const Point c = layout.centre;
    return {c, {std::cos(heading), std::sin(heading)}, 0.8 * layout.letterSize, {}, c, c, Region::Anywhere};
}

// Beside a marked cevian, across it from the point `along` the way from its
// corner to its foot; first on the side towards the middle of the side it
// meets, where the triangle leaves the most room.
WantedPlace besideCevian(const PictureLayout &layout, const MarkedCevian &marked, double along)
{
    const Segment &line = marked.line;
    const std::size_t i = marked.cevian.corner;
    const Point middle = (layout.corners[(i + 1) % 3] + layout.corners[(i + 2) % 3]) / 2;
    Point across {line.from.y - line.to.y, line.to.x - line.from.x};
    if (dot(across, middle - line.to) < 0)
        across = -across;
    return {line.from + along * (line.to - line.from), across, (kLabelClearance + 0.2) * layout.letterSize,
        {}, line.from, line.to, Region::Anywhere, kLabelClearance, 3, false, true, true};
}

// Beyond its foot, on from the cevian, outside the side it meets.
WantedPlace beyondFoot(const PictureLayout &layout, const MarkedCevian &marked)
{
    WantedPlace place = besideCevian(layout, marked, 1.0);
    place.direction = marked.line.to - marked.line.from;
    return place;
}

// Where a thin triangle crowds the lines: over a dashed bisector or further
// out; and where a cevian is too short to be told from the others, as near
// another as its own.
WantedPlace nearCevian(const PictureLayout &layout, const MarkedCevian &marked, bool nearestItsOwn)
{
    WantedPlace place = besideCevian(layout, marked, 0.5);
    place.furtherSteps = 16;
    place.overDashes = true;
    place.nearestItsOwn = nearestItsOwn;
    return place;
}

// The cosine of the angle at corner i.
double cornerCosine(const std::array<Point, 3> &corners, std::size_t i)
{
    const Point p = corners[i];
    return dot(unit(corners[(i + 1) % 3] - p), unit(corners[(i + 2) % 3] - p));
}

// The name of the angle at corner i. Where cevians crowd the corner, it
// goes outside rather than far from its arc inside, where it would seem to
// name a cevian's angle.
Point placeAngleName(LetterPlacer &placer, const PictureLayout &layout, std::size_t i)
{
    if (layout.cevians.empty()) {
        return placer.place({besideArc(layout, i, Region::Inside), besideArc(layout, i, Region::Inside, true),
            besideArc(layout, i, Region::Outside)});
    }
    WantedPlace nearInside = besideArc(layout, i, Region::Inside);
    nearInside.furtherSteps = 2;
    WantedPlace nearInsideOverDashes = besideArc(layout, i, Region::Inside, true);
    nearInsideOverDashes.furtherSteps = 2;
    return placer.place({nearInside, nearInsideOverDashes, besideArc(layout, i, Region::Outside),
        besideArc(layout, i, Region::Inside, true)});
}

// A cevian's label: beside its middle, then nearer either end, beyond its
// foot, and where the lines crowd it, wherever there is room.
Point placeCevianLabel(LetterPlacer &placer, const PictureLayout &layout, const MarkedCevian &marked)
{
    const auto beside = [&](double along) { return besideCevian(layout, marked, along); };
    return placer.place(
        {beside(0.5), beside(0.4), beside(0.6), beside(0.3), beside(0.7), beside(0.2), beside(0.8),
            beyondFoot(layout, marked), nearCevian(layout, marked, true), nearCevian(layout, marked, false)});
}

// The widest corner's letter goes first: in a flat triangle it has only the
// one place straight out, while the letters of the two sharp corners can move
// round theirs.
void placeLetters(PictureLayout &layout, const Rect &area)
{
    LetterPlacer placer(area, layout);
    std::array<std::size_t, 3> order = {0, 1, 2};
    std::stable_sort(order.begin(), order.end(), [&](std::size_t i, std::size_t j) {
        return cornerCosine(layout.corners, i) < cornerCosine(layout.corners, j);
    });
    for (const std::size_t i : order)
        layout.cornerLetters[i] = placer.place({besideCorner(layout, i)});
    for (std::size_t i = 0; i < 3; ++i)
        layout.sideLetters[i] = placer.place({besideSide(layout, i)});
    for (std::size_t i = 0; i < 3; ++i)
        layout.angleLetters[i] = placeAngleName(placer, layout, i);
    if (layout.centreMarked)
        layout.centreLetter = placer.place({besideCentre(layout)});
    // Last, as they have the most room: anywhere along their lines.
    for (MarkedCevian &marked : layout.cevians)
        marked.label = placeCevianLabel(placer, layout, marked);
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

// The side opposite `corner` carried on from its nearer end to a foot that
// lies beyond it; none for a foot on the side.
std::optional<Segment> carriedOn(const std::array<Point, 3> &corners, std::size_t corner, Point foot)
{
    const Point p = corners[(corner + 1) % 3];
    const Point q = corners[(corner + 2) % 3];
    const Point along = q - p;
    const double squared = dot(along, along);
    // A right angle's foot is its corner, give or take a rounding error.
    constexpr double kOnTheSide = 1e-9;
    const double t = squared > 0.0 ? dot(foot - p, along) / squared : 0.0;
    if (t < -kOnTheSide)
        return Segment {p, foot};
    if (t > 1 + kOnTheSide)
        return Segment {q, foot};
    return std::nullopt;
}

// A height's right angle at its foot, its legs along the height and towards
// the side's middle; none where the height is too short to show it.
std::vector<Segment> rightAngleStrokes(const Segment &line, Point middle, Point alongSide, double size)
{
    const Point foot = line.to;
    if (length(line.from - foot) < 2 * size)
        return {};
    const Point up = unit(line.from - foot) * size;
    const Point towardsMiddle = length(middle - foot) > size ? middle - foot : alongSide;
    const Point sideways = unit(towardsMiddle) * size;
    return {{foot + sideways, foot + sideways + up}, {foot + sideways + up, foot + up}};
}

// Ticks across the middles of a side's two halves, which a median makes
// equal; none on a side too short to hold them apart.
std::vector<Segment> equalHalvesStrokes(Point p, Point q, double size)
{
    if (length(q - p) < 4 * size)
        return {};
    const Point across = unit(Point {p.y - q.y, q.x - p.x}) * (size / 2);
    std::vector<Segment> strokes;
    for (const Point middle : {p + (q - p) / 4, p + 3 * (q - p) / 4})
        strokes.push_back({middle - across, middle + across});
    return strokes;
}

// Ticks across the corner's arc, one in each half of the angle an angle
// bisector halves.
std::vector<Segment> equalAnglesStrokes(const Segment &line, Point p, Point q, double arcRadius, double size)
{
    const Point corner = line.from;
    const Point halving = unit(line.to - corner);
    std::vector<Segment> strokes;
    for (const Point end : {p, q}) {
        const Point quarter = unit(unit(end - corner) + halving);
        strokes.push_back(
            {corner + (arcRadius - size / 2) * quarter, corner + (arcRadius + size / 2) * quarter});
    }
    return strokes;
}

// The strokes that mark what a cevian is.
std::vector<Segment> strokesOf(const PictureLayout &layout, const MarkedCevian &marked, double size)
{
    const std::size_t i = marked.cevian.corner;
    const Point p = layout.corners[(i + 1) % 3];
    const Point q = layout.corners[(i + 2) % 3];
    switch (marked.cevian.kind) {
    case CevianKind::Height: return rightAngleStrokes(marked.line, (p + q) / 2, q - p, size);
    case CevianKind::Median: return equalHalvesStrokes(p, q, size);
    case CevianKind::AngleBisector: return equalAnglesStrokes(marked.line, p, q, layout.arcRadii[i], size);
    }
    return {};
}

} // namespace

Point footOf(const std::array<Point, 3> &corners, Cevian cevian)
{
    const Point from = corners.at(cevian.corner);
    const Point p = corners.at((cevian.corner + 1) % 3);
    const Point q = corners.at((cevian.corner + 2) % 3);
    switch (cevian.kind) {
    case CevianKind::Height: {
        const Point along = q - p;
        const double squared = dot(along, along);
        return squared > 0.0 ? p + (dot(from - p, along) / squared) * along : p;
    }
    case CevianKind::Median: return (p + q) / 2;
    case CevianKind::AngleBisector: {
        const double toP = length(p - from);
        const double toQ = length(q - from);
        return toP + toQ > 0.0 ? p + (toP / (toP + toQ)) * (q - p) : p;
    }
    }
    return p;
}

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
