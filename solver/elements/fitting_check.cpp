// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/fitting_check.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace triangle {

namespace {

using Sides = std::array<long double, 3>;

// The least angle a proper triangle has here, in radians: 1e-6°.
constexpr long double kLeastAngle = 1e-6L * std::numbers::pi_v<long double> / 180;
constexpr long double kAgreement = 1e-8L;

// The angle at vertex i, from the three sides by the half-angle tangent,
// which keeps its digits for thin and flat triangles: tan(α/2) =
// √((p − b)(p − c) / (p·(p − a))).
long double angleAt(const Sides &s, std::size_t i)
{
    const long double own = s.at(i);
    const long double next = s.at((i + 1) % 3);
    const long double last = s.at((i + 2) % 3);
    const long double p = (own + next + last) / 2;
    return 2 * std::atan2(std::sqrt((p - next) * (p - last)), std::sqrt(p * (p - own)));
}

// Heron's formula in the form that keeps its digits (the sides sorted,
// largest first).
long double area(Sides s)
{
    std::sort(s.begin(), s.end(), std::greater<>());
    const auto [a, b, c] = s;
    return std::sqrt((a + (b + c)) * (c - (a - b)) * (c + (a - b)) * (a + (b - c))) / 4;
}

} // namespace

long double elementOfSides(Quantity q, const Sides &sides)
{
    const long double perimeter = sides[0] + sides[1] + sides[2];
    const std::optional<Vertex> vertex = vertexOfElement(q);
    const auto at = vertex ? static_cast<std::size_t>(indexOf(*vertex)) : 0;
    const long double own = sides.at(at);
    const long double next = sides.at((at + 1) % 3);
    const long double last = sides.at((at + 2) % 3);
    switch (kindOf(q)) {
    case ElementKind::Angle: return angleAt(sides, at);
    case ElementKind::Side: return own;
    case ElementKind::Height: return 2 * area(sides) / own;
    case ElementKind::Median: return std::sqrt(2 * next * next + 2 * last * last - own * own) / 2;
    case ElementKind::Bisector:
        return std::sqrt(next * last * (next + last + own) * (next + last - own)) / (next + last);
    case ElementKind::Single: break;
    }
    switch (q) {
    case Quantity::S: return area(sides);
    case Quantity::R: return sides[0] * sides[1] * sides[2] / (4 * area(sides));
    case Quantity::P: return perimeter;
    case Quantity::r: return 2 * area(sides) / perimeter;
    default: return 0;
    }
}

bool fitsGivenValues(const Sides &sides, const std::array<GivenElement, 3> &given)
{
    if (!std::all_of(
            sides.begin(), sides.end(), [](long double side) { return side > 0 && std::isfinite(side); }))
        return false;
    // The least angle lies opposite the shortest side.
    const auto shortest
        = static_cast<std::size_t>(std::min_element(sides.begin(), sides.end()) - sides.begin());
    if (!(angleAt(sides, shortest) >= kLeastAngle))
        return false;
    return std::all_of(given.begin(), given.end(), [&](const GivenElement &g) {
        const long double own = elementOfSides(g.element, sides);
        return std::fabs(own - g.value) <= kAgreement * g.value;
    });
}

} // namespace triangle
