// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/steps/solving.h"

namespace triangle {

void Solving::note(
    Quantity q, Real value, Rule rule, std::initializer_list<Quantity> operands, Real intermediate)
{
    if (m_contradiction == Contradiction::None)
        noteStep(*m_journal, t, q, value, rule, operands, intermediate);
}

void Solving::contradiction(Contradiction kind, Real refuting)
{
    if (m_contradiction != Contradiction::None)
        return;
    m_contradiction = kind;
    if (m_journal != nullptr && !m_journal->empty()) {
        m_journal->back().contradiction = kind;
        m_journal->back().refuting = refuting.value();
    }
}

} // namespace triangle
