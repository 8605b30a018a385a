// SPDX-License-Identifier: GPL-3.0-or-later
// The window at work: start-up, choosing a combination, computing, clearing,
// showing a sample, the typing limit, the Enter key and the buttons' Alt
// letters, all driven by clicks and key presses.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include "window_test_support.h"

using namespace triangle::ui;

namespace {

const QString kStatementStart = "Да се състави проект, реализиращ междупредметни връзки между Математика и "
                                "Информатика.\n"
                                "Тема на проекта: Математика - лице на триъгълник.\n"
                                "Чрез проекта да се решават следните типове задачи:\n";
const QString kInvalidInput = "Грешно въведени входни данни!";
const QString kOverflow = "Грешка при изчислението: препълване.";
const QString kNoTriangle
    = "Няма триъгълник с тези данни: стойностите са изчислени, но не описват реален триъгълник.";
const QString kAngleNotBelow180
    = "Няма триъгълник с тези данни: всеки ъгъл на триъгълник е по-малък от 180°.";
const QString kAnglesReachTheSum
    = "Няма триъгълник с тези данни: сборът на всеки два ъгъла на триъгълник е по-малък от 180°.";
const QString kStatement = QStringLiteral("the problem statement");

// Combination 21 (C, a, b) with 60, 5 and 8.
const QStringList kWorkedTriangle
    = {"38.2132", "81.7868", "60.0000", "5.0000", "8.0000", "7.0000", "17.3205", "4.0415", "20.0000"};

QList<int> checkedPositions(const TriangleWindow &window)
{
    QList<int> positions;
    for (int i = 0; i < triangle::kQuantityCount; ++i) {
        if (window.Check1[i]->isChecked())
            positions << i;
    }
    return positions;
}

QList<int> unlockedPositions(const TriangleWindow &window)
{
    QList<int> positions;
    for (int i = 0; i < triangle::kFieldCount; ++i) {
        if (!window.Text2[i]->isReadOnly())
            positions << i;
    }
    return positions;
}

bool anyIndicatorEnabled(const TriangleWindow &window)
{
    return std::ranges::any_of(window.Check1, [](const QCheckBox *box) { return box->isEnabled(); });
}

QString note(const TriangleWindow &window)
{
    QString text = window.Text1[0]->toPlainText();
    // The exact values before the statement are the session scenarios' to check.
    if (text.startsWith(QStringLiteral("Точно: ")))
        text = text.section(QStringLiteral("\n\n"), 1);
    if (text.startsWith(kStatementStart))
        return kStatement;
    // A note put before the statement, with the statement's start.
    const auto statement = text.indexOf(kStatementStart);
    return statement < 0 ? text : text.left(statement + kStatementStart.size());
}

} // namespace

class WindowRequestTest : public QObject {
    Q_OBJECT

private slots:
    void startUpSelectsTheFirstCombinationWithItsFieldsReady();
    void selectingACombinationMarksAndUnlocksItsGivenFields_data();
    void selectingACombinationMarksAndUnlocksItsGivenFields();
    void computeShowsTheResultsOrSaysWhyNot_data();
    void computeShowsTheResultsOrSaysWhyNot();
    void theNoteBoxFollowsTheLastRequest();
    void clearEmptiesEveryFieldButKeepsTheChoice();
    void aSampleFillsTheFieldsAndCombination0SolvesItBack_data();
    void aSampleFillsTheFieldsAndCombination0SolvesItBack();
    void typingAndPastingStopAtSevenCharacters_data();
    void typingAndPastingStopAtSevenCharacters();
    void longValuesTheProgramWritesAreShownWhole();
    void enterInAValueFieldComputes_data();
    void enterInAValueFieldComputes();
    void givenFieldsKeepTheTypedValueThroughRepeatedPresses_data();
    void givenFieldsKeepTheTypedValueThroughRepeatedPresses();
    void pastingOverALongResultKeepsTheLimit_data();
    void pastingOverALongResultKeepsTheLimit();
    void aResultWiderThanItsFieldShowsItsBeginningAndAllOfItInItsTooltip();
    void altAndAButtonsUnderlinedLetterPressesIt_data();
    void altAndAButtonsUnderlinedLetterPressesIt();
    void typingARowsNumberInTheListSelectsThatRow_data();
    void typingARowsNumberInTheListSelectsThatRow();
};

