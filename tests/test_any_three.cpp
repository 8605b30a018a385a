// SPDX-License-Identifier: GPL-3.0-or-later
// Any three elements: textbook problems with known answers, and every
// determinate set solved back from random triangles against the 113-bit
// reference.
#include <QTest>

#include <quadmath.h>

#include <numbers>
#include <optional>
#include <random>

#include "exact_triangles.h"
#include "root_counts.h"
#include "solver/elements/any_three.h"
#include "solver/elements/school_routes.h"
#include "solver/list/solve.h"
#include "tools/request_line.h"
#include "wording/step_recomputation.h"

namespace {

using triangle::Quantity;

std::string answerTo(const std::string &line, bool steps = false)
{
    const auto request = triangle::cli::parseRequestLine(line);
    if (const auto *error = std::get_if<triangle::cli::LineError>(&request))
        return "error " + error->message(triangle::wording::kEnglish);
    triangle::cli::AnswerOptions options;
    options.otherTriangles = !steps;
    options.steps = steps;
    options.exact = steps;
    options.more = steps;
    return triangle::cli::answer(std::get<triangle::cli::Request>(request), options);
}

// The values of a triangle's line, by field: A B C a b c S R P.
std::vector<std::string> columns(const std::string &line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t end = line.find('\t'); end != std::string::npos; end = line.find('\t', start)) {
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    words.push_back(line.substr(start));
    return words;
}

const Quad kQuadPi = acosq(-1);

Quad radians(Quad degrees) { return degrees * kQuadPi / 180; }

// The nineteen values of the triangle with these sides, in the reference.
ExactValues fromSides(Quad a, Quad b, Quad c)
{
    const Quad alpha = acosq((b * b + c * c - a * a) / (2 * b * c)) * 180 / kQuadPi;
    const Quad beta = acosq((a * a + c * c - b * b) / (2 * a * c)) * 180 / kQuadPi;
    return exactFromAngles(alpha, beta, 180 - alpha - beta, a / (2 * sinq(radians(alpha))));
}

// The reference's index of an element: the field order, then the heights,
// medians and bisectors, then r, as Quantity.
std::size_t at(Quantity q) { return static_cast<std::size_t>(q); }

// Whether the steps find each of the nine values not given, each by its
// formula: redone on the unrounded values it used, every step gives the
// value it shows.
bool stepsFindTheNineValues(const triangle::AnsweredTriangle &found, const triangle::ElementSet &set)
{
    std::array<bool, triangle::kFieldCount> known {};
    for (const Quantity q : set) {
        if (static_cast<int>(q) < triangle::kFieldCount)
            known.at(at(q)) = true;
    }
    for (const triangle::Step &step : found.steps) {
        triangle::wording::ShownOperands unrounded;
        for (std::size_t i = 0; i < step.operandCount; ++i)
            unrounded.values.at(i)
                = triangle::shownValue(step.operands.at(i).quantity, step.operands.at(i).value);
        unrounded.intermediate = step.intermediate;
        unrounded.secondIntermediate = step.secondIntermediate;
        if (!triangle::wording::followsFromShownNumbers(step, unrounded))
            return false;
        known.at(at(step.quantity)) = true;
    }
    return std::all_of(known.begin(), known.end(), [](bool k) { return k; });
}

// Whether the set's values at the source fit a whole family: a right angle
// at a vertex with its angle, side, R or median given two of the three
// ways that each say it is right, or the height, median and bisector of a
// vertex whose sides beside it are equal.
bool fitsAFamily(const triangle::ElementSet &set, const ExactValues &source)
{
    for (std::size_t v = 0; v < 3; ++v) {
        const auto vertex = static_cast<triangle::Vertex>(v);
        const auto has = [&](Quantity q) { return std::find(set.begin(), set.end(), q) != set.end(); };
        const Quantity angle = triangle::angleAt(vertex);
        const Quantity side = triangle::sideOpposite(vertex);
        const Quantity median = triangle::sameKindAt(Quantity::ma, vertex);
        const bool right = fabsq(source.at(at(angle)) - 90) < Quad(1e-25);
        if (right && has(median) && int(has(angle)) + int(has(side)) + int(has(Quantity::R)) == 2)
            return true;
        const auto beside = [&](std::size_t k) { return source.at(3 + (v + k) % 3); };
        if (fabsq(beside(1) - beside(2)) < Quad(1e-25) * beside(1)
            && has(triangle::sameKindAt(Quantity::ha, vertex)) && has(median)
            && has(triangle::sameKindAt(Quantity::la, vertex)))
            return true;
    }
    return false;
}

// What is wrong with the answer to the set's values at the source triangle,
// or nothing: a triangle that misses the values, the source missing, one
// triangle twice, or (when counting) another number of triangles than the
// independent count finds.
QString textbookFault(const triangle::ElementSet &set, const ExactValues &source, bool counting)
{
    std::array<std::string, 3> texts;
    std::array<triangle::ElementText, 3> given {};
    QString request;
    for (std::size_t i = 0; i < 3; ++i) {
        texts.at(i) = textOf(source.at(at(set.at(i))), 21);
        given.at(i) = {set.at(i), texts.at(i)};
        request += QString::fromStdString(std::string(triangle::tagOf(set.at(i))) + "=" + texts.at(i) + " ");
    }
    const auto answer = triangle::answerElements(given, {.otherTriangles = true}, {});
    const bool family = fitsAFamily(set, source);
    if (family != answer.family.has_value())
        return request + (family ? ": a family not named" : ": a family named");
    if (family) {
        const Quad measured = source.at(at(answer.family->measured));
        return fabsq(answer.family->value - measured) <= Quad(1e-12) * measured
            ? QString()
            : request + ": another family";
    }
    if (answer.answer.outcome.status != triangle::Outcome::Status::Solved)
        return request + ": no triangle";
    bool sourceFound = false;
    std::vector<ExactValues> seen;
    for (const auto &found : answer.answer.triangles) {
        const ExactValues reference = fromSides(found.values[3], found.values[4], found.values[5]);
        for (std::size_t i = 0; i < 3; ++i) {
            const Quad value = reference.at(at(set.at(i)));
            const Quad wanted = source.at(at(set.at(i)));
            if (!(fabsq(value - wanted) <= Quad(1e-9) * wanted))
                return request + ": a triangle that misses the values, sides "
                    + QString::fromStdString(textOf(reference[3], 8) + " " + textOf(reference[4], 8) + " "
                        + textOf(reference[5], 8));
        }
        const auto same = [&](const ExactValues &other) {
            return fabsq(other[3] - reference[3]) < Quad(1e-7) * reference[3]
                && fabsq(other[4] - reference[4]) < Quad(1e-7) * reference[4]
                && fabsq(other[5] - reference[5]) < Quad(1e-7) * reference[5];
        };
        if (std::any_of(seen.begin(), seen.end(), same))
            return request + ": one triangle twice";
        seen.push_back(reference);
        sourceFound |= same(source);
    }
    if (!sourceFound)
        return request + ": the source triangle missing";
    if (!counting)
        return {};
    // The search answers triangles with angles down to 1e-6°; the count over
    // two angles is sure down to 0.01°.
    const double least
        = std::none_of(set.begin(), set.end(), [](Quantity q) { return triangle::isAngle(q); }) ? 0.01 : 1e-6;
    const auto count = countAlongTheFreeAngle(set, source, least)
                           .value_or(countOverTheAngles(set, source, least).value_or(-1));
    const auto answered = std::count_if(answer.answer.triangles.begin(), answer.answer.triangles.end(),
        [&](const triangle::AnsweredTriangle &found) {
            return std::min({found.values[0], found.values[1], found.values[2]})
                >= static_cast<long double>(least);
        });
    if (count >= 0 && count != answered)
        return request + QString(": %1 triangles, %2 found apart").arg(answered).arg(count);
    return {};
}
} // namespace

