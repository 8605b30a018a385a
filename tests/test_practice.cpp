// SPDX-License-Identifier: GPL-3.0-or-later
// Practice problems and the marking of answers: every problem of every type
// and level is determinate as posed, its key the triangle's own values
// recomputed here from its sides, exact and short without a calculator;
// answers are marked as a teacher marks them.
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <string>

#include "session/practice_session.h"
#include "session/worksheet.h"
#include "solver/elements/any_three.h"
#include "solver/practice/answer_check.h"
#include "solver/practice/problem.h"
#include "wording/practice_text.h"
#include "wording/solution_markup.h"

using namespace triangle;

namespace {

using Value = long double;

// The nineteen elements of the triangle with sides a, b and c, angles in
// degrees, in the order of their tags: the reference the keys are held to.
std::array<Value, kElementCount> elementsOfSides(Value a, Value b, Value c)
{
    const auto angle = [](Value own, Value x, Value y) {
        return std::acos((x * x + y * y - own * own) / (2 * x * y)) * 180 / std::numbers::pi_v<Value>;
    };
    // Heron's formula in the form that keeps thin triangles' digits.
    std::array<Value, 3> s = {a, b, c};
    std::sort(s.begin(), s.end(), std::greater<>());
    const Value area = std::sqrt((s[0] + (s[1] + s[2])) * (s[2] - (s[0] - s[1])) * (s[2] + (s[0] - s[1]))
                           * (s[0] + (s[1] - s[2])))
        / 4;
    const auto median
        = [](Value own, Value x, Value y) { return std::sqrt(2 * x * x + 2 * y * y - own * own) / 2; };
    const auto bisector = [](Value own, Value x, Value y) {
        return std::sqrt(x * y * (x + y + own) * (x + y - own)) / (x + y);
    };
    const Value perimeter = a + b + c;
    return {angle(a, b, c), angle(b, a, c), angle(c, a, b), a, b, c, area, a * b * c / (4 * area), perimeter,
        2 * area / a, 2 * area / b, 2 * area / c, median(a, b, c), median(b, a, c), median(c, a, b),
        bisector(a, b, c), bisector(b, a, c), bisector(c, a, b), 2 * area / perimeter};
}

bool near(Value x, Value y, Value relative)
{
    return std::fabs(x - y) <= relative * std::max<Value>(1, std::fabs(y));
}

// How many triangles have an angle, the side opposite it and another side,
// as a textbook counts them: the other side's height over the angle's arm
// against the opposite side.
int trianglesOfSsa(const Problem &problem)
{
    Value angle = 0;
    Value opposite = 0;
    Value other = 0;
    Quantity angleAt = Quantity::A;
    for (const GivenValue &g : problem.given) {
        if (isAngle(g.element)) {
            angle = std::stold(g.text) * std::numbers::pi_v<Value> / 180;
            angleAt = g.element;
        }
    }
    for (const GivenValue &g : problem.given) {
        if (!isAngle(g.element))
            (static_cast<int>(g.element) == static_cast<int>(angleAt) + 3 ? opposite : other)
                = std::stold(g.text);
    }
    const Value height = other * std::sin(angle);
    const auto same = [](Value x, Value y) { return std::fabs(x - y) <= 1e-12L * y; };
    if (angle >= std::numbers::pi_v<Value> / 2 - 1e-15L)
        return opposite > other && !same(opposite, other) ? 1 : 0;
    if (same(opposite, height))
        return 1;
    if (opposite < height)
        return 0;
    return opposite < other && !same(opposite, other) ? 2 : 1;
}

// The triangles that fit a problem's data, solved afresh.
ElementsAnswer solved(const Problem &problem)
{
    const std::array<ElementText, 3> texts = givenTexts(problem.given);
    return answerElements(texts, {.otherTriangles = true}, NumberFormat {"."});
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT

private slots:
    void everyProblemIsDeterminateWithItsKey()
    {
        int problems = 0;
        int exactKeys = 0;
        for (const ProblemType type : kProblemTypes) {
            for (const Level level : {Level::NoCalculator, Level::Calculator}) {
                for (std::uint32_t seed = 1; seed <= 150; ++seed) {
                    const std::uint64_t id = problemId(type, level, seed);
                    const auto problem = problemOf(id);
                    QVERIFY2(problem, qPrintable(QString("no problem for id %1").arg(id)));
                    const auto again = problemOf(id);
                    QVERIFY(again && again->given.at(0).text == problem->given.at(0).text
                        && again->key.size() == problem->key.size());
                    const ElementsAnswer answer = solved(*problem);
                    const auto &triangles = answer.answer.triangles;
                    if (type == ProblemType::HowManyTriangles) {
                        QCOMPARE(problem->key.size(), std::size_t {1});
                        QCOMPARE(problem->key.front().value, static_cast<Value>(trianglesOfSsa(*problem)));
                        ++problems;
                        continue;
                    }
                    QVERIFY(!triangles.empty());
                    QVERIFY(std::ranges::all_of(triangles, &AnsweredTriangle::real));
                    QCOMPARE(problem->key.size(), problem->asked.size());
                    for (const AnsweredTriangle &t : triangles) {
                        const auto reference = elementsOfSides(t.values[3], t.values[4], t.values[5]);
                        // The data are this triangle's ...
                        for (const GivenValue &g : problem->given) {
                            const Value typed = std::stold(g.text) * (g.half ? 2 : 1);
                            QVERIFY2(near(reference.at(static_cast<std::size_t>(g.element)), typed, 1e-9L),
                                qPrintable(QString::fromStdString(g.text)));
                        }
                        // ... and the key its values, in every triangle that fits.
                        for (std::size_t k = 0; k < problem->key.size(); ++k) {
                            const Value expected
                                = reference.at(static_cast<std::size_t>(problem->asked.at(k)));
                            QVERIFY2(near(problem->key.at(k).value, expected, 1e-9L),
                                qPrintable(QString("id %1: %2")
                                               .arg(id)
                                               .arg(QString::fromStdString(problem->key.at(k).name))));
                        }
                    }
                    for (const KeyValue &k : problem->key) {
                        if (level == Level::NoCalculator)
                            QVERIFY(k.form && k.form->size() <= 40);
                        // The key's own form is marked right.
                        if (k.form) {
                            ++exactKeys;
                            QCOMPARE(judgeAnswer(*k.form, k).mark, Mark::Right);
                        }
                    }
                    ++problems;
                }
            }
        }
        qInfo("%d problems, %d exact keys", problems, exactKeys);
    }

    void answersAreMarkedAsATeacherMarksThem_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("form");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("mark");
        const double tenRootThree = 10 * std::sqrt(3.0);
        const auto right = static_cast<int>(Mark::Right);
        const auto unsimplified = static_cast<int>(Mark::Unsimplified);
        const auto rounded = static_cast<int>(Mark::Rounded);
        const auto wrong = static_cast<int>(Mark::Wrong);
        const auto row = [](const char *name, const char *typed, const char *form, double value, int mark) {
            QTest::newRow(name) << QString::fromUtf8(typed) << QString(form) << value << mark;
        };
        row("the school's form", "10√3", "10*sqrt(3)", tenRootThree, right);
        row("the plain form", "10*sqrt(3)", "10*sqrt(3)", tenRootThree, right);
        row("sqrt as a word", "10 sqrt 3", "10*sqrt(3)", tenRootThree, right);
        row("a fraction of a root", "7√3/3", "7*sqrt(3)/3", 7 * std::sqrt(3.0) / 3, right);
        row("a sum in another order", "(√231 + 5√3)/2", "(5*sqrt(3)+sqrt(231))/2",
            (5 * std::sqrt(3.0) + std::sqrt(231.0)) / 2, right);
        row("a nested root", "√(89 − 40√2)", "sqrt(89-40*sqrt(2))", std::sqrt(89 - 40 * std::sqrt(2.0)),
            right);
        row("a whole number", "7", "7", 7, right);
        row("a decimal that is the value", "4,8", "24/5", 4.8, right);
        row("a square factor left under the root", "√300", "10*sqrt(3)", tenRootThree, unsimplified);
        row("a fraction not reduced", "14/2", "7", 7, unsimplified);
        row("a root in the denominator", "7/√3", "7*sqrt(3)/3", 7 * std::sqrt(3.0) / 3, unsimplified);
        row("two decimals", "17,32", "10*sqrt(3)", tenRootThree, rounded);
        row("two decimals with a point", "17.32", "10*sqrt(3)", tenRootThree, rounded);
        row("degrees and minutes", "38°13′", "", 38.21321070173819, rounded);
        row("an exact angle", "60°", "60", 60, right);
        row("one decimal is too few", "17,3", "10*sqrt(3)", tenRootThree, wrong);
        row("a wrong last digit", "17,33", "10*sqrt(3)", tenRootThree, wrong);
        row("wrong by a sign", "−10√3", "10*sqrt(3)", tenRootThree, wrong);
        row("wrong by a factor √2", "10√6", "10*sqrt(3)", tenRootThree, wrong);
        row("a minute off", "38°12′", "", 38.21321070173819, wrong);
        row("no number", "десет", "10*sqrt(3)", tenRootThree, wrong);
        // Beyond what a school writes, and what the reading's stack holds.
        const std::string deep = std::string(30, '(') + "10√3" + std::string(30, ')');
        row("brackets thirty deep", deep.c_str(), "10*sqrt(3)", tenRootThree, wrong);
        const std::string longSum = "10√3" + std::string(200, ' ');
        row("longer than 200 bytes", longSum.c_str(), "10*sqrt(3)", tenRootThree, wrong);
    }

