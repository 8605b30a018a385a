// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The picture's geometry, plain C++: where the corners of a triangle with
// given sides go, and how the drawing fits the picture box: the whole circle
// inside (or, for a nearly flat triangle, the triangle enlarged to fill the
// box), A and B level with C above, letters clear of the corners, arcs never
// too small, whatever the shape of the triangle. The window and the web page
// both paint this layout, so the cases run on the host and, in the
// WebAssembly build, under node.

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "geometry/picture_geometry.h"

namespace triangle::test {

// The inside of the window's picture box, within its 2-pixel border.
inline constexpr geometry::Rect kPictureBox {2, 2, 174, 174};

struct CornersCase {
    const char *name;
    double a;
    double b;
    double c;
    geometry::Point expectedC;
};

inline constexpr std::array<CornersCase, 6> kCornersCases = {{
    {"right angle at C: 3, 4, 5", 3.0, 4.0, 5.0, {3.2, 2.4}},
    {"equilateral: C above the middle of AB", 2.0, 2.0, 2.0, {1.0, std::numbers::sqrt3}},
    {"120 degrees at A: C left of A", 7.0, 3.0, 5.0, {-1.5, 1.5 * std::numbers::sqrt3}},
    {"right angle at A: C straight above A", 5.0, 4.0, 3.0, {0.0, 4.0}},
    {"a needle: C just above B's end", 1.0, 100.0, 100.0, {99.995, 0.99998749992}},
    {"sides that close no triangle lie flat", 10.0, 1.0, 1.0, {-1.0, 0.0}},
}};

// The triangles every layout check runs on, and whether each is too flat to
// read inside its whole circle.
struct ShapeCase {
    const char *name;
    double a;
    double b;
    double c;
    bool enlarged;
};

inline const std::array<ShapeCase, 11> kShapeCases = {{
    {"the start-up triangle", 5.4, 6.2, 7.0, false},
    {"a right triangle 3, 4, 5", 3.0, 4.0, 5.0, false},
    {"an equilateral triangle", 2.0, 2.0, 2.0, false},
    {"obtuse at A: 7, 3, 5", 7.0, 3.0, 5.0, false},
    {"obtuse at B: 5, 8, 3.9282", 5.0, 8.0, 3.9282, false},
    {"obtuse at C: 8, 8, 15.4548", 8.0, 8.0, 15.4548, false},
    {"95 degrees at C, the centre just beyond c: 5, 5, 7.3724", 5.0, 5.0, 7.3724, false},
    {"a needle: 1, 100, 100", 1.0, 100.0, 100.0, false},
    {"flat, 176 degrees at C: 1, 1, 1.999", 1.0, 1.0, 1.999, true},
    {"flat, 179 degrees at A: 10, 5.0001, 5", 10.0, 5.0001, 5.0, true},
    {"flat, 179.99 degrees at C: 1, 1, 1.99999998", 1.0, 1.0, 2 * std::sin(89.995 * std::numbers::pi / 180),
        true},
}};

// Triangles with given heights, medians and angle bisectors marked.
struct CevianCase {
    const char *name;
    double a;
    double b;
    double c;
    std::vector<geometry::Cevian> marked;
};

inline const std::array<CevianCase, 5> kCevianCases = [] {
    using enum geometry::CevianKind;
    return std::array<CevianCase, 5> {{
        {"the three medians 12, 15, 9", std::sqrt(208.0), 10.0, std::sqrt(292.0),
            {{Median, 0}, {Median, 1}, {Median, 2}}},
        {"the three heights, obtuse at A: 7, 3, 5", 7.0, 3.0, 5.0, {{Height, 0}, {Height, 1}, {Height, 2}}},
        {"h_a, m_a and l_a, obtuse at C: 6, 8, 11", 6.0, 8.0, 11.0,
            {{Height, 0}, {Median, 0}, {AngleBisector, 0}}},
        {"a needle: l_a, h_b and m_c of 1, 100, 100", 1.0, 100.0, 100.0,
            {{AngleBisector, 0}, {Height, 1}, {Median, 2}}},
        {"flat, 176 degrees at C: h_a beyond a, l_c", 1.0, 1.0, 1.999, {{Height, 0}, {AngleBisector, 2}}},
    }};
}();

// Adds a failure, named after its case, when a check does not hold.
struct Expect {
    std::string name;
    std::vector<std::string> &failures;

