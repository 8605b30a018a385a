// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plane_in_qt.h"

namespace triangle::ui {

QPointF toQt(geometry::Point p) { return {p.x, p.y}; }

QRectF toQt(const geometry::Rect &r) { return {r.left, r.top, r.width, r.height}; }

QLineF toQt(const geometry::Segment &s) { return {toQt(s.from), toQt(s.to)}; }

QPolygonF toQt(std::span<const geometry::Point> points)
{
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const geometry::Point p : points)
        polygon.append(toQt(p));
    return polygon;
}

geometry::Point fromQt(QPointF p) { return {p.x(), p.y()}; }

geometry::Rect fromQt(const QRectF &r) { return {r.x(), r.y(), r.width(), r.height()}; }

} // namespace triangle::ui
