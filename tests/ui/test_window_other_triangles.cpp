// SPDX-License-Identifier: GPL-3.0-or-later
// Data that fit more than one triangle: the window shows the first as ever,
// says in the note box that there are others, and "Друг триъгълник" (or
// Ctrl+T) switches the fields and the picture to each in turn and back.

#include <functional>

#include <QPlainTextEdit>
#include <QTextBlock>

#include "window_test_support.h"

using namespace triangle::ui;

namespace {

using Step = std::function<void(TriangleWindow &)>;

const QString kStatementStart = QStringLiteral("Да се състави проект");

QString note(const TriangleWindow &window) { return window.Text1[0]->toPlainText(); }

QString firstLines(const TriangleWindow &window) { return note(window).section(u'\n', 0, 1); }

QString offer(int shown, int count)
{
    const QString fit = count == 2 ? QStringLiteral("Данните допускат и друг триъгълник.")
                                   : QStringLiteral("Данните допускат още %1 триъгълника.").arg(count - 1);
    return fit + QStringLiteral(" Показан е %1 от %2.\n").arg(shown).arg(count)
        + QStringLiteral("За смяна: бутонът „Друг триъгълник“ или Ctrl+T.");
}

bool offersAnotherTriangle(const TriangleWindow &window)
{
    return window.Command2->isVisibleTo(&window) && window.Command2->isEnabled();
}

// Shortcuts reach only the active window. A button's shortcut presses it
// for all to see, and the click comes a tenth of a second later.
void pressCtrlT(TriangleWindow &window)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the window never became active");
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window, Qt::Key_T, Qt::ControlModifier);
    QTest::qWait(250);
}

// Replaces the text of a value field by typing, as a user would.
void retype(ValueField &field, const QString &text)
{
    QTest::mouseClick(&field, Qt::LeftButton);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
}

QImage picture(const TriangleWindow &window) { return window.Picture1->grab().toImage(); }

} // namespace

Q_DECLARE_METATYPE(Step)

class WindowOtherTrianglesTest : public QObject {
    Q_OBJECT

private slots:
    void theButtonSwitchesToTheOtherTriangleAndBack_data();
    void theButtonSwitchesToTheOtherTriangleAndBack();
    void aClickCtrlTOrTabAndSpaceSwitch_data();
    void aClickCtrlTOrTabAndSpaceSwitch();
    void fourTrianglesAreShownInTurn();
    void dataThatFitOneTriangleOfferNoOther_data();
    void dataThatFitOneTriangleOfferNoOther();
    void theOfferEndsWithANewRequestAClearASelectionOrASample_data();
    void theOfferEndsWithANewRequestAClearASelectionOrASample();
    void computingAgainAfterSwitchingShowsTheFirstTriangle();
    void thePictureFollowsTheShownTriangle();
    void theOfferIsReadableAboveTheMotto();
};

void WindowOtherTrianglesTest::theButtonSwitchesToTheOtherTriangleAndBack_data()
{
    QTest::addColumn<int>("combination");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::newRow("A = 30, a = 5, b = 8: B acute or obtuse")
        << 24 << QStringList {"30", "5", "8"}
        << QStringList {"30.0000", "53.1301", "96.8699", "5.0000", "8.0000", "9.9282", "19.8564", "5.0000",
               "22.9282"}
        << QStringList {
               "30.0000", "126.8699", "23.1301", "5.0000", "8.0000", "3.9282", "7.8564", "5.0000", "16.9282"};
    QTest::newRow("a = 8, b = 8, S = 16: C of 30 or 150 degrees")
        << 30 << QStringList {"8", "8", "16"}
        << QStringList {"75.0000", "75.0000", "30.0000", "8.0000", "8.0000", "4.1411", "16.0000", "4.1411",
               "20.1411"}
        << QStringList {"15.0000", "15.0000", "150.0000", "8.0000", "8.0000", "15.4548", "16.0000", "15.4548",
               "31.4548"};
    QTest::newRow("a = 6, b = 8, R = 5: a right triangle or an obtuse one")
        << 33 << QStringList {"6", "8", "5"}
        << QStringList {"36.8699", "53.1301", "90.0000", "6.0000", "8.0000", "10.0000", "24.0000", "5.0000",
               "24.0000"}
        << QStringList {
               "36.8699", "126.8699", "16.2602", "6.0000", "8.0000", "2.8000", "6.7200", "5.0000", "16.8000"};
}

