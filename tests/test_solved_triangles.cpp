// SPDX-License-Identifier: GPL-3.0-or-later
// Property: for many real triangles and every combination, feeding three of a
// triangle's quantities gives back the others to four decimals whenever the
// data fit that triangle alone; where they fit two, the program's choice (the
// acute arcsine angle, the larger side later in a, b, c) is a real triangle
// with the same given values.
#include <QTest>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <vector>

#include "random_triangles.h"
#include "solve_request.h"
#include "solver/list/catalogue.h"

using namespace triangle;

namespace {

// Where the data may fit a second triangle: the angles the program always
// takes as acute, and the pair of sides it orders (later side the larger).
struct Choice {
    std::vector<int> acuteAngles;        // positions 0..2
    std::array<int, 2> ordered {-1, -1}; // positions: ordered[1] >= ordered[0]
};

Choice choiceOf(int combination)
{
    switch (combination) {
    case 15:
    case 16: return {{0}};
    case 17:
    case 18: return {{1}};
    case 19:
    case 20: return {{2}};
    case 24: return {{1}};
    case 25: return {{0}};
    case 26: return {{2}};
    case 27: return {{0}};
    case 28: return {{2}};
    case 29: return {{1}};
    case 30: return {{2}};
    case 31: return {{1}};
    case 32: return {{0}};
    case 33: return {{0, 1}};
    case 34: return {{0, 2}};
    case 35: return {{1, 2}};
    case 36: return {{0}, {4, 5}};
    case 37: return {{1}, {3, 5}};
    case 38: return {{2}, {3, 4}};
    case 39:
    case 42: return {{}, {4, 5}};
    case 40:
    case 43: return {{}, {3, 5}};
    case 41:
    case 44: return {{}, {3, 4}};
    default: return {};
    }
}

enum class Fit { Chosen, Other, TooClose };

Fit fitOf(const Quantities &q, const Choice &choice)
{
    for (const int position : choice.acuteAngles) {
        if (std::fabs(q[position] - 90.0) < 0.5)
            return Fit::TooClose;
        if (q[position] > 90.0)
            return Fit::Other;
    }
    if (choice.ordered[0] >= 0) {
        const double earlier = q[choice.ordered[0]], later = q[choice.ordered[1]];
        if (std::fabs(later - earlier) < 1e-3 * later)
            return Fit::TooClose;
        if (later < earlier)
            return Fit::Other;
    }
    return Fit::Chosen;
}

bool close(double shown, double expected)
{
    return std::fabs(shown - expected) <= 1e-4 + 1e-9 * std::fabs(expected);
}

} // namespace

class SolvedTrianglesTest : public QObject {
    Q_OBJECT

private slots:
    void everyCombinationGivesBackTheTriangle()
    {
        RandomTriangles triangles(20261208);
        int compared = 0;
        int alternatives = 0;
        for (int sample = 0; sample < 400; ++sample) {
            const Quantities q = triangles.next();
            for (int combination = 0; combination < kCombinationCount; ++combination) {
                const QStringList given = givenTexts(combination, q);
                const SolvedRequest solved = solveRequest(combination, given[0], given[1], given[2]);
                const QString where = QString("combination %1, triangle %2 %3 %4 R %5")
                                          .arg(combination)
                                          .arg(q[0])
                                          .arg(q[1])
                                          .arg(q[2])
                                          .arg(q[7]);
                QVERIFY2(solved.outcome.status == Outcome::Status::Solved, qPrintable(where));
                QVERIFY2(solved.outcome.realTriangle, qPrintable(where));

                const Fit fit = fitOf(q, choiceOf(combination));
                for (int position = 0; position < kQuantityCount; ++position) {
                    const bool mustMatch
                        = fit == Fit::Chosen || isGiven(combination, triangle::quantityAt(position));
                    if (!mustMatch)
                        continue;
                    QVERIFY2(close(solved.fields[position].toDouble(), q[position]),
                        qPrintable(where
                            + QString(": field %1 shows %2, expected %3")
                                  .arg(position)
                                  .arg(solved.fields[position])
                                  .arg(q[position], 0, 'f', 4)));
                }
                compared += fit == Fit::Chosen;
                alternatives += fit == Fit::Other;
            }
        }
        // Both kinds of case must have been met in earnest.
        QVERIFY(compared > 15000);
        QVERIFY(alternatives > 1000);
    }
};

QTEST_APPLESS_MAIN(SolvedTrianglesTest)
#include "test_solved_triangles.moc"
