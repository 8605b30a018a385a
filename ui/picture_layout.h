// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

// The picture's geometry in Qt's types, for the window to paint; laid out by
// the Qt-free geometry library, which the web page paints from as well.
namespace triangle::ui {

// A triangle's corners in any unit, y pointing up.
struct TriangleCorners {
    QPointF A;
    QPointF B;
    QPointF C;
};

// The corners of the triangle with sides a, b, c: A at the origin, B at
// (c, 0), C above the x axis where the law of cosines puts it. Sides that
// close no triangle put C on the x axis.
TriangleCorners cornersFromSides(double a, double b, double c);

// Where each part of the drawing goes in a box, in the box's coordinates (y
// pointing down). Index 0, 1, 2 stands for A, B, C: the corner, the arc in
// it, its letter, and the side opposite it with its bisector and letter.
struct PictureLayout {
    std::array<QPointF, 3> corners {};
    bool hasCircle = false; // three corners on one line have no circle
    QPointF centre;
    double radius = 0.0;
    // The perpendicular bisector of the side opposite each corner, from the
    // centre (or the side) to the circle; none without a circle. Enlarged,
    // only their parts inside the box, null where none is.
    std::array<QLineF, 3> bisectors {};
    std::array<double, 3> arcRadii {};
    double letterSize = 0.0; // a letter's pixel size; 0 in a box too small for letters
    std::array<QPointF, 3> cornerLetters {};
    std::array<QPointF, 3> sideLetters {};
    // The triangle fills the box and its circle runs out of it; the strip
    // along the top is kept for saying so.
    bool enlarged = false;
    QRectF noteStrip;
};

// Scales the triangle so that its circumscribed circle, centred, fills `area`
// less a margin, proportions kept; A and B stay level with C above them. A
// triangle that would come out too small to read (one angle near 180
// degrees) is enlarged instead to fill the box below the note strip, its
// circle only partly shown. Letters keep clear of every corner, of the sides
// and of each other, and inside the box and off the note strip; arcs keep a
// least radius however short the sides.
PictureLayout layoutPicture(const QRectF &area, const TriangleCorners &model);

// The part of a circle whose centre lies outside `area` that can show in it,
// as a fine polyline: a painter draws a circle as four curves, which at a
// radius of thousands of pixels miss the corners by several.
QPolygonF arcInView(QPointF centre, double radius, const QRectF &area);

} // namespace triangle::ui