void WindowRequestTest::startUpSelectsTheFirstCombinationWithItsFieldsReady()
{
    const auto window = test::openWindow();

    QCOMPARE(window->List1[0]->count(), triangle::kCombinationCount);
    QCOMPARE(window->List1[0]->item(0)->text(), " 0: A,B,a,");
    QCOMPARE(window->List1[0]->item(50)->text(), " 50: C,b,S,");
    QCOMPARE(window->List1[1]->count(), triangle::kCombinationCount);
    QCOMPARE(window->List1[1]->item(21)->text(), "00111000");
    QCOMPARE(window->List1[0]->currentRow(), 0);

    QCOMPARE(checkedPositions(*window), QList<int>({0, 1, 3}));
    QVERIFY(!anyIndicatorEnabled(*window));
    QCOMPARE(unlockedPositions(*window), QList<int>({0, 1, 3}));
    QCOMPARE(test::fieldTexts(*window), QStringList(9, QString()));
    for (const ValueField *field : window->Text2)
        QCOMPARE(field->typingLimit(), 7);

    QVERIFY(
        window->windowTitle().startsWith("triangle.example.org Математика - триъгълник, страни, ъгли, лице"));
    QCOMPARE(note(*window), kStatement);
    QCOMPARE(window->Text1[0]->toPlainText().count(QStringLiteral("\nПо въведени: ")), 13);
    QCOMPARE(window->Text1[1]->toPlainText().split('\n').size(), 3);
    QVERIFY(window->Text1[0]->isReadOnly() && window->Text1[1]->isReadOnly());
}

void WindowRequestTest::selectingACombinationMarksAndUnlocksItsGivenFields_data()
{
    QTest::addColumn<int>("combination");
    QTest::addColumn<QList<int>>("given");
    QTest::newRow("combination 50 gives C, b and S") << 50 << QList<int> {2, 4, 6};
    QTest::newRow("combination 36 gives a, S and R") << 36 << QList<int> {3, 6, 7};
    QTest::newRow("combination 9 gives A, B and S") << 9 << QList<int> {0, 1, 6};
    QTest::newRow("combination 0 gives A, B and a") << 0 << QList<int> {0, 1, 3};
}

void WindowRequestTest::selectingACombinationMarksAndUnlocksItsGivenFields()
{
    QFETCH(int, combination);
    QFETCH(QList<int>, given);
    const auto window = test::openWindow();
    test::solve(*window, 21, {"60", "5", "8"});
    QCOMPARE(test::fieldTexts(*window), kWorkedTriangle);

    test::selectCombination(*window, combination);

    QCOMPARE(window->List1[0]->currentRow(), combination);
    QCOMPARE(checkedPositions(*window), given);
    QCOMPARE(unlockedPositions(*window), given);
    QVERIFY(!anyIndicatorEnabled(*window));
    QStringList emptiedButPerimeter(8, QString());
    emptiedButPerimeter << "20.0000";
    QCOMPARE(test::fieldTexts(*window), emptiedButPerimeter);
}

void WindowRequestTest::computeShowsTheResultsOrSaysWhyNot_data()
{
    QTest::addColumn<int>("combination");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("note");

    QTest::newRow("two sides and the angle between them solve the worked triangle")
        << 21 << QStringList {"60", "5", "8"} << kWorkedTriangle << kStatement;
    QTest::newRow("in the C locale a comma ends the number, and the note says so")
        << 21 << QStringList {"60", "5,5", "8"} << kWorkedTriangle
        << QString("Решено с a = 5.0000: от въведеното „5,5“ е прочетено само числото в началото.\n\n")
            + kStatementStart;
    QTest::newRow("angles beyond 180 degrees are computed but make no triangle")
        << 0 << QStringList {"100", "100", "5"}
        << QStringList {"100.0000", "100.0000", "-20.0000", "5.0000", "5.0000", "-1.7365", "-4.2753",
               "2.5386", "8.2635"}
        << kAnglesReachTheSum;
    QTest::newRow("an empty given field is invalid input and changes nothing")
        << 0 << QStringList {"30", "60", ""} << QStringList {"30", "60", "", "", "", "", "", "", ""}
        << kInvalidInput;
    QTest::newRow("a zero is invalid input")
        << 0 << QStringList {"30", "0", "10"} << QStringList {"30", "0", "", "10", "", "", "", "", ""}
        << kInvalidInput;
    QTest::newRow("a negative side is invalid input")
        << 21 << QStringList {"60", "-5", "8"} << QStringList {"", "", "60", "-5", "8", "", "", "", ""}
        << kInvalidInput;
    QTest::newRow("two right angles are no triangle and change no field")
        << 8 << QStringList {"90", "90", "10"} << QStringList {"90", "90", "", "", "", "10", "", "", ""}
        << kAnglesReachTheSum;
    QTest::newRow("a law of sines that gives a sine above 1 is no real triangle")
        << 24 << QStringList {"30", "1", "8"}
        << QStringList {"30.0000", "90.0000", "60.0000", "1.0000", "8.0000", "1.7321", "3.4641", "1.0000",
               "10.7321"}
        << kNoTriangle;
    QTest::newRow("huge sides overflow")
        << 21 << QStringList {"60", "1e200", "1e200"}
        << QStringList {"", "", "60", "1e200", "1e200", "", "", "", ""} << kOverflow;
    QTest::newRow("an angle of 200 degrees is no triangle before any formula")
        << 39 << QStringList {"200", "1", "1"} << QStringList {"200", "", "", "", "", "", "1", "1", ""}
        << kAngleNotBelow180;
}