    void operator()(bool holds, const std::string &what) const
    {
        if (!holds)
            failures.push_back(name + ": " + what);
    }
};

inline double distanceBetween(geometry::Point p, geometry::Point q)
{
    return std::hypot(p.x - q.x, p.y - q.y);
}

inline bool near(double x, double y, double tolerance = 1e-6) { return std::abs(x - y) <= tolerance; }

inline double dot(geometry::Point u, geometry::Point v) { return u.x * v.x + u.y * v.y; }

// Twice the signed area; its sign tells on which side of p-q the point r is.
inline double turn(geometry::Point p, geometry::Point q, geometry::Point r)
{
    return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
}

inline double distanceToPolyline(geometry::Point point, const std::vector<geometry::Point> &line)
{
    double least = std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i < line.size(); ++i) {
        const geometry::Point along = line[i] - line[i - 1];
        const geometry::Point to = point - line[i - 1];
        const double t = std::clamp(
            (to.x * along.x + to.y * along.y) / (along.x * along.x + along.y * along.y), 0.0, 1.0);
        least = std::min(least, distanceBetween(point, line[i - 1] + t * along));
    }
    return least;
}

// A letter is a square of the layout's letter size round its centre.
inline geometry::Rect letterBox(geometry::Point centre, double size)
{
    return {centre.x - size / 2, centre.y - size / 2, size, size};
}

// The whole of `inner` inside `outer` or on its edges.
inline bool holds(const geometry::Rect &outer, const geometry::Rect &inner)
{
    return outer.contains({inner.left, inner.top}) && outer.contains({inner.right(), inner.bottom()});
}

inline bool overlap(const geometry::Rect &r, const geometry::Rect &s)
{
    return r.left < s.right() && s.left < r.right() && r.top < s.bottom() && s.top < r.bottom();
}

inline std::string where(geometry::Point p)
{
    return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
}

// Every letter: the corners', the sides', the angles' and the centre's.
inline std::vector<geometry::Point> lettersOf(const geometry::PictureLayout &layout)
{
    std::vector<geometry::Point> letters;
    for (const auto &group : {layout.cornerLetters, layout.sideLetters, layout.angleLetters})
        letters.insert(letters.end(), group.begin(), group.end());
    if (layout.centreMarked)
        letters.push_back(layout.centreLetter);
    for (const geometry::MarkedCevian &marked : layout.cevians)
        letters.push_back(marked.label);
    return letters;
}

inline geometry::PictureLayout laidOut(double a, double b, double c)
{
    return geometry::layoutPicture(kPictureBox, geometry::cornersFromSides(a, b, c));
}

inline void checkCornersFollowFromTheSides(const CornersCase &row, const Expect &expect)
{
    const auto [A, B, C] = geometry::cornersFromSides(row.a, row.b, row.c);
    expect(A.x == 0 && A.y == 0 && B.x == row.c && B.y == 0, "A at the origin, B at (c, 0)");
    expect(near(C.x, row.expectedC.x, 1e-9) && near(C.y, row.expectedC.y, 1e-9), "C at " + where(C));
    if (row.b + row.c > row.a)
        expect(near(distanceBetween(B, C), row.a, 1e-9) && near(distanceBetween(A, C), row.b, 1e-9), "sides");
}

