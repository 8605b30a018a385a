// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/value_field.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace triangle::ui {

namespace {

// Whether `edited` is `before` with one stretch of it cut out, or unchanged.
bool isCutFrom(QStringView edited, QStringView before)
{
    if (edited.size() > before.size())
        return false;
    qsizetype head = 0;
    while (head < edited.size() && edited[head] == before[head])
        ++head;
    return before.endsWith(edited.sliced(head));
}

// A tooltip is as wide as its longest line; a result of 160 digits would
// run off the screen in one.
QString wrapped(const QString &text)
{
    constexpr qsizetype kLine = 40;
    QStringList lines;
    for (qsizetype start = 0; start < text.size(); start += kLine)
        lines.append(text.mid(start, kLine));
    return lines.join(u'\n');
}

// QLineEdit keeps this many pixels free on either side of its text.
constexpr int kLineEditMargin = 2;

} // namespace

// QLineEdit::setMaxLength would also cut what the program writes, so the
// limit is a validator instead: the line edit undoes any edit the validator
// calls invalid, while a programmatic setText() is never undone.
//
// Beyond the limit only cutting is allowed: a long result can be shortened
// or emptied, but nothing typed or pasted may stay in a text that long, not
// even in place of a selection as long as itself.
// The line edit stops refusing once its text has been judged invalid, so the
// program's own writes must be judged acceptable: showText() says so.
class ValueField::TypingLimit : public QValidator {
public:
    TypingLimit(int characters, QObject *parent) : QValidator(parent), m_characters(characters) {}

    State validate(QString &input, int & /*cursor*/) const override
    {
        const bool allowed
            = m_programWriting || input.size() <= m_characters || isCutFrom(input, m_lastAccepted);
        if (!allowed)
            return Invalid;
        m_lastAccepted = input;
        return Acceptable;
    }

    int characters() const { return m_characters; }
    void setCharacters(int characters) { m_characters = characters; }
    void setProgramWriting(bool writing) { m_programWriting = writing; }

private:
    int m_characters;
    bool m_programWriting = false;
    // validate() is const, yet the text it last let through is what the next
    // edit is measured against.
    mutable QString m_lastAccepted;
};

ValueField::ValueField(QWidget *parent) : QLineEdit(parent), m_limit(new TypingLimit(32767, this))
{
    setValidator(m_limit);
    connect(this, &QLineEdit::textChanged, this, &ValueField::updateToolTip);
}

void ValueField::setTypingLimit(int characters) { m_limit->setCharacters(characters); }

int ValueField::typingLimit() const { return m_limit->characters(); }

// A line edit scrolls to keep its cursor in view, and setText() puts the
// cursor at the end: a long result would show only its last digits.
void ValueField::showText(const QString &text)
{
    m_limit->setProgramWriting(true);
    setText(text);
    m_limit->setProgramWriting(false);
    if (!textFits())
        setCursorPosition(0);
}

bool ValueField::textFits() const { return fontMetrics().horizontalAdvance(text()) <= textArea().width(); }

QRect ValueField::textArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect inside
        = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    return inside.adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
}

void ValueField::updateToolTip() { setToolTip(textFits() ? QString() : wrapped(text())); }

// Back at the beginning, where the ellipsis marks the cut, once the user
// leaves the field; not while a context menu or another window has the
// focus, which would lose the selection.
void ValueField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const bool leftForGood
        = event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
    if (leftForGood && !textFits())
        setCursorPosition(0);
}

// Without a sign, the digits before the field's edge pass for the whole
// value. The sign is only painted: the text stays whole for selecting,
// copying and screen readers, and with the focus the field shows it as it
// is, to be scrolled through.
void ValueField::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    const bool showsBeginning = cursorPositionAt(textArea().topLeft()) == 0;
    if (!hasFocus() && showsBeginning && !textFits())
        markCut();
}

// After the last whole character that leaves room for it, over what the
// line edit draws of the next.
void ValueField::markCut()
{
    const QString ellipsis(QChar(0x2026));
    const QFontMetrics metrics = fontMetrics();
    const QRect area = textArea();
    const int room = area.width() - metrics.horizontalAdvance(ellipsis);
    qsizetype whole = 0;
    while (whole < text().size() && metrics.horizontalAdvance(text().left(whole + 1)) <= room)
        ++whole;
    const int cut = area.left() + metrics.horizontalAdvance(text().left(whole));
    const QRect sign(QPoint(cut, area.top()), QPoint(area.right() + kLineEditMargin, area.bottom()));
    QPainter painter(this);
    painter.fillRect(sign, palette().brush(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(sign, Qt::AlignLeft | Qt::AlignVCenter, ellipsis);
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
