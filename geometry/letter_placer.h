// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <optional>
#include <vector>

#include "geometry/picture_geometry.h"
#include "geometry/plane.h"

namespace triangle::geometry {

// A cevian's label, an index beside its letter, is wider than a letter and
// not as tall as one with the index: its box, in letters, keeps clear of the
// lines. It keeps this many letters from the circle and the arcs, and goes
// a fifth of a letter further than that from its cevian.
constexpr double kLabelClearance = 0.65;
constexpr double kLabelWidth = 1.0;
constexpr double kLabelHeight = 0.8;

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
    Point place(std::initializer_list<WantedPlace> wanted);

private:
    struct Candidate {
        double farFromNamed = 0.0;
        Point at;
    };

    // Candidates round the wanted place: further out by quarter letters,
    // turned by 15 degrees each way round to behind. A quarter letter
    // further costs as much as a turn; the cheapest come first, of equal
    // cost the nearest to what the letter names, then in the order made
    // (outwards, then from one side round to the other): the same order
    // in every standard library, so that the window and the page place
    // alike. Most letters are placed at the first few costs.
    std::optional<Point> firstFree(const WantedPlace &wanted) const;

    bool isFree(Point at, const WantedPlace &wanted) const;

    // Nearer the line than the letter's clearance, or than a label's box
    // reaches across it, and a little more.
    bool tooNear(Point at, const Segment &line, const WantedPlace &wanted) const;

    // The marked cevians' lines, the sides carried on to their feet and
    // their strokes.
    bool nearACevian(Point at, const WantedPlace &wanted) const;

    // Nearer its own cevian than any other. As near as another, beside the
    // corner two share, a label would name either.
    bool nearestItsOwn(Point at, const WantedPlace &wanted) const;

    bool inRegion(Point at, Region region) const;

    // An arc keeps its least radius in a corner of nearly 180 degrees, and
    // then bulges out of its flat triangle.
    bool nearAnArc(Point at, double clear) const;

    Point clampedInside(Point p) const;

    Rect m_inside; // where a letter's centre may go
    const PictureLayout &m_layout;
    double m_size;
    std::vector<Point> m_placed;
};

} // namespace triangle::geometry