void WindowRequestTest::computeShowsTheResultsOrSaysWhyNot()
{
    QFETCH(int, combination);
    QFETCH(QStringList, given);
    QFETCH(QStringList, fields);
    QFETCH(QString, note);
    const auto window = test::openWindow();

    test::solve(*window, combination, given);

    QCOMPARE(test::fieldTexts(*window), fields);
    QCOMPARE(::note(*window), note);
}

void WindowRequestTest::theNoteBoxFollowsTheLastRequest()
{
    const auto window = test::openWindow();
    test::solve(*window, 0, {"30", "60", ""});
    QCOMPARE(note(*window), kInvalidInput);
    test::solve(*window, 21, {"60", "5", "8"});
    QCOMPARE(note(*window), kStatement);
    test::solve(*window, 8, {"90", "90", "10"});
    QCOMPARE(note(*window), kAnglesReachTheSum);
    test::selectCombination(*window, 21);
    QCOMPARE(note(*window), kAnglesReachTheSum);
    test::click(*window->Command1[1]);
    QCOMPARE(note(*window), kStatement);
    test::solve(*window, 24, {"30", "1", "8"});
    QCOMPARE(note(*window), kNoTriangle);
    test::click(*window->Command1[1]);
    QCOMPARE(note(*window), kStatement);
}

void WindowRequestTest::clearEmptiesEveryFieldButKeepsTheChoice()
{
    const auto window = test::openWindow();
    test::solve(*window, 21, {"60", "5", "8"});

    test::click(*window->Command1[1]);

    QCOMPARE(test::fieldTexts(*window), QStringList(9, QString()));
    QCOMPARE(window->List1[0]->currentRow(), 21);
    QCOMPARE(checkedPositions(*window), QList<int>({2, 3, 4}));
    QCOMPARE(unlockedPositions(*window), QList<int>({2, 3, 4}));

    test::click(*window->Command1[0]);
    QCOMPARE(note(*window), kInvalidInput);
    QCOMPARE(test::fieldTexts(*window), QStringList(9, QString()));
}

void WindowRequestTest::aSampleFillsTheFieldsAndCombination0SolvesItBack_data()
{
    QTest::addColumn<float>("random");
    QTest::addColumn<QStringList>("sample");
    QTest::addColumn<QStringList>("solved");
    const QStringList equilateral = {"60", "60", "60", "10", "10", "10", "43.3013", "5.7735"};
    const QStringList equilateralSolved
        = {"60.0000", "60.0000", "60.0000", "10.0000", "10.0000", "10.0000", "43.3013", "5.7735", "30.0000"};
    const QStringList right = {"30", "60", "90", "10", "17.3205", "20", "86.6025", "10"};
    const QStringList rightSolved
        = {"30.0000", "60.0000", "90.0000", "10.0000", "17.3205", "20.0000", "86.6025", "10.0000", "47.3205"};
    QTest::newRow("an odd draw shows the equilateral triangle") << 0.001f << equilateral << equilateralSolved;
    QTest::newRow("999 thousandths is odd too") << 0.999f << equilateral << equilateralSolved;
    QTest::newRow("an even draw shows the right triangle") << 0.0f << right << rightSolved;
    QTest::newRow("2.5 thousandths rounds half to even") << 0.0025f << right << rightSolved;
}

void WindowRequestTest::aSampleFillsTheFieldsAndCombination0SolvesItBack()
{
    QFETCH(float, random);
    QFETCH(QStringList, sample);
    QFETCH(QStringList, solved);
    const auto window = test::openWindow(QLocale::c(), random);
    test::solve(*window, 21, {"60", "5", "8"});
    test::selectCombination(*window, 0);

    test::click(*window->Command1[2]);

    // Locked fields are written too; the perimeter is the sample's, as
    // solving it gives.
    QCOMPARE(test::fieldTexts(*window), QStringList(sample) << solved.last());
    QCOMPARE(checkedPositions(*window), QList<int>({0, 1, 3}));

    test::click(*window->Command1[0]);
    QCOMPARE(test::fieldTexts(*window), solved);
}

