// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/triangle_picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include "ui/form_design.h"

namespace triangle::ui {

namespace {

void drawCircle(QPainter &painter, const PictureLayout &layout, const QRectF &area, double side)
{
    painter.setPen(QPen(QColor(0, 0, 160), std::max(1.0, side / 120)));
    // An enlarged circle's centre may lie far outside: its arc in view is
    // drawn instead.
    if (layout.enlarged && !area.contains(layout.centre))
        painter.drawPolyline(arcInView(layout.centre, layout.radius, area));
    else
        painter.drawEllipse(layout.centre, layout.radius, layout.radius);
    // A dash pattern counts in pen widths: a hairline's dashes on a
    // 1200-dpi page would be too fine to see.
    painter.setPen(QPen(QColor(90, 90, 90), std::max(1.0, side / 180), Qt::DashLine));
    for (const QLineF &bisector : layout.bisectors) {
        if (!bisector.isNull())
            painter.drawLine(bisector);
    }
}

void drawEnlargedNote(QPainter &painter, const PictureLayout &layout)
{
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(std::lround(0.75 * layout.letterSize))));
    font.setItalic(false);
    painter.setFont(font);
    painter.setPen(QColor(96, 0, 0));
    painter.drawText(layout.noteStrip.adjusted(2, 1, -2, 0),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
        QString::fromUtf8(design::kEnlargedPictureNote.data(),
            static_cast<qsizetype>(design::kEnlargedPictureNote.size())));
}

// Qt counts arc angles counter-clockwise as seen on the screen, in 1/16 degree.
void drawCornerArc(QPainter &painter, QPointF at, QPointF towardsOne, QPointF towardsOther, double radius)
{
    const auto screenAngle = [](QPointF v) { return std::atan2(-v.y(), v.x()) * 180.0 / std::numbers::pi; };
    const double start = screenAngle(towardsOne - at);
    double span = screenAngle(towardsOther - at) - start;
    if (span > 180.0)
        span -= 360.0;
    if (span < -180.0)
        span += 360.0;
    painter.drawArc(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius),
        static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void drawArcs(QPainter &painter, const PictureLayout &layout, double side)
{
    painter.setPen(QPen(QColor(170, 0, 0), std::max(1.0, side / 150)));
    const auto &corners = layout.corners;
    for (std::size_t i = 0; i < 3; ++i)
        drawCornerArc(painter, corners[i], corners[(i + 1) % 3], corners[(i + 2) % 3], layout.arcRadii[i]);
}

// The letter's ink, not its line of type, is centred: a small letter sits
// lower in its line than a capital.
void drawLetter(QPainter &painter, QPointF centre, const QString &letter)
{
    const QRectF ink = QFontMetricsF(painter.font()).tightBoundingRect(letter);
    painter.drawText(centre - ink.center(), letter);
}

// Corners upright, sides in italics, as a textbook letters them.
void drawLetters(QPainter &painter, const PictureLayout &layout)
{
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(std::lround(layout.letterSize))));
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < 3; ++i) {
        font.setItalic(false);
        painter.setFont(font);
        drawLetter(painter, layout.cornerLetters[i], QString(QChar(static_cast<char16_t>(u'A' + i))));
        font.setItalic(true);
        painter.setFont(font);
        drawLetter(painter, layout.sideLetters[i], QString(QChar(static_cast<char16_t>(u'a' + i))));
    }
}

} // namespace

void paintTriangle(QPainter &painter, const QRectF &area, const TriangleCorners &model)
{
    const double side = std::min(area.width(), area.height());
    const PictureLayout layout = layoutPicture(area, model);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    painter.setClipRect(area);
    if (layout.hasCircle)
        drawCircle(painter, layout, area, side);
    drawArcs(painter, layout, side);
    painter.setPen(QPen(Qt::black, std::max(1.0, side / 90)));
    const auto &corners = layout.corners;
    painter.drawPolygon(QPolygonF({corners[0], corners[1], corners[2]}));
    if (layout.letterSize > 0)
        drawLetters(painter, layout);
    if (layout.enlarged)
        drawEnlargedNote(painter, layout);
    painter.restore();
}

} // namespace triangle::ui
