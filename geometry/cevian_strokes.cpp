// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/cevian_strokes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "geometry/plane_math.h"

namespace triangle::geometry {

namespace {

// A height's right angle at its foot, its legs along the height and towards
// the side's middle; none where the height is too short to show it.
std::vector<Segment> rightAngleStrokes(const Segment &line, Point middle, Point alongSide, double size)
{
    const Point foot = line.to;
    if (length(line.from - foot) < 2 * size)
        return {};
    const Point up = unit(line.from - foot) * size;
    const Point towardsMiddle = length(middle - foot) > size ? middle - foot : alongSide;
    const Point sideways = unit(towardsMiddle) * size;
    return {{foot + sideways, foot + sideways + up}, {foot + sideways + up, foot + up}};
}

// Ticks across the middles of a side's two halves, which a median makes
// equal; none on a side too short to hold them apart.
std::vector<Segment> equalHalvesStrokes(Point p, Point q, double size)
{
    if (length(q - p) < 4 * size)
        return {};
    const Point across = unit(Point {p.y - q.y, q.x - p.x}) * (size / 2);
    std::vector<Segment> strokes;
    for (const Point middle : {p + (q - p) / 4, p + 3 * (q - p) / 4})
        strokes.push_back({middle - across, middle + across});
    return strokes;
}

// Ticks across the corner's arc, one in each half of the angle an angle
// bisector halves.
std::vector<Segment> equalAnglesStrokes(const Segment &line, Point p, Point q, double arcRadius, double size)
{
    const Point corner = line.from;
    const Point halving = unit(line.to - corner);
    std::vector<Segment> strokes;
    for (const Point end : {p, q}) {
        const Point quarter = unit(unit(end - corner) + halving);
        strokes.push_back(
            {corner + (arcRadius - size / 2) * quarter, corner + (arcRadius + size / 2) * quarter});
    }
    return strokes;
}

} // namespace

std::optional<Segment> carriedOn(const std::array<Point, 3> &corners, std::size_t corner, Point foot)
{
    const Point p = corners[(corner + 1) % 3];
    const Point q = corners[(corner + 2) % 3];
    const Point along = q - p;
    const double squared = dot(along, along);
    // A right angle's foot is its corner, give or take a rounding error.
    constexpr double kOnTheSide = 1e-9;
    const double t = squared > 0.0 ? dot(foot - p, along) / squared : 0.0;
    if (t < -kOnTheSide)
        return Segment {p, foot};
    if (t > 1 + kOnTheSide)
        return Segment {q, foot};
    return std::nullopt;
}

std::vector<Segment> strokesOf(const PictureLayout &layout, const MarkedCevian &marked, double size)
{
    const std::size_t i = marked.cevian.corner;
    const Point p = layout.corners[(i + 1) % 3];
    const Point q = layout.corners[(i + 2) % 3];
    switch (marked.cevian.kind) {
    case CevianKind::Height: return rightAngleStrokes(marked.line, (p + q) / 2, q - p, size);
    case CevianKind::Median: return equalHalvesStrokes(p, q, size);
    case CevianKind::AngleBisector: return equalAnglesStrokes(marked.line, p, q, layout.arcRadii[i], size);
    }
    return {};
}

Point footOf(const std::array<Point, 3> &corners, Cevian cevian)
{
    const Point from = corners.at(cevian.corner);
    const Point p = corners.at((cevian.corner + 1) % 3);
    const Point q = corners.at((cevian.corner + 2) % 3);
    switch (cevian.kind) {
    case CevianKind::Height: {
        const Point along = q - p;
        const double squared = dot(along, along);
        return squared > 0.0 ? p + (dot(from - p, along) / squared) * along : p;
    }
    case CevianKind::Median: return (p + q) / 2;
    case CevianKind::AngleBisector: {
        const double toP = length(p - from);
        const double toQ = length(q - from);
        return toP + toQ > 0.0 ? p + (toP / (toP + toQ)) * (q - p) : p;
    }
    }
    return p;
}

} // namespace triangle::geometry
