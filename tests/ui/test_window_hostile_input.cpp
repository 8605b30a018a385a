// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile input in the window: huge pastes, control characters, bidi marks,
// emoji and NUL in a value field, compute pressed a thousand times, and the
// combination switched while fields hold text. Nothing crashes, the typing
// limit holds, and the fields and the note box always tell the truth.

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>

#include "window_test_support.h"

using namespace triangle::ui;

namespace {

const QString kInvalidInput = QStringLiteral("Грешно въведени входни данни!");

bool noteShowsTheStatement(const TriangleWindow &window)
{
    const QString note = window.Text1[0]->toPlainText();
    const QString statement = QStringLiteral("Да се състави проект");
    return note.startsWith(statement)
        || (note.startsWith(QStringLiteral("Точно: ")) && note.contains(QStringLiteral("\n\n") + statement));
}

void paste(ValueField &field, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::mouseClick(&field, Qt::LeftButton);
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
}

// Sends each character as a key event carrying that text, as an input
// method would; keyClicks cannot carry every character.
void typeCharacters(ValueField &field, const QString &text)
{
    QTest::mouseClick(&field, Qt::LeftButton);
    QTest::keyClick(&field, Qt::Key_End);
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::KeyAction::Click, &field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

} // namespace

class WindowHostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void hostileTextKeepsTheLimitAndTheTruth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");

        const QString controls = QString::fromUtf8("\x01\x02\x1b\x7f") + "5";
        const QString rightToLeft = QString::fromUtf8("\u200f12\u200e");
        const QString emoji = QString::fromUtf8("\U0001F600"
                                                "12");
        const QString nul = QString(QChar(0)) + "5";
        QTest::newRow("a paste of 100,000 digits") << QString(100000, QLatin1Char('9')) << true;
        QTest::newRow("a paste of 100,000 letters") << QString(100000, QLatin1Char('x')) << true;
        QTest::newRow("control characters pasted") << controls << true;
        QTest::newRow("control characters typed") << controls << false;
        QTest::newRow("right-to-left marks pasted") << rightToLeft << true;
        QTest::newRow("emoji pasted") << emoji << true;
        QTest::newRow("emoji typed") << emoji << false;
        QTest::newRow("NUL pasted") << nul << true;
        QTest::newRow("NUL typed") << nul << false;
    }

    // Combination 0 with A = 30 and B = 60 typed, the hostile text in side a.
    void hostileTextKeepsTheLimitAndTheTruth()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        const auto window = test::openWindow();
        test::typeInto(*window->Text2[0], "30");
        test::typeInto(*window->Text2[1], "60");
        ValueField &side = *window->Text2[3];

        if (pasted)
            paste(side, text);
        else
            typeCharacters(side, text);
        QVERIFY(side.text().size() <= 7);

        const QStringList before = test::fieldTexts(*window);
        test::click(*window->Command1[0]);
        const QStringList after = test::fieldTexts(*window);
        const QString note = window->Text1[0]->toPlainText();
        if (note == kInvalidInput) {
            QCOMPARE(after, before); // an invalid request changes no field
        } else {
            QVERIFY(noteShowsTheStatement(*window));
            QCOMPARE(after[0], QStringLiteral("30.0000"));
            QCOMPARE(after[2], QStringLiteral("90.0000"));
        }
    }

    void computeAThousandTimesShowsTheSameResult()
    {
        const auto window = test::openWindow(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
        test::solve(*window, 21, {"60,5", "5,25", "8"});
        const QStringList first = test::fieldTexts(*window);
        QCOMPARE(first[3], QStringLiteral("5,2500"));
        for (int press = 0; press < 1000; ++press)
            test::click(*window->Command1[0]);
        QCOMPARE(test::fieldTexts(*window), first);
        QVERIFY(noteShowsTheStatement(*window));
    }

    void switchingCombinationsWhileFieldsHoldTextEmptiesThem()
    {
        const auto window = test::openWindow();
        test::solve(*window, 21, {"60", "5", "8"});
        const QString perimeter = window->Text2[8]->text();
        QListWidget &list = *window->List1[0];
        for (int combination = 0; combination < triangle::kCombinationCount; ++combination) {
            // Fill every unlocked field, then move on with the keyboard.
            for (ValueField *field : window->Text2) {
                if (!field->isReadOnly())
                    test::typeInto(*field, "12,5x");
            }
            list.setFocus();
            QTest::keyClick(&list, combination == 0 ? Qt::Key_Home : Qt::Key_Down);
            QCOMPARE(list.currentRow(), combination);
            for (int position = 0; position < triangle::kQuantityCount; ++position) {
                QVERIFY(window->Text2[position]->text().isEmpty());
                QCOMPARE(window->Check1[position]->isChecked(),
                    triangle::isGiven(combination, triangle::quantityAt(position)));
                QCOMPARE(window->Text2[position]->isReadOnly(),
                    !triangle::isGiven(combination, triangle::quantityAt(position)));
            }
            QCOMPARE(window->Text2[8]->text(), perimeter);
        }
    }
};

TRIANGLE_WINDOW_TEST_MAIN(WindowHostileInputTest)
#include "test_window_hostile_input.moc"
