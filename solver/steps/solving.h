// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>

#include "solver/steps/branches.h"
#include "solver/steps/journal.h"
#include "solver/triangle/triangle.h"

namespace triangle {

// Notes a step in `journal`, with the values of its operands as they stand
// in the record now (the perimeter, never stored, as 0).
inline void noteStep(Journal &journal, const Triangle &t, Quantity q, Real value, Rule rule,
    std::initializer_list<Quantity> operands, Real intermediate)
{
    Step step;
    step.quantity = q;
    step.rule = rule;
    step.value = value.value();
    step.intermediate = intermediate.value();
    for (const Quantity operand : operands)
        step.operands.at(step.operandCount++)
            = {operand, operand == Quantity::P ? 0.0L : t.field(operand).value()};
    journal.push_back(step);
}

// A procedure's view of one solving run: the record it fills, the branch
// choices it follows and, when asked for, the journal of its steps. Without
// a journal a step only stores its value.
class Solving {
public:
    Solving(Triangle &record, Branches &branches, Journal *journal = nullptr)
        : t(record), m_branches(branches), m_journal(journal)
    {
    }

    Triangle &t; // NOLINT: the record is what every step reads and writes

    // Stores `value` as `q` and notes how it was found. A side, S or R at or
    // below 0 is a contradiction.
    void found(Quantity q, Real value, Rule rule, std::initializer_list<Quantity> operands,
        Real intermediate = Real(0.0L))
    {
        t.field(q) = value;
        if (isAngle(q))
            t.restOfPiSums.at(static_cast<std::size_t>(indexOf(vertexOf(q)))) = Real(0.0L);
        if (m_journal != nullptr)
            note(q, value, rule, operands, intermediate);
        if (!isAngle(q) && !(value > 0.0))
            contradiction(Contradiction::SizeNotPositive);
    }

    // The angle `q` found from its sine at a branch point: the acute value,
    // or its supplement where the branches ask for the other triangle. A
    // sine above 1 is the contradiction `aboveOne`.
    void foundFromSine(Quantity q, Real acute, Rule rule, std::initializer_list<Quantity> operands, Real sine,
        Contradiction aboveOne = Contradiction::SineAboveOne)
    {
        const bool other = m_branches.takeOther();
        const Real supplement = Real(kPi) - acute;
        found(q, other ? supplement : acute, rule, operands, sine);
        if (sine.value() > 1.0L + kBoundarySlack)
            contradiction(aboveOne);
        if (acute != Real(kPi) / 2.0)
            markBranch(other, (other ? acute : supplement).value());
    }

    // The step just taken has a value no triangle has. The first such step
    // ends the journal; the solving goes on, so that the record holds what
    // the formulas give, but notes nothing more. Out of line, as it is rare.
    void contradiction(Contradiction kind, Real refuting = Real(0.0L));

    Contradiction firstContradiction() const { return m_contradiction; }

    // A branch point of another kind: true takes the other branch.
    bool takeOther() { return m_branches.takeOther(); }

    // Marks the last step as a branch point, and which way it went.
    void markBranch(bool other, Real::Value alternative)
    {
        if (m_journal == nullptr || m_journal->empty() || m_contradiction != Contradiction::None)
            return;
        m_journal->back().choice = other ? Choice::Second : Choice::First;
        m_journal->back().alternative = alternative;
        m_journal->back().branchPoint = m_branches.pointsVisited() - 1;
    }

    bool journalling() const { return m_journal != nullptr; }

private:
    // The journal's part of `found`: no step after a contradiction. Out of
    // line, so that `found` stays small enough to inline where there is no
    // journal.
    void note(Quantity q, Real value, Rule rule, std::initializer_list<Quantity> operands, Real intermediate);

    Branches &m_branches;
    Journal *m_journal;
    Contradiction m_contradiction = Contradiction::None;
};

} // namespace triangle
