// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/picture_geometry.h"
#include "geometry/plane.h"

namespace triangle::geometry {

// Every letter of the layout: the corners', the sides', the angles' names,
// the centre's and the marked cevians' labels, each clear of the lines and
// of the others (the letter placer), inside `area`.
void placeLetters(PictureLayout &layout, const Rect &area);

} // namespace triangle::geometry
