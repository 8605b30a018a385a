// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

namespace triangle::ui {

// Tells a screen reader what a request came to, without taking the focus
// from where the user works: an accessible object of the window that takes
// no room on it, named by the last announcement and raised anew with each.
// An alert says what went wrong; a status, softer, what was solved.
class Announcer : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Status, Alert };

    explicit Announcer(QWidget *parent);

    void announce(const QString &text, Kind kind);
    // Says nothing any more: the last announcement's words are gone (after
    // a change of language, which would leave them in the other one).
    void clear();

    const QString &text() const { return m_text; }
    Kind kind() const { return m_kind; }

private:
    QString m_text;
    Kind m_kind = Kind::Status;
};

} // namespace triangle::ui
