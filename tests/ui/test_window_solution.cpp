// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution: «Решение», reached by Tab and pressed with Enter,
// opens the solution of the triangle on screen; its text is the wording of
// that triangle's steps, a screen reader reads it, the PDF it saves holds
// it, and Esc closes it.

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

#include "solver/answer/answer.h"
#include "solver/answer/other_triangles.h"
#include "solver/answer/solution.h"
#include "solver/list/compute.h"
#include "solver/list/request_form.h"
#include "wording/solution_text.h"

#include "ui/solution_window.h"
#include "window_test_support.h"

using namespace triangle::ui;

namespace {

// The wording of the solution the window should show: the request solved
// apart from the window, followed along the branches of its `others`-th
// other triangle.
QString expectedSolution(int combination, const QStringList &typed, int others, const QLocale &locale)
{
    const triangle::NumberFormat format {locale.decimalPoint().toStdString()};
    std::array<std::string, 3> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts.at(i) = typed.at(static_cast<qsizetype>(i)).toStdString();
    const triangle::Answer answer = triangle::answerRequest(combination, {texts[0], texts[1], texts[2]},
        {.otherTriangles = true, .more = true, .exact = true}, format);
    const triangle::AnsweredTriangle &shown = answer.triangles.at(static_cast<std::size_t>(others));

    triangle::wording::GivenTexts given;
    std::size_t next = 0;
    for (int position = 0; position < triangle::kQuantityCount; ++position) {
        if (triangle::isGiven(combination, triangle::quantityAt(position)))
            given.at(position) = texts.at(next++);
    }
    return QString::fromStdString(
        triangle::wording::solutionDocument(triangle::solutionOf(answer.outcome, shown.branches, true), given,
            format, triangle::wording::kBulgarian, &shown.exact));
}

// A text without its blanks and line breaks: the page wraps long steps
// where the window does not.
QString withoutSpaces(QString text)
{
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

// The PDF's text in the order it was written, not as read off the page's
// layout, where a sign from a fallback font may be placed out of its line;
// without the number at the foot of each page, which may fall inside a step.
QString pdfText(const QString &path)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        qFatal("pdftotext is missing; run scripts/install-dependencies.sh");
    QProcess process;
    process.start(pdftotext, {"-raw", "-enc", "UTF-8", path, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qFatal("pdftotext failed on %s", qPrintable(path));
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    for (qsizetype page = 0; page < pages.size(); ++page) {
        QString &text = pages[page];
        const QString number = QString::number(page + 1);
        text = text.trimmed();
        if (text.endsWith(u'\n' + number))
            text.chop(number.size());
    }
    return withoutSpaces(pages.join(QString()));
}

void pressSolutionButtonByKeyboard(TriangleWindow &window)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the window never became active");
    window.Text2[8]->setFocus();
    for (int tab = 0; tab < 3 && QApplication::focusWidget() != window.Command3; ++tab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (QApplication::focusWidget() != window.Command3)
        qFatal("Tab does not reach the solution button");
    QTest::keyClick(window.Command3, Qt::Key_Return);
}

} // namespace

class WindowSolutionTest : public QObject {
    Q_OBJECT

private slots:
    void theSolutionOfTheTriangleOnScreenIsReadSavedAndClosed_data();
    void theSolutionOfTheTriangleOnScreenIsReadSavedAndClosed();
};

void WindowSolutionTest::theSolutionOfTheTriangleOnScreenIsReadSavedAndClosed_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("combination");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("computePresses"); // more presses of «Изчисли»
    QTest::addColumn<int>("others");         // presses of «Друг триъгълник»
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    QTest::newRow("C, a, b with a decimal comma, as typed after a second press")
        << bulgarian << 21 << QStringList {"60,5", "5,25", "8"} << 1 << 0;
    QTest::newRow("the second triangle of A, a, b")
        << QLocale::c() << 24 << QStringList {"30", "5", "8"} << 0 << 1;
    QTest::newRow("values that make no real triangle end with the verdict")
        << QLocale::c() << 0 << QStringList {"100", "100", "5"} << 0 << 0;
    QTest::newRow("sides whose squares pass a double's range")
        << QLocale::c() << 0 << QStringList {"60", "60", "1e154"} << 0 << 0;
}

void WindowSolutionTest::theSolutionOfTheTriangleOnScreenIsReadSavedAndClosed()
{
    QFETCH(QLocale, locale);
    QFETCH(int, combination);
    QFETCH(QStringList, typed);
    QFETCH(int, computePresses);
    QFETCH(int, others);
    const auto window = test::openWindow(locale);
    test::solve(*window, combination, typed);
    for (int press = 0; press < computePresses; ++press)
        test::click(*window->Command1[0]);
    for (int press = 0; press < others; ++press)
        test::click(*window->Command2);

    pressSolutionButtonByKeyboard(*window);

    QPointer<SolutionWindow> solution = window->findChild<SolutionWindow *>();
    QVERIFY(solution);
    QVERIFY(QTest::qWaitForWindowExposed(solution));
    const QString expected = expectedSolution(combination, typed, others, locale);
    QCOMPARE(solution->textBox()->toPlainText(), expected);

    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(solution->textBox());
    QVERIFY(reader && reader->textInterface());
    QVERIFY(!reader->text(QAccessible::Name).isEmpty());
    QCOMPARE(reader->textInterface()->text(0, reader->textInterface()->characterCount()), expected);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("решение.pdf"));
    QVERIFY(solution->savePdf(path));
    const QString printed = pdfText(path);
    for (const QString &line : expected.split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(printed.contains(withoutSpaces(line)), qPrintable(line + "\nnot in\n" + printed));

    // The focus starts on the text, for a screen reader to read at once.
    QVERIFY(QTest::qWaitForWindowActive(solution));
    QTRY_COMPARE(QApplication::focusWidget(), solution->textBox());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(solution.isNull() || !solution->isVisible());
}

TRIANGLE_WINDOW_TEST_MAIN(WindowSolutionTest)
#include "test_window_solution.moc"
