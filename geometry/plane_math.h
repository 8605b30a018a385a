// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

#include "geometry/plane.h"

// Lengths, circles, clipping and sides of the plane, for laying out the
// picture.
namespace triangle::geometry {

struct Circle {
    Point centre;
    double radius = 0.0;
};

inline double dot(Point u, Point v) { return u.x * v.x + u.y * v.y; }

inline double length(Point v) { return std::hypot(v.x, v.y); }

inline Point unit(Point v)
{
    const double n = length(v);
    return n > 0.0 ? v / n : Point {};
}

// The distance from `point` to the segment from p to q.
double distanceToSegment(Point point, Point p, Point q);

// None for three corners on one line.
std::optional<Circle> circumcircle(Point a, Point b, Point c);

// The unit normal of the side opposite corner i, pointing away from it.
Point outwardNormal(const std::array<Point, 3> &corners, std::size_t i);

// The part of `line` inside `box`, or none when no part is (Liang and
// Barsky's clipping).
std::optional<Segment> clippedTo(const Segment &line, const Rect &box);

// Strictly inside the triangle, off its sides.
bool insideTriangle(Point at, const std::array<Point, 3> &corners);

} // namespace triangle::geometry
