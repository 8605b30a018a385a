// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_box.h"

#include <QPainter>

#include "solver/solve.h"

#include "ui/accessible_roles.h"
#include "ui/design_placement.h"
#include "ui/spoken_texts.h"

namespace triangle::ui {

TriangleMeasures measuresOf(const triangle::Triangle &record)
{
    TriangleMeasures measures;
    for (int vertex = 0; vertex < 3; ++vertex) {
        measures.angles.at(vertex) = triangle::fieldValue(record, triangle::quantityAt(vertex)).toDouble();
        measures.sides.at(vertex) = triangle::fieldValue(record, triangle::quantityAt(vertex + 3)).toDouble();
    }
    return measures;
}

PictureBox::PictureBox(const TriangleCorners &corners, QWidget *parent) : QFrame(parent), m_corners(corners)
{
    // A 2-pixel sunken border leaves the drawing its 174 x 174 pixels.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    installAccessibleRoles();
}

void PictureBox::showTriangle(const TriangleCorners &corners)
{
    m_corners = corners;
    update();
}

void PictureBox::showMeasuredTriangle(const TriangleMeasures &measures, const QLocale &locale)
{
    const auto &[a, b, c] = measures.sides;
    showTriangle(cornersFromSides(a, b, c));
    QString description = triangleDescription(measures.sides, measures.angles, locale);
    if (isEnlarged())
        description += QStringLiteral(". ") + utf8(design::kEnlargedPictureNote);
    setAccessibleDescription(description);
}

bool PictureBox::isEnlarged() const { return layoutPicture(contentsRect(), m_corners).enlarged; }

void PictureBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        paintTriangle(painter, contentsRect(), m_corners);
    }
    QFrame::paintEvent(event);
}

} // namespace triangle::ui
