// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_box.h"

#include "accessible_roles.h"

#include <QPainter>

namespace triangle::ui {

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
