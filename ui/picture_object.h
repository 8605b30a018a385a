// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QObject>
#include <QTextObjectInterface>

#include "geometry/picture_geometry.h"

namespace triangle::ui {

// The picture of a triangle as a character of a text document: the
// document makes room for it and carries it with the lines onto any page and
// any printer, drawn by the window's own routine as lines and curves rather
// than pixels.
class PictureObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    // The object type a character format names to show this picture.
    static constexpr int kType = QTextFormat::UserObject + 1;

    // `enlargedNote`: the note an enlarged picture carries; `marked`: the
    // heights, medians and bisectors drawn to their feet.
    PictureObject(const geometry::TriangleCorners &corners, double centimetres, QString enlargedNote,
        std::vector<geometry::Cevian> marked = {});

    QSizeF intrinsicSize(QTextDocument *document, int, const QTextFormat &) override;
    void drawObject(
        QPainter *painter, const QRectF &rect, QTextDocument *document, int, const QTextFormat &) override;

private:
    geometry::TriangleCorners m_corners;
    double m_centimetres;
    QString m_enlargedNote;
    std::vector<geometry::Cevian> m_marked;
};

} // namespace triangle::ui
