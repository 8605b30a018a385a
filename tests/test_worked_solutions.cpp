// SPDX-License-Identifier: GPL-3.0-or-later
// Worked solutions: every computed value has its steps, the last of which
// carries the value shown; and one worked solution per family, word for word.
#include <QTest>

#include <map>
#include <variant>

#include "random_triangles.h"
#include "solver/answer/answer.h"
#include "solver/answer/solution.h"
#include "solver/list/compute.h"
#include "solver/list/request_form.h"
#include "solver/list/solve.h"
#include "solver/numbers/number_formatting.h"
#include "wording/solution_markup.h"
#include "wording/solution_text.h"

using namespace triangle;

namespace {

std::string shown(const std::variant<Real::Value, FaultKind> &element)
{
    const auto *value = std::get_if<Real::Value>(&element);
    return value != nullptr ? formatResult(*value, NumberFormat {}) : "a fault";
}

// Empty when, for each triangle answered, every computed value shown (the
// nine and the rest of the triangle) is the value of the last step that
// found it, and every step has a text; else what is wrong.
QString checkSteps(int combination, const std::array<std::string, 3> &texts, const Answer &answer)
{
    const wording::GivenTexts given = wording::givenTextsOf(combination, texts);
    QString problem;
    for (const AnsweredTriangle &triangle : answer.triangles) {
        std::map<Quantity, std::string> values;
        for (const Quantity q : kAllQuantities) {
            if (static_cast<int>(q) >= kQuantityCount || !isGiven(combination, q))
                values[q] = formatResult(
                    triangle.values.at(static_cast<std::size_t>(fieldIndex(q))), NumberFormat {});
        }
        if (triangle.more) {
            for (std::size_t i = 0; i < kMoreElements.size(); ++i)
                values[kMoreElements.at(i)] = shown(triangle.more->values.at(i));
        }
        std::map<Quantity, std::string> lastStep;
        for (const Journal *steps : {&triangle.steps, &triangle.moreSteps}) {
            for (const Step &step : *steps) {
                lastStep[step.quantity]
                    = formatResult(shownValue(step.quantity, step.value), NumberFormat {});
                if (wording::stepText(step, given, NumberFormat {}).empty())
                    problem += QString("%1: a step without text\n").arg(tagOf(step.quantity).data());
            }
        }
        for (const auto &[q, value] : values) {
            const auto step = lastStep.find(q);
            if (step == lastStep.end() || step->second != value)
                problem += QString("%1: no step ends in %2\n").arg(tagOf(q).data(), value.c_str());
        }
    }
    return problem;
}

// The worked solution of a request in the Bulgarian window's notation.
wording::SolutionText workedSolutionOf(int combination, const QStringList &given)
{
    const NumberFormat comma {","};
    const std::array<std::string, 3> texts
        = {given[0].toStdString(), given[1].toStdString(), given[2].toStdString()};
    RequestForm form(combination, {texts[0], texts[1], texts[2]});
    Triangle record;
    const Outcome outcome = Compute(record, form, comma);
    return wording::workedSolution(solutionOf(outcome), wording::givenTextsOf(combination, texts), comma);
}

} // namespace

class WorkedSolutionsTest : public QObject {
    Q_OBJECT

private slots:
    void everyComputedValueEndsAStepShowingIt()
    {
        RandomTriangles triangles(12);
        int checked = 0;
        for (int i = 0; i < 200; ++i) {
            const Quantities q = triangles.next();
            for (int combination = 0; combination < kCombinationCount; ++combination) {
                const QStringList given = givenTexts(combination, q);
                const std::array<std::string, 3> texts {
                    given[0].toStdString(), given[1].toStdString(), given[2].toStdString()};
                const Answer answer = answerRequest(combination, {texts[0], texts[1], texts[2]},
                    {.otherTriangles = true, .steps = true, .more = true}, NumberFormat {});
                const QString problem = checkSteps(combination, texts, answer);
                QVERIFY2(problem.isEmpty(),
                    qPrintable(QString("%1 %2: ").arg(combination).arg(given.join(' ')) + problem));
                ++checked;
            }
        }
        QCOMPARE(checked, 200 * kCombinationCount);
    }