void WindowRequestTest::typingAndPastingStopAtSevenCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("typing stops at the seventh character") << "12345678"
                                                           << ""
                                                           << "1234567";
    QTest::newRow("a paste that fills the field to seven is taken") << "12345"
                                                                    << "67"
                                                                    << "1234567";
    QTest::newRow("a paste that would go past seven is refused") << "12345"
                                                                 << "678"
                                                                 << "12345";
    QTest::newRow("a long paste into an empty field is refused") << ""
                                                                 << "123456789"
                                                                 << "";
}

void WindowRequestTest::typingAndPastingStopAtSevenCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    const auto window = test::openWindow();
    ValueField &field = *window->Text2[0];

    test::typeInto(field, typed);
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    }

    QCOMPARE(field.text(), shown);
}

void WindowRequestTest::longValuesTheProgramWritesAreShownWhole()
{
    const auto window = test::openWindow();
    test::solve(*window, 0, {"30", "60", "9999999"});
    QCOMPARE(test::fieldTexts(*window),
        QStringList({"30.0000", "60.0000", "90.0000", "9999999.0000", "17320506.3436", "19999998.0000",
            "86602523057936.6562", "9999999.0000", "47320503.3436"}));

    // A long result may be shortened, but typing cannot make it longer.
    ValueField &sideA = *window->Text2[3];
    test::typeInto(sideA, "5");
    QCOMPARE(sideA.text(), "9999999.0000");
    QTest::keyClick(&sideA, Qt::Key_Backspace);
    QCOMPARE(sideA.text(), "9999999.000");

    window->Text2[8]->setText("123456789.0000");
    QCOMPARE(window->Text2[8]->text(), "123456789.0000");
}

void WindowRequestTest::enterInAValueFieldComputes_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("key");
    QTest::newRow("Return in a given field") << 4 << int(Qt::Key_Return);
    QTest::newRow("keypad Enter in a given field") << 3 << int(Qt::Key_Enter);
    QTest::newRow("Return in the locked perimeter field") << 8 << int(Qt::Key_Return);
}

void WindowRequestTest::enterInAValueFieldComputes()
{
    QFETCH(int, position);
    QFETCH(int, key);
    const auto window = test::openWindow();
    test::selectCombination(*window, 21);
    test::typeInto(*window->Text2[2], "60");
    test::typeInto(*window->Text2[3], "5");
    test::typeInto(*window->Text2[4], "8");

    QTest::mouseClick(window->Text2[position], Qt::LeftButton);
    QTest::keyClick(window->Text2[position], Qt::Key(key));

    QCOMPARE(test::fieldTexts(*window), kWorkedTriangle);
}

void WindowRequestTest::givenFieldsKeepTheTypedValueThroughRepeatedPresses_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("combination");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("shown"); // the given fields after a press, in field order
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    QTest::newRow("five decimals stay five") << QLocale::c() << 0 << QStringList {"2.34567", "60", "7"}
                                             << QStringList {"2.34567", "60.0000", "7.0000"};
    QTest::newRow("with a decimal comma") << bulgarian << 0 << QStringList {"2,34567", "60", "7"}
                                          << QStringList {"2,34567", "60,0000", "7,0000"};
    QTest::newRow("a point typed where the comma is the separator")
        << bulgarian << 21 << QStringList {"60", "5.25", "8.12345"}
        << QStringList {"60,0000", "5,2500", "8,12345"};
    QTest::newRow("a tiny side is not rounded to zero")
        << QLocale::c() << 21 << QStringList {"60", "1e-5", "2e-5"}
        << QStringList {"60.0000", "0.00001", "0.00002"};
    QTest::newRow("a side no double holds stays as typed")
        << QLocale::c() << 21 << QStringList {"60", "1e23", "2e23"}
        << QStringList {"60.0000", "1e23", "2e23"};
}

void WindowRequestTest::givenFieldsKeepTheTypedValueThroughRepeatedPresses()
{
    QFETCH(QLocale, locale);
    QFETCH(int, combination);
    QFETCH(QStringList, given);
    QFETCH(QStringList, shown);
    const auto window = test::openWindow(locale);

    test::solve(*window, combination, given);
    QCOMPARE(::note(*window), kStatement);
    const QStringList first = test::fieldTexts(*window);
    QStringList givenFields;
    for (int position = 0; position < triangle::kQuantityCount; ++position) {
        if (triangle::isGiven(combination, triangle::quantityAt(position)))
            givenFields << first[position];
    }
    QCOMPARE(givenFields, shown);

    for (int press = 0; press < 2; ++press) {
        test::click(*window->Command1[0]);
        QCOMPARE(test::fieldTexts(*window), first);
    }
}

