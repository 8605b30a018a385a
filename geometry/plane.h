// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace triangle::geometry {

// A point or a vector of the plane.
struct Point {
    double x = 0.0;
    double y = 0.0;
};

constexpr Point operator+(Point p, Point q) { return {p.x + q.x, p.y + q.y}; }
constexpr Point operator-(Point p, Point q) { return {p.x - q.x, p.y - q.y}; }
constexpr Point operator-(Point p) { return {-p.x, -p.y}; }
constexpr Point operator*(Point p, double factor) { return {p.x * factor, p.y * factor}; }
constexpr Point operator*(double factor, Point p) { return {p.x * factor, p.y * factor}; }
constexpr Point operator/(Point p, double divisor) { return {p.x / divisor, p.y / divisor}; }

// An upright rectangle, y pointing down: its top left corner and its size.
// Each edge is computed from these four numbers as a painter computes it,
// so that the window draws at exactly the places laid out here.
struct Rect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    constexpr double right() const { return left + width; }
    constexpr double bottom() const { return top + height; }
    constexpr Point centre() const { return {left + width / 2, top + height / 2}; }
    // Each edge moved by its own amount, rightwards and downwards.
    constexpr Rect adjusted(double dLeft, double dTop, double dRight, double dBottom) const
    {
        return {left + dLeft, top + dTop, width + dRight - dLeft, height + dBottom - dTop};
    }
    // Inside or on an edge; an empty rectangle holds nothing.
    constexpr bool contains(Point p) const
    {
        return left < right() && top < bottom() && p.x >= left && p.x <= right() && p.y >= top
            && p.y <= bottom();
    }
};

// A line segment.
struct Segment {
    Point from;
    Point to;
};

} // namespace triangle::geometry
