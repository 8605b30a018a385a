// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_object.h"

#include <utility>

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include "ui/triangle_picture.h"

namespace triangle::ui {

namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr double kScreenDpi = 96.0;

} // namespace

PictureObject::PictureObject(const geometry::TriangleCorners &corners, double centimetres,
    QString enlargedNote, std::vector<geometry::Cevian> marked)
    : m_corners(corners), m_centimetres(centimetres), m_enlargedNote(std::move(enlargedNote)),
      m_marked(std::move(marked))
{
}

// The same size on paper whatever the device's resolution: the layout counts
// in the pixels of the device it lays the document out for.
QSizeF PictureObject::intrinsicSize(QTextDocument *document, int, const QTextFormat &)
{
    const QPaintDevice *device = document->documentLayout()->paintDevice();
    const double dpi = device != nullptr ? device->logicalDpiY() : kScreenDpi;
    const double side = m_centimetres / kCentimetresPerInch * dpi;
    return {side, side};
}

// Lettered in the text's font, as the window letters its picture in its own.
void PictureObject::drawObject(
    QPainter *painter, const QRectF &rect, QTextDocument *document, int, const QTextFormat &)
{
    painter->save();
    painter->setFont(document->defaultFont());
    paintTriangle(*painter, rect, m_corners, m_enlargedNote, m_marked);
    painter->restore();
}

} // namespace triangle::ui
