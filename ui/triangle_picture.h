// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include <QFont>
#include <QRectF>
#include <QStringList>

#include "geometry/picture_geometry.h"

class QPainter;

namespace triangle::ui {

// Draws the triangle inscribed in its circumscribed circle, scaled to fill
// `area` as geometry::layoutPicture() places it: the corners labelled A, B,
// C, the sides a, b, c opposite them, an arc in each corner, and the three
// perpendicular bisectors dashed from the sides to the circle's centre. A
// nearly flat triangle comes enlarged, with a note at the top saying that
// its circle is only partly shown. Areas too small for lettering (an icon)
// get the drawing without letters. The `marked` heights, medians and angle
// bisectors are drawn from their corners to their feet, labelled.
// `enlargedNote` is the note's text. A practice problem's figure `marks`
// its given elements' letters, bold in their own colour, and writes "?" by
// the asked ones'.
void paintTriangle(QPainter &painter, const QRectF &area, const geometry::TriangleCorners &model,
    const QString &enlargedNote = {}, std::span<const geometry::Cevian> marked = {},
    const geometry::ElementMarks &marks = {});

// The note of an enlarged picture as written in its strip: in `font` at the
// size of the picture's letters, or smaller as far as the strip needs, one
// line if the whole fits its width, else one line for each phrase.
struct StripNote {
    QFont font;
    QStringList lines;
};

StripNote enlargedNote(const QString &text, QFont font, const QRectF &strip, double letterSize);

} // namespace triangle::ui
