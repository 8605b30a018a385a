// SPDX-License-Identifier: GPL-3.0-or-later
#include "more_elements.h"

#include <algorithm>
#include <string>

#include <initializer_list>

#include "angle_functions.h"
#include "number_formatting.h"
#include "solve.h"
#include "solving.h"

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

    void record(Quantity q, Real value, Rule rule, std::initializer_list<Quantity> operands,
        Real intermediate = Real(0.0L))
    {
        const auto index = static_cast<std::size_t>(q) - static_cast<std::size_t>(Q::ha);
        m_values.at(index) = value.value();
        if (m_journal != nullptr)
            noteStep(*m_journal, t, q, value, rule, operands, intermediate);
    }

    const std::array<Real::Value, 10> &values() const { return m_values; }

private:
    Journal *m_journal;
    std::array<Real::Value, 10> m_values {};
};

void heights(Elements &s)
{
    for (const Vertex v : kVertices)
        s.record(element(Q::ha, v), 2.0 * s.t.S / s.t.side(v), Rule::Height, {Q::S, sideOpposite(v)});
}

// m_a^2 (4 times) as (b - c)^2 + (b + c - a)(b + c + a): the same as
// 2b^2 + 2c^2 - a^2 without its cancellation.
void medians(Elements &s)
{
    for (const Vertex v : kVertices) {
        const auto [side, x, y] = sidesAround(v);
        const Real a = s.t.side(side);
        const Real b = s.t.side(x);
        const Real c = s.t.side(y);
        const Real fourSquares = (b - c) * (b - c) + (b + c - a) * (b + c + a);
        s.record(element(Q::ma, v), sqrt(abs(fourSquares)) / 2.0, Rule::Median,
            {sideOpposite(x), sideOpposite(y), sideOpposite(side)});
    }
}

void bisectors(Elements &s)
{
    for (const Vertex v : kVertices) {
        const auto [side, x, y] = sidesAround(v);
        const Real b = s.t.side(x);
        const Real c = s.t.side(y);
        s.record(element(Q::la, v), 2.0 * b * c * cos(s.t.angle(side) / 2.0) / (b + c), Rule::Bisector,
            {sideOpposite(x), sideOpposite(y), angleAt(side)});
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
    s.record(Q::r, t.S / halfPerimeter, Rule::Inradius, {Q::S, Q::a, Q::b, Q::c}, halfPerimeter);
    MoreElements more;
    more.values = s.values();
    more.angles = angleKind(t);
    more.sides = sideKind(t);
    return more;
}

} // namespace triangle
