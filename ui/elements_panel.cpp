// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/elements_panel.h"

#include <QLabel>

#include "ui/design_placement.h"
#include "ui/form_design.h"
#include "ui/value_field.h"

namespace triangle::ui {

namespace {

// The groups' rows: the elements of each, by their place in Quantity.
constexpr std::array<std::array<int, 3>, 7> kRows = {{
    {0, 1, 2},    // A B C
    {3, 4, 5},    // a b c
    {6, 7, 18},   // S R r
    {8, -1, -1},  // P
    {9, 10, 11},  // h_a h_b h_c
    {12, 13, 14}, // m_a m_b m_c
    {15, 16, 17}, // l_a l_b l_c
}};

} // namespace

ElementsPanel::ElementsPanel(QWidget *parent) : QWidget(parent)
{
    QFont small = font();
    small.setPointSizeF(design::kCommand4PointSize);
    const int step = design::kElementSymbolWidth + design::kElementFieldWidth + 4;
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        const int top = 2 + static_cast<int>(row) * design::kElementRowHeight;
        auto *caption = new QLabel(this);
        caption->setFont(small);
        caption->setGeometry(6, top, 3 * step, design::kElementCaptionHeight);
        m_groups.at(row) = caption;
        for (std::size_t column = 0; column < 3; ++column) {
            const int element = kRows.at(row).at(column);
            if (element < 0)
                continue;
            const int left = 6 + static_cast<int>(column) * step;
            const int fieldTop = top + design::kElementCaptionHeight;
            auto *symbol = new QLabel(symbolMarkup(utf8(tagOf(static_cast<Quantity>(element)))), this);
            symbol->setGeometry(left, fieldTop, design::kElementSymbolWidth, 22);
            auto *field = new ValueField(this);
            field->setGeometry(left + design::kElementSymbolWidth, fieldTop, design::kElementFieldWidth, 22);
            field->setTypingLimit(design::kElementTypingLimit);
            symbol->setBuddy(field);
            m_fields.at(static_cast<std::size_t>(element)) = field;
            connect(field, &ValueField::textEdited, this,
                [this, element](const QString &text) { emit edited(element, text); });
            connect(field, &ValueField::enterPressed, this, &ElementsPanel::enterPressed);
        }
    }
    for (std::size_t i = 1; i < m_fields.size(); ++i)
        setTabOrder(m_fields.at(i - 1), m_fields.at(i));
}

void ElementsPanel::setLanguage(const wording::Language &language)
{
    for (std::size_t group = 0; group < m_groups.size(); ++group)
        m_groups.at(group)->setText(utf8(language.elements.groups.at(group)));
    for (std::size_t field = 0; field < m_fields.size(); ++field)
        m_fields.at(field)->setAccessibleName(utf8(language.elements.names.at(field)));
}

void ElementsPanel::render(const session::ElementsView &view)
{
    for (std::size_t field = 0; field < m_fields.size(); ++field) {
        ValueField &shown = *m_fields.at(field);
        const QString text = QString::fromStdString(view.fields.at(field));
        if (shown.text() != text)
            shown.showText(text);
        shown.setReadOnly(!view.open.at(field));
    }
}

} // namespace triangle::ui
