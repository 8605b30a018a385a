// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "form.h"

namespace triangle {

// A form without widgets: a combination and the texts of its value fields,
// the given positions marked as the window marks them. Serves the
// command-line tool, the tests and the benchmarks.
class RequestForm : public Form {
public:
    // The given texts fill the combination's given positions in field order.
    RequestForm(int combination, const std::array<std::string_view, 3> &givenTexts);

    int selectedCombination() const override { return m_combination; }
    bool isMarkedGiven(int position) const override { return isGiven(m_combination, position); }
    std::string fieldText(int position) const override { return m_texts.at(position); }
    void setFieldText(int position, std::string_view text) override { m_texts.at(position) = text; }

    const std::string &text(int position) const { return m_texts.at(position); }

private:
    int m_combination;
    std::array<std::string, kFieldCount> m_texts;
};

} // namespace triangle