    void answersAreMarkedAsATeacherMarksThem()
    {
        QFETCH(QString, typed);
        QFETCH(QString, form);
        QFETCH(double, value);
        QFETCH(int, mark);
        const KeyValue key {"x", form.isEmpty() ? std::nullopt : std::optional(form.toStdString()), value};
        QCOMPARE(static_cast<int>(judgeAnswer(typed.toStdString(), key).mark), mark);
    }

    // The mode's session: a problem by its id, answers typed and marked
    // once each, the count, the hint, the solution, another language.
    void aSessionMarksEachAnswerOnce()
    {
        session::PracticeSession practice(NumberFormat {","}, wording::kBulgarian, 1);
        QVERIFY(!practice.showProblem(31));
        const auto shown
            = practice.showProblem(problemId(ProblemType::IncludedAngle, Level::NoCalculator, 7));
        QVERIFY(shown);
        QCOMPARE(shown->asked, (std::vector<std::string> {"c", "S", "R"}));
        // The figure: a and b and the angle between them given, c asked (S
        // and R are not drawn); to scale, with its solution.
        using namespace triangle::geometry;
        QCOMPARE(shown->figureMarks, (ElementMarks {sideBit(0) | sideBit(1) | angleBit(2), sideBit(2)}));
        QVERIFY(shown->picture && shown->solutionOffered);
        // Data that fit no triangle: a sketch, and the solution says why.
        const auto none
            = practice.showProblem(problemId(ProblemType::HowManyTriangles, Level::NoCalculator, 3));
        QVERIFY(none && !none->picture && none->solutionOffered);
        QVERIFY(practice.openSolution()->document.find("няма триъгълник") != std::string::npos);
        QCOMPARE(none->figureMarks.given, angleBit(0) | sideBit(0) | sideBit(1));
        QVERIFY(practice.openNumber(" 224 ").problemId == 224);
        QCOMPARE(practice.openNumber("12x").announcement->kind, session::Announcement::Kind::Alert);
        QCOMPARE(practice.view().problemId, std::uint64_t {224});
        practice.edit(0, "√109");
        practice.edit(1, "36,37");
        practice.edit(2, "1");
        const session::PracticeView &marked = practice.check();
        QCOMPARE(marked.marks,
            (std::vector<std::string> {"Вярно.", "Вярно с точност до последната цифра.", "Грешно."}));
        QCOMPARE(marked.counter, std::string("Верни отговори: 2 от 3."));
        QVERIFY(marked.announcement && marked.announcement->text.ends_with(marked.counter));
        QCOMPARE(practice.check().counter, std::string("Верни отговори: 2 от 3."));
        practice.edit(2, "√327/3");
        QVERIFY(practice.view().marks.at(2).empty());
        QCOMPARE(practice.check().counter, std::string("Верни отговори: 3 от 4."));
        QVERIFY(practice.hint().hint.starts_with("Подсказка: По косинусовата теорема: c² = "));
        const auto solution = practice.openSolution();
        QVERIFY(solution && solution->document.find("√109") != std::string::npos);
        const session::PracticeView &english = practice.setLanguage(wording::kEnglish, NumberFormat {"."});
        QVERIFY(english.problem.starts_with("In triangle ABC, a = 7 cm"));
        QCOMPARE(english.marks.front(), std::string("Right."));
        QCOMPARE(english.answers.front(), std::string("√109"));
    }

