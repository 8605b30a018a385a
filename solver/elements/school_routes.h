// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

#include "solver/elements/shape_search.h"
#include "solver/steps/rule.h"

namespace triangle {

// The sides a, b, c of one triangle.
using Sides = std::array<long double, 3>;

// One step of a route as a school writes it: the rule, the value it finds
// and the values it uses, in the order of the rule's formula.
struct PlannedStep {
    Rule rule = Rule::Numerical;
    Quantity found = Quantity::a;
    std::array<Quantity, 4> operands {};
    std::size_t operandCount = 0;
};

constexpr PlannedStep plannedStep(Rule rule, Quantity found, std::initializer_list<Quantity> operands)
{
    PlannedStep planned {rule, found, {}, 0};
    for (const Quantity q : operands)
        planned.operands.at(planned.operandCount++) = q;
    return planned;
}

// What a school's formula gives: the sides of every fitting triangle, and
// which route found them, under which renaming of the vertices.
struct SchoolRoute {
    std::vector<Sides> sides;
    std::size_t route = 0;
    std::array<Vertex, 3> rename {};
};

// The sides of every triangle the given values fit, by the formula a
// textbook gives for their set: three medians, three heights, two sides
// with the median, height or bisector to the third or to one of them, a
// side with its height and an angle, a side with its median and height, an
// angle with r and P, with S and P, with R and r, two angles with P, r, a
// height, a median or a bisector. Each set is recognised
// with its vertices renamed, so that m_b, m_c and a are the same route as
// m_a, m_b and c. Nothing where no route covers the set. Angles in
// radians. Does not throw.
std::optional<SchoolRoute> bySchoolRoute(const std::array<GivenElement, 3> &given);

// The steps a school writes down for the route that found `found`, in the
// given elements' names.
std::vector<PlannedStep> stepsOf(const SchoolRoute &found);

} // namespace triangle
