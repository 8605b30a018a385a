// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the user's number format: results and sample decimals take
// the locale's decimal separator, and the window reads back what it wrote.

#include <QPlainTextEdit>

#include "window_test_support.h"

using namespace triangle::ui;

class WindowLocaleTest : public QObject {
    Q_OBJECT

private slots:
    void computingTwiceInARowGivesTheSameFields_data();
    void computingTwiceInARowGivesTheSameFields();
    void sampleDecimalsFollowTheLocaleAndReadBackWhole_data();
    void sampleDecimalsFollowTheLocaleAndReadBackWhole();
    void theDefaultLocaleDecidesTheSeparator();
};

void WindowLocaleTest::computingTwiceInARowGivesTheSameFields_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("sideB");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("with a decimal comma") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria) << "5,5"
                                          << QStringList {"42,2163", "77,7837", "60,0000", "5,5000", "8,0000",
                                                 "7,0887", "19,0526", "4,0927", "20,5887"};
    QTest::newRow("with a decimal point") << QLocale::c() << "5.5"
                                          << QStringList {"42.2163", "77.7837", "60.0000", "5.5000", "8.0000",
                                                 "7.0887", "19.0526", "4.0927", "20.5887"};
}

void WindowLocaleTest::computingTwiceInARowGivesTheSameFields()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, sideB);
    QFETCH(QStringList, fields);
    const auto window = test::openWindow(locale);

    test::solve(*window, 21, {"60", sideB, "8"});
    QCOMPARE(test::fieldTexts(*window), fields);

    test::click(*window->Command1[0]);
    QCOMPARE(test::fieldTexts(*window), fields);
}

void WindowLocaleTest::sampleDecimalsFollowTheLocaleAndReadBackWhole_data()
{
    // Combination 9 gives A, B and S: the sides come from the area alone, so
    // an area read as 43 instead of 43.3013 would show 9.9652.
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("side");
    QTest::newRow("with a decimal comma") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria) << "43,3013"
                                          << "10,0000";
    QTest::newRow("with a decimal point") << QLocale::c() << "43.3013"
                                          << "10.0000";
}

void WindowLocaleTest::sampleDecimalsFollowTheLocaleAndReadBackWhole()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, area);
    QFETCH(QString, side);
    const auto window = test::openWindow(locale, 0.001f); // the equilateral triangle
    test::selectCombination(*window, 9);

    test::click(*window->Command1[2]);
    QCOMPARE(window->Text2[6]->text(), area);
    QCOMPARE(window->Text2[0]->text(), "60");

    test::click(*window->Command1[0]);
    QCOMPARE(window->Text2[3]->text(), side);
    QCOMPARE(window->Text2[6]->text(), area);
}

void WindowLocaleTest::theDefaultLocaleDecidesTheSeparator()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    TriangleWindow window;
    QLocale::setDefault(before);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    test::solve(window, 21, {"60", "5", "8"});

    QCOMPARE(window.Text2[8]->text(), "20,0000");
}

TRIANGLE_WINDOW_TEST_MAIN(WindowLocaleTest)
#include "test_window_locale.moc"