class AnyThreeElements : public QObject {
    Q_OBJECT

private slots:
    // Each row: the request, then for each triangle the fields expected on
    // its line (by position among A B C a b c S R P), or the whole answer.
    void textbookProblemsHaveTheirKnownAnswers_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("expected");
        // a = ⅔·√(2m_b² + 2m_c² − m_a²): 4√13, 10 and 2√73; S = 4/3 of the medians' triangle's 54.
        QTest::newRow("three medians 12, 15, 9") << "m_a=12 m_b=15 m_c=9"
                                                 << "a=14.4222 b=10.0000 c=17.0880 S=72.0000";
        // c² = 2a² + 2b² − 4m_c² = 82.
        QTest::newRow("two sides and the median to the third") << "a=7 b=8 m_c=6"
                                                               << "a=7.0000 b=8.0000 c=9.0554";
        // S = a·h_a/2 = 17.5, bc = 2S / sin 60°, (b + c)² = a² + 3bc: both ways round.
        QTest::newRow("a side, its height and the opposite angle: two triangles")
            << "A=60 a=7 h_a=5"
            << "S=17.5000 P=20.0477 b=5.0588 | S=17.5000 P=20.0477 b=7.9889";
        QTest::newRow("two angles and the perimeter") << "A=30 B=60 P=4.73205080756887729"
                                                      << "a=1.0000 b=1.7321 c=2.0000";
        // A right angle with r = (b + c − a)/2 = 1 and P = 12: 3-4-5 either way round.
        QTest::newRow("an angle, r and P: two triangles") << "A=90 r=1 p=6"
                                                          << "a=5.0000 b=3.0000 | a=5.0000 b=4.0000";
        QTest::newRow("three heights of the 3-4-5 triangle") << "h_a=4 h_b=3 h_c=2,4"
                                                             << "a=3.0000 b=4.0000 c=5.0000";
        QTest::newRow("dependent: S = a·h_a / 2") << "a=7 h_a=3 S=10.5"
                                                  << "dependent\tS = a·h_a / 2";
        QTest::newRow("scale-free: three angles") << "A=30 B=60 C=90"
                                                  << "scale-free";
        QTest::newRow("no triangle: a median longer than half the sides' sum") << "a=3 b=4 m_c=4"
                                                                               << "no-triangle";
        // Special shapes, where a triangle closed to a segment (an angle or a
        // side 0) meets the equations too, or a shape meets the equations
        // but not the values: only the real triangle is answered.
        QTest::newRow("B, h_b = h_c: isosceles, not a segment") << "B=50 h_b=5 h_c=5"
                                                                << "A=80.0000 b=5.0771 c=5.0771";
        QTest::newRow("B = 60°, m_b = m_c: equilateral") << "B=60 m_b=5 m_c=5"
                                                         << "A=60.0000 a=5.7735 c=5.7735";
        QTest::newRow("B = 30°, m_a = a/2: the right triangle alone") << "B=30 a=10 m_a=5"
                                                                      << "A=90.0000 b=5.0000 c=8.6603";
        QTest::newRow("A = 30°, c, h_a: no triangle of sides 1.7e15") << "A=30 c=8 h_a=4"
                                                                      << "C=120.0000 a=4.6188";
        QTest::newRow("h_a = l_a: isosceles, not 179.9992°") << "h_a=4 h_b=4.8 l_a=4"
                                                             << "a=6.0000 b=5.0000 c=5.0000";
        QTest::newRow("a, h_c, m_a = a/2: 6-8-10, not 90°, 90°, 0°") << "a=10 h_c=6 m_a=5"
                                                                     << "b=6.0000 c=8.0000";
        QTest::newRow("C = 60°, l_a = m_a: equilateral, not a = 0") << "C=60 l_a=12 m_a=12"
                                                                    << "a=13.8564 b=13.8564";
        // A double root found from rounded data: one triangle with its digits.
        QTest::newRow("C = 30°, h_a = c: B = 90° and its digits") << "C=30 c=50000 h_a=50000"
                                                                  << "B=90.0000 S=2165063509.4611";
        QTest::newRow("an equilateral triangle from R, P, r, once")
            << "R=21352.479430586217065 P=110950.73772403409538 r=10676.239715293108532"
            << "a=36983.5792 b=36983.5792 c=36983.5792";
        // Two roots in one cell of the search along an angle.
        QTest::newRow("B, a, l_c: two triangles 0.004° apart")
            << "B=76.98039166652298 a=0.17932478192284766159 l_c=0.17471488385700287572"
            << "A=76.9784 C=26.0412 | A=76.9824 C=26.0372";
        QTest::newRow("A = 0.5°, h_a, m_c: four triangles, two of them nearly flat")
            << "A=0.5 h_a=1526.9253207523189725 m_c=783.74781478546951878"
            << "B=0.4981 | B=0.5021 | B=75.9338 | B=102.0660";
        // Heights of 3e120: sides of 5e120, whose product alone leaves a
        // double's range, and R = abc / (4S) does not.
        QTest::newRow("three elements of 1e120") << "h_a=3e120 h_b=4e120 l_c=3.5e120"
                                                 << "A=74.9400 B=46.4057 C=58.6543";
        // Values at which the set fits a whole family, and values that break
        // the relation of a set that fixes no triangle.
        QTest::newRow("A = 90°, m_a = a/2: every right triangle with hypotenuse a")
            << "A=90 a=10 m_a=5"
            << "family\tright-with-hypotenuse\ta=10.0000";
        QTest::newRow("R = m_a = a/2: the same family") << "a=10 R=5 m_a=5"
                                                        << "family\tright-with-hypotenuse\ta=10.0000";
        QTest::newRow("h_a = m_a = l_a: every isosceles triangle with that height")
            << "h_a=4 l_a=4 m_a=4"
            << "family\tisosceles-with-height\th_a=4.0000";
        QTest::newRow("h_a 3.4e-12 above the equilateral triangle's, the largest A and a allow")
            << "A=60 a=6 h_a=5.19615242271"
            << "no-triangle\th_a ≤ 5.19615242270663";
        QTest::newRow("three angles summing to 190°") << "A=60 B=70 C=60"
                                                      << "no-triangle\tα + β + γ = 180°";
        QTest::newRow("S other than a·h_a / 2") << "a=7 h_a=3 S=11"
                                                << "no-triangle\tS = a·h_a / 2";
        QTest::newRow("h_c = b·sin α within the rounding of four decimals") << "A=40 b=5 h_c=3.2139"
                                                                            << "dependent\th_c = b·sin α";
    }

    void textbookProblemsHaveTheirKnownAnswers()
    {
        QFETCH(QString, request);
        QFETCH(QString, expected);
        const std::string answer = answerTo(request.toStdString());
        if (!expected.contains(QLatin1Char('=')) || expected.contains(QLatin1Char('\t'))) {
            QCOMPARE(QString::fromStdString(answer), expected);
            return;
        }
        std::vector<std::string> lines;
        for (const auto &line : QString::fromStdString(answer).split('\n')) {
            if (line.startsWith("solved") || line.startsWith("also"))
                lines.push_back(line.toStdString());
        }
        const QStringList triangles = expected.split(" | ");
        QCOMPARE(lines.size(), static_cast<std::size_t>(triangles.size()));
        for (qsizetype i = 0; i < triangles.size(); ++i) {
            const auto values = columns(lines.at(static_cast<std::size_t>(i)));
            for (const QString &field : triangles.at(i).split(' ')) {
                const auto name = field.section('=', 0, 0).toStdString();
                const auto tag
                    = std::find(triangle::kQuantityTags.begin(), triangle::kQuantityTags.end(), name);
                QVERIFY2(tag != triangle::kQuantityTags.end(), qPrintable(field));
                const auto column = static_cast<std::size_t>(tag - triangle::kQuantityTags.begin()) + 1;
                QCOMPARE(QString::fromStdString(values.at(column)), field.section('=', 1));
            }
        }
    }

    // The first steps of a solution, as text: each the formula a school
    // takes, exact where the data allow.
    void stepsReadAsATeacherWritesThem_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("steps");
        QTest::newRow("three medians") << "m_a=12 m_b=15 m_c=9"
                                       << "От формулите за медианите: a = ⅔·√(2m_b² + 2m_c² − m_a²) = "
                                          "⅔·√(2·15² + 2·9² − 12²) = 4√13 ≈ 14.4222";
        QTest::newRow("a side with its height and median")
            << "a=6 h_a=4 m_a=5"
            << "Петите на височината и медианата към a са на разстояние d = √(m_a² − h_a²) = √(5² − 4²) = 3; "
               "по Питагоровата теорема по-далечната от височината страна е c = √((a/2 + d)² + h_a²) = "
               "√((6/2 + 3)² + 4²) = 2√13 ≈ 7.2111\n"
               "По формулата за медианата m_a = ½·√(2b² + 2c² − a²): b² = 2m_a² + a²/2 − c² = "
               "2·5² + 6²/2 − (2√13)² = 16, b = 4";
        QTest::newRow("an angle, R and r")
            << "A=60 R=5 r=1,5"
            << "По синусовата теорема: a = 2R·sin α = 2·5·sin 60° = 5√3 ≈ 8.6603\n"
               "Допирателните от върха A към вписаната окръжност са p − a = r / tg(α/2): p = a + r / tg(α/2) "
               "= "
               "5√3 + 1,5 / tg(60°/2) = 13√3/2 ≈ 11.2583, P = 2p = 13√3 ≈ 22.5167";
        QTest::newRow("three medians: the sides, then S as 4/3 of the medians' triangle's area")
            << "m_a=12 m_b=15 m_c=9"
            << "От формулите за медианите: a = ⅔·√(2m_b² + 2m_c² − m_a²) = ⅔·√(2·15² + 2·9² − 12²) = 4√13 ≈ "
               "14.4222\n"
               "От формулите за медианите: b = ⅔·√(2m_a² + 2m_c² − m_b²) = ⅔·√(2·12² + 2·9² − 15²) = 10\n"
               "От формулите за медианите: c = ⅔·√(2m_a² + 2m_b² − m_c²) = ⅔·√(2·12² + 2·15² − 9²) = 2√73 ≈ "
               "17.0880\n"
               "Триъгълникът със страни m_a, m_b и m_c има лице ¾·S, откъдето: q = (m_a + m_b + m_c) / 2 = "
               "18, "
               "S = 4/3·√(q(q − m_a)(q − m_b)(q − m_c)) = 4/3·√(18·(18 − 12)·(18 − 15)·(18 − 9)) = 72";
        QTest::newRow("a given p: its perimeter doubled exactly from the typed digits")
            << "A=105 S=0.9929 p=2.620038"
            << "От лицето, периметъра и косинусовата теорема: bc = 2S / sin α = 2·0.9929 / sin 105° = "
               "(9929√6 − 9929√2)/5000 ≈ 2.0559, a = (P² − 2bc·(1 + cos α)) / (2P) = (5.240076² − "
               "2·((9929√6 − 9929√2)/5000)·(1 + cos 105°)) / (2·5.240076) ≈ 2.3292";
        QTest::newRow("an angle, a side next to it and the height from it: sin γ = h_b / a, both triangles")
            << "B=30 a=5 h_b=4"
            << "От правоъгълния триъгълник с хипотенуза a и катет h_b: sin γ = h_b / a = 4 / 5 = 0.8 ⇒ γ ≈ "
               "53.1301° или γ ≈ 126.8699°; това решение продължава с γ ≈ 126.8699°\n"
               "От сбора на ъглите: α = 180° − β − γ = 180° − 30° − 126.8699° ≈ 23.1301°";
        QTest::newRow("two sides and the height to the third: c = x ± y by the height's foot, both triangles")
            << "a=13 b=15 h_c=12"
            << "По Питагоровата теорема петата на h_c е на разстояния x и y от краищата на c: x = √(b² − "
               "h_c²) = √(15² − 12²) = 9, y = √(a² − h_c²) = √(13² − 12²) = 5, c = x + y = 14 или c = |x − "
               "y| "
               "= 4; това решение продължава с c = 14";
        QTest::newRow("two typed angles leave the third exact as a decimal, carried on as given")
            << "B=55.621414 C=108.251724 R=97.6"
            << "От сбора на ъглите: α = 180° − β − γ = 180° − 55.621414° − 108.251724° = 16.126862°\n"
               "По синусовата теорема: a = 2R·sin α = 2·97.6·sin 16.126862° ≈ 54.2197";
        QTest::newRow("two sides and a special angle opposite one: the quadratic, both roots sides")
            << "A=30 a=5 b=8"
            << "По косинусовата теорема: a² = b² + c² − 2bc·cos α, откъдето c² − 2b·cos α·c + b² − a² = 0 и "
               "c = b·cos α ± √(a² − b²·sin² α) = 8·cos 30° ± √(5² − 8²·sin² 30°), c = 3 + 4√3 ≈ 9.9282 или "
               "c = 4√3 − 3 ≈ 3.9282; това решение продължава с c ≈ 9.9282";
        QTest::newRow("the quadratic with a root that is no side")
            << "A=30 a=8 b=5"
            << "По косинусовата теорема: a² = b² + c² − 2bc·cos α, откъдето c² − 2b·cos α·c + b² − a² = 0 и "
               "c = b·cos α ± √(a² − b²·sin² α) = 5·cos 30° ± √(8² − 5²·sin² 30°), c = (5√3 + √231)/2 ≈ "
               "11.9295; c = (5√3 − √231)/2 ≈ −3.2692 ≤ 0 отпада";
        QTest::newRow("a bisector's exact form through the half-angle formula")
            << "C=60 a=5 b=8"
            << "Ъглополовяща на ъгъл α: l_a = 2bc·cos(α/2) / (b + c), cos(α/2) = √((1 + cos α) / 2) = "
               "√((1 + 11/14) / 2) = 5√7/14, l_a = 2·8·7·(5√7/14) / (8 + 7) = 8√7/3 ≈ 7.0553";
        QTest::newRow(
            "an angle, r and a given p: p as given, b + c = 2p − a and bc, the roots of a quadratic")
            << "A=60 r=2 p=12"
            << "Лице чрез радиуса на вписаната окръжност: p = 12, S = p·r = 12·2 = 24\n"
               "От периметъра и лицето: b + c = 2p − a = 24 − (12 − 2√3) = 12 + 2√3 ≈ 15.4641, bc = 2S / sin "
               "α "
               "= 2·24 / sin 60° = 32√3 ≈ 55.4256, откъдето b и c са корените на t² − (b + c)·t + bc = 0: t "
               "= "
               "((b + c) ± √((b + c)² − 4bc)) / 2 = (12 + 2√3 ± √((12 + 2√3)² − 4·32√3)) / 2, c = 6 + √3 + "
               "√(39 − "
               "20√3) ≈ 9.8199 или c ≈ 5.6442 (двете страни разменени); това решение продължава с c ≈ 9.8199";
        QTest::newRow("numerically")
            << "A=60 m_b=6 l_c=5"
            << "Числено, защото тези три елемента не дават формула: страните "
               "удовлетворяват уравненията (b² + c² − a²) / (2bc) = cos 60°, "
               "½·√(2a² + 2c² − b²) = 6, √(ab·(a + b + c)(a + b − c)) / (a + b) = 5; с "
               "интервални оценки и метода на Нютон се намира a ≈ 6.4032";
    }

    void stepsReadAsATeacherWritesThem()
    {
        QFETCH(QString, request);
        QFETCH(QString, steps);
        QStringList texts;
        for (const QString &line :
            QString::fromStdString(answerTo(request.toStdString(), true)).split('\n')) {
            if (line.startsWith("step\t"))
                texts.push_back(line.section('\t', 4));
        }
        // The lines in a row, from the first one's place (the rest of the
        // triangle's come after the triangle's own).
        const QStringList expected = steps.split("\n");
        const auto first = std::max<qsizetype>(0, texts.indexOf(expected.front()));
        QCOMPARE(texts.mid(first, expected.size()), expected);
    }

    // Every determinate set, from a random triangle of its own: each
    // triangle answered has the given values (its elements recomputed in
    // 113 bits from its sides), every value it shows is the reference's to
    // four decimals, and the triangle the values came from is among them.
    void everyDeterminateSetSolvesBackToItsTriangle()
    {
        std::mt19937 generator(20261209);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        int checked = 0;
        int byFormula = 0;
        for (int index = 0; index < triangle::kElementSetCount; ++index) {
            const auto set = triangle::elementSetAt(index);
            if (triangle::classOf(set).kind != triangle::SetKind::Determinate)
                continue;
            const Quad alpha = 8 + 142 * unit(generator);
            const Quad beta = 8 + (164 - alpha) * unit(generator);
            const ExactValues source
                = exactFromAngles(alpha, beta, 180 - alpha - beta, 0.5 + 50 * unit(generator));
            std::array<std::string, 3> texts;
            std::array<triangle::ElementText, 3> given {};
            for (std::size_t i = 0; i < 3; ++i) {
                texts.at(i) = textOf(source.at(at(set.at(i))), 21);
                given.at(i) = {set.at(i), texts.at(i)};
            }
            const auto answer
                = triangle::answerElements(given, {.otherTriangles = true, .steps = true, .more = true}, {});
            const QString request = QString::fromStdString(std::string(triangle::tagOf(set[0])) + "="
                + texts[0] + " " + std::string(triangle::tagOf(set[1])) + "=" + texts[1] + " "
                + std::string(triangle::tagOf(set[2])) + "=" + texts[2]);
            QVERIFY2(answer.answer.outcome.status == triangle::Outcome::Status::Solved, qPrintable(request));
            bool sourceFound = false;
            for (const auto &found : answer.answer.triangles) {
                const ExactValues reference = fromSides(found.values[3], found.values[4], found.values[5]);
                for (std::size_t i = 0; i < 3; ++i) {
                    const Quad value = reference.at(at(set.at(i)));
                    const Quad wanted = source.at(at(set.at(i)));
                    QVERIFY2(fabsq(value - wanted) <= Quad(1e-9) * wanted, qPrintable(request));
                }
                for (std::size_t field = 0; field < found.values.size(); ++field) {
                    const Quad shown = found.values.at(field);
                    const Quad exact = reference.at(field);
                    QVERIFY2(fabsq(shown - exact) <= Quad(0.5e-4) + Quad(1e-12) * fabsq(exact),
                        qPrintable(request));
                }
                QVERIFY2(stepsFindTheNineValues(found, set), qPrintable(request));
                sourceFound |= fabsq(reference[3] - source[3]) < Quad(1e-9) * source[3]
                    && fabsq(reference[4] - source[4]) < Quad(1e-9) * source[4];
            }
            QVERIFY2(sourceFound, qPrintable(request));
            // Where a school's formula solves the set, the search finds as many triangles.
            std::array<triangle::GivenElement, 3> values {};
            for (std::size_t i = 0; i < 3; ++i) {
                const Quad value = source.at(at(set.at(i)));
                values.at(i) = {set.at(i),
                    static_cast<long double>(triangle::isAngle(set.at(i)) ? radians(value) : value)};
            }
            if (const auto bySchool = triangle::bySchoolRoute(values)) {
                ++byFormula;
                QVERIFY2(
                    bySchool->sides.size() == triangle::fittingShapes(values).size(), qPrintable(request));
            }
            ++checked;
        }
        QCOMPARE(checked, 955);
        // The fourteen formulas with their vertices renamed, and two angles
        // with P, r, a height, a median or a bisector.
        QCOMPARE(byFormula, 83);
    }

    // The shapes textbooks use, at every determinate set and with each
    // vertex named A in turn: 3-4-5 and 30-60-90 (right), 5-5-6 and 5-5-8
    // (isosceles) and the equilateral triangle with side 6. Their values sit
    // on the double roots of the search and on the edges of the school's
    // routes, where random triangles never fall. Each answer holds the
    // triangle the values came from, once, and no triangle whose own
    // elements (recomputed in 113 bits from its sides) miss the values given;
    // and as many triangles as a root finder of the test's own finds. The
    // sets hold every naming of the vertices, so the count is checked at the
    // first naming only.
    void textbookShapesAtEveryDeterminateSet()
    {
        const Quad root3 = sqrtq(Quad(3));
        const std::array<std::array<Quad, 3>, 5> shapes
            = {{{3, 4, 5}, {1, root3, 2}, {5, 5, 6}, {5, 5, 8}, {6, 6, 6}}};
        int requests = 0;
        QStringList failures;
        for (const auto &sides : shapes) {
            for (std::size_t turn = 0; turn < (sides[0] == sides[2] ? 1U : 3U); ++turn) {
                const ExactValues source
                    = fromSides(sides.at(turn), sides.at((turn + 1) % 3), sides.at((turn + 2) % 3));
                for (int index = 0; index < triangle::kElementSetCount; ++index) {
                    const auto set = triangle::elementSetAt(index);
                    if (triangle::classOf(set).kind != triangle::SetKind::Determinate)
                        continue;
                    ++requests;
                    if (const QString fault = textbookFault(set, source, turn == 0); !fault.isEmpty())
                        failures << fault;
                }
            }
        }
        for (const QString &failure : failures)
            qWarning("%s", qPrintable(failure));
        QCOMPARE(requests, 12415);
        QCOMPARE(failures.size(), 0);
    }

    // Isosceles and right triangles whose mirror image, or second solution,
    // coincides with them: a double root of the search's equations, which
    // the rounded values may leave with no exact solution, only shapes
    // within the allowed residual. Each row: the three elements (by tag)
    // and the triangle's angles A and B in degrees.
    void doubleRootsAreFoundOnce_data()
    {
        QTest::addColumn<QString>("elements");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("beta");
        QTest::newRow("A, a, b with b the hypotenuse: both triangles of the ambiguous case meet")
            << "A a b" << 55.0 << 90.0;
        QTest::newRow("B, c, h_b at a right angle A: h_b = c") << "B c h_b" << 90.0 << 35.0;
        QTest::newRow("R, h_a, l_a of an isosceles triangle: h_a = l_a") << "R h_a l_a" << 40.0 << 70.0;
        QTest::newRow("C, c, S of an isosceles triangle") << "C c S" << 70.0 << 70.0;
        QTest::newRow("P, h_a, r of an isosceles triangle") << "P h_a r" << 40.0 << 70.0;
    }

    void doubleRootsAreFoundOnce()
    {
        QFETCH(QString, elements);
        QFETCH(double, alpha);
        QFETCH(double, beta);
        const ExactValues source = exactFromAngles(alpha, beta, 180 - Quad(alpha) - Quad(beta), 3.5);
        std::array<triangle::GivenElement, 3> values {};
        const QStringList tags = elements.split(' ');
        for (std::size_t i = 0; i < 3; ++i) {
            const auto tag = std::find(triangle::kAllTags.begin(), triangle::kAllTags.end(),
                tags.at(static_cast<qsizetype>(i)).toStdString());
            QVERIFY(tag != triangle::kAllTags.end());
            const auto q = static_cast<Quantity>(tag - triangle::kAllTags.begin());
            const Quad value = source.at(at(q));
            values.at(i) = {q, static_cast<long double>(triangle::isAngle(q) ? radians(value) : value)};
        }
        const auto shapes = triangle::fittingShapes(values);
        const auto near = [](long double x, Quad degrees, long double within) {
            return std::fabs(x - static_cast<long double>(radians(degrees))) < within;
        };
        QVERIFY(std::any_of(shapes.begin(), shapes.end(),
            [&](const auto &s) { return near(s.alpha, alpha, 1e-6L) && near(s.beta, beta, 1e-6L); }));
        // The same triangle twice, a few ten-millionths of a degree apart, is one.
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                QVERIFY(!(std::fabs(shapes[i].alpha - shapes[j].alpha) < 1e-6L
                    && std::fabs(shapes[i].beta - shapes[j].beta) < 1e-6L));
            }
        }
    }

    // The table says what classifying anew says, for every set.
    void theGeneratedTableIsCurrent()
    {
        for (int index = 0; index < triangle::kElementSetCount; ++index) {
            const auto set = triangle::elementSetAt(index);
            QCOMPARE(triangle::elementSetIndex(set), index);
            const auto table = triangle::classOf(set);
            const auto anew = triangle::classifyElementSet(set);
            QVERIFY(table.kind == anew.kind && table.relation == anew.relation);
        }
    }
};

QTEST_GUILESS_MAIN(AnyThreeElements)
#include "test_any_three.moc"
