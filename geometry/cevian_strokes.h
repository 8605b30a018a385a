// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/picture_geometry.h"

// How a given height, median or bisector is drawn beyond its line: the side
// carried on to a foot beyond it, and the small strokes that say what the
// cevian is.
namespace triangle::geometry {

// The side opposite `corner` carried on from its nearer end to a foot that
// lies beyond it; none for a foot on the side.
std::optional<Segment> carriedOn(const std::array<Point, 3> &corners, std::size_t corner, Point foot);

// The strokes that mark `marked` as a height (a right angle), a median
// (ticks on the halves of the side) or a bisector (ticks on the halves of the
// arc), `size` long.
std::vector<Segment> strokesOf(const PictureLayout &layout, const MarkedCevian &marked, double size);

} // namespace triangle::geometry