// Wide as the box, within its margins and below the strip that says so, no
// letter in the strip; the circle's part in view runs through the corners.
inline void checkEnlarged(const geometry::PictureLayout &layout, const Expect &expect)
{
    const geometry::Rect &strip = layout.noteStrip;
    const geometry::Rect below = kPictureBox.adjusted(0, strip.height, 0, 0);
    expect(strip.top == kPictureBox.top && strip.height >= 2 * layout.letterSize, "the note strip on top");
    const auto &[A, B, C] = layout.corners;
    expect(
        B.x - std::min(A.x, C.x) >= 0.75 * kPictureBox.width, "as wide as the box: " + where(A) + where(B));
    const std::vector<geometry::Point> arc = geometry::arcInView(layout.centre, layout.radius, kPictureBox);
    for (const geometry::Point corner : layout.corners) {
        expect(below.contains(corner), "below the strip: " + where(corner));
        expect(distanceToPolyline(corner, arc) < 0.5, "the circle in view through " + where(corner));
    }
    for (const geometry::Point letter : lettersOf(layout))
        expect(!overlap(letterBox(letter, layout.letterSize), strip), "off the strip: " + where(letter));
}

// The whole circle inside the box, centred, and no smaller than three
// quarters of it; every bisector runs from its centre or from a side to it.
inline void checkWholeCircle(const geometry::PictureLayout &layout, const Expect &expect)
{
    const double r = layout.radius;
    const geometry::Point middle = kPictureBox.centre();
    expect(holds(kPictureBox, {layout.centre.x - r, layout.centre.y - r, 2 * r, 2 * r}), "the circle inside");
    expect(near(layout.centre.x, middle.x) && near(layout.centre.y, middle.y),
        "centred: " + where(layout.centre));
    expect(2 * r >= 0.75 * kPictureBox.width, "radius " + std::to_string(r));
    for (const geometry::Point corner : layout.corners)
        expect(kPictureBox.contains(corner), "inside the box: " + where(corner));
    for (const std::optional<geometry::Segment> &bisector : layout.bisectors)
        expect(bisector && near(distanceBetween(bisector->to, layout.centre), r, 1e-6 * r), "a bisector");
}

inline void checkTheWholeCircleOrAFlatTriangleFillsTheBox(
    const ShapeCase &shape, const geometry::PictureLayout &layout, const Expect &expect)
{
    expect(layout.hasCircle, "a circle");
    expect(layout.enlarged == shape.enlarged, shape.enlarged ? "enlarged" : "not enlarged");
    expect(layout.centreMarked == !shape.enlarged, "the centre marked where it shows");
    for (const geometry::Point corner : layout.corners) {
        expect(near(distanceBetween(corner, layout.centre), layout.radius, 1e-6 * layout.radius),
            "on the circle: " + where(corner));
    }
    if (shape.enlarged)
        checkEnlarged(layout, expect);
    else
        checkWholeCircle(layout, expect);
}

// A and B level with C above (the screen's y grows downwards), and one scale
// for all three sides.
inline void checkTheDrawingKeepsTheTrianglesShape(
    const ShapeCase &shape, const geometry::PictureLayout &layout, const Expect &expect)
{
    const auto &[A, B, C] = layout.corners;
    expect(near(A.y, B.y) && A.x < B.x && C.y < A.y, "A and B level, C above");
    const double scale = distanceBetween(A, B) / shape.c;
    expect(near(distanceBetween(B, C) / shape.a, scale, 1e-6 * scale)
            && near(distanceBetween(A, C) / shape.b, scale, 1e-6 * scale),
        "one scale");
}

inline void checkLettersInsideClearOfCorners(const geometry::PictureLayout &layout, const Expect &expect)
{
    for (const geometry::Point letter : lettersOf(layout)) {
        const geometry::Rect box = letterBox(letter, layout.letterSize);
        expect(holds(kPictureBox, box), "inside the box: " + where(letter));
        for (const geometry::Point corner : layout.corners)
            expect(!box.contains(corner), where(letter) + " covers " + where(corner));
        if (layout.centreMarked)
            expect(!box.contains(layout.centre), where(letter) + " covers the centre");
    }
}

// Readable letters, apart from each other; a side's letter lies beyond its
// side, away from the opposite corner.
inline void checkLettersStayApartAndBeyondTheirSides(
    const geometry::PictureLayout &layout, const Expect &expect)
{
    expect(layout.letterSize >= 10, "letter size " + std::to_string(layout.letterSize));
    const std::vector<geometry::Point> letters = lettersOf(layout);
    const double size = 0.8 * layout.letterSize;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            expect(!overlap(letterBox(letters[i], size), letterBox(letters[j], size)),
                where(letters[i]) + " meets " + where(letters[j]));
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const geometry::Point p = layout.corners[(i + 1) % 3];
        const geometry::Point q = layout.corners[(i + 2) % 3];
        expect(turn(p, q, layout.sideLetters[i]) * turn(p, q, layout.corners[i]) < 0,
            "beyond side " + std::to_string(i));
    }
}

