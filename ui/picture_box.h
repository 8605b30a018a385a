// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QFrame>

#include "solver/triangle.h"

#include "ui/triangle_picture.h"

class QLocale;

namespace triangle::ui {

// A triangle as the picture shows and describes it: its sides a, b, c and
// its angles at A, B, C in degrees.
struct TriangleMeasures {
    std::array<double, 3> sides {};
    std::array<double, 3> angles {};
};

TriangleMeasures measuresOf(const triangle::Triangle &record);

// The picture box: a sunken frame whose inside shows a triangle in its
// circumscribed circle.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    PictureBox(const geometry::TriangleCorners &corners, QWidget *parent);

    void showTriangle(const geometry::TriangleCorners &corners);

    // Draws the triangle to scale from its sides, and gives it the
    // description a screen reader says.
    void showMeasuredTriangle(const TriangleMeasures &measures, const QLocale &locale);

    // The drawing as laid out inside the border.
    geometry::PictureLayout pictureLayout() const;

    // Whether the triangle shown is drawn enlarged, its circle cut off.
    bool isEnlarged() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    geometry::TriangleCorners m_corners;
};

} // namespace triangle::ui
