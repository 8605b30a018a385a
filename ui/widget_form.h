// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QCheckBox>
#include <QListWidget>

#include <catalogue.h>
#include <form.h>

#include "value_field.h"

namespace triangle::ui {

// The solver's view of the window: the selected row of the visible list, the
// indicators' check states and the value fields' texts as UTF-8.
class WidgetForm final : public triangle::Form {
public:
    WidgetForm(const QListWidget &combinations, const std::array<QCheckBox *, kQuantityCount> &indicators,
        const std::array<ValueField *, kFieldCount> &fields);

    int selectedCombination() const override;
    bool isMarkedGiven(Quantity q) const override;
    std::string fieldText(Quantity q) const override;
    void setFieldText(Quantity q, std::string_view text) override;

private:
    const QListWidget &m_combinations;
    const std::array<QCheckBox *, kQuantityCount> &m_indicators;
    const std::array<ValueField *, kFieldCount> &m_fields;
};

} // namespace triangle::ui
