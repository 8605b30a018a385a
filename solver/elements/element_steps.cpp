// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/element_steps.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>

#include "solver/triangle/angle_functions.h"

namespace triangle {

namespace {

using Q = Quantity;

constexpr long double kPiLong = std::numbers::pi_v<long double>;

// Below this the two values of a step are one: a right angle from its
// sine, two equal sides from their sum and product.
constexpr long double kOneValue = 0x1p-40L;

long double squared(long double x) { return x * x; }

class ElementStepWriter {
public:
    ElementStepWriter(const std::array<GivenElement, 3> &given, const ElementValues &values)
        : m_values(values)
    {
        for (const GivenElement &g : given) {
            m_values.at(index(g.element)) = g.value;
            m_known.at(index(g.element)) = true;
            if (isAngle(g.element))
                m_givenAngle = g.element;
        }
    }

    void write(std::vector<PlannedStep> planned);
    void complete();
    Journal journal() && { return std::move(m_journal); }

private:
    static std::size_t index(Quantity q) { return static_cast<std::size_t>(q); }
    long double value(Quantity q) const { return m_values.at(index(q)); }
    long double operand(const PlannedStep &planned, std::size_t i) const
    {
        return value(planned.operands.at(i));
    }
    void note(const PlannedStep &planned);
    long double intermediateOf(const PlannedStep &planned) const;
    void markChoice(Step &step, const PlannedStep &planned) const;
    void rejectBeyondAngleSum(Step &step) const;
    void noteFromSides(Rule rule, Quantity found, std::initializer_list<Quantity> operands);
    Quantity unknownAngle() const;
    std::optional<Quantity> specialAngle() const;
    int unknownAngles() const;

