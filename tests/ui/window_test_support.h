// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the window's tests: a window shown on the offscreen platform and
// driven the way a user drives it, by clicks and keys.

#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "ui/triangle_window.h"

namespace triangle::ui::test {

// Without a display the tests use Qt's offscreen platform, and a private
// runtime folder keeps Qt from complaining about a missing one.
inline std::unique_ptr<QTemporaryDir> prepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return nullptr;
    auto runtimeDir = std::make_unique<QTemporaryDir>(); // created 0700
    qputenv("XDG_RUNTIME_DIR", runtimeDir->path().toLocal8Bit());
    return runtimeDir;
}

// A random source that always gives `value`.
inline RandomSource fixedRandom(float value)
{
    return [value] { return value; };
}

inline std::unique_ptr<TriangleWindow> openWindow(const QLocale &locale = QLocale::c(), float random = 0.0f)
{
    auto window = std::make_unique<TriangleWindow>(locale, fixedRandom(random));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the window was never exposed");
    return window;
}

inline void selectCombination(TriangleWindow &window, int combination)
{
    QListWidget &list = *window.List1[0];
    QListWidgetItem *item = list.item(combination);
    list.scrollToItem(item);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
}

// Clicks into the field and types at the end of its text.
inline void typeInto(QWidget &field, const QString &text)
{
    QTest::mouseClick(&field, Qt::LeftButton);
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClicks(&field, text);
}

// Types `text` key by key as a keyboard with its letters would, signs
// beyond ASCII (√, °, Cyrillic) included, which QTest::keyClicks refuses.
inline void typeText(QWidget &field, const QString &text)
{
    for (const QChar sign : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(sign));
        QApplication::sendEvent(&field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(sign));
        QApplication::sendEvent(&field, &release);
    }
}

inline void click(QPushButton &button) { QTest::mouseClick(&button, Qt::LeftButton); }

// Selects the combination, types the three given values into its given
// fields in field order, and presses "Изчисли".
inline void solve(TriangleWindow &window, int combination, const QStringList &given)
{
    selectCombination(window, combination);
    qsizetype next = 0;
    for (int position = 0; position < kQuantityCount && next < given.size(); ++position) {
        if (window.Check1[position]->isChecked())
            typeInto(*window.Text2[position], given[next++]);
    }
    click(*window.Command1[0]);
}

inline QStringList fieldTexts(const TriangleWindow &window)
{
    QStringList texts;
    for (const ValueField *field : window.Text2)
        texts.append(field->text());
    return texts;
}

} // namespace triangle::ui::test

// QTEST_MAIN, with the environment prepared before the application starts.
#define TRIANGLE_WINDOW_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        const auto runtimeDir = triangle::ui::test::prepareEnvironment();                                    \
        QApplication app(argc, argv);                                                                        \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
