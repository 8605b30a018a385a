// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the window as a user would drive it: bytes become key presses,
// pastes, focus changes, list selections and button clicks on a fresh window
// (offscreen), «Решение», the modes and the practice mode's fields and
// buttons among them (all but «Работен лист…», whose dialog waits for the
// user). The program must never crash, and no edit by the user may take a
// field past its typing limit: a field holds more only when the program
// itself wrote a long result into it, and the user may then only cut from
// that.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ui/triangle_window.h"
#include "ui/window_font.h"

namespace {

using triangle::ui::TriangleWindow;
using triangle::ui::ValueField;

// Characters a user might type: digits, separators, signs, exponent letters,
// blanks, Cyrillic, a bidi mark, an emoji half and NUL.
const QString kTypable = QString::fromUtf8("0123456789.,-+eEdD \t\u00a0aбв\u200f\u0000") + QChar(0xd83d);

const std::array<Qt::Key, 9> kKeys = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
    Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Down};

class Actions {
public:
    Actions(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_next >= m_size; }
    std::uint8_t next() { return done() ? 0 : m_data[m_next++]; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_next = 0;
};

// Whether `after` is `before` with one stretch of it cut out, or unchanged.
bool isCutFrom(const QString &after, const QString &before)
{
    if (after.size() > before.size())
        return false;
    qsizetype head = 0;
    while (head < after.size() && after[head] == before[head])
        ++head;
    return before.endsWith(QStringView(after).sliced(head));
}

void requireWithinLimit(const ValueField &field, const QString &before)
{
    const QString after = field.text();
    if (after.size() > field.typingLimit() && !isCutFrom(after, before)) {
        std::fprintf(
            stderr, "typing limit broken: \"%s\" after \"%s\"\n", qPrintable(after), qPrintable(before));
        std::abort();
    }
}

// One user action on the window; field edits are checked against the limit.
void act(TriangleWindow &window, Actions &actions, ValueField *&focused)
{
    const std::uint8_t choice = actions.next() % 6;
    switch (choice) {
    case 0: { // focus a value field, or in the practice mode an answer or the problem's number
        std::vector<ValueField *> fields(window.Text2.begin(), window.Text2.end());
        if (window.Practice1->isVisible()) {
            fields.push_back(&window.Practice1->number());
            for (std::size_t k = 0; k < window.Practice1->answersShown(); ++k)
                fields.push_back(&window.Practice1->answer(k));
        }
        focused = fields.at(actions.next() % fields.size());
        QTest::mouseClick(focused, Qt::LeftButton);
        return;
    }
    case 1: { // click a button that shows
        std::vector<QPushButton *> buttons(window.Command1.begin(), window.Command1.end());
        buttons.insert(buttons.end(), {window.Command3, window.Command4, window.Command5});
        buttons.insert(buttons.end(), window.Command6.begin(), window.Command6.begin() + 4);
        QPushButton *button = buttons.at(actions.next() % buttons.size());
        if (button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    case 2: // choose a combination
        window.List1[0]->setCurrentRow(actions.next() % window.List1[0]->count());
        return;
    default: break;
    }
    if (focused == nullptr)
        return;
    const QString before = focused->text();
    if (choice == 3) {
        const QChar ch = kTypable.at(actions.next() % kTypable.size());
        QTest::sendKeyEvent(QTest::KeyAction::Click, focused, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    } else if (choice == 4) {
        const int length = actions.next() % 16;
        QString text;
        for (int i = 0; i < length; ++i)
            text += kTypable.at(actions.next() % kTypable.size());
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(focused, Qt::Key_V, Qt::ControlModifier);
    } else {
        const Qt::Key key = kKeys.at(actions.next() % kKeys.size());
        QTest::keyClick(focused, key);
        if (key == Qt::Key_Return)
            return; // Enter computes: the program writes the fields
    }
    requireWithinLimit(*focused, before);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives until the process ends: destroying it at exit, after the test
    // library's own globals, would crash in Qt's teardown.
    static auto *app = new QApplication(*argc, *argv); // NOLINT(cppcoreguidelines-owning-memory)
    Q_UNUSED(app);
    QApplication::setFont(triangle::ui::windowFont());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The sample button picks by a fixed draw, so a run can be replayed.
    TriangleWindow window(QLocale::c(), [] { return 0.25F; });
    window.show();
    ValueField *focused = nullptr;
    Actions actions(data, size);
    while (!actions.done())
        act(window, actions, focused);
    return 0;
}
