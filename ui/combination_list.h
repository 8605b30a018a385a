// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QListWidget>

namespace triangle::ui {

// The visible list of combinations. Its labels start with a blank (" 21: C,a,b,"),
// which the list's own keyboard search would have to be typed first; here
// typing a row's number selects that row: "2" row 2, then "21" row 21.
class CombinationList : public QListWidget {
    Q_OBJECT

public:
    explicit CombinationList(QWidget *parent);

    void keyboardSearch(const QString &search) override;

private:
    int rowStartingWith(const QString &typed) const;

    QString m_typed;
    QElapsedTimer m_sinceLastKey;
};

} // namespace triangle::ui
