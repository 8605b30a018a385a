// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace triangle::ui {

// A value field of the form: the user may type or paste at most
// `typingLimit()` characters, but whatever the program writes with
// showText() is shown whole, however long (a result such as 123456789.0000).
// A text wider than the field shows its beginning, and the whole of it in
// the tooltip; while the field has no focus, the beginning ends in an
// ellipsis. Enter is reported as enterPressed() whether or not the field is
// locked.
class ValueField : public QLineEdit {
    Q_OBJECT

public:
    explicit ValueField(QWidget *parent);

    void setTypingLimit(int characters);
    int typingLimit() const;

    void showText(const QString &text);

    // Whether the whole text fits between the field's margins.
    bool textFits() const;

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Where the text is drawn: inside the frame, less the margins.
    QRect textArea() const;
    void updateToolTip();
    void markCut();

    class TypingLimit;
    TypingLimit *m_limit; // owned by this field
};

} // namespace triangle::ui