inline void checkArcsNeverShrinkBelowALeastRadius(const geometry::PictureLayout &layout, const Expect &expect)
{
    for (const double radius : layout.arcRadii) {
        expect(radius >= 6.0 && radius <= 0.1 * kPictureBox.width + 1e-9,
            "arc radius " + std::to_string(radius));
    }
}

// The length of a height, median or angle bisector as a textbook computes
// it from the sides: 2S/a, ½·√(2b² + 2c² − a²), 2·√(bc·s(s − a))/(b + c).
inline double cevianLength(const CevianCase &row, geometry::Cevian cevian)
{
    const std::array<double, 3> sides = {row.a, row.b, row.c};
    const double opposite = sides.at(cevian.corner);
    const double one = sides.at((cevian.corner + 1) % 3);
    const double other = sides.at((cevian.corner + 2) % 3);
    const double s = (row.a + row.b + row.c) / 2;
    switch (cevian.kind) {
    case geometry::CevianKind::Height:
        return 2 * std::sqrt(s * (s - row.a) * (s - row.b) * (s - row.c)) / opposite;
    case geometry::CevianKind::Median:
        return std::sqrt(2 * one * one + 2 * other * other - opposite * opposite) / 2;
    case geometry::CevianKind::AngleBisector:
        return 2 * std::sqrt(one * other * s * (s - opposite)) / (one + other);
    }
    return 0.0;
}

// Drawn from its corner, as long as the sides make it, to its foot: a
// height's on the side's line and square to it, a median's at the side's
// middle, an angle bisector's dividing the side as the sides beside its
// corner; the side carried on from its nearer end to a height's foot only
// where the angle there is obtuse.
inline void checkCevianFoot(const CevianCase &row, const geometry::PictureLayout &layout, std::size_t k,
    const std::string &what, const Expect &expect)
{
    const geometry::MarkedCevian &drawn = layout.cevians[k];
    const std::size_t i = row.marked[k].corner;
    const geometry::Point from = layout.corners.at(i);
    const geometry::Point p = layout.corners.at((i + 1) % 3);
    const geometry::Point q = layout.corners.at((i + 2) % 3);
    const geometry::Point foot = drawn.line.to;
    expect(drawn.cevian == row.marked[k] && near(distanceBetween(drawn.line.from, from), 0),
        what + "its corner");
    const double scale = distanceBetween(layout.corners[0], layout.corners[1]) / row.c;
    const double wanted = cevianLength(row, drawn.cevian) * scale;
    expect(near(distanceBetween(from, foot), wanted, 1e-6 * wanted + 1e-9), what + "its length");
    const double sideLength = distanceBetween(p, q);
    const double along = dot(foot - p, q - p) / sideLength;
    expect(near(turn(p, q, foot) / sideLength, 0, 1e-6 * sideLength), what + "on the side's line");
    bool obtuseBeside = false;
    switch (drawn.cevian.kind) {
    case geometry::CevianKind::Height:
        expect(near(dot(from - foot, q - p) / sideLength, 0, 1e-6 * wanted), what + "square to the side");
        obtuseBeside = dot(from - p, q - p) < 0 || dot(from - q, p - q) < 0;
        break;
    case geometry::CevianKind::Median:
        expect(near(along, sideLength / 2, 1e-9 * sideLength), what + "at the middle");
        break;
    case geometry::CevianKind::AngleBisector:
        expect(near(along / (sideLength - along), distanceBetween(from, p) / distanceBetween(from, q), 1e-6),
            what + "in the ratio of the sides");
        break;
    }
    expect(drawn.sideCarriedOn.has_value() == obtuseBeside, what + "the side carried on where it must");
    if (drawn.sideCarriedOn) {
        expect(near(distanceBetween(drawn.sideCarriedOn->from, along < 0 ? p : q), 0)
                && near(distanceBetween(drawn.sideCarriedOn->to, foot), 0),
            what + "from the side's nearer end to the foot");
    }
}