    // A worksheet holds what its options ask, the same every time: each
    // variant the types in turn with other data, every problem's text and
    // key, a page of its own for each variant, the key and the solutions.
    void worksheetsHoldWhatTheyAsk_data()
    {
        QTest::addColumn<int>("types");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("problems");
        QTest::addColumn<int>("variants");
        QTest::addColumn<bool>("solutions");
        QTest::addColumn<uint>("seed");
        QTest::newRow("every type, two variants") << 0 << 0 << 11 << 2 << false << 4242U;
        // Seeds 16 and 26 draw the same three heights.
        QTest::newRow("a type with few problems") << 0 << 0 << 10 << 2 << false << 7U;
        QTest::newRow("sas and ssa, with solutions") << 2 << 0 << 4 << 3 << true << 4242U;
        QTest::newRow("with a calculator, one variant") << 1 << 1 << 30 << 1 << false << 4242U;
        QTest::newRow("beyond the limits") << 3 << 0 << 99 << 9 << false << 4242U;
    }

    void worksheetsHoldWhatTheyAsk()
    {
        QFETCH(int, types);
        QFETCH(int, level);
        QFETCH(int, problems);
        QFETCH(int, variants);
        QFETCH(bool, solutions);
        QFETCH(uint, seed);
        WorksheetOptions options;
        options.types.assign(kProblemTypes.begin(), kProblemTypes.begin() + types);
        if (types == 2)
            options.types = {ProblemType::IncludedAngle, ProblemType::HowManyTriangles};
        options.level = level == 0 ? Level::NoCalculator : Level::Calculator;
        options.problems = problems;
        options.variants = variants;
        options.seed = seed;
        options.solutions = solutions;
        const auto sheet = worksheetProblems(options);
        QCOMPARE(sheet.size(), static_cast<std::size_t>(std::min(variants, kMostWorksheetVariants)));
        const NumberFormat format {","};
        const std::string html = session::worksheetMarkup(options, format, wording::kBulgarian);
        QCOMPARE(html, session::worksheetMarkup(options, format, wording::kBulgarian));
        std::vector<std::uint64_t> ids;
        for (const auto &variant : sheet) {
            QCOMPARE(variant.size(), static_cast<std::size_t>(std::min(problems, kMostWorksheetProblems)));
            for (std::size_t i = 0; i < variant.size(); ++i) {
                const std::vector<ProblemType> &turn = options.types.empty()
                    ? std::vector<ProblemType>(kProblemTypes.begin(), kProblemTypes.end())
                    : options.types;
                QCOMPARE(variant.at(i).type, turn.at(i % turn.size()));
                QCOMPARE(variant.at(i).level, options.level);
                ids.push_back(variant.at(i).id);
                const std::string text
                    = wording::paperMarkup(wording::problemText(variant.at(i), wording::kBulgarian));
                QVERIFY2(html.find(text) != std::string::npos, text.c_str());
                for (const KeyValue &key : variant.at(i).key) {
                    const std::string line = wording::paperMarkup(
                        wording::keyLine(key, options.level, format, wording::kBulgarian));
                    QVERIFY2(html.find(line) != std::string::npos, line.c_str());
                }
            }
        }
        std::ranges::sort(ids);
        QVERIFY(std::ranges::adjacent_find(ids) == ids.end());
        // No data twice on a sheet of a few problems of a type.
        if (problems * variants <= 30) {
            std::set<std::string> data;
            for (const auto &variant : sheet) {
                for (const Problem &problem : variant)
                    QVERIFY2(data.insert(wording::problemText(problem, wording::kBulgarian)).second,
                        wording::problemText(problem, wording::kBulgarian).c_str());
            }
        }
        std::size_t pageBreaks = 0;
        for (std::size_t at = html.find("page-break-before"); at != std::string::npos;
             at = html.find("page-break-before", at + 1))
            ++pageBreaks;
        QCOMPARE(pageBreaks, sheet.size() + (solutions ? 1 : 0));
        QCOMPARE(html.find("По косинусовата теорема") != std::string::npos, solutions);
    }

