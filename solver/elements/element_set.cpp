// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/element_set.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "solver/elements/dual.h"
#include "solver/elements/unit_triangle.h"

namespace triangle {

using enum Quantity;

const std::array<Relation, 13> kRelations = {{
    {{A, a, R}, "a = 2R·sin α"},
    {{B, b, R}, "b = 2R·sin β"},
    {{C, c, R}, "c = 2R·sin γ"},
    {{a, S, ha}, "S = a·h_a / 2"},
    {{b, S, hb}, "S = b·h_b / 2"},
    {{c, S, hc}, "S = c·h_c / 2"},
    {{C, b, ha}, "h_a = b·sin γ"},
    {{B, c, ha}, "h_a = c·sin β"},
    {{C, a, hb}, "h_b = a·sin γ"},
    {{A, c, hb}, "h_b = c·sin α"},
    {{B, a, hc}, "h_c = a·sin β"},
    {{A, b, hc}, "h_c = b·sin α"},
    {{S, P, r}, "S = r·P / 2"},
}};

namespace {

// How many sets begin with element `first`, counted over the elements after it.
constexpr std::size_t pairsAfter(std::size_t first)
{
    return (kElementCount - 1 - first) * (kElementCount - 2 - first) / 2;
}

} // namespace

int elementSetIndex(const ElementSet &set)
{
    const auto i = static_cast<std::size_t>(set[0]);
    const auto j = static_cast<std::size_t>(set[1]);
    const auto k = static_cast<std::size_t>(set[2]);
    std::size_t index = 0;
    for (std::size_t first = 0; first < i; ++first)
        index += pairsAfter(first);
    for (std::size_t second = i + 1; second < j; ++second)
        index += kElementCount - 1 - second;
    return static_cast<int>(index + (k - j - 1));
}

ElementSet elementSetAt(int index)
{
    for (std::size_t i = 0; i < kElementCount; ++i) {
        for (std::size_t j = i + 1; j < kElementCount; ++j) {
            for (std::size_t k = j + 1; k < kElementCount; ++k) {
                if (index-- == 0)
                    return {static_cast<Quantity>(i), static_cast<Quantity>(j), static_cast<Quantity>(k)};
            }
        }
    }
    throw std::out_of_range("there are 969 sets of three elements");
}

ElementSet sortedSet(ElementSet set)
{
    std::sort(set.begin(), set.end());
    return set;
}

SetClass classOf(const ElementSet &set)
{
    return kElementSetTable.at(static_cast<std::size_t>(elementSetIndex(set)));
}

namespace {

using Derivatives = Dual<long double, 3>;

// The element's value with its derivatives by α, β and the logarithm of
// the size, as a length for the lengths and the area.
Derivatives elementWithSlopes(Quantity q, long double alpha, long double beta, long double logScale)
{
    const Derivatives a = Derivatives::variable(alpha, 0);
    const Derivatives b = Derivatives::variable(beta, 1);
    const Shape<Derivatives> shape {a, b, Derivatives(std::numbers::pi_v<long double>) - a - b};
    if (isAngle(q))
        return shape.at(vertexOf(q));
    const long double scale = std::exp(logScale);
    Derivatives size(scale);
    size.slope[2] = scale;
    return size * unitLengthValue(q, shape);
}

// The determinant of the three rows, each first scaled to length 1, so that
// its size says how far from dependent they are.
long double normalisedDeterminant(std::array<Derivatives, 3> rows)
{
    std::array<std::array<long double, 3>, 3> m {};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto &s = rows.at(i).slope;
        const long double norm = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
        for (std::size_t j = 0; j < 3; ++j)
            m.at(i).at(j) = norm > 0 ? s.at(j) / norm : 0;
    }
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1])
        - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
        + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

} // namespace

SetClass classifyElementSet(const ElementSet &set)
{
    if (std::all_of(set.begin(), set.end(), isAngle))
        return {SetKind::ScaleFree, -1};
    constexpr std::array<std::array<long double, 3>, 4> kShapes
        = {{{0.7L, 1.1L, 0.3L}, {1.3L, 0.5L, -0.8L}, {0.4L, 2.0L, 1.7L}, {1.9L, 0.6L, 0.1L}}};
    long double largest = 0;
    for (const auto &[alpha, beta, logScale] : kShapes) {
        std::array<Derivatives, 3> rows;
        for (std::size_t i = 0; i < 3; ++i)
            rows.at(i) = elementWithSlopes(set.at(i), alpha, beta, logScale);
        largest = std::max(largest, std::fabs(normalisedDeterminant(rows)));
    }
    if (largest > 1e-9L)
        return {SetKind::Determinate, -1};
    const auto *const relation = std::find_if(kRelations.begin(), kRelations.end(),
        [&](const Relation &r) { return sortedSet(r.elements) == set; });
    if (relation == kRelations.end())
        throw std::logic_error("a dependent set of elements without its relation");
    return {SetKind::Dependent, static_cast<int>(relation - kRelations.begin())};
}

} // namespace triangle
