// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include "geometry/plane.h"

// The plane's points, rectangles and segments as Qt's types and back: the
// geometry library lays the picture out without Qt, the window paints it
// with Qt.
namespace triangle::ui {

QPointF toQt(geometry::Point p);
QRectF toQt(const geometry::Rect &r);
QLineF toQt(const geometry::Segment &s);
// The corners of a triangle, or the points of a polyline such as an
// enlarged circle's arc in view.
QPolygonF toQt(std::span<const geometry::Point> points);

geometry::Point fromQt(QPointF p);
geometry::Rect fromQt(const QRectF &r);

} // namespace triangle::ui