    // Heights, medians, bisectors and inradius worked out by hand.
    void theRestOfKnownTriangles_data()
    {
        QTest::addColumn<QString>("sides");
        QTest::addColumn<QString>("more");
        QTest::newRow("right 3-4-5")
            << "3 4 5"
            << "4.0000 3.0000 2.4000 4.2720 3.6056 2.5000 4.2164 3.3541 2.4244 1.0000 right "
               "scalene";
        QTest::newRow("equilateral")
            << "2 2 2"
            << "1.7321 1.7321 1.7321 1.7321 1.7321 1.7321 1.7321 1.7321 1.7321 0.5774 acute "
               "equilateral";
        QTest::newRow("isosceles")
            << "5 5 6"
            << "4.8000 4.8000 4.0000 4.9244 4.9244 4.0000 4.8787 4.8787 4.0000 1.5000 acute "
               "isosceles";
        QTest::newRow("obtuse")
            << "2 3 4"
            << "2.9047 1.9365 1.4524 3.3912 2.7839 1.5811 3.3197 2.4495 1.4697 0.6455 obtuse "
               "scalene";
    }

    void theRestOfKnownTriangles()
    {
        QFETCH(QString, sides);
        QFETCH(QString, more);
        const std::string typed = sides.toStdString();
        const std::string_view abc = typed;
        const std::array<std::string_view, 3> texts {abc.substr(0, 1), abc.substr(2, 1), abc.substr(4, 1)};
        const Answer answer = answerRequest(51, texts, {.more = true}, NumberFormat {});
        QVERIFY(answer.triangles.size() == 1 && answer.triangles.front().more);
        const MoreElements &rest = *answer.triangles.front().more;
        QStringList words;
        for (const auto &element : rest.values)
            words << QString::fromStdString(shown(element));
        constexpr std::array byAngles = {"acute", "right", "obtuse"};
        constexpr std::array bySides = {"scalene", "isosceles", "equilateral"};
        words << byAngles.at(static_cast<std::size_t>(rest.angles))
              << bySides.at(static_cast<std::size_t>(rest.sides));
        QCOMPARE(words.join(' '), more);
    }