void WindowOtherTrianglesTest::theButtonSwitchesToTheOtherTriangleAndBack()
{
    QFETCH(int, combination);
    QFETCH(QStringList, given);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    const auto window = test::openWindow();

    test::solve(*window, combination, given);
    QCOMPARE(test::fieldTexts(*window), first);
    QVERIFY(offersAnotherTriangle(*window));
    QCOMPARE(firstLines(*window), offer(1, 2));

    test::click(*window->Command2);
    QCOMPARE(test::fieldTexts(*window), second);
    QCOMPARE(firstLines(*window), offer(2, 2));

    test::click(*window->Command2);
    QCOMPARE(test::fieldTexts(*window), first);
    QCOMPARE(firstLines(*window), offer(1, 2));
    // The problem statement still follows the offer.
    QVERIFY(note(*window).contains(QStringLiteral("\n\n") + kStatementStart));
}

void WindowOtherTrianglesTest::aClickCtrlTOrTabAndSpaceSwitch_data()
{
    QTest::addColumn<Step>("press");
    QTest::newRow("a click on the button") << Step([](TriangleWindow &w) { test::click(*w.Command2); });
    QTest::newRow("Ctrl+T in a value field") << Step([](TriangleWindow &w) {
        QTest::mouseClick(w.Text2[4], Qt::LeftButton);
        pressCtrlT(w);
    });
    QTest::newRow("Tab from the perimeter field, then Space") << Step([](TriangleWindow &w) {
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.Text2[8]->setFocus();
        QTest::keyClick(w.Text2[8], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Command2);
        QTest::keyClick(w.Command2, Qt::Key_Space);
    });
}

void WindowOtherTrianglesTest::aClickCtrlTOrTabAndSpaceSwitch()
{
    QFETCH(Step, press);
    const auto window = test::openWindow();
    test::solve(*window, 24, {"30", "5", "8"});
    QCOMPARE(window->Text2[1]->text(), "53.1301");

    press(*window);

    QCOMPARE(window->Text2[1]->text(), "126.8699");
    QCOMPARE(firstLines(*window), offer(2, 2));
}

// a = 14 and R = 8 make A 61.0450 or 118.9550 degrees, and with S = 24 either
// fits two triangles, mirror images of each other.
void WindowOtherTrianglesTest::fourTrianglesAreShownInTurn()
{
    const auto window = test::openWindow();
    test::solve(*window, 36, {"14", "24", "8"});
    const QStringList first = test::fieldTexts(*window);
    QCOMPARE(firstLines(*window), offer(1, 4));

    QStringList anglesAB;
    QSet<QStringList> seen = {first};
    for (int shown = 2; shown <= 4; ++shown) {
        test::click(*window->Command2);
        QCOMPARE(firstLines(*window), offer(shown, 4));
        const QStringList fields = test::fieldTexts(*window);
        QCOMPARE(fields.mid(3, 1) + fields.mid(6, 2), QStringList({"14.0000", "24.0000", "8.0000"}));
        anglesAB << fields[0] + " " + fields[1];
        seen.insert(fields);
    }
    QCOMPARE(seen.size(), 4);
    QCOMPARE(anglesAB, QStringList({"118.9550 18.4627", "61.0450 106.0698", "118.9550 42.5823"}));

    test::click(*window->Command2);
    QCOMPARE(test::fieldTexts(*window), first);
    QCOMPARE(firstLines(*window), offer(1, 4));
}

void WindowOtherTrianglesTest::dataThatFitOneTriangleOfferNoOther_data()
{
    QTest::addColumn<int>("combination");
    QTest::addColumn<QStringList>("given");
    QTest::newRow("A = 30, B = 60, a = 10") << 0 << QStringList {"30", "60", "10"};
    QTest::newRow("A = 30, a = 10, b = 8: the side opposite A is the longer")
        << 24 << QStringList {"30", "10", "8"};
    QTest::newRow("angles of 100 and 100 degrees: no triangle") << 0 << QStringList {"100", "100", "5"};
}

