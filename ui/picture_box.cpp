// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_box.h"

#include <utility>

#include <QPainter>

#include "solver/list/solve.h"

#include "ui/accessible_roles.h"
#include "ui/design_placement.h"
#include "ui/plane_in_qt.h"

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

PictureBox::PictureBox(const geometry::TriangleCorners &corners, QWidget *parent)
    : QFrame(parent), m_corners(corners)
{
    // A 2-pixel sunken border leaves the drawing its 174 x 174 pixels.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    installAccessibleRoles();
}

void PictureBox::showTriangle(const geometry::TriangleCorners &corners, std::vector<geometry::Cevian> marked)
{
    m_corners = corners;
    m_marked = std::move(marked);
    update();
}

void PictureBox::showMeasuredTriangle(const TriangleMeasures &measures, const QString &description)
{
    const auto &[a, b, c] = measures.sides;
    showTriangle(geometry::cornersFromSides(a, b, c), measures.marked);
    setAccessibleDescription(
        isEnlarged() ? description + QStringLiteral(". ") + enlargedNote() : description);
}

void PictureBox::setMarks(const geometry::ElementMarks &marks)
{
    if (marks == m_marks)
        return;
    m_marks = marks;
    update();
}

void PictureBox::setLanguage(const wording::Language &language)
{
    m_language = &language;
    update();
}

QString PictureBox::enlargedNote() const { return utf8(m_language->window.enlargedPicture); }

geometry::PictureLayout PictureBox::pictureLayout() const
{
    return geometry::layoutPicture(fromQt(QRectF(contentsRect())), m_corners, m_marked);
}

bool PictureBox::isEnlarged() const { return pictureLayout().enlarged; }

void PictureBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        paintTriangle(painter, contentsRect(), m_corners, enlargedNote(), m_marked, m_marks);
    }
    QFrame::paintEvent(event);
}

} // namespace triangle::ui
