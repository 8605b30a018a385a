// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/school_routes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "solver/triangle/angle_functions.h"

namespace triangle {

namespace {

using enum Quantity;
using Values = std::array<long double, 3>;
using Found = std::vector<Sides>;

// A difference of squares that rounding may have pushed a little below 0
// where the data make it exactly 0 (an isosceles or right triangle).
constexpr long double kSlack = 0x1p-50L;

long double square(long double x) { return x * x; }

// Two numbers from their sum and product, either way round; none where no
// real pair has them. Where their squared difference lies within the data's
// precision of 0 (2^-50 of the sum squared), they are equal: half the sum
// each, once, rather than two of a slightly different pair whose difference
// is the root of the data's rounding.
Found pairsFromSumAndProduct(long double first, long double sum, long double product)
{
    const long double squaredDifference = sum * sum - 4 * product;
    if (squaredDifference < -kSlack * sum * sum)
        return {};
    if (squaredDifference <= kSlack * sum * sum)
        return sum > 0 ? Found {{first, sum / 2, sum / 2}} : Found {};
    const long double difference = std::sqrt(squaredDifference);
    const long double larger = (sum + difference) / 2;
    const long double smaller = (sum - difference) / 2;
    if (!(smaller > 0))
        return {};
    return {{first, larger, smaller}, {first, smaller, larger}};
}

// The side opposite the angle between two sides.
long double lawOfCosines(long double x, long double y, long double cosine)
{
    return std::sqrt(std::max(x * x + y * y - 2 * x * y * cosine, 0.0L));
}

// Both angles with this sine, the acute one first, each once; a sine within
// 2^-50 of 1 is the right angle's, exactly (its arcsine would keep only half
// the digits).
std::vector<long double> anglesWithSine(long double sine)
{
    if (sine > 1 + kSlack)
        return {};
    if (sine >= 1 - kSlack)
        return {std::numbers::pi_v<long double> / 2};
    const long double acute = std::asin(sine);
    return {acute, std::numbers::pi_v<long double> - acute};
}

// The routes, each for its elements in this order with these values, and
// the steps a school writes down for it.
struct Route {
    std::array<Quantity, 3> elements;
    Found (*sides)(const Values &);
    std::vector<PlannedStep> steps;
};

// b and c from S, a and the angle between b and c, as the list's
// combinations find them.
std::vector<PlannedStep> withSidesFromArea(std::vector<PlannedStep> steps)
{
    steps.push_back(plannedStep(Rule::SidesFromAreaAndAngle, c, {S, a, A}));
    steps.push_back(plannedStep(Rule::SideFromArea, b, {S, c, A}));
    return steps;
}

// b + c = P − a and bc = 2S / sin α give b and c, the roots of a quadratic.
std::vector<PlannedStep> withSidesFromSum(std::vector<PlannedStep> steps)
{
    steps.push_back(plannedStep(Rule::SidesFromSumAndProduct, c, {P, a, S, A}));
    steps.push_back(plannedStep(Rule::SideFromArea, b, {S, c, A}));
    return steps;
}

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

// With two angles, the shape is fixed and one length gives the size: R
// from the angles and that element, by the law of sines.
long double circumradiusFromAngles(Quantity element, long double value, const Values &angles)
{
    const auto [alpha, beta, gamma] = angles;
    switch (element) {
    case P: return value / (2 * (sineOfAngle(alpha) + sineOfAngle(beta) + sineOfAngle(gamma)));
    case r: return value / (4 * sineOfAngle(alpha / 2) * sineOfAngle(beta / 2) * sineOfAngle(gamma / 2));
    case ha: return value / (2 * sineOfAngle(beta) * sineOfAngle(gamma));
    case ma:
        return value
            / std::sqrt(
                2 * square(sineOfAngle(beta)) + 2 * square(sineOfAngle(gamma)) - square(sineOfAngle(alpha)));
    case la:
        return value * (sineOfAngle(beta) + sineOfAngle(gamma))
            / (4 * sineOfAngle(beta) * sineOfAngle(gamma) * cosineOfAngle(alpha / 2));
    default: return 0;
    }
}

// The angles at A, B and C and the element's own vertex's first: the
// element at C is the one at A of the triangle turned C, A, B.
template <Quantity Element>
Found fromTwoAngles(const Values &v)
{
    const long double gamma = std::numbers::pi_v<long double> - v[0] - v[1];
    if (!(gamma > 0))
        return {};
    const Values angles = {v[0], v[1], gamma};
    const auto own = vertexOfElement(Element);
    const std::size_t turn = own ? static_cast<std::size_t>(indexOf(*own)) : 0;
    const Values turned = {angles.at(turn), angles.at((turn + 1) % 3), angles.at((turn + 2) % 3)};
    const long double radius = circumradiusFromAngles(sameKindAt(Element, Vertex::A), v[2], turned);
    if (!(radius > 0) || !std::isfinite(radius))
        return {};
    return {{2 * radius * sineOfAngle(angles[0]), 2 * radius * sineOfAngle(angles[1]),
        2 * radius * sineOfAngle(gamma)}};
}

template <Quantity Element>
Route twoAnglesAnd()
{
    return {{A, B, Element}, fromTwoAngles<Element>,
        {plannedStep(Rule::AngleSum, C, {A, B}),
            plannedStep(Rule::CircumradiusFromAngles, R, {Element, A, B, C}),
            plannedStep(Rule::SideFromCircumradius, a, {R, A}),
            plannedStep(Rule::SideFromCircumradius, b, {R, B}),
            plannedStep(Rule::SideFromCircumradius, c, {R, C})}};
}

const std::array<Route, 22> kRoutes = {{
    twoAnglesAnd<P>(),
    twoAnglesAnd<r>(),
    twoAnglesAnd<ha>(),
    twoAnglesAnd<hc>(),
    twoAnglesAnd<ma>(),
    twoAnglesAnd<mc>(),
    twoAnglesAnd<la>(),
    twoAnglesAnd<lc>(),
    {{ma, mb, mc}, fromMedians,
        {plannedStep(Rule::SideFromMedians, a, {ma, mb, mc}), plannedStep(Rule::SideFromMedians, b, {mb, ma, mc}),
            plannedStep(Rule::SideFromMedians, c, {mc, ma, mb}), plannedStep(Rule::AreaFromMedians, S, {ma, mb, mc})}},
    {{ha, hb, hc}, fromHeights,
        {plannedStep(Rule::AreaFromHeights, S, {ha, hb, hc}), plannedStep(Rule::SideFromHeight, a, {S, ha}),
            plannedStep(Rule::SideFromHeight, b, {S, hb}), plannedStep(Rule::SideFromHeight, c, {S, hc})}},
    // c² = 2a² + 2b² − 4m_c²
    {{a, b, mc},
        [](const Values &v) -> Found {
            const long double c2 = 2 * square(v[0]) + 2 * square(v[1]) - 4 * square(v[2]);
            return c2 > 0 ? Found {{v[0], v[1], std::sqrt(c2)}} : Found {};
        },
        {plannedStep(Rule::SideFromOwnMedian, c, {a, b, mc})}},
    // m_a² = (2b² + 2c² − a²) / 4
    {{a, b, ma},
        [](const Values &v) -> Found {
            const long double c2 = (4 * square(v[2]) + square(v[0]) - 2 * square(v[1])) / 2;
            return c2 > 0 ? Found {{v[0], v[1], std::sqrt(c2)}} : Found {};
        },
        {plannedStep(Rule::SideFromMedianToOther, c, {ma, a, b})}},
    // The foot of h_c lies x = √(b² − h_c²) from A and y = √(a² − h_c²) from
    // B: c = x + y, or |x − y| where it lies beyond the side.
    {{a, b, hc},
        [](const Values &v) -> Found {
            const long double x2 = square(v[1]) - square(v[2]);
            const long double y2 = square(v[0]) - square(v[2]);
            if (x2 < -kSlack * square(v[1]) || y2 < -kSlack * square(v[0]))
                return {};
            const long double x = std::sqrt(std::max(x2, 0.0L));
            const long double y = std::sqrt(std::max(y2, 0.0L));
            Found found {{v[0], v[1], x + y}};
            if (std::fabs(x - y) > kSlack * (x + y))
                found.push_back({v[0], v[1], std::fabs(x - y)});
            return found;
        },
        {plannedStep(Rule::SideFromHeightFeet, c, {a, b, hc})}},
    // sin γ = h_a / b, then the law of cosines
    {{a, b, ha},
        [](const Values &v) -> Found {
            Found found;
            for (const long double gamma : anglesWithSine(v[2] / v[1]))
                found.push_back({v[0], v[1], lawOfCosines(v[0], v[1], cosineOfAngle(gamma))});
            return found;
        },
        {plannedStep(Rule::AngleFromHeight, C, {ha, b}), plannedStep(Rule::LawOfCosines, c, {a, b, C})}},
    // cos(γ/2) = l_c·(a + b) / (2ab)
    {{a, b, lc},
        [](const Values &v) -> Found {
            const long double halfCosine = v[2] * (v[0] + v[1]) / (2 * v[0] * v[1]);
            if (!(halfCosine < 1))
                return {};
            return {{v[0], v[1], lawOfCosines(v[0], v[1], 2 * square(halfCosine) - 1)}};
        },
        {plannedStep(Rule::AngleFromBisector, C, {lc, a, b}), plannedStep(Rule::LawOfCosines, c, {a, b, C})}},
    // bc = a·h_a / sin α, (b + c)² = a² + 2bc·(1 + cos α)
    {{A, a, ha},
        [](const Values &v) -> Found {
            const long double product = v[1] * v[2] / sineOfAngle(v[0]);
            return pairsFromSumAndProduct(
                v[1], std::sqrt(square(v[1]) + 2 * product * (1 + cosineOfAngle(v[0]))), product);
        },
        withSidesFromArea({plannedStep(Rule::AreaFromSideAndHeight, S, {a, ha})})},
    // sin γ = h_b / a, α = 180° − β − γ, then the law of sines
    {{B, a, hb},
        [](const Values &v) -> Found {
            Found found;
            for (const long double gamma : anglesWithSine(v[2] / v[1])) {
                const long double alpha = std::numbers::pi_v<long double> - v[0] - gamma;
                if (!(alpha > 0))
                    continue;
                const long double diameter = v[1] / sineOfAngle(alpha);
                found.push_back({v[1], diameter * sineOfAngle(v[0]), diameter * sineOfAngle(gamma)});
            }
            return found;
        },
        {plannedStep(Rule::AngleFromHeight, C, {hb, a}), plannedStep(Rule::AngleSum, A, {B, C}),
            plannedStep(Rule::SideByLawOfSines, b, {a, B, A}), plannedStep(Rule::SideByLawOfSines, c, {a, C, A})}},
    // c = h_a / sin β, then the law of cosines
    {{B, a, ha},
        [](const Values &v) -> Found {
            const long double c = v[2] / sineOfAngle(v[0]);
            return {{v[1], lawOfCosines(v[1], c, cosineOfAngle(v[0])), c}};
        },
        {plannedStep(Rule::SideFromHeightAndAngle, c, {ha, B}), plannedStep(Rule::LawOfCosines, b, {a, c, B})}},
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
        },
        {plannedStep(Rule::SideFromHeightAndMedian, c, {a, ha, ma}),
            plannedStep(Rule::SideFromMedianToOther, b, {ma, a, c})}},
    // a = p − r / tan(α/2), S = r·p, b + c = P − a and bc = 2S / sin α
    {{A, P, r},
        [](const Values &v) -> Found {
            const long double p = v[1] / 2;
            const long double side = p - v[2] / tangentOfAngle(v[0] / 2);
            if (!(side > 0))
                return {};
            return pairsFromSumAndProduct(side, v[1] - side, 2 * v[2] * p / sineOfAngle(v[0]));
        },
        withSidesFromSum({plannedStep(Rule::SideFromInradius, a, {A, P, r}), plannedStep(Rule::AreaFromInradius, S, {r, P})})},
    // bc = 2S / sin α, a = (P² − 2bc·(1 + cos α)) / (2P)
    {{A, S, P},
        [](const Values &v) -> Found {
            const long double product = 2 * v[1] / sineOfAngle(v[0]);
            const long double side = (square(v[2]) - 2 * product * (1 + cosineOfAngle(v[0]))) / (2 * v[2]);
            if (!(side > 0))
                return {};
            return pairsFromSumAndProduct(side, v[2] - side, product);
        },
        withSidesFromSum({plannedStep(Rule::SideFromAreaAndPerimeter, a, {S, P, A})})},
    // a = 2R·sin α, p = a + r / tan(α/2), bc = 2r·p / sin α
    {{A, R, r},
        [](const Values &v) -> Found {
            const long double side = 2 * v[1] * sineOfAngle(v[0]);
            const long double p = side + v[2] / tangentOfAngle(v[0] / 2);
            return pairsFromSumAndProduct(side, 2 * p - side, 2 * v[2] * p / sineOfAngle(v[0]));
        },
        withSidesFromSum({plannedStep(Rule::SideFromCircumradius, a, {R, A}),
            plannedStep(Rule::PerimeterFromInradius, P, {a, r, A}), plannedStep(Rule::AreaFromInradius, S, {r, P})})},
}};

