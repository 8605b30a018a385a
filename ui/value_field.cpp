// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_field.h"

#include <QKeyEvent>
#include <QValidator>

namespace triangle::ui {

// QLineEdit::setMaxLength would also cut what the program writes, so the
// limit is a validator instead: the line edit undoes any edit the validator
// calls invalid, while a programmatic setText() is never undone.
//
// An edit is refused only when it makes the text longer than the limit and
// longer than it was, so a long result can still be shortened or replaced.
// The line edit stops refusing once its text has been judged invalid, so the
// program's own writes must be judged acceptable: showText() says so.
class ValueField::TypingLimit : public QValidator {
public:
    TypingLimit(int characters, QObject *parent) : QValidator(parent), m_characters(characters) {}

    State validate(QString &input, int & /*cursor*/) const override
    {
        const bool allowed
            = m_programWriting || input.size() <= m_characters || input.size() <= m_lastAcceptedLength;
        if (!allowed)
            return Invalid;
        m_lastAcceptedLength = input.size();
        return Acceptable;
    }

    int characters() const { return m_characters; }
    void setCharacters(int characters) { m_characters = characters; }
    void setProgramWriting(bool writing) { m_programWriting = writing; }

private:
    int m_characters;
    bool m_programWriting = false;
    // validate() is const, yet the length it last let through is what the
    // next edit is measured against.
    mutable qsizetype m_lastAcceptedLength = 0;
};

ValueField::ValueField(QWidget *parent) : QLineEdit(parent), m_limit(new TypingLimit(32767, this))
{
    setValidator(m_limit);
}

void ValueField::setTypingLimit(int characters) { m_limit->setCharacters(characters); }

int ValueField::typingLimit() const { return m_limit->characters(); }

void ValueField::showText(const QString &text)
{
    m_limit->setProgramWriting(true);
    setText(text);
    m_limit->setProgramWriting(false);
}

void ValueField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace triangle::ui
