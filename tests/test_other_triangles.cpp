// SPDX-License-Identifier: GPL-3.0-or-later
// Every triangle that fits the data: the second triangle of ambiguous cases.
#include <QTest>

#include <charconv>
#include <random>

#include "random_triangles.h"
#include "solve_request.h"
#include "solver/answer/other_triangles.h"
#include "solver/numbers/number_formatting.h"

using namespace triangle;

namespace {

QStringList shownFields(const Triangle &t)
{
    QStringList fields;
    for (const Quantity q : kAllQuantities)
        fields << QString::fromStdString(formatResult(fieldValue(t, q).value(), {}));
    return fields;
}

QList<QStringList> othersOf(const SolvedRequest &solved)
{
    QList<QStringList> others;
    for (const FittingTriangle &other : otherTriangles(solved.outcome, solved.record))
        others << shownFields(other.record);
    return others;
}

} // namespace

class OtherTrianglesTest : public QObject {
    Q_OBJECT

private slots:
    void ambiguousDataNameTheSecondTriangle_data()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QString>("t1");
        QTest::addColumn<QString>("t2");
        QTest::addColumn<QString>("t3");
        QTest::addColumn<QString>("other");

        QTest::newRow("24 obtuse angle at B")
            << 24 << "30"
            << "5"
            << "8"
            << "30.0000 126.8699 23.1301 5.0000 8.0000 3.9282 7.8564 5.0000 16.9282";
        QTest::newRow("30 obtuse angle between the sides")
            << 30 << "8"
            << "8"
            << "16"
            << "15.0000 15.0000 150.0000 8.0000 8.0000 15.4548 16.0000 15.4548 31.4548";
        QTest::newRow("33 obtuse angle at B")
            << 33 << "6"
            << "8"
            << "5"
            << "36.8699 126.8699 16.2602 6.0000 8.0000 2.8000 6.7200 5.0000 16.8000";
        QTest::newRow("15 obtuse angle at A")
            << 15 << "20"
            << "8"
            << "5"
            << "126.8699 20.0000 33.1301 8.0000 3.4202 5.4654 7.4771 5.0000 16.8856";
        QTest::newRow("39 mirror image")
            << 39 << "60"
            << "10"
            << "4"
            << "60.0000 98.5959 21.4041 6.9282 7.9101 2.9195 10.0000 4.0000 17.7579";
        QTest::newRow("44 mirror image")
            << 44 << "90"
            << "5"
            << "6"
            << "53.1301 36.8699 90.0000 4.0000 3.0000 5.0000 6.0000 2.5000 12.0000";
    }

    void ambiguousDataNameTheSecondTriangle()
    {
        QFETCH(int, combination);
        QFETCH(QString, t1);
        QFETCH(QString, t2);
        QFETCH(QString, t3);
        QFETCH(QString, other);
        const SolvedRequest solved = solveRequest(combination, t1, t2, t3);
        const QList<QStringList> others = othersOf(solved);
        QCOMPARE(others.size(), 1);
        QCOMPARE(others.front().join(' '), other);
    }

    void uniqueDataHaveNoOtherTriangle_data()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QString>("t1");
        QTest::addColumn<QString>("t2");
        QTest::addColumn<QString>("t3");
        QTest::newRow("two angles and a side") << 0 << "30"
                                               << "60"
                                               << "10";
        QTest::newRow("included angle") << 21 << "60"
                                        << "5"
                                        << "8";
        QTest::newRow("24 one triangle") << 24 << "30"
                                         << "8"
                                         << "5";
        QTest::newRow("24 single right triangle") << 24 << "30"
                                                  << "4"
                                                  << "8";
        QTest::newRow("33 isosceles, obtuse would overflow pi") << 33 << "5"
                                                                << "5"
                                                                << "5";
        QTest::newRow("42 isosceles mirror is itself") << 42 << "60"
                                                       << "10"
                                                       << "43.30127018922193";
        QTest::newRow("24 no triangle at all") << 24 << "30"
                                               << "3"
                                               << "8";
    }

    void uniqueDataHaveNoOtherTriangle()
    {
        QFETCH(int, combination);
        QFETCH(QString, t1);
        QFETCH(QString, t2);
        QFETCH(QString, t3);
        QCOMPARE(othersOf(solveRequest(combination, t1, t2, t3)).size(), 0);
    }

    void invalidOrFaultingRequestsHaveNone()
    {
        QCOMPARE(othersOf(solveRequest(24, "30", "", "8")).size(), 0);
        QCOMPARE(othersOf(solveRequest(8, "90", "90", "10")).size(), 0);
    }

    // Whatever the program chooses to show first, the triangle the values
    // came from is always the shown one or among the others.
    void theTriangleItselfIsAlwaysAmongThem()
    {
        RandomTriangles triangles(8122026);
        for (int sample = 0; sample < 200; ++sample) {
            const Quantities q = triangles.next();
            for (int combination = 0; combination < kCombinationCount; ++combination) {
                const QStringList given = givenTexts(combination, q);
                const SolvedRequest solved = solveRequest(combination, given[0], given[1], given[2]);
                QList<QStringList> candidates = othersOf(solved);
                candidates.prepend(solved.fields);
                const bool found = std::ranges::any_of(candidates, [&](const QStringList &fields) {
                    for (int position = 0; position < kQuantityCount; ++position) {
                        if (std::fabs(fields[position].toDouble() - q[position]) > 2e-4)
                            return false;
                    }
                    return true;
                });
                QVERIFY2(found,
                    qPrintable(QString("combination %1, angles %2 %3 %4, R %5")
                                   .arg(combination)
                                   .arg(q[0])
                                   .arg(q[1])
                                   .arg(q[2])
                                   .arg(q[7])));
            }
        }
    }
};

QTEST_APPLESS_MAIN(OtherTrianglesTest)
#include "test_other_triangles.moc"
