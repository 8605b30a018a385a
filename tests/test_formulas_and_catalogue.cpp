// SPDX-License-Identifier: GPL-3.0-or-later
// The helper formulas, the catalogue of combinations and the triangle check.
#include <QTest>

#include <algorithm>
#include <set>

#include "solver/list/catalogue.h"
#include "solver/list/verdict.h"
#include "solver/steps/helper_formulas.h"

using namespace triangle;

namespace {

FaultKind faultOf(auto &&call)
{
    try {
        call();
    } catch (const ArithmeticFault &fault) {
        return fault.kind;
    }
    QTest::qFail("expected an arithmetic fault", __FILE__, __LINE__);
    return FaultKind::Overflow;
}

Triangle rightTriangle345()
{
    Triangle t;
    t.a = 3.0, t.b = 4.0, t.c = 5.0, t.R = 2.5, t.S = 6.0;
    t.Alpha = std::asin(0.6), t.Beta = std::asin(0.8), t.Gamma = kPi / 2;
    return t;
}

} // namespace

class FormulasAndCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void angleFromSideTakesTheAcuteSolution_data()
    {
        QTest::addColumn<double>("side");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("expected");
        QTest::newRow("30 degrees") << 5.0 << 5.0 << 0.5235987755982989;
        QTest::newRow("side equal to 2R") << 10.0 << 5.0 << 1.570796326794895;
        QTest::newRow("side longer than 2R") << 12.0 << 5.0 << 1.570796326794895;
        QTest::newRow("obtuse data still acute") << 8.0 << 5.0 << 0.9272952180016122;
    }

    void angleFromSideTakesTheAcuteSolution()
    {
        QFETCH(double, side);
        QFETCH(double, radius);
        QFETCH(double, expected);
        Triangle t;
        t.a = side;
        t.R = radius;
        QVERIFY(std::fabs(AngleFromSide(t, 1).toDouble() - expected) < 1e-15);
        t.SineArg = side / (2 * radius);
        QVERIFY(std::fabs(ArcSine(t).toDouble() - expected) < 1e-15);
    }

    void rightAngleIsHalfTheProgramsPi()
    {
        Triangle t;
        t.SineArg = 2.0;
        QCOMPARE(ArcSine(t).toDouble(), 3.14159265358979 / 2);
        QVERIFY(ArcSine(t).toDouble() != std::acos(0.0));
    }

    void arcsineOfMinusOneOrBelowFaults()
    {
        Triangle t;
        t.c = -10.0;
        t.R = 5.0;
        QVERIFY(faultOf([&] { AngleFromSide(t, 3); }) == FaultKind::DivisionByZero);
        t.c = -12.0;
        QVERIFY(faultOf([&] { AngleFromSide(t, 3); }) == FaultKind::InvalidArgument);
        t.R = 0.0;
        QVERIFY(faultOf([&] { AngleFromSide(t, 3); }) == FaultKind::DivisionByZero);
    }

    void sidesFromAreaAngle_data()
    {
        QTest::addColumn<double>("side");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("area");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("low");
        QTest::newRow("right triangle 3-4-5") << 5.0 << kPi / 2 << 6.0 << 4.0 << 3.0;
        QTest::newRow("equilateral") << 10.0 << 60 * kPi / 180 << 43.30127018922193 << 10.0 << 10.0;
        QTest::newRow("area too large gives equal sides") << 5.0 << kPi / 2 << 10.0 << 4.0311 << 4.0311;
    }

    void sidesFromAreaAngle()
    {
        QFETCH(double, side);
        QFETCH(double, angle);
        QFETCH(double, area);
        QFETCH(double, high);
        QFETCH(double, low);
        Triangle t;
        t.WorkSide = side;
        t.WorkAngle = angle;
        t.S = area;
        SidesFromAreaAngle(t);
        QVERIFY(std::fabs(t.WorkHigh.toDouble() - high) < 5e-5);
        QVERIFY(std::fabs(t.WorkLow.toDouble() - low) < 5e-5);
        QVERIFY(t.WorkHigh >= t.WorkLow);
    }

    void clearingKeepsTheWorkFields()
    {
        Triangle t = rightTriangle345();
        t.WorkSide = 1, t.WorkLow = 2, t.WorkHigh = 3, t.WorkAngle = 4, t.SineArg = 5;
        t.clearQuantities();
        for (const Real q : {t.a, t.b, t.c, t.Alpha, t.Beta, t.Gamma, t.R, t.S})
            QCOMPARE(q.toDouble(), 0.0);
        QCOMPARE(t.WorkSide.toDouble() + t.WorkLow.toDouble() + t.WorkHigh.toDouble() + t.WorkAngle.toDouble()
                + t.SineArg.toDouble(),
            15.0);
    }

    void catalogueHoldsEveryAdmissibleTripleOnce()
    {
        std::set<std::string_view> distinct;
        for (int index = 0; index < kCombinationCount; ++index) {
            const std::string_view entry = combinationAt(index).given;
            distinct.insert(entry);
            QCOMPARE(entry.size(), std::size_t {8});
            QCOMPARE(std::count(entry.begin(), entry.end(), '1'), 3L);
            QVERIFY(entry.find_first_not_of("01") == std::string_view::npos);
        }
        QCOMPARE(distinct.size(), std::size_t {kCombinationCount});
        for (const auto absent : {"11100000", "10010001", "01001001", "00100101"})
            QVERIFY(!distinct.contains(absent));
    }

    void labelsKeepTheLeadingBlankAndTrailingComma_data()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QString>("label");
        QTest::newRow("first") << 0 << " 0: A,B,a,";
        QTest::newRow("area and radius") << 36 << " 36: a,S,R,";
        QTest::newRow("last") << 50 << " 50: C,b,S,";
    }

    void labelsKeepTheLeadingBlankAndTrailingComma()
    {
        QFETCH(int, combination);
        QFETCH(QString, label);
        QCOMPARE(QString::fromStdString(combinationLabel(combination)), label);
    }

    void verdict_data()
    {
        QTest::addColumn<int>("damage");
        QTest::addColumn<bool>("real");
        QTest::newRow("right triangle 3-4-5") << 0 << true;
        QTest::newRow("flat: a tiny angle") << 1 << false;
        QTest::newRow("negative side") << 2 << false;
        QTest::newRow("zero radius") << 3 << false;
        QTest::newRow("side longer than 2R sin") << 4 << false;
        QTest::newRow("area too large") << 5 << false;
        QTest::newRow("rounding within tolerance") << 6 << true;
    }

    void verdict()
    {
        QFETCH(int, damage);
        QFETCH(bool, real);
        Triangle t = rightTriangle345();
        switch (damage) {
        case 1: t.Alpha = 1e-10; break;
        case 2: t.a = -3.0; break;
        case 3: t.R = 0.0; break;
        case 4: t.a = 3.01; break;
        case 5: t.S = 6.1; break;
        case 6:
            t.a = 3.0 + 1e-9;
            t.S = 6.0 + 1e-9;
            break;
        default: break;
        }
        QCOMPARE(isRealTriangle(t), real);
    }
};

QTEST_APPLESS_MAIN(FormulasAndCatalogueTest)
#include "test_formulas_and_catalogue.moc"
