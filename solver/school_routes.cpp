// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/school_routes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace triangle {

namespace {

using enum Quantity;
using Values = std::array<long double, 3>;
using Found = std::vector<Sides>;

// A difference of squares that rounding may have pushed a little below 0
// where the data make it exactly 0 (an isosceles or right triangle).
constexpr long double kSlack = 0x1p-50L;

long double square(long double x) { return x * x; }

// Two numbers from their sum and product, either way round (once where
// they are equal); none where no real pair has them.
Found pairsFromSumAndProduct(long double first, long double sum, long double product)
{
    long double squaredDifference = sum * sum - 4 * product;
    if (squaredDifference < -kSlack * sum * sum)
        return {};
    const long double difference = std::sqrt(std::max(squaredDifference, 0.0L));
    const long double larger = (sum + difference) / 2;
    const long double smaller = (sum - difference) / 2;
    if (!(smaller > 0))
        return {};
    if (difference <= kSlack * sum)
        return {{first, larger, larger}};
    return {{first, larger, smaller}, {first, smaller, larger}};
}

// The side opposite the angle between two sides.
long double lawOfCosines(long double x, long double y, long double cosine)
{
    return std::sqrt(std::max(x * x + y * y - 2 * x * y * cosine, 0.0L));
}

// Both angles with this sine, the acute one first, each once.
std::vector<long double> anglesWithSine(long double sine)
{
    if (sine > 1 + kSlack)
        return {};
    const long double acute = std::asin(std::min(sine, 1.0L));
    if (sine >= 1 - kSlack)
        return {acute};
    return {acute, std::numbers::pi_v<long double> - acute};
}

// The routes, each for its elements in this order with these values.
struct Route {
    std::array<Quantity, 3> elements;
    Found (*sides)(const Values &);
};

Found fromMedians(const Values &m)
{
    const auto side = [&](long double own, long double x, long double y) {
        const long double squared = 2 * x * x + 2 * y * y - own * own;
        return squared > 0 ? 2 * std::sqrt(squared) / 3 : 0.0L;
    };
    const Sides sides = {side(m[0], m[1], m[2]), side(m[1], m[0], m[2]), side(m[2], m[0], m[1])};
    if (std::any_of(sides.begin(), sides.end(), [](long double s) { return !(s > 0); }))
        return {};
    return {sides};
}

// The sides are as the heights' reciprocals; S = a·h_a / 2 sets the size.
Found fromHeights(const Values &h)
{
    const Sides u = {1 / h[0], 1 / h[1], 1 / h[2]};
    const long double p = (u[0] + u[1] + u[2]) / 2;
    const long double heron = p * (p - u[0]) * (p - u[1]) * (p - u[2]);
    if (!(heron > 0))
        return {};
    const long double scale = 1 / (2 * std::sqrt(heron));
    return {{scale * u[0], scale * u[1], scale * u[2]}};
}

const std::array<Route, 13> kRoutes = {{
    {{ma, mb, mc}, fromMedians},
    {{ha, hb, hc}, fromHeights},
    // c² = 2a² + 2b² − 4m_c²
    {{a, b, mc},
        [](const Values &v) -> Found {
            const long double c2 = 2 * square(v[0]) + 2 * square(v[1]) - 4 * square(v[2]);
            return c2 > 0 ? Found {{v[0], v[1], std::sqrt(c2)}} : Found {};
        }},
    // m_a² = (2b² + 2c² − a²) / 4
    {{a, b, ma},
        [](const Values &v) -> Found {
            const long double c2 = (4 * square(v[2]) + square(v[0]) - 2 * square(v[1])) / 2;
            return c2 > 0 ? Found {{v[0], v[1], std::sqrt(c2)}} : Found {};
        }},
    // sin α = h_c / b, sin β = h_c / a, c = a·cos β + b·cos α
    {{a, b, hc},
        [](const Values &v) -> Found {
            Found found;
            for (const long double alpha : anglesWithSine(v[2] / v[1])) {
                for (const long double beta : anglesWithSine(v[2] / v[0])) {
                    const long double c = v[0] * std::cos(beta) + v[1] * std::cos(alpha);
                    if (alpha + beta < std::numbers::pi_v<long double> && c > 0)
                        found.push_back({v[0], v[1], c});
                }
            }
            return found;
        }},
    // sin γ = h_a / b, then the law of cosines
    {{a, b, ha},
        [](const Values &v) -> Found {
            Found found;
            for (const long double gamma : anglesWithSine(v[2] / v[1]))
                found.push_back({v[0], v[1], lawOfCosines(v[0], v[1], std::cos(gamma))});
            return found;
        }},
    // cos(γ/2) = l_c·(a + b) / (2ab)
    {{a, b, lc},
        [](const Values &v) -> Found {
            const long double halfCosine = v[2] * (v[0] + v[1]) / (2 * v[0] * v[1]);
            if (!(halfCosine < 1))
                return {};
            return {{v[0], v[1], lawOfCosines(v[0], v[1], 2 * square(halfCosine) - 1)}};
        }},
    // bc = a·h_a / sin α, (b + c)² = a² + 2bc·(1 + cos α)
    {{A, a, ha},
        [](const Values &v) -> Found {
            const long double product = v[1] * v[2] / std::sin(v[0]);
            return pairsFromSumAndProduct(
                v[1], std::sqrt(square(v[1]) + 2 * product * (1 + std::cos(v[0]))), product);
        }},
    // c = h_a / sin β, then the law of cosines
    {{B, a, ha},
        [](const Values &v) -> Found {
            const long double c = v[2] / std::sin(v[0]);
            return {{v[1], lawOfCosines(v[1], c, std::cos(v[0])), c}};
        }},
    // The median's foot is the middle of a, the height's lies √(m_a² − h_a²) from it.
    {{a, ha, ma},
        [](const Values &v) -> Found {
            const long double offset2 = square(v[2]) - square(v[1]);
            if (offset2 < -kSlack * square(v[2]))
                return {};
            const long double offset = std::sqrt(std::max(offset2, 0.0L));
            const auto side = [&](long double x) { return std::sqrt(square(x) + square(v[1])); };
            const Sides first = {v[0], side(offset - v[0] / 2), side(offset + v[0] / 2)};
            if (offset <= kSlack * v[2])
                return {first};
            return {first, {v[0], first[2], first[1]}};
        }},
    // a = p − r / tan(α/2), S = r·p, bc = 2S / sin α
    {{A, P, r},
        [](const Values &v) -> Found {
            const long double p = v[1] / 2;
            const long double side = p - v[2] / std::tan(v[0] / 2);
            if (!(side > 0))
                return {};
            return pairsFromSumAndProduct(side, v[1] - side, 2 * v[2] * p / std::sin(v[0]));
        }},
    // bc = 2S / sin α, a = (P² − 2bc·(1 + cos α)) / (2P)
    {{A, S, P},
        [](const Values &v) -> Found {
            const long double product = 2 * v[1] / std::sin(v[0]);
            const long double side = (square(v[2]) - 2 * product * (1 + std::cos(v[0]))) / (2 * v[2]);
            if (!(side > 0))
                return {};
            return pairsFromSumAndProduct(side, v[2] - side, product);
        }},
    // a = 2R·sin α, p = a + r / tan(α/2), bc = 2r·p / sin α
    {{A, R, r},
        [](const Values &v) -> Found {
            const long double side = 2 * v[1] * std::sin(v[0]);
            const long double p = side + v[2] / std::tan(v[0] / 2);
            return pairsFromSumAndProduct(side, 2 * p - side, 2 * v[2] * p / std::sin(v[0]));
        }},
}};

// The element of the same kind at the vertex `rename` gives its own.
Quantity renamed(Quantity q, const std::array<Vertex, 3> &rename)
{
    const int index = static_cast<int>(q);
    for (const int start : {static_cast<int>(A), static_cast<int>(a), static_cast<int>(ha),
             static_cast<int>(ma), static_cast<int>(la)}) {
        if (index >= start && index < start + 3)
            return static_cast<Quantity>(start + indexOf(rename.at(static_cast<std::size_t>(index - start))));
    }
    return q;
}

constexpr std::array<std::array<Vertex, 3>, 6> kRenamings = {{
    {Vertex::A, Vertex::B, Vertex::C},
    {Vertex::A, Vertex::C, Vertex::B},
    {Vertex::B, Vertex::A, Vertex::C},
    {Vertex::B, Vertex::C, Vertex::A},
    {Vertex::C, Vertex::A, Vertex::B},
    {Vertex::C, Vertex::B, Vertex::A},
}};

} // namespace

std::optional<std::vector<Sides>> sidesBySchoolRoute(const std::array<GivenElement, 3> &given)
{
    for (const auto &rename : kRenamings) {
        for (const Route &route : kRoutes) {
            Values values {};
            bool matches = true;
            for (std::size_t i = 0; i < 3 && matches; ++i) {
                const auto *const found
                    = std::find_if(given.begin(), given.end(), [&](const GivenElement &g) {
                          return renamed(g.element, rename) == route.elements.at(i);
                      });
                matches = found != given.end();
                if (matches)
                    values.at(i) = found->value;
            }
            if (!matches)
                continue;
            // Back to the given names: the side at v is the route's side at rename[v].
            std::vector<Sides> sides;
            for (const Sides &s : route.sides(values))
                sides.push_back({s.at(static_cast<std::size_t>(indexOf(rename[0]))),
                    s.at(static_cast<std::size_t>(indexOf(rename[1]))),
                    s.at(static_cast<std::size_t>(indexOf(rename[2])))});
            return sides;
        }
    }
    return std::nullopt;
}

} // namespace triangle
