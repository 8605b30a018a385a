// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget_form.h"

namespace triangle::ui {

WidgetForm::WidgetForm(const QListWidget &combinations,
    const std::array<QCheckBox *, kQuantityCount> &indicators,
    const std::array<ValueField *, kFieldCount> &fields)
    : m_combinations(combinations), m_indicators(indicators), m_fields(fields)
{
}

int WidgetForm::selectedCombination() const { return m_combinations.currentRow(); }

bool WidgetForm::isMarkedGiven(Quantity q) const { return m_indicators.at(fieldIndex(q))->isChecked(); }

std::string WidgetForm::fieldText(Quantity q) const
{
    return m_fields.at(fieldIndex(q))->text().toStdString();
}

void WidgetForm::setFieldText(Quantity q, std::string_view text)
{
    m_fields.at(fieldIndex(q))->showText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace triangle::ui
