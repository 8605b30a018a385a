// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <numbers>

#include "solver/elements/unit_triangle.h"

namespace triangle {

// The shapes textbooks use, where the search's equations have their double
// roots: a right angle, two equal angles, all three equal.
enum class SpecialShape { Right, Isosceles, Equilateral };

// A line of special shapes through a parameter t in (0, pi/2): the right
// angle at `vertex` with t at the next vertex, or the apex at `vertex`
// with t at each of the two others.
struct SpecialLine {
    SpecialShape shape = SpecialShape::Right;
    Vertex vertex = Vertex::A;

    Shape<long double> at(long double t) const
    {
        constexpr long double kPi = std::numbers::pi_v<long double>;
        std::array<long double, 3> angles {};
        const auto own = static_cast<std::size_t>(indexOf(vertex));
        angles.at(own) = shape == SpecialShape::Right ? kPi / 2 : kPi - 2 * t;
        angles.at((own + 1) % 3) = t;
        angles.at((own + 2) % 3) = shape == SpecialShape::Right ? kPi / 2 - t : t;
        return {angles[0], angles[1], angles[2]};
    }
};

// The right angle at A, B, C, then the apex at A, B, C.
inline std::array<SpecialLine, 6> specialLines()
{
    std::array<SpecialLine, 6> lines;
    for (const Vertex v : kVertices) {
        lines.at(static_cast<std::size_t>(indexOf(v))) = {SpecialShape::Right, v};
        lines.at(static_cast<std::size_t>(indexOf(v)) + 3) = {SpecialShape::Isosceles, v};
    }
    return lines;
}

} // namespace triangle
