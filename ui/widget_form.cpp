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

bool WidgetForm::isMarkedGiven(int position) const { return m_indicators.at(position)->isChecked(); }

std::string WidgetForm::fieldText(int position) const { return m_fields.at(position)->text().toStdString(); }

void WidgetForm::setFieldText(int position, std::string_view text)
{
    m_fields.at(position)->showText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace triangle::ui
