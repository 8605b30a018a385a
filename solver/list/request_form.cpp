// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/list/request_form.h"

namespace triangle {

RequestForm::RequestForm(int combination, const std::array<std::string_view, 3> &givenTexts)
    : m_combination(combination)
{
    if (!isValidCombination(combination))
        return;
    const Combination &row = combinationAt(combination);
    std::size_t next = 0;
    for (int position = 0; position < kQuantityCount; ++position) {
        const auto field = static_cast<std::size_t>(position);
        m_given.at(field) = row.gives(quantityAt(position));
        if (m_given.at(field) && next < givenTexts.size())
            m_texts.at(field) = givenTexts.at(next++);
    }
}

} // namespace triangle
