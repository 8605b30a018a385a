// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/plane_math.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace triangle::geometry {

double distanceToSegment(Point point, Point p, Point q)
{
    const Point along = q - p;
    const double squared = dot(along, along);
    const double t = squared > 0.0 ? std::clamp(dot(point - p, along) / squared, 0.0, 1.0) : 0.0;
    return length(point - (p + t * along));
}

std::optional<Circle> circumcircle(Point a, Point b, Point c)
{
    const double d = 2.0 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    const double size = std::max({length(b - a), length(c - b), length(a - c)});
    if (size == 0.0 || std::abs(d) < 1e-9 * size * size)
        return std::nullopt;
    const double a2 = dot(a, a);
    const double b2 = dot(b, b);
    const double c2 = dot(c, c);
    const Point centre {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
        (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
    return Circle {centre, length(a - centre)};
}

Point outwardNormal(const std::array<Point, 3> &corners, std::size_t i)
{
    const Point p = corners[(i + 1) % 3];
    const Point q = corners[(i + 2) % 3];
    const Point normal = unit(Point {-(q - p).y, (q - p).x});
    return dot(normal, (p + q) / 2 - corners[i]) < 0 ? -normal : normal;
}

std::optional<Segment> clippedTo(const Segment &line, const Rect &box)
{
    const Point along = line.to - line.from;
    double enter = 0.0;
    double leave = 1.0;
    const std::array<std::pair<double, double>, 4> edges = {{
        {-along.x, line.from.x - box.left},
        {along.x, box.right() - line.from.x},
        {-along.y, line.from.y - box.top},
        {along.y, box.bottom() - line.from.y},
    }};
    for (const auto &[towards, room] : edges) {
        if (towards == 0.0) {
            if (room < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = room / towards;
        if (towards < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter >= leave)
        return std::nullopt;
    return Segment {line.from + enter * along, line.from + leave * along};
}

bool insideTriangle(Point at, const std::array<Point, 3> &corners)
{
    const auto turn = [&](std::size_t i) {
        const Point p = corners[i];
        const Point q = corners[(i + 1) % 3];
        return (q.x - p.x) * (at.y - p.y) - (q.y - p.y) * (at.x - p.x);
    };
    const double first = turn(0);
    const double second = turn(1);
    const double third = turn(2);
    return (first > 0 && second > 0 && third > 0) || (first < 0 && second < 0 && third < 0);
}

} // namespace triangle::geometry
