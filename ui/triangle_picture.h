// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

#include "ui/picture_layout.h"

class QPainter;

namespace triangle::ui {

// Draws the triangle inscribed in its circumscribed circle, scaled to fill
// `area` as layoutPicture() places it: the corners labelled A, B, C, the
// sides a, b, c opposite them, an arc in each corner, and the three
// perpendicular bisectors dashed from the sides to the circle's centre. A
// nearly flat triangle comes enlarged, with a note at the top saying that
// its circle is only partly shown. Areas too small for lettering (an icon)
// get the drawing without letters.
void paintTriangle(QPainter &painter, const QRectF &area, const TriangleCorners &model);

} // namespace triangle::ui
