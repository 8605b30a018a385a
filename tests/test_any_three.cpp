// SPDX-License-Identifier: GPL-3.0-or-later
// Any three elements: textbook problems with known answers, and every
// determinate set solved back from random triangles against the 113-bit
// reference.
#include <QTest>

#include <quadmath.h>

#include <random>

#include "exact_triangles.h"
#include "solver/any_three.h"
#include "solver/school_routes.h"
#include "tools/request_line.h"

namespace {

using triangle::Quantity;

std::string answerTo(const std::string &line)
{
    const auto request = triangle::cli::parseRequestLine(line);
    if (const auto *error = std::get_if<triangle::cli::LineError>(&request))
        return "error " + error->message;
    triangle::cli::AnswerOptions options;
    options.otherTriangles = true;
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
            const auto answer = triangle::answerElements(given, {.otherTriangles = true, .more = true}, {});
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
            if (const auto bySchool = triangle::sidesBySchoolRoute(values)) {
                ++byFormula;
                QVERIFY2(bySchool->size() == triangle::fittingShapes(values).size(), qPrintable(request));
            }
            ++checked;
        }
        QCOMPARE(checked, 955);
        // The thirteen formulas with their vertices renamed.
        QCOMPARE(byFormula, 44);
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
