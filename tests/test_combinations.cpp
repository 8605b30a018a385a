// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples of every family of combinations, to four decimals.
// Each row: combination, the three given texts, the expected nine values
// (A B C a b c S R P; "-" where the example leaves a value open) and how the
// request ends.
#include <QTest>

#include "solve_request.h"
#include "solver/numbers/number_formatting.h"

class CombinationsTest : public QObject {
    Q_OBJECT

    static void addColumns()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QString>("t1");
        QTest::addColumn<QString>("t2");
        QTest::addColumn<QString>("t3");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("ending");
    }

    static void row(const char *name, int combination, const char *t1, const char *t2, const char *t3,
        const char *expected, const char *ending)
    {
        QTest::newRow(name) << combination << t1 << t2 << t3 << expected << ending;
    }

    static void check()
    {
        QFETCH(int, combination);
        QFETCH(QString, t1);
        QFETCH(QString, t2);
        QFETCH(QString, t3);
        QFETCH(QString, expected);
        QFETCH(QString, ending);

        const SolvedRequest solved = solveRequest(combination, t1, t2, t3);
        QCOMPARE(outcomeName(solved.outcome), ending);
        if (solved.outcome.status == triangle::Outcome::Status::Fault
            || solved.outcome.status == triangle::Outcome::Status::NoTriangle)
            return;
        const QStringList values = expected.split(' ');
        QCOMPARE(values.size(), triangle::kFieldCount);
        for (int position = 0; position < triangle::kFieldCount; ++position) {
            if (values[position] == "-")
                continue;
            const std::string want = triangle::formatFixed4(values[position].toDouble(), {});
            QCOMPARE(solved.fields[position], QString::fromStdString(want));
        }
    }

    // Rows stay one line each, like a table.
    // clang-format off
