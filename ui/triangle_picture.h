#pragma once

#include <QPointF>
#include <QRectF>

class QPainter;

namespace triangle::ui {

// A triangle's corners in any unit, y pointing up.
struct TriangleCorners {
    QPointF A;
    QPointF B;
    QPointF C;
};

// The corners of the triangle with sides a, b, c: A at the origin, B to its
// right along the x axis, C above. Sides that close no triangle put C on the
// x axis.
TriangleCorners cornersFromSides(double a, double b, double c);

// Draws the triangle inscribed in its circumscribed circle, scaled to fill
// `area`: the corners labelled A, B, C, the sides a, b, c opposite them, an
// arc in each corner, and the three perpendicular bisectors dashed from the
// sides to the circle's centre. Areas too small for lettering (an icon) get
// the drawing without the letters.
void paintTriangle(QPainter &painter, const QRectF &area, const TriangleCorners &model);

} // namespace triangle::ui