    void workedSolutionReadsAsATeacherWritesIt_data()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, int combination, const char *t1, const char *t2, const char *t3,
                             const char *expected) {
            QTest::newRow(name) << combination << QStringList {t1, t2, t3} << QString::fromUtf8(expected);
        };
        row("two angles and a side", 0, "30", "60", "10",
            "Дадено: α = 30°, β = 60°, a = 10.\n"
            "Търси се: γ, b, c, S, R, P.\nРешение:\n"
            "1. От сбора на ъглите: γ = 180° − α − β = 180° − 30° − 60° = 90°.\n"
            "2. По синусовата теорема: b = a·sin β / sin α = 10·sin 60° / sin 30° ≈ 17,3205.\n"
            "3. По синусовата теорема: c = a·sin γ / sin α = 10·sin 90° / sin 30° = 20.\n"
            "4. Лице: S = ½·a·b·sin γ = ½·10·17,3205·sin 90° ≈ 86,6025.\n"
            "5. По синусовата теорема: R = a / (2·sin α) = 10 / (2·sin 30°) = 10.\n"
            "6. Периметър: P = a + b + c = 10 + 17,3205 + 20 ≈ 47,3205.\n"
            "Отговор: α = 30°, β = 60°, γ = 90°, a = 10, b ≈ 17,3205, c = 20, S ≈ 86,6025, R = 10, P ≈ "
            "47,3205.\n");
        row("two angles and R", 12, "30", "60", "5",
            "Дадено: α = 30°, β = 60°, R = 5.\n"
            "Търси се: γ, a, b, c, S, P.\nРешение:\n"
            "1. От сбора на ъглите: γ = 180° − α − β = 180° − 30° − 60° = 90°.\n"
            "2. По синусовата теорема: a = 2R·sin α = 2·5·sin 30° = 5.\n"
            "3. По синусовата теорема: b = 2R·sin β = 2·5·sin 60° ≈ 8,6603.\n"
            "4. По синусовата теорема: c = 2R·sin γ = 2·5·sin 90° = 10.\n"
            "5. Лице: S = 2R²·sin α·sin β·sin γ = 2·5²·sin 30°·sin 60°·sin 90° ≈ 21,6506.\n"
            "6. Периметър: P = a + b + c = 5 + 8,6603 + 10 ≈ 23,6603.\n"
            "Отговор: α = 30°, β = 60°, γ = 90°, a = 5, b ≈ 8,6603, c = 10, S ≈ 21,6506, R = 5, P ≈ "
            "23,6603.\n");
        row("an angle, an adjacent side and R", 17, "40", "5", "4",
            "Дадено: α = 40°, b = 5, R = 4.\n"
            "Търси се: β, γ, a, c, S, P.\nРешение:\n"
            "1. По синусовата теорема: sin β = b / (2R) = 5 / (2·4) = 0,625 ⇒ β ≈ 38,6822° или β ≈ "
            "141,3178°; това решение продължава с β ≈ 38,6822°; β ≈ 141,3178° отпада, защото α + β ≥ 180°.\n"
            "2. От сбора на ъглите: γ = 180° − α − β = 180° − 40° − 38,6822° ≈ 101,3178°.\n"
            "3. По синусовата теорема: a = 2R·sin α = 2·4·sin 40° ≈ 5,1423.\n"
            "4. По синусовата теорема: c = 2R·sin γ = 2·4·sin 101,3178° ≈ 7,8444.\n"
            "5. Лице: S = abc / (4R) = 5,1423009·5·7,8444296 / (4·4) ≈ 12,6058.\n"
            "6. Периметър: P = a + b + c = 5,1423 + 5 + 7,8444 ≈ 17,9867.\n"
            "Отговор: α = 40°, β ≈ 38,6822° (≈ 38°41′), γ ≈ 101,3178° (≈ 101°19′), a ≈ 5,1423, b = 5, c ≈ "
            "7,8444, S ≈ 12,6058, R = "
            "4, P ≈ 17,9867.\n");
        row("two sides and the angle between", 21, "60", "5", "8",
            "Дадено: γ = 60°, a = 5, b = 8.\n"
            "Търси се: α, β, c, S, R, P.\nРешение:\n"
            "1. По косинусовата теорема: c² = a² + b² − 2ab·cos γ = 5² + 8² − 2·5·8·cos 60° = 49, c = 7.\n"
            "2. По косинусовата теорема: cos α = (b² + c² − a²) / (2bc) = (8² + 7² − 5²) / (2·8·7) ≈ 0,7857 "
            "⇒ "
            "α ≈ 38,2132°.\n"
            "3. От сбора на ъглите: β = 180° − α − γ = 180° − 38,2132° − 60° ≈ 81,7868°.\n"
            "4. Лице: S = ½·a·b·sin γ = ½·5·8·sin 60° ≈ 17,3205.\n"
            "5. По синусовата теорема: R = c / (2·sin γ) = 7 / (2·sin 60°) ≈ 4,0415.\n"
            "6. Периметър: P = a + b + c = 5 + 8 + 7 = 20.\n"
            "Отговор: α ≈ 38,2132° (≈ 38°13′), β ≈ 81,7868° (≈ 81°47′), γ = 60°, a = 5, b = 8, c = 7, S ≈ "
            "17,3205, R ≈ 4,0415, P = "
            "20.\n");
        row("two sides and R, a right triangle", 33, "3", "4", "2.5",
            "Дадено: a = 3, b = 4, R = 2.5.\n"
            "Търси се: α, β, γ, c, S, P.\nРешение:\n"
            "1. По синусовата теорема: sin α = a / (2R) = 3 / (2·2.5) = 0,6 ⇒ α ≈ 36,8699° или α ≈ "
            "143,1301°; това решение продължава с α ≈ 36,8699°; α ≈ 143,1301° отпада, защото α + β ≥ 180°.\n"
            "2. По синусовата теорема: sin β = b / (2R) = 4 / (2·2.5) = 0,8 ⇒ β ≈ 53,1301° или β ≈ "
            "126,8699°; това решение продължава с β ≈ 53,1301°.\n"
            "3. От сбора на ъглите: γ = 180° − α − β = 180° − 36,8699° − 53,1301° = 90°.\n"
            "4. По синусовата теорема: c = 2R·sin γ = 2·2.5·sin 90° = 5.\n"
            "5. Лице: S = abc / (4R) = 3·4·5 / (4·2.5) = 6.\n"
            "6. Периметър: P = a + b + c = 3 + 4 + 5 = 12.\n"
            "Отговор: α ≈ 36,8699° (≈ 36°52′), β ≈ 53,1301° (≈ 53°8′), γ = 90°, a = 3, b = 4, c = 5, S = 6, "
            "R = 2.5, P = 12.\n");
        row("an angle with S and R, two orders of the sides", 41, "90", "6", "2.5",
            "Дадено: γ = 90°, S = 6, R = 2.5.\n"
            "Търси се: α, β, a, b, c, P.\nРешение:\n"
            "1. По синусовата теорема: c = 2R·sin γ = 2·2.5·sin 90° = 5.\n"
            "2. От лицето и косинусовата теорема: ab = 2S / sin γ = 12 и c² = a² + b² − 2ab·cos γ, откъдето "
            "(a + b)² = c² + 2ab·(1 + cos γ) = 49 и (a − b)² = c² − 2ab·(1 − cos γ) = 1, b = 4 или b = 3 "
            "(двете страни разменени); това решение продължава с b = 4.\n"
            "3. От лицето S = ½·a·b·sin γ: a = 2S / (b·sin γ) = 2·6 / (4·sin 90°) = 3.\n"
            "4. По косинусовата теорема: cos α = (b² + c² − a²) / (2bc) = (4² + 5² − 3²) / (2·4·5) = 0,8 ⇒ α "
            "≈ "
            "36,8699°.\n"
            "5. От сбора на ъглите: β = 180° − α − γ = 180° − 36,8699° − 90° ≈ 53,1301°.\n"
            "6. Периметър: P = a + b + c = 3 + 4 + 5 = 12.\n"
            "Отговор: α ≈ 36,8699° (≈ 36°52′), β ≈ 53,1301° (≈ 53°8′), γ = 90°, a = 3, b = 4, c = 5, S = 6, "
            "R = 2.5, P = 12.\n");
        row("an angle, a side next to it and S", 47, "60", "5", "10",
            "Дадено: β = 60°, a = 5, S = 10.\n"
            "Търси се: α, γ, b, c, R, P.\nРешение:\n"
            "1. От лицето S = ½·c·a·sin β: c = 2S / (a·sin β) = 2·10 / (5·sin 60°) ≈ 4,6188.\n"
            "2. По косинусовата теорема: b² = a² + c² − 2ac·cos β = 5² + 4,6188² − 2·5·4,6188·cos 60° ≈ "
            "23,2393, b ≈ 4,8207.\n"
            "3. Радиус на описаната окръжност: R = abc / (4S) = 5·4,8207·4,6188 / (4·10) ≈ 2,7832.\n"
            "4. По косинусовата теорема: cos α = (b² + c² − a²) / (2bc) = (4,8207181² + 4,6188022² − 5²) / "
            "(2·4,8207181·4,6188022) ≈ 0,4395 ⇒ α ≈ 63,9267°.\n"
            "5. От сбора на ъглите: γ = 180° − α − β = 180° − 63,9267° − 60° ≈ 56,0733°.\n"
            "6. Периметър: P = a + b + c = 5 + 4,8207 + 4,6188 ≈ 14,4395.\n"
            "Отговор: α ≈ 63,9267° (≈ 63°56′), β = 60°, γ ≈ 56,0733° (≈ 56°4′), a = 5, b ≈ 4,8207, c ≈ "
            "4,6188, S = 10, R ≈ "
            "2,7832, P ≈ 14,4395.\n");
    }

    // In the Bulgarian window's notation: a decimal comma, degrees, and the
    // given values as typed.
    void workedSolutionReadsAsATeacherWritesIt()
    {
        QFETCH(int, combination);
        QFETCH(QStringList, given);
        QFETCH(QString, expected);
        const std::string text = wording::plainText(workedSolutionOf(combination, given));
        QCOMPARE(QString::fromStdString(text), expected);
    }

    // Each family's route as a school writes it, step by step: the found
    // quantity, its rule and, at a branch point, the value taken.
    void realTrianglesFollowTheSchoolsRoute_data()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<int>("triangle");
        QTest::addColumn<QString>("route");
        const auto row
            = [](const char *name, int combination, QStringList given, int triangle, const char *route) {
                  QTest::newRow(name) << combination << given << triangle << QString(route);
              };
        row("two angles and the side between them", 8, {"30", "45", "5"}, 0,
            "C:angle-sum a:side-by-law-of-sines b:side-by-law-of-sines S:area-two-sides-angle "
            "R:circumradius-from-side-and-angle P:perimeter");
        row("two sides and the angle between them", 23, {"120", "7", "8"}, 0,
            "a:law-of-cosines B:angle-from-three-sides C:angle-sum S:area-two-sides-angle "
            "R:circumradius-from-side-and-angle P:perimeter");
        row("the angle opposite the longer side: one triangle", 24, {"30", "8", "5"}, 0,
            "B:law-of-sines C:angle-sum c:side-by-law-of-sines S:area-two-sides-angle "
            "R:circumradius-from-side-and-angle P:perimeter");
        row("the angle opposite the shorter side: the second triangle", 24, {"30", "5", "8"}, 1,
            "B:law-of-sines(second) C:angle-sum c:side-by-law-of-sines S:area-two-sides-angle "
            "R:circumradius-from-side-and-angle P:perimeter");
        row("three sides", 51, {"4", "5", "7"}, 0,
            "A:angle-from-three-sides B:angle-from-three-sides C:angle-from-three-sides S:heron "
            "R:circumradius-from-sides-and-area P:perimeter");
        row("three sides with γ = 120°: S and R by the angle whose sine is known", 51, {"3", "5", "7"}, 0,
            "A:angle-from-three-sides B:angle-from-three-sides C:angle-from-three-sides "
            "S:area-two-sides-angle "
            "R:circumradius-from-side-and-angle P:perimeter");
        row("two sides and S: the solver's route, the angle among three sides by its cosine", 30,
            {"5", "8", "17.3205"}, 0,
            "C:angle-from-area(first) c:law-of-cosines R:circumradius-from-side-and-angle "
            "B:angle-from-three-sides A:angle-sum P:perimeter");
    }

    void realTrianglesFollowTheSchoolsRoute()
    {
        QFETCH(int, combination);
        QFETCH(QStringList, given);
        QFETCH(int, triangle);
        QFETCH(QString, route);
        const std::array<std::string, 3> texts
            = {given[0].toStdString(), given[1].toStdString(), given[2].toStdString()};
        const Answer answer = answerRequest(combination, {texts[0], texts[1], texts[2]},
            {.otherTriangles = true, .steps = true}, NumberFormat {});
        QVERIFY(answer.triangles.size() > static_cast<std::size_t>(triangle));
        QStringList steps;
        for (const Step &step : answer.triangles.at(static_cast<std::size_t>(triangle)).steps) {
            const std::string_view rule = ruleName(step.rule);
            QString text = QString::fromUtf8(tagOf(step.quantity).data()) + ':'
                + QString::fromUtf8(rule.data(), static_cast<qsizetype>(rule.size()));
            if (step.choice != Choice::Only)
                text += step.choice == Choice::First ? "(first)" : "(second)";
            steps << text;
        }
        QCOMPARE(steps.join(' '), route);
    }

    // The window, the PDF and the page show this markup: nothing in the
    // text becomes a tag but the indices of h_a, m_a, l_a.
    void theSolutionsMarkupEscapesAllButItsIndices()
    {
        const QString markup
            = QString::fromStdString(wording::solutionMarkup("h_a = 2S / a <b>\"&'</b>x_a, l_c\nm_b."));
        QCOMPARE(markup,
            "h<span class=\"spoken\">_</span><sub>a</sub> = 2S / a &lt;b&gt;&quot;&amp;&#39;&lt;/b&gt;x_a, "
            "l<span class=\"spoken\">_</span><sub>c</sub>\nm<span class=\"spoken\">_</span><sub>b</sub>.");
    }

    // Data that make no triangle: the solution stops at the first step whose
    // value no triangle has, says so, and the verdict names the same law; a
    // needle, however thin, is a triangle.
    void solutionEndsAtTheFirstContradiction_data()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("lastStep");
        QTest::addColumn<QString>("verdict");
        const auto row = [](const char *name, int combination, const char *t1, const char *t2, const char *t3,
                             const char *lastStep, const char *verdict) {
            QTest::newRow(name) << combination << QStringList {t1, t2, t3} << QString::fromUtf8(lastStep)
                                << QString::fromUtf8(verdict);
        };
        row("two angles over 180°", 0, "100", "90", "5",
            "1. От сбора на ъглите: γ = 180° − α − β = 180° − 100° − 90° = −10° < 0°: няма такъв ъгъл, "
            "следователно няма триъгълник.",
            "Няма триъгълник с тези данни: сборът на ъглите надхвърля 180° и за третия ъгъл не остава "
            "място.");
        row("two angles of exactly 180°", 0, "90", "90", "5",
            "1. От сбора на ъглите: γ = 180° − α − β = 180° − 90° − 90° = 0°: ъгъл на триъгълник е по-голям "
            "от 0°, следователно няма триъгълник.",
            "Няма триъгълник с тези данни: сборът на два от ъглите е точно 180° и за третия ъгъл остава 0°.");
        row("a sine above 1 by the law of sines", 24, "30", "3", "8",
            "1. По синусовата теорема: sin β = b·sin α / a = 8·sin 30° / 3 ≈ 1,3333 > 1: няма такъв ъгъл, "
            "следователно няма триъгълник.",
            "Няма триъгълник с тези данни: по синусовата теорема синусът на ъгъл излиза по-голям от 1, а "
            "такъв ъгъл няма.");
        row("a sine above 1 from the area", 30, "5", "8", "100",
            "1. От лицето S = ½·a·b·sin γ: sin γ = 2S / (ab) = 2·100 / (5·8) = 5 > 1: няма такъв ъгъл, "
            "следователно няма триъгълник.",
            "Няма триъгълник с тези данни: по формулата за лицето синусът на ъгъла между двете страни излиза "
            "по-голям от 1: лицето е по-голямо от половината от произведението им.");
        row("no real sides for the area", 39, "120", "3.9", "3",
            "2. От лицето и косинусовата теорема: bc = 2S / sin α ≈ 9,0067 и a² = b² + c² − 2bc·cos α, "
            "откъдето (b − c)² = a² − 2bc·(1 − cos α) ≈ −0,0200 < 0: няма такива страни, следователно няма "
            "триъгълник (пресметнато с неокръглените стойности).",
            "Няма триъгълник с тези данни: от лицето и косинусовата теорема квадратът на разликата на двете "
            "търсени страни излиза отрицателен: лицето е твърде голямо за страната и ъгъла срещу нея.");
        row("an area below 0", 21, "200", "5", "8",
            "1. Лице: S = ½·a·b·sin γ = ½·5·8·sin 200° ≈ −6,8404 ≤ 0: дължините и лицето на триъгълник са "
            "положителни, следователно няма триъгълник.",
            "Няма триъгълник с тези данни: страна, лицето или радиусът излиза ≤ 0, защото синусът на даден "
            "ъгъл не е положителен: ъглите на триъгълник са по-малки от 180°.");
        row("a needle: its smallest angle below 1e-9 radians", 51, "1e6", "1e6", "1e-3",
            "6. Периметър: P = a + b + c = 1e6 + 1e6 + 1e-3 = 2000000,001.", "");
    }

    void solutionEndsAtTheFirstContradiction()
    {
        QFETCH(int, combination);
        QFETCH(QStringList, given);
        QFETCH(QString, lastStep);
        QFETCH(QString, verdict);
        const wording::SolutionText text = workedSolutionOf(combination, given);
        QVERIFY(!text.steps.empty());
        QCOMPARE(QString::fromStdString(text.steps.back()), lastStep);
        // The answer to data that fit no triangle is that there is none.
        const QString answer = QString::fromStdString(text.answer);
        if (verdict.isEmpty())
            QVERIFY(!answer.contains("Няма триъгълник"));
        else
            QCOMPARE(answer, "Отговор: " + verdict);
    }
};

QTEST_APPLESS_MAIN(WorkedSolutionsTest)
#include "test_worked_solutions.moc"
