// SPDX-License-Identifier: GPL-3.0-or-later
// The compute driver: validation, what a fault leaves behind, the output step.
#include <QTest>

#include <array>

#include "solve_request.h"
#include "solver/list/catalogue.h"
#include "solver/list/compute.h"

using namespace triangle;

namespace {

// A form whose marks and texts the test sets freely.
class FakeForm : public Form {
public:
    int combination = 0;
    std::array<bool, kQuantityCount> marked {};
    std::array<std::string, kFieldCount> texts;

    explicit FakeForm(int selected) : combination(selected)
    {
        for (int position = 0; position < kQuantityCount; ++position)
            marked.at(position) = isGiven(selected, quantityAt(position));
    }

    int selectedCombination() const override { return combination; }
    bool isMarkedGiven(Quantity q) const override { return marked.at(fieldIndex(q)); }
    std::string fieldText(Quantity q) const override { return texts.at(fieldIndex(q)); }
    void setFieldText(Quantity q, std::string_view text) override { texts.at(fieldIndex(q)) = text; }
};

std::array<double, 8> quantities(const Triangle &t)
{
    return {t.Alpha.toDouble(), t.Beta.toDouble(), t.Gamma.toDouble(), t.a.toDouble(), t.b.toDouble(),
        t.c.toDouble(), t.S.toDouble(), t.R.toDouble()};
}

Triangle solvedRightTriangle()
{
    Triangle t;
    FakeForm form(0);
    form.texts = {"30", "60", "", "10", "", "", "", "", ""};
    Compute(t, form, NumberFormat {});
    return t;
}

} // namespace

class ComputeDriverTest : public QObject {
    Q_OBJECT

private slots:
    void invalidGivenFieldChangesNothing_data()
    {
        QTest::addColumn<QString>("sideText");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-5";
        QTest::newRow("not a number") << "abc";
        QTest::newRow("only blanks") << "   ";
        QTest::newRow("underflow to zero") << "1e-999";
    }

    void invalidGivenFieldChangesNothing()
    {
        QFETCH(QString, sideText);
        Triangle t = solvedRightTriangle();
        const auto before = quantities(t);
        FakeForm form(0);
        form.texts = {"30", "60", "x", sideText.toStdString(), "y", "z", "s", "r", "p"};
        const auto textsBefore = form.texts;

        const Outcome outcome = Compute(t, form, NumberFormat {});

        QCOMPARE(outcomeName(outcome), QString("invalid"));
        QVERIFY(form.texts == textsBefore);
        QVERIFY(quantities(t) == before);
    }

    void lenientlyReadGivensAreValid_data()
    {
        QTest::addColumn<QString>("sideText");
        QTest::addColumn<QString>("shownSide");
        QTest::newRow("blanks inside") << " 2 5"
                                       << "25.0000";
        QTest::newRow("comma stops the number") << "2,5"
                                                << "2.0000";
    }

    void lenientlyReadGivensAreValid()
    {
        QFETCH(QString, sideText);
        QFETCH(QString, shownSide);
        const SolvedRequest solved = solveRequest(0, "30", "60", sideText);
        QCOMPARE(outcomeName(solved.outcome), QString("triangle"));
        QCOMPARE(solved.fields[3], shownSide);
    }

    void unmarkedFieldsDoNotCountWhateverTheyHold()
    {
        Triangle t;
        FakeForm form(0);
        form.texts = {"30", "60", "abc", "10", "-1", "1e999", "0", "", "xyz"};
        const Outcome outcome = Compute(t, form, NumberFormat {});
        QCOMPARE(outcomeName(outcome), QString("triangle"));
        QCOMPARE(QString::fromStdString(form.texts[2]), QString("90.0000"));
    }

    void givenFieldsAreRewrittenAndPerimeterIsTheSumOfTheSides()
    {
        const SolvedRequest solved = solveRequest(15, "20", "8", "5");
        QCOMPARE(solved.fields[1], QString("20.0000"));
        QCOMPARE(solved.fields[3], QString("8.0000"));
        QCOMPARE(solved.fields[7], QString("5.0000"));
        const Triangle &t = solved.record;
        const double perimeter = (t.a.toDouble() + t.b.toDouble()) + t.c.toDouble();
        QCOMPARE(solved.fields[8], QString::number(perimeter, 'f', 4));
    }

    void withoutSelectionTheRecordIsShownAsItIs()
    {
        Triangle t;
        FakeForm form(-1);
        form.texts = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        const Outcome outcome = Compute(t, form, NumberFormat {});
        QCOMPARE(outcomeName(outcome), QString("no-triangle"));
        for (const auto &text : form.texts)
            QCOMPARE(QString::fromStdString(text), QString("0.0000"));

        Triangle solved = solvedRightTriangle();
        Compute(solved, form, NumberFormat {});
        QCOMPARE(QString::fromStdString(form.texts[4]), QString("17.3205"));
    }

    void faultKeepsWhatWasStoredBeforeItAndRewritesNoField()
    {
        Triangle t = solvedRightTriangle();
        FakeForm form(8);
        form.texts = {"90", "90", "", "", "", "10", "", "", "old"};
        const auto textsBefore = form.texts;

        const Outcome outcome = Compute(t, form, NumberFormat {});

        QCOMPARE(outcomeName(outcome), QString("fault:division-by-zero"));
        QVERIFY(form.texts == textsBefore);
        // The angles and c were stored, the third angle formed; R was not.
        QCOMPARE(t.Alpha.toDouble(), 90 * kPi / 180);
        QCOMPARE(t.c.toDouble(), 10.0);
        QCOMPARE(t.Gamma.toDouble(), 0.0);
        QCOMPARE(t.R.toDouble(), 10.0);
    }

    void faultInsideTheOutputStepRewritesNoField()
    {
        Triangle t;
        t.a = t.b = t.c = 1e308; // the perimeter overflows
        FakeForm form(21);
        form.texts = {"a", "b", "c", "d", "e", "f", "g", "h", "old"};
        const auto textsBefore = form.texts;

        QVERIFY_THROWS_EXCEPTION(ArithmeticFault, writeOutput(t, form, NumberFormat {}));
        QVERIFY(form.texts == textsBefore);
    }

    void overflowingGivenFieldIsAFault()
    {
        const SolvedRequest solved = solveRequest(21, "60", "1e400", "8");
        QCOMPARE(outcomeName(solved.outcome), QString("fault:overflow"));
    }

    void computingTwiceGivesTheSameFieldsInACommaLocale()
    {
        Triangle t;
        FakeForm form(21);
        form.texts = {"", "", "60,5", "5,25", "8", "", "", "", ""};
        const NumberFormat comma {","};
        QCOMPARE(outcomeName(Compute(t, form, comma)), QString("triangle"));
        const auto first = form.texts;
        QCOMPARE(QString::fromStdString(first[3]), QString("5,2500"));
        QCOMPARE(outcomeName(Compute(t, form, comma)), QString("triangle"));
        QVERIFY(form.texts == first);
    }
};

QTEST_APPLESS_MAIN(ComputeDriverTest)
#include "test_compute_driver.moc"