// The element of the same kind at the vertex `rename` gives its own.
Quantity renamed(Quantity q, const std::array<Vertex, 3> &rename)
{
    const auto v = vertexOfElement(q);
    return v ? sameKindAt(q, rename.at(static_cast<std::size_t>(indexOf(*v)))) : q;
}

// The renaming that undoes `rename`.
std::array<Vertex, 3> inverse(const std::array<Vertex, 3> &rename)
{
    std::array<Vertex, 3> back {};
    for (const Vertex v : kVertices)
        back.at(static_cast<std::size_t>(indexOf(rename.at(static_cast<std::size_t>(indexOf(v)))))) = v;
    return back;
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

// The kinds of three elements (m_b and m_c are both medians), in order:
// renaming the vertices keeps them.
std::array<Quantity, 3> kindsOf(std::array<Quantity, 3> elements)
{
    for (Quantity &q : elements)
        q = sameKindAt(q, Vertex::A);
    std::sort(elements.begin(), elements.end());
    return elements;
}

std::optional<SchoolRoute> bySchoolRoute(const std::array<GivenElement, 3> &given)
{
    // Each route's kinds, worked out once.
    static const auto kRouteKinds = [] {
        std::array<std::array<Quantity, 3>, kRoutes.size()> kinds {};
        for (std::size_t i = 0; i < kRoutes.size(); ++i)
            kinds.at(i) = kindsOf(kRoutes.at(i).elements);
        return kinds;
    }();
    const auto kinds = kindsOf({given[0].element, given[1].element, given[2].element});
    for (std::size_t index = 0; index < kRoutes.size(); ++index) {
        if (kRouteKinds.at(index) != kinds)
            continue;
        const Route &route = kRoutes.at(index);
        for (const auto &rename : kRenamings) {
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
            SchoolRoute found {route.sides(values), index, rename};
            for (Sides &s : found.sides)
                s = {s.at(static_cast<std::size_t>(indexOf(rename[0]))),
                    s.at(static_cast<std::size_t>(indexOf(rename[1]))),
                    s.at(static_cast<std::size_t>(indexOf(rename[2])))};
            return found;
        }
    }
    return std::nullopt;
}

std::vector<PlannedStep> stepsOf(const SchoolRoute &found)
{
    const auto back = inverse(found.rename);
    std::vector<PlannedStep> steps;
    for (PlannedStep planned : kRoutes.at(found.route).steps) {
        planned.found = renamed(planned.found, back);
        for (std::size_t i = 0; i < planned.operandCount; ++i)
            planned.operands.at(i) = renamed(planned.operands.at(i), back);
        steps.push_back(planned);
    }
    return steps;
}

} // namespace triangle
