// The command-line solver end to end: arguments, standard input, exit status.
#include <QProcess>
#include <QTest>

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
    void solvesOneRequestFromArguments()
    {
        const Run run = runTool({"0", "30", "60", "10"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out,
            QString("solved\t30.0000\t60.0000\t90.0000\t10.0000\t17.3205\t20.0000"
                    "\t86.6025\t10.0000\t47.3205\ttriangle\n"));
    }

    void answersEveryLineOfStandardInput()
    {
        const Run run = runTool({},
            "21\t60\t5\t8\n"
            "0 30 60\n"
            "8\t90\t90\t10\r\n"
            "0\t30\t\t10\n"
            "51 1 2 3\n"
            "33  12   12 5\n");
        QCOMPARE(run.exitCode, 1);
        const QStringList lines = run.out.split('\n');
        QCOMPARE(lines.size(), 7);
        QVERIFY(lines[0].startsWith("solved\t38.2132\t81.7868\t60.0000\t5.0000\t8.0000\t7.0000"));
        QVERIFY(lines[0].endsWith("\t20.0000\ttriangle"));
        QVERIFY(lines[1].startsWith("error\t"));
        QCOMPARE(lines[2], QString("fault\tdivision-by-zero"));
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
        const Run help = runTool({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("Exit status"));
        QVERIFY(help.out.contains("INDEX<TAB>T1<TAB>T2<TAB>T3"));
        const Run version = runTool({"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QString("triangle-solve %1\n").arg(QStringLiteral(TRIANGLE_VERSION)));
    }

    void malformedArgumentsExitNonZero()
    {
        QCOMPARE(runTool({"60", "30", "60", "10"}).exitCode, 1);
        QCOMPARE(runTool({"0", "30"}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TriangleSolveTest)
#include "test_triangle_solve.moc"