    ElementValues m_values;
    std::array<bool, kElementCount> m_known {};
    std::optional<Quantity> m_givenAngle;
    Journal m_journal;
};

// What the step finds on the way, as its text shows it.
long double ElementStepWriter::intermediateOf(const PlannedStep &planned) const
{
    const auto v = [&](std::size_t i) { return operand(planned, i); };
    switch (planned.rule) {
    case Rule::AngleFromHeight: return v(0) / v(1);
    case Rule::AngleFromBisector: return v(0) * (v(1) + v(2)) / (2 * v(1) * v(2));
    case Rule::LawOfCosines: return squared(v(0)) + squared(v(1)) - 2 * v(0) * v(1) * std::cos(v(2));
    case Rule::SidesFromAreaAndAngle: return 2 * v(0) / std::sin(v(2));
    case Rule::SidesFromSumAndProduct: return 2 * v(2) / std::sin(v(3));
    case Rule::AreaFromHeights: return (1 / v(0) + 1 / v(1) + 1 / v(2)) / 2;
    case Rule::AreaFromMedians: return (v(0) + v(1) + v(2)) / 2;
    case Rule::SideFromOwnMedian: return 2 * squared(v(0)) + 2 * squared(v(1)) - 4 * squared(v(2));
    case Rule::SideFromMedianToOther: return 2 * squared(v(0)) + squared(v(1)) / 2 - squared(v(2));
    case Rule::SideFromHeightAndMedian: return std::sqrt(std::max(squared(v(2)) - squared(v(1)), 0.0L));
    case Rule::SideFromHeightFeet: return std::sqrt(std::max(squared(v(1)) - squared(v(2)), 0.0L));
    case Rule::SideFromInradius:
    case Rule::AreaFromInradius: return v(1) / 2;
    case Rule::SideFromAreaAndPerimeter: return 2 * v(0) / std::sin(v(2));
    case Rule::PerimeterFromInradius: return v(0) + v(1) / std::tan(v(2) / 2);
    case Rule::AngleFromThreeSides:
        return (squared(v(1)) + squared(v(2)) - squared(v(0))) / (2 * v(1) * v(2));
    case Rule::Heron: return (v(0) + v(1) + v(2)) / 2;
    default: return 0;
    }
}

// The other value of an angle found from its sine, where with an angle
// known already it leaves the third none: the angle sum that shows it.
void ElementStepWriter::rejectBeyondAngleSum(Step &step) const
{
    for (const Vertex v : kVertices) {
        const Quantity known = angleAt(v);
        if (known == step.quantity || !m_known.at(index(known)) || value(known) + step.alternative < kPiLong)
            continue;
        Step sum;
        sum.quantity = angleAt(otherVertex(v, vertexOf(step.quantity)));
        sum.rule = Rule::AngleSum;
        sum.operands.at(0) = {known, value(known)};
        sum.operands.at(1) = {step.quantity, step.alternative};
        sum.operandCount = 2;
        sum.value = kPiLong - value(known) - step.alternative;
        sum.contradiction = Contradiction::ThirdAngleNegative;
        step.alternativeEnd = std::make_shared<const Step>(sum);
        return;
    }
}

// Where the step's formula allows two values, which one this triangle has.
void ElementStepWriter::markChoice(Step &step, const PlannedStep &planned) const
{
    if (planned.rule == Rule::AngleFromHeight && step.intermediate < 1 - kOneValue) {
        step.choice = step.value > kPiLong / 2 ? Choice::Second : Choice::First;
        step.alternative = kPiLong - step.value;
        rejectBeyondAngleSum(step);
    }
    if (planned.rule == Rule::SideFromHeightFeet) {
        // c is x + y, or |x − y| where the foot lies beyond the side.
        const long double y
            = std::sqrt(std::max(squared(operand(planned, 0)) - squared(operand(planned, 2)), 0.0L));
        const long double x = step.intermediate;
        const bool sum = std::fabs(step.value - (x + y)) <= std::fabs(step.value - std::fabs(x - y));
        if (std::fabs(x - y) > kOneValue * (x + y)) {
            step.choice = sum ? Choice::First : Choice::Second;
            step.alternative = sum ? std::fabs(x - y) : x + y;
        }
    }
    if (planned.rule == Rule::SidesFromAreaAndAngle || planned.rule == Rule::SidesFromSumAndProduct) {
        const Vertex at = vertexOf(planned.operands.at(planned.operandCount - 1));
        const Vertex partner = otherVertex(at, vertexOf(planned.found));
        const long double other = value(sideOpposite(partner));
        if (std::fabs(step.value - other) > kOneValue * step.value) {
            step.choice = step.value > other ? Choice::First : Choice::Second;
            step.alternative = other;
        }
    }
}

void ElementStepWriter::note(const PlannedStep &planned)
{
    Step step;
    step.quantity = planned.found;
    step.rule = planned.rule;
    step.value = value(planned.found);
    step.operandCount = planned.operandCount;
    for (std::size_t i = 0; i < planned.operandCount; ++i)
        step.operands.at(i) = {planned.operands.at(i), operand(planned, i)};
    step.intermediate = intermediateOf(planned);
    if (planned.rule == Rule::SidesFromSumAndProduct)
        step.secondIntermediate = operand(planned, 0) - operand(planned, 1);
    markChoice(step, planned);
    m_journal.push_back(step);
    m_known.at(index(planned.found)) = true;
}

void ElementStepWriter::write(std::vector<PlannedStep> planned)
{
    for (std::size_t i = 0; i < planned.size(); ++i) {
        // The longer side lies on the far side of the height's foot: in
        // the mirror image that is the other one, found the same way.
        if (planned[i].rule == Rule::SideFromHeightAndMedian && i + 1 < planned.size()) {
            const Quantity near = planned[i + 1].found;
            if (value(near) > value(planned[i].found)) {
                std::swap(planned[i].found, planned[i + 1].found);
                planned[i + 1].operands.at(2) = planned[i].found;
            }
        }
        note(planned[i]);
    }
}

void ElementStepWriter::noteFromSides(Rule rule, Quantity found, std::initializer_list<Quantity> operands)
{
    note(plannedStep(rule, found, operands));
}

std::optional<Quantity> ElementStepWriter::specialAngle() const
{
    for (const Vertex v : kVertices) {
        const long double degrees = value(angleAt(v)) * 180 / kPiLong;
        if (isMultipleOf15Degrees(degrees))
            return angleAt(v);
    }
    return std::nullopt;
}

int ElementStepWriter::unknownAngles() const
{
    return static_cast<int>(std::count_if(
        kVertices.begin(), kVertices.end(), [&](Vertex v) { return !m_known.at(index(angleAt(v))); }));
}

Quantity ElementStepWriter::unknownAngle() const
{
    return angleAt(*std::find_if(
        kVertices.begin(), kVertices.end(), [&](Vertex v) { return !m_known.at(index(angleAt(v))); }));
}

void ElementStepWriter::complete()
{
    while (unknownAngles() > 1) {
        const Vertex v = vertexOf(unknownAngle());
        const Vertex x = firstOtherThan(v);
        noteFromSides(Rule::AngleFromThreeSides, angleAt(v),
            {sideOpposite(v), sideOpposite(x), sideOpposite(otherVertex(v, x))});
    }
    if (unknownAngles() == 1) {
        const Vertex v = vertexOf(unknownAngle());
        const Vertex x = firstOtherThan(v);
        noteFromSides(Rule::AngleSum, angleAt(v), {angleAt(x), angleAt(otherVertex(v, x))});
    }
    // The area and R by a given angle, or by a found one whose sine a
    // student knows (a multiple of 15°); else by the sides.
    const std::optional<Quantity> angle = m_givenAngle ? m_givenAngle : specialAngle();
    const auto *const height = std::find_if(kVertices.begin(), kVertices.end(), [&](Vertex v) {
        return m_known.at(index(sameKindAt(Q::ha, v))) && m_known.at(index(sideOpposite(v)));
    });
    if (!m_known.at(index(Q::S)) && height != kVertices.end()) {
        // A given height and its side: S = ½·a·h_a.
        noteFromSides(Rule::AreaFromSideAndHeight, Q::S, {sideOpposite(*height), sameKindAt(Q::ha, *height)});
    }
    if (!m_known.at(index(Q::S))) {
        if (angle) {
            const Vertex v = vertexOf(*angle);
            const Vertex x = firstOtherThan(v);
            noteFromSides(Rule::AreaFromTwoSidesAndAngle, Q::S,
                {sideOpposite(x), sideOpposite(otherVertex(v, x)), *angle});
        } else {
            noteFromSides(Rule::Heron, Q::S, {Q::a, Q::b, Q::c});
        }
    }
    if (!m_known.at(index(Q::R))) {
        if (angle)
            noteFromSides(Rule::CircumradiusFromSideAndAngle, Q::R, {sideOpposite(vertexOf(*angle)), *angle});
        else
            noteFromSides(Rule::CircumradiusFromSidesAndArea, Q::R, {Q::a, Q::b, Q::c, Q::S});
    }
    if (!m_known.at(index(Q::P)))
        noteFromSides(Rule::Perimeter, Q::P, {Q::a, Q::b, Q::c});
}

} // namespace

std::vector<PlannedStep> numericalSteps(const std::array<GivenElement, 3> &given)
{
    std::vector<PlannedStep> steps;
    for (const Q side : {Q::a, Q::b, Q::c}) {
        // A given side is not solved for.
        if (std::any_of(given.begin(), given.end(), [&](const GivenElement &g) { return g.element == side; }))
            continue;
        steps.push_back(
            plannedStep(Rule::Numerical, side, {given[0].element, given[1].element, given[2].element}));
    }
    return steps;
}

Journal elementSteps(
    const std::vector<PlannedStep> &planned, const std::array<GivenElement, 3> &given, ElementValues values)
{
    ElementStepWriter writer(given, values);
    writer.write(planned);
    writer.complete();
    return std::move(writer).journal();
}

} // namespace triangle
