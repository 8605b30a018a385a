// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QWidget>

#include "session/view.h"
#include "wording/language.h"

class QLabel;

namespace triangle::ui {

class ValueField;

// The nineteen fields of any three elements in their seven groups, each
// group's caption over its row and each field's symbol on its left. Open
// fields take typing; the others are locked but still take the focus, so
// that a result can be read and copied by keyboard.
class ElementsPanel : public QWidget {
    Q_OBJECT

public:
    explicit ElementsPanel(QWidget *parent);

    void setLanguage(const wording::Language &language);
    void render(const session::ElementsView &view);

    // In the order of the elements, for the window's Tab order.
    const std::array<ValueField *, session::ElementsView::kFields> &fields() const { return m_fields; }

signals:
    void edited(int field, const QString &text);
    void enterPressed();

private:
    std::array<ValueField *, session::ElementsView::kFields> m_fields {};
    std::array<QLabel *, 7> m_groups {};
};

} // namespace triangle::ui