// The label off every cevian's line, and near and nearest its own, unless
// that is too short to have a place of its own.
inline void checkCevianLabel(
    const geometry::PictureLayout &layout, std::size_t k, const std::string &what, const Expect &expect)
{
    const geometry::MarkedCevian &drawn = layout.cevians[k];
    const double length = distanceBetween(drawn.line.from, drawn.line.to);
    const bool tooShort = length < 2 * layout.letterSize;
    const double fromItsOwn = distanceToPolyline(drawn.label, {drawn.line.from, drawn.line.to});
    for (const geometry::MarkedCevian &other : layout.cevians) {
        const double fromOther = distanceToPolyline(drawn.label, {other.line.from, other.line.to});
        expect(fromOther >= 0.4 * layout.letterSize && (fromOther >= fromItsOwn || tooShort),
            what + "its label off the lines, nearest its own, at " + where(drawn.label));
    }
    expect(tooShort || fromItsOwn <= 2 * layout.letterSize,
        what + "its label near its line at " + where(drawn.label));
}

// Every given cevian drawn and labelled, every letter inside the box and
// apart from the others.
inline void checkMarkedCevians(const CevianCase &row, const Expect &expect)
{
    const geometry::PictureLayout layout
        = geometry::layoutPicture(kPictureBox, geometry::cornersFromSides(row.a, row.b, row.c), row.marked);
    expect(layout.cevians.size() == row.marked.size(), "every cevian drawn");
    for (std::size_t k = 0; k < std::min(layout.cevians.size(), row.marked.size()); ++k) {
        const std::string what = std::to_string(k) + ": ";
        checkCevianFoot(row, layout, k, what, expect);
        checkCevianLabel(layout, k, what, expect);
    }
    checkLettersInsideClearOfCorners(layout, expect);
    checkLettersStayApartAndBeyondTheirSides(layout, expect);
}

// Angles A and B from 1 to 178 degrees in steps of 7, sides by the law of
// sines.
inline void checkEveryShapeOnAGridOfAnglesKeepsItsLettersClear(std::vector<std::string> &failures)
{
    int shapes = 0;
    for (int alpha = 1; alpha < 179; alpha += 7) {
        for (int beta = 1; alpha + beta < 179; beta += 7) {
            const double degree = std::numbers::pi / 180;
            const double gamma = 180 - alpha - beta;
            const Expect expect {"A = " + std::to_string(alpha) + ", B = " + std::to_string(beta), failures};
            checkLettersInsideClearOfCorners(
                laidOut(std::sin(alpha * degree), std::sin(beta * degree), std::sin(gamma * degree)), expect);
            ++shapes;
        }
    }
    Expect {"the grid of angles", failures}(shapes == 351, std::to_string(shapes) + " shapes");
}

// Every case; what fails, or nothing.
inline std::vector<std::string> pictureGeometryFailures()
{
    std::vector<std::string> failures;
    for (const CornersCase &row : kCornersCases)
        checkCornersFollowFromTheSides(row, Expect {row.name, failures});
    for (const ShapeCase &shape : kShapeCases) {
        const geometry::PictureLayout layout = laidOut(shape.a, shape.b, shape.c);
        const Expect expect {shape.name, failures};
        checkTheWholeCircleOrAFlatTriangleFillsTheBox(shape, layout, expect);
        checkTheDrawingKeepsTheTrianglesShape(shape, layout, expect);
        checkLettersInsideClearOfCorners(layout, expect);
        checkLettersStayApartAndBeyondTheirSides(layout, expect);
        checkArcsNeverShrinkBelowALeastRadius(layout, expect);
    }
    for (const CevianCase &row : kCevianCases)
        checkMarkedCevians(row, Expect {row.name, failures});
    checkEveryShapeOnAGridOfAnglesKeepsItsLettersClear(failures);
    return failures;
}

} // namespace triangle::test