void WindowRequestTest::pastingOverALongResultKeepsTheLimit_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("eight characters over all eight are refused") << "98765432"
                                                                 << "120.0000";
    QTest::newRow("seven characters over all eight are taken") << "9876543"
                                                               << "9876543";
}

// Side a of combination 0 holds the result 120.0000 when the paste replaces
// the whole of it.
void WindowRequestTest::pastingOverALongResultKeepsTheLimit()
{
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    const auto window = test::openWindow();
    test::solve(*window, 0, {"30", "60", "120"});
    ValueField &sideA = *window->Text2[3];
    QCOMPARE(sideA.text(), "120.0000");

    QGuiApplication::clipboard()->setText(pasted);
    QTest::mouseClick(&sideA, Qt::LeftButton);
    QTest::keyClick(&sideA, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&sideA, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(sideA.text(), shown);
}

void WindowRequestTest::aResultWiderThanItsFieldShowsItsBeginningAndAllOfItInItsTooltip()
{
    const auto window = test::openWindow();
    test::solve(*window, 21, {"60", "1e100", "1e100"});
    QCOMPARE(::note(*window), kStatement);

    int tooWide = 0;
    for (ValueField *field : window->Text2) {
        field->repaint(); // a line edit scrolls its text when it paints
        if (field->textFits()) {
            QVERIFY(field->toolTip().isEmpty());
            continue;
        }
        ++tooWide;
        // The cursor stands before the first character, and that is in view
        // at the field's left edge, not scrolled away.
        const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QCOMPARE(field->cursorPosition(), 0);
        QVERIFY2(cursor.center().x() < 12, qPrintable(field->objectName() + " " + field->text()));
        QCOMPARE(field->toolTip().remove(u'\n'), field->text());
    }
    // The side c, the area, the radius and the perimeter; not the angles,
    // nor the given sides, which no double holds and so stay as typed.
    QCOMPARE(tooWide, 4);
    QVERIFY2(window->Text2[7]->text().startsWith("57735026918962"), qPrintable(window->Text2[7]->text()));
}

void WindowRequestTest::altAndAButtonsUnderlinedLetterPressesIt_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("Alt+И computes") << 0 << "&Изчисли" << kWorkedTriangle;
    QTest::newRow("Alt+Т clears") << 1 << "Изчис&ти" << QStringList(9, QString());
    QTest::newRow("Alt+П shows a sample")
        << 2 << "&Провери"
        << QStringList {"30", "60", "90", "10", "17.3205", "20", "86.6025", "10", "47.3205"};
}

void WindowRequestTest::altAndAButtonsUnderlinedLetterPressesIt()
{
    QFETCH(int, button);
    QFETCH(QString, caption);
    QFETCH(QStringList, fields);
    const auto window = test::openWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    test::selectCombination(*window, 21);
    test::typeInto(*window->Text2[2], "60");
    test::typeInto(*window->Text2[3], "5");
    test::typeInto(*window->Text2[4], "8");

    QCOMPARE(window->Command1[button]->text(), caption);
    const QChar letter = caption.at(caption.indexOf(u'&') + 1).toUpper();
    // A Cyrillic key carries its letter as text; QTest cannot make one up.
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(letter.unicode()),
        QString(letter.toLower()), Qt::AltModifier);

    // The shortcut shows the button pressed, and clicks it a moment later.
    QTRY_COMPARE(test::fieldTexts(*window), fields);
}

void WindowRequestTest::typingARowsNumberInTheListSelectsThatRow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::newRow("21") << "21" << 21;
    QTest::newRow("2") << "2" << 2;
    QTest::newRow("50") << "50" << 50;
    QTest::newRow("5 then 5 again starts over at 5") << "55" << 5;
}

void WindowRequestTest::typingARowsNumberInTheListSelectsThatRow()
{
    QFETCH(QString, typed);
    QFETCH(int, row);
    const auto window = test::openWindow();
    QListWidget &list = *window->List1[0];
    list.setFocus();

    QTest::keyClicks(&list, typed);

    QCOMPARE(list.currentRow(), row);
    QVERIFY(list.currentItem()->text().startsWith(QStringLiteral(" %1: ").arg(row)));
    QCOMPARE(checkedPositions(*window).size(), 3); // the row's fields are ready
}

TRIANGLE_WINDOW_TEST_MAIN(WindowRequestTest)
#include "test_window_requests.moc"
