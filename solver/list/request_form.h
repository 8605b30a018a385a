// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "solver/list/catalogue.h"
#include "solver/list/form.h"

namespace triangle {

// A form without widgets: a combination and the texts of its value fields,
// the given positions marked as the window marks them. Serves the
// command-line tool, the tests and the benchmarks.
class RequestForm : public Form {
public:
    // The given texts fill the combination's given positions in field order.
    RequestForm(int combination, const std::array<std::string_view, 3> &givenTexts);

    int selectedCombination() const override { return m_combination; }
    bool isMarkedGiven(Quantity q) const override { return m_given.at(index(q)); }
    std::string fieldText(Quantity q) const override { return text(q); }
    void setFieldText(Quantity q, std::string_view text) override { m_texts.at(index(q)) = text; }

    const std::string &text(Quantity q) const { return m_texts.at(index(q)); }

private:
    static std::size_t index(Quantity q) { return static_cast<std::size_t>(fieldIndex(q)); }

    int m_combination;
    std::array<bool, kFieldCount> m_given {};
    std::array<std::string, kFieldCount> m_texts;
};

} // namespace triangle
