// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_layout.h"

#include "geometry/picture_geometry.h"

namespace triangle::ui {

namespace {

QPointF toQt(geometry::Point p) { return {p.x, p.y}; }

geometry::Point fromQt(QPointF p) { return {p.x(), p.y()}; }

geometry::Rect fromQt(const QRectF &r) { return {r.x(), r.y(), r.width(), r.height()}; }

std::array<QPointF, 3> toQt(const std::array<geometry::Point, 3> &points)
{
    return {toQt(points[0]), toQt(points[1]), toQt(points[2])};
}

TriangleCorners toQt(const geometry::TriangleCorners &corners)
{
    return {toQt(corners.A), toQt(corners.B), toQt(corners.C)};
}

} // namespace

TriangleCorners cornersFromSides(double a, double b, double c)
{
    return toQt(geometry::cornersFromSides(a, b, c));
}

PictureLayout layoutPicture(const QRectF &area, const TriangleCorners &model)
{
    const geometry::PictureLayout laid
        = geometry::layoutPicture(fromQt(area), {fromQt(model.A), fromQt(model.B), fromQt(model.C)});
    PictureLayout layout;
    layout.corners = toQt(laid.corners);
    layout.hasCircle = laid.hasCircle;
    layout.centre = toQt(laid.centre);
    layout.radius = laid.radius;
    for (std::size_t i = 0; i < 3; ++i) {
        if (const auto &bisector = laid.bisectors.at(i))
            layout.bisectors.at(i) = QLineF(toQt(bisector->from), toQt(bisector->to));
    }
    layout.arcRadii = laid.arcRadii;
    layout.letterSize = laid.letterSize;
    layout.cornerLetters = toQt(laid.cornerLetters);
    layout.sideLetters = toQt(laid.sideLetters);
    layout.enlarged = laid.enlarged;
    layout.noteStrip
        = QRectF(laid.noteStrip.left, laid.noteStrip.top, laid.noteStrip.width, laid.noteStrip.height);
    return layout;
}

QPolygonF arcInView(QPointF centre, double radius, const QRectF &area)
{
    QPolygonF arc;
    for (const geometry::Point p : geometry::arcInView(fromQt(centre), radius, fromQt(area)))
        arc.append(toQt(p));
    return arc;
}

} // namespace triangle::ui