void WindowOtherTrianglesTest::dataThatFitOneTriangleOfferNoOther()
{
    QFETCH(int, combination);
    QFETCH(QStringList, given);
    const auto window = test::openWindow();

    test::solve(*window, combination, given);
    const QStringList fields = test::fieldTexts(*window);
    const QString shownNote = note(*window);
    QVERIFY(!offersAnotherTriangle(*window));
    QVERIFY(!shownNote.contains(QStringLiteral("друг триъгълник")));

    pressCtrlT(*window);
    QCOMPARE(test::fieldTexts(*window), fields);
    QCOMPARE(note(*window), shownNote);
}

void WindowOtherTrianglesTest::theOfferEndsWithANewRequestAClearASelectionOrASample_data()
{
    QTest::addColumn<Step>("then");
    QTest::newRow("a new request with one triangle") << Step([](TriangleWindow &w) {
        retype(*w.Text2[3], "10");
        test::click(*w.Command1[0]);
    });
    QTest::newRow("clear") << Step([](TriangleWindow &w) { test::click(*w.Command1[1]); });
    QTest::newRow("choosing a combination")
        << Step([](TriangleWindow &w) { test::selectCombination(w, 21); });
    QTest::newRow("a sample") << Step([](TriangleWindow &w) { test::click(*w.Command1[2]); });
}

void WindowOtherTrianglesTest::theOfferEndsWithANewRequestAClearASelectionOrASample()
{
    QFETCH(Step, then);
    const auto window = test::openWindow();
    test::solve(*window, 24, {"30", "5", "8"});
    test::click(*window->Command2);
    QVERIFY(offersAnotherTriangle(*window));

    then(*window);

    QVERIFY(!offersAnotherTriangle(*window));
    QVERIFY(!note(*window).contains(QStringLiteral("Показан е")) && note(*window).contains(kStatementStart));
    const QStringList fields = test::fieldTexts(*window);
    pressCtrlT(*window);
    QCOMPARE(test::fieldTexts(*window), fields);
}

void WindowOtherTrianglesTest::computingAgainAfterSwitchingShowsTheFirstTriangle()
{
    const auto window = test::openWindow();
    test::solve(*window, 24, {"30", "5", "8"});
    const QStringList first = test::fieldTexts(*window);
    test::click(*window->Command2);

    test::click(*window->Command1[0]);

    QCOMPARE(test::fieldTexts(*window), first);
    QCOMPARE(firstLines(*window), offer(1, 2));
    QVERIFY(offersAnotherTriangle(*window));
}

void WindowOtherTrianglesTest::thePictureFollowsTheShownTriangle()
{
    const auto window = test::openWindow();
    test::solve(*window, 24, {"30", "5", "8"});
    const QImage first = picture(*window);

    test::click(*window->Command2);
    const QImage second = picture(*window);
    test::click(*window->Command2);

    QVERIFY(second != first);
    QCOMPARE(picture(*window), first);
}

// Only the top of the note box shows: the motto box lies over the rest.
void WindowOtherTrianglesTest::theOfferIsReadableAboveTheMotto()
{
    const auto window = test::openWindow();
    test::solve(*window, 24, {"30", "5", "8"});
    test::click(*window->Command2);
    QPlainTextEdit &box = *window->Text1[0];

    QTextCursor endOfOffer(box.document()->findBlockByNumber(1));
    endOfOffer.movePosition(QTextCursor::EndOfBlock);
    const QRect lastLine = box.cursorRect(endOfOffer);
    const int bottom = box.viewport()->mapTo(window.get(), lastLine.bottomLeft()).y();

    QCOMPARE(box.document()->findBlockByNumber(0).layout()->lineCount(), 1);
    QCOMPARE(box.document()->findBlockByNumber(1).layout()->lineCount(), 1);
    QVERIFY2(bottom <= window->Text1[1]->y(), qPrintable(QString::number(bottom)));
}

TRIANGLE_WINDOW_TEST_MAIN(WindowOtherTrianglesTest)
#include "test_window_other_triangles.moc"