    // The key as a teacher's answer sheet writes it: the exact form in school
    // notation and, where it is no decimal, its value; with a calculator the
    // decimals; the number of triangles alone.
    void keyLinesAreWrittenAsAKey_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("form");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("line");
        QTest::newRow("whole") << "c"
                               << "7" << 7.0 << 0 << "c = 7 cm";
        QTest::newRow("root") << "S"
                              << "10*sqrt(3)" << 17.320508075688772 << 0 << "S = 10√3 ≈ 17,3205 cm²";
        QTest::newRow("fraction of a root")
            << "R"
            << "7*sqrt(3)/3" << 4.041451884327381 << 0 << "R = 7√3/3 ≈ 4,0415 cm";
        QTest::newRow("decimal") << "h_a"
                                 << "2.5" << 2.5 << 0 << "h_a = 2,5 cm";
        QTest::newRow("angle") << "C"
                               << "60" << 60.0 << 0 << "γ = 60°";
        QTest::newRow("calculator") << "S"
                                    << "10*sqrt(3)" << 17.320508075688772 << 1 << "S ≈ 17,3205 cm²";
        QTest::newRow("calculator, whole") << "c"
                                           << "7" << 7.0 << 1 << "c = 7 cm";
        QTest::newRow("no form") << "A"
                                 << "" << 38.21320343559642 << 1 << "α ≈ 38,2132°";
        QTest::newRow("two triangles") << "n"
                                       << "2" << 2.0 << 0 << "2";
        QTest::newRow("none") << "n"
                              << "0" << 0.0 << 0 << "0 (няма такъв триъгълник)";
    }

    void keyLinesAreWrittenAsAKey()
    {
        QFETCH(QString, name);
        QFETCH(QString, form);
        QFETCH(double, value);
        QFETCH(int, level);
        QFETCH(QString, line);
        KeyValue key {name.toStdString(), std::nullopt, static_cast<long double>(value)};
        if (!form.isEmpty())
            key.form = form.toStdString();
        QCOMPARE(
            QString::fromStdString(wording::keyLine(key, level == 0 ? Level::NoCalculator : Level::Calculator,
                NumberFormat {","}, wording::kBulgarian)),
            line);
    }
};

QTEST_APPLESS_MAIN(PracticeTest)
#include "test_practice.moc"
