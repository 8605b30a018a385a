// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "geometry/plane.h"

namespace triangle::geometry {

// A triangle's corners in any unit, y pointing up.
struct TriangleCorners {
    Point A;
    Point B;
    Point C;
};

// The corners of the triangle with sides a, b, c: A at the origin, B at
// (c, 0), C above the x axis where the law of cosines puts it. Sides that
// close no triangle put C on the x axis.
TriangleCorners cornersFromSides(double a, double b, double c);

// A segment from a corner to the line of the side opposite it that the
// picture marks because it was given: a height, a median or an angle
// bisector. `corner` 0, 1, 2 stands for A, B, C.
enum class CevianKind { Height, Median, AngleBisector };

struct Cevian {
    CevianKind kind = CevianKind::Height;
    std::size_t corner = 0;

    friend bool operator==(const Cevian &, const Cevian &) = default;
};

// What a practice problem's figure marks: the elements it gives, drawn in
// colour, and those it asks for, with "?". One bit per element in the
// order A B C a b c S R P h_a h_b h_c m_a m_b m_c l_a l_b l_c r.
struct ElementMarks {
    std::uint32_t given = 0;
    std::uint32_t asked = 0;

    friend bool operator==(const ElementMarks &, const ElementMarks &) = default;
};

constexpr std::uint32_t angleBit(std::size_t corner) { return 1U << corner; }
constexpr std::uint32_t sideBit(std::size_t corner) { return 1U << (3 + corner); }
constexpr std::uint32_t cevianBit(Cevian cevian)
{
    return 1U << (9 + 3 * static_cast<std::size_t>(cevian.kind) + cevian.corner);
}

// Where the cevian meets the line of the opposite side: a height at the
// orthogonal projection of its corner, beyond the side where the angle next
// to it is obtuse; a median at the side's middle; an angle bisector where
// it divides the side in the ratio of the two sides beside its corner.
Point footOf(const std::array<Point, 3> &corners, Cevian cevian);

// A given cevian as drawn: from its corner to its foot, the side carried on
// to a foot beyond it, the small strokes at its foot (a right angle for a
// height, one across each half of the side for a median) or across the
// angle's arc (one in each half, for an angle bisector), and the centre of
// its label (h, m or l with the corner's small letter as its index).
struct MarkedCevian {
    Cevian cevian;
    Segment line;
    std::optional<Segment> sideCarriedOn;
    std::vector<Segment> strokes;
    Point label;
};

// Where each part of the drawing goes in a box, in the box's coordinates (y
// pointing down). Index 0, 1, 2 stands for A, B, C: the corner, the arc in
// it, its letter, the name of its angle (α, β, γ), and the side opposite it
// with its bisector and letter.
struct PictureLayout {
    std::array<Point, 3> corners {};
    bool hasCircle = false; // three corners on one line have no circle
    Point centre;
    double radius = 0.0;
    // The perpendicular bisector of the side opposite each corner, from the
    // centre (or the side) to the circle; none without a circle. Enlarged,
    // only their parts inside the box, none where no part is.
    std::array<std::optional<Segment>, 3> bisectors {};
    std::array<double, 3> arcRadii {};
    double letterSize = 0.0; // a letter's pixel size; 0 in a box too small for letters
    std::array<Point, 3> cornerLetters {};
    std::array<Point, 3> sideLetters {};
    std::array<Point, 3> angleLetters {};
    // The centre as a dot with the letter O beside it, where letters are
    // drawn and the centre lies in view.
    bool centreMarked = false;
    double centreDotRadius = 0.0;
    Point centreLetter;
    // The triangle fills the box and its circle runs out of it; the strip
    // along the top is kept for saying so.
    bool enlarged = false;
    Rect noteStrip;
    // In the order given; without strokes and labels where letters are not
    // drawn.
    std::vector<MarkedCevian> cevians;
};

// Scales the triangle so that its circumscribed circle, centred, fills `area`
// less a margin, proportions kept; A and B stay level with C above them. A
// triangle that would come out too small to read (one angle near 180
// degrees) is enlarged instead to fill the box below the note strip, its
// circle only partly shown. Letters keep clear of every corner, of the sides,
// of the centre's dot and of each other, and inside the box and off the note
// strip; arcs keep a least radius however short the sides. An angle's name
// goes inside the triangle just beyond its arc, or, in a corner too sharp
// to hold it, outside beside the arc. The `marked` cevians are drawn too,
// every letter clear of them, each label nearer its own line than any
// other; an angle's name in a corner they crowd goes outside rather than
// far from its arc.
PictureLayout layoutPicture(
    const Rect &area, const TriangleCorners &model, std::span<const Cevian> marked = {});

// The part of a circle whose centre lies outside `area` that can show in it,
// as a fine polyline: drawn as curves, a circle with a radius of thousands of
// pixels misses the corners by several. For an enlarged picture's circle.
std::vector<Point> arcInView(Point centre, double radius, const Rect &area);

} // namespace triangle::geometry
