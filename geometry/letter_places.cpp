// SPDX-License-Identifier: GPL-3.0-or-later
// Where each letter of the picture wants to go, and the order in which the
// letter placer puts them.
#include "geometry/letter_places.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

#include "geometry/letter_placer.h"
#include "geometry/plane_math.h"

namespace triangle::geometry {

namespace {

// An angle's name inside its corner keeps this many letters from the lines
// and goes at most this many quarter letters further in than just beyond
// its arc: further in, it would seem to name another corner.
constexpr double kAngleLetterClearance = 0.45;
constexpr int kAngleLetterFurther = 6;

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
    // Cevians of one kind meet in one point (the medians at 2/3 of their
    // way), about where their middles lie: with more than one marked, each
    // label goes towards its own foot, where the others are far.
    if (layout.cevians.size() > 1)
        return placer.place({beside(0.8), beside(0.75), beside(0.85), beside(0.7), beside(0.6), beside(0.5),
            beside(0.4), beside(0.3), beyondFoot(layout, marked), nearCevian(layout, marked, true),
            nearCevian(layout, marked, false)});
    return placer.place(
        {beside(0.5), beside(0.4), beside(0.6), beside(0.3), beside(0.7), beside(0.2), beside(0.8),
            beyondFoot(layout, marked), nearCevian(layout, marked, true), nearCevian(layout, marked, false)});
}

// The widest corner's letter goes first: in a flat triangle it has only the
// one place straight out, while the letters of the two sharp corners can move

} // namespace

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

} // namespace triangle::geometry
