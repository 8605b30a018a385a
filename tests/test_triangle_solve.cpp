// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line solver end to end: arguments, standard input, exit status,
// answers while the input is still open, and what error lines show.
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <random>
#include <string>

#include "tools/request_line.h"

namespace {

struct Run {
    int exitCode = -1;
    QString out;
};

Run runTool(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(TRIANGLE_SOLVE_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

} // namespace

class TriangleSolveTest : public QObject {
    Q_OBJECT

private slots:
    // What people type and files hold: options anywhere, blanks around the
    // equals sign, a byte order mark, no-break spaces, and the error lines
    // in the language --lang chooses (Bulgarian by default).
    void inputFormsAreReadAsMeant_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("exitCode");
        const QString abm = "solved\t47.9722\t58.0963\t73.9315\t7.0000\t8.0000\t9.0554";
        QTest::newRow("an option between the elements")
            << QStringList {"a=7", "--all", "b=8", "m_c=6"} << QByteArray() << abm << 0;
        QTest::newRow("a blank before the value")
            << QStringList {"a", "=7", "b=8", "m_c=6"} << QByteArray() << abm << 0;
        QTest::newRow("a byte order mark before the first line") << QStringList {}
                                                                 << QByteArray("\xEF\xBB\xBF"
                                                                               "a=7 b=8 m_c=6\n")
                                                                 << abm << 0;
        QTest::newRow("no-break spaces between the fields") << QStringList {}
                                                            << QByteArray("a=7\xC2\xA0"
                                                                          "b=8\xC2\xA0m_c=6\n")
                                                            << abm << 0;
        QTest::newRow("--help before --lang")
            << QStringList {"--help", "--lang", "en"} << QByteArray()
            << "Solves triangles from three known quantities, as the window does." << 0;
        QTest::newRow("four elements: an error line in Bulgarian")
            << QStringList {"a=7", "b=8", "m_c=6", "A=30"} << QByteArray()
            << "error\tочакват се 3 полета ИМЕ=СТОЙНОСТ, а са 4" << 1;
        QTest::newRow("the same in English")
            << QStringList {"--lang", "en", "a=7", "b=8", "m_c=6", "A=30"} << QByteArray()
            << "error\texpected 3 fields NAME=VALUE, found 4" << 1;
    }

    void inputFormsAreReadAsMeant()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, firstLine);
        QFETCH(int, exitCode);
        const Run run = runTool(arguments, input);
        QCOMPARE(run.out.section('\n', 0, 0).left(firstLine.size()), firstLine);
        QCOMPARE(run.exitCode, exitCode);
    }

    void solvesOneRequestFromArguments()
    {
        const Run run = runTool({"0", "30", "60", "10"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out,
            QString("solved\t30.0000\t60.0000\t90.0000\t10.0000\t17.3205\t20.0000"
                    "\t86.6025\t10.0000\t47.3205\ttriangle\n"));
        // A decimal comma reads as in a Bulgarian window.
        QCOMPARE(runTool({"7", "2,5", "12.694", "100"}).out, runTool({"7", "2.5", "12.694", "100"}).out);
    }

    void answersEveryLineOfStandardInput()
    {
        const Run run = runTool({},
            "21\t60\t5\t8\n"
            "0 30 60\n"
            "21\t60\t1e200\t1e200\r\n"
            "0\t30\t\t10\n"
            "52 1 2 3\n"
            "33  12   12 5\n");
        QCOMPARE(run.exitCode, 1);
        const QStringList lines = run.out.split('\n');
        QCOMPARE(lines.size(), 7);
        QVERIFY(lines[0].startsWith("solved\t38.2132\t81.7868\t60.0000\t5.0000\t8.0000\t7.0000"));
        QVERIFY(lines[0].endsWith("\t20.0000\ttriangle"));
        QVERIFY(lines[1].startsWith("error\t"));
        QCOMPARE(lines[2], QString("fault\toverflow"));
        QCOMPARE(lines[3], QString("invalid"));
        QVERIFY(lines[4].startsWith("error\t"));
        QVERIFY(lines[5].endsWith("\tno-triangle"));
        QCOMPARE(lines[6], QString());
    }

    void wellFormedInputExitsZero()
    {
        const Run run = runTool({}, "9\t90\t90\t10\n36\t3\t20\t2.5\n");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count('\n'), 2);
    }

    void allListsEveryFurtherTriangleAfterItsSolvedLine()
    {
        const Run run = runTool({"--all"}, "24\t30\t5\t8\n0\t30\t60\t10\n");
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("solved\t30.0000\t53.1301\t96.8699"));
        QCOMPARE(lines[1],
            QString("also\t30.0000\t126.8699\t23.1301\t5.0000\t8.0000\t3.9282"
                    "\t7.8564\t5.0000\t16.9282\ttriangle"));
        QVERIFY(lines[2].startsWith("solved\t30.0000\t60.0000\t90.0000"));
        QVERIFY(!runTool({"24", "30", "5", "8"}).out.contains("also"));
    }

    void helpAndVersionSpeakForThemselves()
    {
        // Bulgarian unless --lang says otherwise, with the rules' table.
        for (const auto &[arguments, exitStatus] : {std::pair {QStringList {"--help"}, "Изходен код"},
                 std::pair {QStringList {"--lang", "en", "--help"}, "Exit status"}}) {
            const Run help = runTool(arguments);
            QCOMPARE(help.exitCode, 0);
            QVERIFY(help.out.contains(exitStatus));
            QVERIFY(help.out.contains("INDEX<TAB>T1<TAB>T2<TAB>T3"));
            QVERIFY(help.out.contains("law-of-cosines"));
        }
        QCOMPARE(runTool({"--lang", "fr", "--help"}).exitCode, 2);
        const Run version = runTool({"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QString("triangle-solve %1\n").arg(QStringLiteral(TRIANGLE_VERSION)));
    }

    // A problem posed, its id brings it back for marking, and the marks: the
    // key's form, a spelling of it, an unsimplified root, two decimals, a
    // wrong value; an id or a name that is no problem's is an error.
    void practiceProblemsAreMarkedAsATeacherMarksThem()
    {
        const Run posed = runTool({"--practice", "--type", "sas", "--seed", "7", "--lang", "en"});
        QCOMPARE(posed.exitCode, 0);
        const QStringList lines = posed.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        const QStringList problem = lines[0].split('\t');
        QCOMPARE(problem[0], QString("problem"));
        QVERIFY(problem[2].startsWith("In triangle ABC, a = "));
        QVERIFY(lines[1].startsWith("given\t") && lines[2] == "ask\tc S R" && lines[3].startsWith("key\tc="));
        const QString id = problem[1];
        const QString c = lines[3].section(' ', 0, 0).section('=', 1);
        const Run marked = runTool({"--check", id, "c=" + c,
            "S=" + lines[3].section(' ', 1, 1).section('=', 1), "R=1", "c=√(" + c.mid(5).chopped(1) + ")"});
        QCOMPARE(marked.exitCode, 0);
        QCOMPARE(marked.out, QString("right\tc\nright\tS\nwrong\tR\nright\tc\n"));
        // A hint where an answer is wrong: the solution's first step, which
        // finds c.
        const Run hinted = runTool({"--lang", "en", "--check", id, "c=1", "--hint"});
        QVERIFY(hinted.out.startsWith("wrong\tc\nhint\tBy the law of cosines: c² = "));
        QVERIFY(!runTool({"--check", id, "c=" + c, "--hint"}).out.contains("hint"));
        QCOMPARE(runTool({"--check", id, "x=1"}).exitCode, 2);
        QCOMPARE(runTool({"--check", "31", "c=1"}).exitCode, 2);
        QCOMPARE(runTool({"--practice", "--type", "cube"}).exitCode, 2);
    }

    // A coprocess sends one line and waits for its answer before sending the
    // next: each answer has to come while standard input is still open.
    void answersEachLineBeforeTheInputEnds()
    {
        QProcess process;
        process.start(QStringLiteral(TRIANGLE_SOLVE_PATH), QStringList {});
        const QList<QByteArray> requests {"0 30 60 10\n", "21\t60\t5\t8\n"};
        const QList<QByteArray> answerStarts {"solved\t30.0000\t60.0000", "solved\t38.2132\t81.7868"};
        for (qsizetype i = 0; i < requests.size(); ++i) {
            process.write(requests[i]);
            while (!process.canReadLine())
                QVERIFY2(process.waitForReadyRead(10000), "no answer while the input is open");
            QVERIFY(process.readLine().startsWith(answerStarts[i]));
        }
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
    }

    void errorLinesShowTheirTextSafelyAndShort_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("shown");
        const QByteArray indexError = "error\tcombination index must be a whole number from 0 to 51: ";
        const auto request = [](const QByteArray &index) { return index + "\t1\t2\t3\n"; };
        QTest::newRow("escape sequence, carriage return and NUL")
            << request(QByteArray("\x1b[2J\r\0x", 7)) << indexError + "'\\x1B[2J\\x0D\\x00x'";
        QTest::newRow("a backslash, so that every escape is one byte")
            << request("7\\x41") << indexError + "'7\\x5Cx41'";
        QTest::newRow("bytes that are not UTF-8, and a C1 control")
            << request("\xff\xc0\xaf\xc2\x9b") << indexError + "'\\xFF\\xC0\\xAF\\xC2\\x9B'";
        QTest::newRow("sixty characters shown whole")
            << request(QByteArray(60, '9')) << indexError + "'" + QByteArray(60, '9') + "'";
        QTest::newRow("sixty-one cut to fifty-nine and an ellipsis")
            << request(QByteArray(61, '9')) << indexError + "'" + QByteArray(59, '9') + "…'";
        QTest::newRow("an escape is not split at the cut")
            << request(QByteArray(57, '9') + "\x01" + "99") << indexError + "'" + QByteArray(57, '9') + "…'";
        QTest::newRow("a Cyrillic letter counts as one character and stays whole")
            << request(QString(70, QChar(0x044F)).toUtf8())
            << indexError + "'" + QString(59, QChar(0x044F)).toUtf8() + "…'";
        QTest::newRow("a line too long to keep") << request(
            QByteArray(200000, '1')) << "error\tline longer than 65536 bytes: '" + QByteArray(59, '1') + "…'";
    }

    void errorLinesShowTheirTextSafelyAndShort()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, shown);
        QProcess process;
        process.start(QStringLiteral(TRIANGLE_SOLVE_PATH), QStringList {"--lang", "en"});
        process.write(line + "0 30 60 10\n");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        const QList<QByteArray> answers = process.readAllStandardOutput().split('\n');
        QCOMPARE(answers.size(), 3);
        QCOMPARE(answers[0], shown);
        QVERIFY(answers[1].startsWith("solved\t30.0000"));
    }

    // Many lines at once are answered on all cores: the answers must come in
    // the order of the lines, each as the same request alone gets it.
    void manyLinesAtOnceKeepTheirOrder()
    {
        std::mt19937 random(20261209);
        std::uniform_real_distribution<double> value(0.5, 90.0);
        QByteArray input;
        std::string expected;
        bool allWellFormed = true;
        for (int i = 0; i < 6000; ++i) {
            const auto index = static_cast<int>(random() % 53); // 52 is no combination
            std::string line = std::to_string(index);
            for (int field = 0; field < 3; ++field)
                line += '\t' + std::to_string(value(random));
            input += QByteArray::fromStdString(line + '\n');
            const auto parsed = triangle::cli::parseRequestLine(line);
            if (const auto *request = std::get_if<triangle::cli::Request>(&parsed)) {
                expected += triangle::cli::answer(*request, {.otherTriangles = true, .more = true}) + '\n';
            } else {
                expected += "error\t"
                    + std::get<triangle::cli::LineError>(parsed).message(triangle::wording::kEnglish) + '\n';
                allWellFormed = false;
            }
        }
        const Run run = runTool({"--lang", "en", "--all", "--more"}, input);
        QVERIFY(!allWellFormed);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out.toStdString(), expected);
    }

    // Sizes whose squares or doubles pass a double's range once made the
    // steps or the rest of the triangle abort the program. With every
    // option each is answered: solved with a "more" line whose elements are
    // numbers or the fault that kept one from being computed, or a fault.
    void extremeSizesAreAnsweredWithEveryOption_data()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("A, B, a with a side of 1e154") << 0 << QStringList {"60", "60", "1e154"};
        QTest::newRow("three sides 1e154, 1e-160, 1e154") << 51 << QStringList {"1e154", "1e-160", "1e154"};
        QTest::newRow("B, C, S with S = 9e307") << 11 << QStringList {"90", "45", "9e307"};
        QTest::newRow("three sides near the largest double") << 51 << QStringList {"1e308", "1e308", "1e308"};
        QTest::newRow("A, a, b with tiny and huge sides") << 24 << QStringList {"30", "1e-300", "1e300"};
    }

    void extremeSizesAreAnsweredWithEveryOption()
    {
        QFETCH(int, combination);
        QFETCH(QStringList, texts);
        const triangle::cli::Request request {
            combination, {texts[0].toStdString(), texts[1].toStdString(), texts[2].toStdString()}};
        static const QRegularExpression kLine(
            "(solved|also)(\\t[0-9]+\\.[0-9]{4}){9}\\t(no-)?triangle|fault\\t[a-z-]+|step\\t.*"
            "|more(\\t([0-9]+\\.[0-9]{4}|overflow|division-by-zero|invalid-argument)){10}\\t[a-z]+\\t[a-z]+");
        for (unsigned flags = 0; flags < 8; ++flags) {
            const triangle::cli::AnswerOptions options {
                (flags & 1U) != 0, (flags & 2U) != 0, (flags & 4U) != 0};
            const QStringList lines
                = QString::fromStdString(triangle::cli::answer(request, options)).split('\n');
            for (const QString &line : lines)
                QVERIFY2(
                    kLine.match(line).hasMatch(), qPrintable(QString::number(flags) + ": " + line.left(200)));
            const bool solvedTriangle = lines[0].startsWith("solved") && lines[0].endsWith("\ttriangle");
            QCOMPARE(options.more && solvedTriangle, lines.filter(QRegularExpression("^more\\t")).size() > 0);
        }
    }

    // A typed text is shown in the steps as the error lines show it: no byte
    // of it may act on a terminal, and a long one is cut.
    void stepLinesShowTypedTextsSafelyAndShort()
    {
        const std::string hostile = "5\x1b]0;pwned\x07\r\x7f\xc2\x9b\xff" + std::string(65000, '0');
        const std::string answer = triangle::cli::answer({21, {"60", hostile, "8"}}, {.steps = true});
        QVERIFY(answer.starts_with("solved\t38.2132"));
        QVERIFY2(answer.size() < 4000, qPrintable(QString::number(answer.size())));
        QVERIFY(QString::fromStdString(answer).toStdString() == answer); // well-formed UTF-8
        for (const char byte : answer) {
            const auto code = static_cast<unsigned char>(byte);
            QVERIFY2(code >= 0x20 ? code != 0x7f : byte == '\t' || byte == '\n',
                qPrintable(QString::number(code)));
        }
        QVERIFY(answer.find("5\\x1B]0;pwned\\x07\\x0D\\x7F\\xC2\\x9B\\xFF000") != std::string::npos);
        // A typed side read leniently as 11 keeps its "√(" as typed, also as a divisor.
        const auto named = triangle::cli::parseRequestLine("B=90 a=11√( m_a=6");
        const std::string lenient = triangle::cli::answer(std::get<triangle::cli::Request>(named),
            {.otherTriangles = true, .steps = true, .more = true, .exact = true});
        QVERIFY2(lenient.find("/ 11√(") != std::string::npos, lenient.c_str());
    }

    void malformedArgumentsExitNonZero()
    {
        QCOMPARE(runTool({"60", "30", "60", "10"}).exitCode, 1);
        QCOMPARE(runTool({"0", "30"}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TriangleSolveTest)
#include "test_triangle_solve.moc"