private slots:
    void twoAnglesAndOneSide_data()
    {
        addColumns();
        row("0 right triangle", 0, "30", "60", "10", "30 60 90 10 17.3205 20 86.6025 10 47.3205", "triangle");
        row("1 right triangle", 1, "30", "60", "10", "30 60 90 5.7735 10 11.5470 28.8675 5.7735 27.3205", "triangle");
        row("2 area before the sides", 2, "30", "60", "10", "30 90 60 5.7735 11.5470 10 28.8675 5.7735 27.3205", "triangle");
        row("3 R from a", 3, "30", "60", "10", "30 90 60 10 20 17.3205 86.6025 10 -", "triangle");
        row("4 R from b", 4, "30", "60", "10", "90 30 60 20 10 17.3205 86.6025 10 -", "triangle");
        row("5 R from c", 5, "30", "60", "10", "90 30 60 11.5470 5.7735 10 28.8675 5.7735 -", "triangle");
        row("6 R from the derived angle", 6, "30", "60", "10", "90 30 60 10 5 8.6603 21.6506 5 23.6603", "triangle");
        row("7 R from the derived angle", 7, "30", "60", "10", "30 90 60 5 10 8.6603 21.6506 5 -", "triangle");
        row("8 R from the derived angle", 8, "30", "60", "10", "30 60 90 5 8.6603 10 21.6506 5 -", "triangle");
        for (int combination = 0; combination <= 8; ++combination) {
            const QByteArray name = "equilateral through " + QByteArray::number(combination);
            row(name.constData(), combination, "60", "60", "10", "60 60 60 10 10 10 43.3013 5.7735 30", "triangle");
        }
        row("0 angles summing over 180", 0, "100", "100", "10", "100 100 -20 10 10 -3.4730 -17.1010 5.0771 16.5270", "no-triangle");
        row("8 angles summing over 180", 8, "100", "100", "10", "100 100 -20 -28.7939 -28.7939 10 -141.7820 -14.6190 -47.5877", "no-triangle");
        row("0 angles summing to 180", 0, "90", "90", "10", "90 90 0 10 10 0 0 5 20", "no-triangle");
        row("8 zero third angle divides by zero", 8, "90", "90", "10", "", "fault:division-by-zero");
        row("6 zero third angle divides by zero", 6, "90", "90", "10", "", "fault:division-by-zero");
        row("7 zero third angle divides by zero", 7, "90", "90", "10", "", "fault:division-by-zero");
        // sin 180° is 0 exactly; the answer then says no triangle, from the
        // typed angle (test_triangle_solve's verdict table).
        row("0 angle of 180 divides by its sine", 0, "180", "10", "1", "", "fault:division-by-zero");
        row("0 overflowing angle conversion", 0, "1e308", "10", "1", "", "fault:overflow");
    }
    void twoAnglesAndOneSide() { check(); }

    void twoAnglesWithAreaOrRadius_data()
    {
        addColumns();
        row("9 equilateral", 9, "60", "60", "10", "60 60 60 4.8056 4.8056 4.8056 10 2.7745 14.4169", "triangle");
        row("9 right triangle", 9, "30", "60", "10", "30 60 90 3.3981 5.8857 6.7962 10 3.3981 16.0799", "triangle");
        row("9 angles summing over 180", 9, "100", "100", "10", "100 100 -20 7.6470 7.6470 -2.6558 10 3.8825 12.6382", "no-triangle");
        row("9 zero third angle divides by zero", 9, "90", "90", "10", "", "fault:division-by-zero");
        row("9 right isosceles", 9, "45", "45", "8", "45 45 90 4 4 5.6569 8 2.8284 13.6569", "triangle");
        row("10 derived B", 10, "30", "60", "10", "30 90 60 3.3981 6.7962 5.8857 10 3.3981 16.0799", "triangle");
        row("11 derived A", 11, "30", "60", "10", "90 30 60 6.7962 3.3981 5.8857 10 3.3981 16.0799", "triangle");
        row("12 right triangle", 12, "30", "60", "5", "30 60 90 5 8.6603 10 21.6506 5 23.6603", "triangle");
        row("12 angles summing over 180", 12, "100", "100", "5", "100 100 -20 9.8481 9.8481 -3.4202 -16.5853 5 16.2760", "no-triangle");
        row("12 angles summing to 180", 12, "90", "90", "5", "90 90 0 10 10 0 0 5 20", "no-triangle");
        row("12 right isosceles", 12, "45", "45", "5", "45 45 90 7.0711 7.0711 10 25 5 24.1421", "triangle");
        row("13 derived B", 13, "30", "60", "5", "30 90 60 5 10 8.6603 21.6506 5 -", "triangle");
        row("14 derived A", 14, "30", "60", "5", "90 30 60 10 5 8.6603 21.6506 5 -", "triangle");
    }
    void twoAnglesWithAreaOrRadius() { check(); }

    void angleAdjacentSideAndRadius_data()
    {
        addColumns();
        row("15 isosceles", 15, "30", "5", "5", "30 30 120 5 5 8.6603 10.8253 5 18.6603", "triangle");
        row("15 acute of two triangles", 15, "20", "8", "5", "53.1301 20 106.8699 8 3.4202 9.5697 13.0921 5 20.9899", "triangle");
        row("15 side longer than 2R", 15, "30", "12", "5", "90 30 60 12 5 8.6603 25.9808 5 25.6603", "no-triangle");
        row("15 side equal to 2R", 15, "30", "10", "5", "90 30 60 10 5 8.6603 21.6506 5 -", "triangle");
        row("15 negative third angle", 15, "170", "8", "5", "53.1301 170 -43.1301 8 1.7365 -6.8366 -4.7486 5 2.8999", "no-triangle");
        row("16", 16, "20", "8", "5", "53.1301 106.8699 20 8 9.5697 3.4202 13.0921 5 -", "triangle");
        row("17", 17, "20", "8", "5", "20 53.1301 106.8699 3.4202 8 9.5697 13.0921 5 -", "triangle");
        row("18", 18, "20", "8", "5", "106.8699 53.1301 20 9.5697 8 3.4202 13.0921 5 -", "triangle");
        row("19", 19, "20", "8", "5", "20 106.8699 53.1301 3.4202 9.5697 8 13.0921 5 -", "triangle");
        row("20", 20, "20", "8", "5", "106.8699 20 53.1301 9.5697 3.4202 8 13.0921 5 -", "triangle");
        row("20 right angle given", 20, "90", "6", "5", "53.1301 90 36.8699 8 10 6 24 5 24", "triangle");
    }
    void angleAdjacentSideAndRadius() { check(); }

    void twoSidesAndOneAngle_data()
    {
        addColumns();
        row("21 right triangle 3-4-5", 21, "90", "3", "4", "36.8699 53.1301 90 3 4 5 6 2.5 12", "triangle");
        row("21 equilateral", 21, "60", "5", "5", "60 60 60 5 5 5 10.8253 2.8868 15", "triangle");
        row("21 obtuse angle at A shown obtuse", 21, "30", "10", "3", "138.5441 11.4559 30 10 3 7.5524 7.5 7.5524 20.5524", "triangle");
        row("23 obtuse angle at B shown obtuse", 23, "30", "10", "3", "30 138.5441 11.4559 7.5524 10 3 7.5 7.5524 -", "triangle");
        row("21 the window's example", 21, "60", "5", "8", "- - 60 5 8 7 17.3205 4.0415 20", "triangle");
        row("22 right angle between", 22, "90", "3", "4", "36.8699 90 53.1301 3 5 4 6 2.5 -", "triangle");
        row("24 acute of two triangles", 24, "30", "5", "8", "30 53.1301 96.8699 5 8 9.9282 19.8564 5 22.9282", "triangle");
        row("24 one triangle", 24, "30", "8", "5", "30 18.2100 131.7900 8 5 11.9295 14.9118 8 -", "triangle");
        row("24 single right triangle", 24, "30", "4", "8", "30 90 60 4 8 6.9282 13.8564 4 -", "triangle");
        row("24 no triangle, right angle assumed", 24, "30", "3", "8", "30 90 60 3 8 5.1962 10.3923 3 16.1962", "no-triangle");
        row("24 obtuse given, no triangle", 24, "120", "5", "5.5", "120 72.2937 -12.2937 5 5.5 -1.2293 -2.9277 2.8868 9.2707", "no-triangle");
        row("25", 25, "30", "8", "5", "53.1301 30 96.8699 8 5 9.9282 19.8564 5 -", "triangle");
        row("26", 26, "30", "5", "8", "30 96.8699 53.1301 5 9.9282 8 19.8564 5 -", "triangle");
        row("27", 27, "30", "8", "5", "53.1301 96.8699 30 8 9.9282 5 19.8564 5 -", "triangle");
        row("28", 28, "30", "5", "8", "96.8699 30 53.1301 9.9282 5 8 19.8564 5 -", "triangle");
        row("29", 29, "30", "8", "5", "96.8699 53.1301 30 9.9282 8 5 19.8564 5 -", "triangle");
        row("24 angle of 270 faults in the arcsine", 24, "270", "5", "20", "", "fault:invalid-argument");
    }
    void twoSidesAndOneAngle() { check(); }

    void twoSidesWithAreaOrRadius_data()
    {
        addColumns();
        row("30 right triangle, sine exactly 1", 30, "3", "4", "6", "36.8699 53.1301 90 3 4 5 6 2.5 12", "triangle");
        row("30 acute of two triangles", 30, "8", "8", "16", "75 75 30 8 8 4.1411 16 4.1411 20.1411", "triangle");
        row("30 obtuse angle at B shown obtuse", 30, "5", "8", "10", "34.2636 115.7364 30 5 8 4.4405 10 4.4405 -", "triangle");
        row("30 area too large", 30, "3", "4", "7", "36.8699 53.1301 90 3 4 5 7 2.5 -", "no-triangle");
        row("31", 31, "8", "8", "16", "75 30 75 8 4.1411 8 16 4.1411 -", "triangle");
        row("32", 32, "3", "4", "6", "90 36.8699 53.1301 5 3 4 6 2.5 -", "triangle");
        row("33 acute of two triangles", 33, "6", "8", "5", "36.8699 53.1301 90 6 8 10 24 5 24", "triangle");
        row("33 isosceles", 33, "5", "5", "5", "30 30 120 5 5 8.6603 10.8253 5 -", "triangle");
        row("33 side longer than 2R", 33, "12", "8", "5", "90 53.1301 36.8699 12 8 6 28.8 5 26", "no-triangle");
        row("33 both sides longer than 2R", 33, "12", "12", "5", "90 90 0 12 12 0 0 5 24", "no-triangle");
        row("34", 34, "6", "8", "5", "36.8699 90 53.1301 6 10 8 24 5 -", "triangle");
        row("35", 35, "6", "8", "5", "90 36.8699 53.1301 10 6 8 24 5 -", "triangle");
    }
    void twoSidesWithAreaOrRadius() { check(); }

    void areaRadiusAndSideOrAngle_data()
    {
        addColumns();
        row("36 right triangle", 36, "3", "6", "2.5", "36.8699 53.1301 90 3 4 5 6 2.5 12", "triangle");
        row("37 right triangle", 37, "4", "6", "2.5", "36.8699 53.1301 90 3 4 5 6 2.5 12", "triangle");
        row("38 right triangle", 38, "5", "6", "2.5", "36.8699 53.1301 90 3 4 5 6 2.5 12", "triangle");
        row("36 larger side goes to c", 36, "4", "6", "2.5", "53.1301 36.8699 90 4 3 5 6 2.5 -", "triangle");
        row("37 larger side goes to c", 37, "5", "6", "2.5", "36.8699 90 53.1301 3 5 4 6 2.5 -", "triangle");
        row("38 larger side goes to b", 38, "4", "6", "2.5", "36.8699 90 53.1301 3 5 4 6 2.5 -", "triangle");
        row("39 obtuse as the rest of pi", 39, "60", "10", "4", "60 21.4041 98.5959 6.9282 2.9195 7.9101 10 4 17.7579", "triangle");
        row("40 obtuse angle at C shown obtuse", 40, "60", "10", "4", "21.4041 60 98.5959 2.9195 6.9282 7.9101 10 4 -", "triangle");
        row("41 obtuse as the rest of pi", 41, "60", "10", "4", "21.4041 98.5959 60 2.9195 7.9101 6.9282 10 4 -", "triangle");
        row("36 side longer than 2R", 36, "6", "6", "2.5", "90 25.3525 64.6475 6 2.1409 5.6050 6 2.5 13.7460", "no-triangle");
        row("36 area too large", 36, "3", "20", "2.5", "36.8699 90 53.1301 3 7.8899 7.8899 20 2.5 18.7797", "no-triangle");
        row("37 two right angles", 37, "6", "6", "2.5", "0 90 90 2.1409 6 5.6050 6 2.5 -", "no-triangle");
        row("39 angle of 200 faults in the arcsine", 39, "200", "6", "2.5", "", "fault:invalid-argument");
    }
    void areaRadiusAndSideOrAngle() { check(); }

    void angleSideAndArea_data()
    {
        addColumns();
        row("42 right triangle, c takes the larger side", 42, "90", "5", "6", "90 36.8699 53.1301 5 3 4 6 2.5 12", "triangle");
        row("43 right triangle", 43, "90", "5", "6", "36.8699 90 53.1301 3 5 4 6 2.5 -", "triangle");
        row("44 right triangle", 44, "90", "5", "6", "36.8699 53.1301 90 3 4 5 6 2.5 -", "triangle");
        row("42 obtuse as the rest of pi", 42, "30", "5", "6", "30 18.6463 131.3537 5 3.1972 7.5065 6 5 15.7037", "triangle");
        row("43 obtuse angle at C shown obtuse", 43, "30", "5", "6", "18.6463 30 131.3537 3.1972 5 7.5065 6 5 -", "triangle");
        row("44 obtuse as the rest of pi", 44, "30", "5", "6", "18.6463 131.3537 30 3.1972 7.5065 5 6 5 -", "triangle");
        row("42 area too large", 42, "60", "6", "100", "60 90 30 6 13.4983 13.4983 100 3.4641 -", "no-triangle");
        row("45", 45, "90", "3", "6", "90 36.8699 53.1301 5 3 4 6 2.5 -", "triangle");
        row("46", 46, "90", "4", "6", "90 36.8699 53.1301 5 3 4 6 2.5 -", "triangle");
        row("47", 47, "90", "3", "6", "36.8699 90 53.1301 3 5 4 6 2.5 -", "triangle");
        row("48", 48, "90", "4", "6", "36.8699 90 53.1301 3 5 4 6 2.5 -", "triangle");
        row("49", 49, "90", "3", "6", "36.8699 53.1301 90 3 4 5 6 2.5 -", "triangle");
        row("50", 50, "90", "4", "6", "36.8699 53.1301 90 3 4 5 6 2.5 -", "triangle");
        row("45 obtuse angle at C shown obtuse", 45, "30", "4", "10", "30 17.0142 132.9858 6.8351 4 10 10 6.8351 -", "triangle");
        row("47 obtuse as the rest of pi", 47, "60", "2", "10", "9.3260 60 110.6740 2 10.6883 11.5470 10 6.1709 24.2353", "triangle");
        row("49 acute triangle", 49, "60", "5", "10", "63.9267 56.0733 60 5 4.6188 4.8207 10 2.7832 -", "triangle");
        row("42 angle of 180 divides by its sine", 42, "180", "5", "6", "", "fault:division-by-zero");
    }
    void angleSideAndArea() { check(); }

    void threeSides_data()
    {
        addColumns();
        row("51 right triangle 3-4-5", 51, "3", "4", "5", "36.8699 53.1301 90 3 4 5 6 2.5 12", "triangle");
        row("51 equilateral", 51, "2", "2", "2", "60 60 60 2 2 2 1.7321 1.1547 6", "triangle");
        row("51 isosceles", 51, "5", "5", "6", "53.1301 53.1301 73.7398 5 5 6 12 3.125 16", "triangle");
        row("51 obtuse", 51, "2", "3", "4", "28.9550 46.5675 104.4775 2 3 4 2.9047 2.0656 9", "triangle");
        row("51 very thin", 51, "100", "100", "0.0001", "90 90 0.0001 100 100 0.0001 0.005 50 200.0001", "triangle");
        row("51 one side the sum of the others", 51, "1", "2", "3", "- - - - - - - - -", "sides-close-no-triangle");
        row("51 one side longer than the others together", 51, "1", "1", "5", "- - - - - - - - -", "sides-close-no-triangle");
    }
    void threeSides() { check(); }
    // clang-format on
};

QTEST_APPLESS_MAIN(CombinationsTest)
#include "test_combinations.moc"
