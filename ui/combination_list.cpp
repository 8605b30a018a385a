// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/combination_list.h"

#include <QApplication>

namespace triangle::ui {

CombinationList::CombinationList(QWidget *parent) : QListWidget(parent) {}

// Keys typed in quick succession make one search, as in any list; a key
// that would leave nothing to select starts a new search of its own.
void CombinationList::keyboardSearch(const QString &search)
{
    const bool goingOn
        = m_sinceLastKey.isValid() && !m_sinceLastKey.hasExpired(QApplication::keyboardInputInterval());
    m_sinceLastKey.start();
    m_typed = goingOn ? m_typed + search : search;
    int row = rowStartingWith(m_typed);
    if (row < 0 && goingOn) {
        m_typed = search;
        row = rowStartingWith(m_typed);
    }
    if (row >= 0)
        setCurrentRow(row);
}

int CombinationList::rowStartingWith(const QString &typed) const
{
    if (typed.trimmed().isEmpty())
        return -1;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->text().trimmed().startsWith(typed.trimmed(), Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

} // namespace triangle::ui
