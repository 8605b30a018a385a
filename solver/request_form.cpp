// SPDX-License-Identifier: GPL-3.0-or-later
#include "request_form.h"

namespace triangle {

RequestForm::RequestForm(int combination, const std::array<std::string_view, 3> &givenTexts)
    : m_combination(combination)
{
    std::size_t next = 0;
    for (int position = 0; position < kQuantityCount && next < givenTexts.size(); ++position) {
        if (isGiven(combination, quantityAt(position)))
            m_texts.at(static_cast<std::size_t>(position)) = givenTexts.at(next++);
    }
}

} // namespace triangle
