// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

#include "triangle_picture.h"

namespace triangle::ui {

// The picture box: a sunken frame whose inside shows a triangle in its
// circumscribed circle.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    PictureBox(const TriangleCorners &corners, QWidget *parent);

    void showTriangle(const TriangleCorners &corners);

    // Whether the triangle shown is drawn enlarged, its circle cut off.
    bool isEnlarged() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TriangleCorners m_corners;
};

} // namespace triangle::ui
