// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace triangle {

// Where three values fit more than one triangle, a procedure meets branch
// points: an angle found from its sine (acute or obtuse) and the order of the
// two sides found from the area (by the side assignment rule or mirrored).
// By default every point takes the first branch, which is the triangle the
// window shows; a bit set in the mask takes the other branch at that point,
// so enumerating masks enumerates every triangle a procedure can reach.
class Branches {
public:
    Branches() = default;
    explicit Branches(unsigned mask) : m_mask(mask) {}

    // Consumes the next branch point; true means "take the other branch".
    bool takeOther()
    {
        const bool other = ((m_mask >> m_visited) & 1U) != 0U;
        ++m_visited;
        return other;
    }

    int pointsVisited() const { return m_visited; }

private:
    unsigned m_mask = 0;
    int m_visited = 0;
};

} // namespace triangle
