// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include <QFont>
#include <QString>

#include "geometry/picture_geometry.h"

class QPagedPaintDevice;

namespace triangle::ui {

// What goes on paper: the title, the picture of the triangle (none when the
// values make no real triangle) and the solution's lines.
struct SolutionPage {
    QString title;
    std::optional<geometry::TriangleCorners> picture;
    std::vector<geometry::Cevian> marked; // the given heights, medians and bisectors
    QString text;                         // one paragraph a line
    QFont font;
    QString enlargedNote; // written in the picture where it is drawn enlarged
};

// Lays the page out on a printer or a PDF writer: the title, the picture
// centred below it, then the lines, wrapped to the page's width and carried
// over to further pages when they do not fit.
void printSolution(const SolutionPage &page, QPagedPaintDevice &device);

} // namespace triangle::ui
