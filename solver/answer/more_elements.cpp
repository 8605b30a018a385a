// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/answer/more_elements.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "solver/list/solve.h"
#include "solver/numbers/number_formatting.h"
#include "solver/steps/solving.h"
#include "solver/triangle/angle_functions.h"

namespace triangle {

namespace {

using Q = Quantity;

struct Sides {
    Vertex v;     // the element belongs to side v (opposite vertex v)
    Vertex first; // the other two, alphabetically
    Vertex second;
};

Sides sidesAround(Vertex v) { return {v, firstOtherThan(v), otherVertex(v, firstOtherThan(v))}; }

Quantity element(Q first, Vertex v) { return static_cast<Quantity>(static_cast<int>(first) + indexOf(v)); }

// Keeps each element's value and, when asked, the step that found it.
class Elements {
public:
    Elements(const Triangle &record, Journal *journal) : t(record), m_journal(journal) {}

    const Triangle &t; // NOLINT: read by every step

    // Stores the element `q` that `compute` finds, or the fault that keeps
    // it from being found.
    template <class Compute>
    void record(Quantity q, Compute compute, Rule rule, std::initializer_list<Quantity> operands,
        Real intermediate = Real(0.0L))
    {
        auto &slot = m_values.at(static_cast<std::size_t>(q) - static_cast<std::size_t>(Q::ha));
        try {
            const Real value = compute();
            slot = value.value();
            if (m_journal != nullptr)
                noteStep(*m_journal, t, q, value, rule, operands, intermediate);
        } catch (const ArithmeticFault &fault) {
            slot = fault.kind;
        }
    }

    const auto &values() const { return m_values; }

private:
    Journal *m_journal;
    std::array<std::variant<Real::Value, FaultKind>, 10> m_values {};
};

// 2S / a as (S / a)·2, so that an area near a double's limit keeps its
// heights.
void heights(Elements &s)
{
    for (const Vertex v : kVertices) {
        s.record(element(Q::ha, v), [&] { return s.t.S / s.t.side(v) * 2.0; }, Rule::Height,
            {Q::S, sideOpposite(v)});
    }
}

// m_a^2 (4 times) as (b - c)^2 + (b + c - a)(b + c + a): the same as
// 2b^2 + 2c^2 - a^2 without its cancellation; on sides scaled by a power of
// two near the longest, so that the squares of long sides stay in range.
void medians(Elements &s)
{
    const Real::Value longest = std::max({s.t.a.value(), s.t.b.value(), s.t.c.value()});
    const Real scale = std::ldexp(1.0L, std::ilogb(longest));
    for (const Vertex v : kVertices) {
        const Sides around = sidesAround(v);
        s.record(element(Q::ma, v),
            [&] {
                const Real a = s.t.side(around.v) / scale;
                const Real b = s.t.side(around.first) / scale;
                const Real c = s.t.side(around.second) / scale;
                const Real fourSquares = (b - c) * (b - c) + (b + c - a) * (b + c + a);
                return sqrt(abs(fourSquares)) / 2.0 * scale;
            },
            Rule::Median, {sideOpposite(around.first), sideOpposite(around.second), sideOpposite(around.v)});
    }
}

// 2bc·cos(α/2) / (b + c) as 2·cos(α/2)·b·(c / (b + c)): the product bc may
// pass a double's range where the bisector does not.
void bisectors(Elements &s)
{
    for (const Vertex v : kVertices) {
        const Sides around = sidesAround(v);
        s.record(
            element(Q::la, v),
            [&] {
                const Real b = s.t.side(around.first);
                const Real c = s.t.side(around.second);
                return 2.0 * cos(s.t.angle(around.v) / 2.0) * b * (c / (b + c));
            },
            Rule::Bisector, {sideOpposite(around.first), sideOpposite(around.second), angleAt(around.v)},
            cos(s.t.angle(around.v) / 2.0));
    }
}

AngleKind angleKind(const Triangle &t)
{
    const Real largest = std::max({t.Alpha, t.Beta, t.Gamma});
    const std::string shown = formatResult((largest * 180.0 / kPi).value(), NumberFormat {});
    if (shown == "90.0000")
        return AngleKind::Right;
    return largest * 180.0 / kPi > 90.0 ? AngleKind::Obtuse : AngleKind::Acute;
}

SideKind sideKind(const Triangle &t)
{
    std::array<std::string, 3> shown;
    for (const Vertex v : kVertices)
        shown.at(indexOf(v)) = formatResult(t.side(v).value(), NumberFormat {});
    if (shown[0] == shown[1] && shown[1] == shown[2])
        return SideKind::Equilateral;
    const bool twoEqual = shown[0] == shown[1] || shown[1] == shown[2] || shown[0] == shown[2];
    return twoEqual ? SideKind::Isosceles : SideKind::Scalene;
}

} // namespace

MoreElements moreElementsOf(const Triangle &t, Journal *journal)
{
    Elements s(t, journal);
    heights(s);
    medians(s);
    bisectors(s);
    const Real halfPerimeter = fieldValue(t, Q::P) / 2.0;
    s.record(
        Q::r, [&] { return t.S / halfPerimeter; }, Rule::Inradius, {Q::S, Q::a, Q::b, Q::c}, halfPerimeter);
    MoreElements more;
    more.values = s.values();
    more.angles = angleKind(t);
    more.sides = sideKind(t);
    return more;
}

} // namespace triangle
