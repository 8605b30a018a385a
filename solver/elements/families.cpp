// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/families.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace triangle {

namespace {

constexpr long double kSlack = 0x1p-50L;

bool equal(long double x, long double y) { return std::fabs(x - y) <= kSlack * std::max(x, y); }

// The given values by element at one vertex: its angle, the side opposite
// it, its height, median and bisector; R; none where not given.
struct AtVertex {
    std::optional<long double> angle, side, height, median, bisector, radius;
};

AtVertex valuesAt(const std::array<GivenElement, 3> &given, Vertex v)
{
    AtVertex at;
    for (const GivenElement &g : given) {
        if (g.element == Quantity::R)
            at.radius = g.value;
        const auto own = vertexOfElement(g.element);
        if (!own || *own != v)
            continue;
        switch (kindOf(g.element)) {
        case ElementKind::Angle: at.angle = g.value; break;
        case ElementKind::Side: at.side = g.value; break;
        case ElementKind::Height: at.height = g.value; break;
        case ElementKind::Median: at.median = g.value; break;
        case ElementKind::Bisector: at.bisector = g.value; break;
        case ElementKind::Single: break;
        }
    }
    return at;
}

// The hypotenuse, where the values say the angle at the vertex is right
// and nothing more: the median to the hypotenuse is half of it (Thales),
// and so is R.
std::optional<long double> hypotenuse(const AtVertex &at)
{
    const bool right = at.angle && equal(*at.angle, std::numbers::pi_v<long double> / 2);
    if (right && at.side && at.median && equal(*at.median, *at.side / 2))
        return at.side;
    if (right && at.radius && at.median && equal(*at.median, *at.radius))
        return 2 * *at.radius;
    if (at.side && at.radius && at.median && equal(*at.radius, *at.side / 2)
        && equal(*at.median, *at.side / 2))
        return at.side;
    return std::nullopt;
}

} // namespace

std::optional<Family> familyOf(const std::array<GivenElement, 3> &given)
{
    for (const Vertex v : kVertices) {
        const AtVertex at = valuesAt(given, v);
        if (const auto side = hypotenuse(at))
            return Family {FamilyKind::RightWithHypotenuse, v, sideOpposite(v), *side};
        if (at.height && at.median && at.bisector && equal(*at.height, *at.median)
            && equal(*at.height, *at.bisector))
            return Family {FamilyKind::IsoscelesWithHeight, v, sameKindAt(Quantity::ha, v), *at.height};
    }
    return std::nullopt;
}

} // namespace triangle
