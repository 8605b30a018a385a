// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

#include <QFrame>

#include "solver/triangle/triangle.h"
#include "wording/language.h"

#include "ui/triangle_picture.h"

namespace triangle::ui {

// A triangle as the picture shows and describes it: its sides a, b, c, its
// angles at A, B, C in degrees, and the given cevians it marks.
struct TriangleMeasures {
    std::array<double, 3> sides {};
    std::array<double, 3> angles {};
    std::vector<geometry::Cevian> marked {};
};

TriangleMeasures measuresOf(const triangle::Triangle &record);

// The picture box: a sunken frame whose inside shows a triangle in its
// circumscribed circle.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    PictureBox(const geometry::TriangleCorners &corners, QWidget *parent);

    void showTriangle(const geometry::TriangleCorners &corners, std::vector<geometry::Cevian> marked = {});

    // Draws the triangle to scale from its sides, and gives it the
    // description a screen reader says (`description`, and the note of an
    // enlarged drawing).
    void showMeasuredTriangle(const TriangleMeasures &measures, const QString &description);

    // The given and asked elements of a practice problem; none elsewhere.
    void setMarks(const geometry::ElementMarks &marks);

    // The language of the note an enlarged drawing carries.
    void setLanguage(const wording::Language &language);

    // The drawing as laid out inside the border.
    geometry::PictureLayout pictureLayout() const;

    // Whether the triangle shown is drawn enlarged, its circle cut off.
    bool isEnlarged() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString enlargedNote() const;

    geometry::TriangleCorners m_corners;
    std::vector<geometry::Cevian> m_marked;
    geometry::ElementMarks m_marks;
    const wording::Language *m_language = &wording::kBulgarian;
};

} // namespace triangle::ui
