// SPDX-License-Identifier: GPL-3.0-or-later
// Every shown digit right: each triangle that fits the typed values is
// printed, and each of its nine values lies within half a unit of the fourth
// decimal of the exact value (plus 1e-12 of its size), checked against a
// 113-bit reference on ill-conditioned data and on random awkward triangles.
#include <QTest>

#include <quadmath.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <ranges>
#include <span>
#include <variant>

#include "exact_triangles.h"
#include "solver/answer/answer.h"
#include "solver/list/catalogue.h"
#include "solver/numbers/number_formatting.h"

namespace {

using Shown = std::array<Quad, 19>; // the nine values, then the rest of the triangle

struct Printed {
    std::vector<Shown> triangles; // those claimed real
    std::string text;             // every answered triangle's values, for a failure's message
};

// A value as the program shows it, with four decimals, read back exactly;
// one that faulted is far from any.
Quad shownValue(std::variant<triangle::Real::Value, triangle::FaultKind> element)
{
    const auto *value = std::get_if<triangle::Real::Value>(&element);
    return value != nullptr ? quadFromText(triangle::formatResult(*value, triangle::NumberFormat {}))
                            : Quad(std::numeric_limits<double>::infinity());
}

Printed solve(int combination, const std::array<std::string, 3> &texts)
{
    Printed printed;
    const triangle::Answer answer = triangle::answerRequest(combination, {texts[0], texts[1], texts[2]},
        {.otherTriangles = true, .more = true}, triangle::NumberFormat {".", ","});
    for (const triangle::AnsweredTriangle &triangle : answer.triangles) {
        Shown shown {};
        for (std::size_t i = 0; i < 9; ++i) {
            shown[i] = shownValue(triangle.values.at(i));
            printed.text += triangle::formatResult(triangle.values.at(i), triangle::NumberFormat {}) + ' ';
        }
        printed.text += triangle.real ? "triangle\n" : "no-triangle\n";
        if (!triangle.real)
            continue;
        if (triangle.more) {
            for (std::size_t i = 9; i < 19; ++i)
                shown[i] = shownValue(triangle.more->values.at(i - 9));
        }
        printed.triangles.push_back(shown);
    }
    return printed;
}

// Each shown value within half a unit of the fourth decimal of the exact
// one, or within `relative` of its size where that is larger.
bool within(const Shown &shown, const ExactValues &exact, Quad relative, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const Quad error = fabsq(shown[i] - exact[i]);
        if (error > Quad(1) / 20000 + relative * fabsq(exact[i]) + Quad(1e-20))
            return false;
    }
    return true;
}

bool withinGuarantee(const Shown &shown, const ExactValues &exact)
{
    return within(shown, exact, Quad(1e-12), shown.size());
}
bool sameTriangle(const Shown &shown, const ExactValues &exact)
{
    return within(shown, exact, Quad(1e-9), 9);
}

// The guarantee covers triangles whose values a user could have typed: a
// second triangle of the same data may be a needle with R far beyond 1e6,
// whose angle near 180 degrees long double holds to 1e-19 radians only.
bool inScope(const ExactValues &exact)
{
    return std::ranges::all_of(exact.begin(), exact.begin() + 3, [](Quad x) { return x >= Quad(1e-6); })
        && std::ranges::all_of(exact.begin() + 3, exact.begin() + 8, [](Quad x) { return x <= Quad(1e6); });
}

// The nine values as four decimals show them.
std::string fourDecimals(const ExactValues &values)
{
    std::string text;
    for (const Quad value : std::span(values).first(9)) {
        std::array<char, 64> buffer {};
        quadmath_snprintf(buffer.data(), buffer.size(), "%.4Qf", value);
        text += buffer.data();
        text += ' ';
    }
    return text;
}

// A triangle with an angle below 1e-7 degrees lies beyond what the program
// promises to find, though it may show it: the data make it all the same.
bool promised(const ExactValues &exact)
{
    return exact[0] >= Quad(1e-7) && exact[1] >= Quad(1e-7) && exact[2] >= Quad(1e-7);
}

// The exact triangles that differ in some shown digit.
std::vector<ExactValues> distinctExact(int combination, const std::array<Quad, 3> &given, Quad slack)
{
    std::vector<ExactValues> distinct;
    std::vector<std::string> seen;
    for (const ExactValues &exact : exactTriangles(combination, given, slack)) {
        const std::string shown = fourDecimals(exact);
        if (std::ranges::find(seen, shown) == seen.end()) {
            seen.push_back(shown);
            distinct.push_back(exact);
        }
    }
    return distinct;
}

QString problemsWith(const Printed &printed, const std::vector<ExactValues> &exact)
{
    QString problem;
    for (const ExactValues &e : exact | std::views::filter(promised)) {
        const auto close = inScope(e) ? withinGuarantee : sameTriangle;
        if (std::ranges::none_of(printed.triangles, [&](const Shown &s) { return close(s, e); }))
            problem += QString("missed or inexact: %1\n").arg(QString::fromStdString(fourDecimals(e)));
    }
    for (const Shown &s : printed.triangles) {
        if (std::ranges::none_of(exact, [&](const ExactValues &e) { return sameTriangle(s, e); }))
            problem += "printed a triangle that does not fit\n";
    }
    const auto promisedCount = static_cast<std::size_t>(std::ranges::count_if(exact, promised));
    if (problem.isEmpty()
        && (printed.triangles.size() < promisedCount || printed.triangles.size() > exact.size()))
        problem += QString("%1 triangles printed, %2 fit\n").arg(printed.triangles.size()).arg(exact.size());
    return problem;
}

// Empty when the answer keeps the guarantee, else what went wrong. The
// exact values are those of the typed decimals, or of the same decimals as
// the program reads them (64 significant bits), which is all it can know of
// data a hair from a right angle. Data on the very edge of the program's
// slack may be read either way.
QString checkRequest(int combination, const std::array<std::string, 3> &texts)
{
    const Printed printed = solve(combination, texts);
    const auto typed = [&](std::size_t i) { return quadFromText(texts.at(i)); };
    const auto read = [&](std::size_t i) { return Quad(std::strtold(texts.at(i).c_str(), nullptr)); };
    const std::array<std::array<Quad, 3>, 2> readings
        = {{{typed(0), typed(1), typed(2)}, {read(0), read(1), read(2)}}};
    QString problem;
    for (const auto &given : readings) {
        for (const Quad slack : {programSlack(), programSlack() * 0.99, programSlack() * 1.01}) {
            problem = problemsWith(printed, distinctExact(combination, given, slack));
            if (problem.isEmpty())
                return problem;
        }
    }
    return QString("%1 %2 %3 %4\n%5%6")
        .arg(combination)
        .arg(QString::fromStdString(texts[0]), QString::fromStdString(texts[1]),
            QString::fromStdString(texts[2]), problem, QString::fromStdString(printed.text));
}

// Awkward shapes: thin isosceles, thin, flat (needle), near-right and
// ordinary, at scales from 1e-2 to 1e6, with their angles in any order.
class AwkwardTriangles {
public:
    explicit AwkwardTriangles(unsigned seed) : m_generator(seed) {}

    ExactValues next()
    {
        std::array<Quad, 3> angles {};
        switch (uniformInt(0, 4)) {
        case 0: {
            const Quad apex = tiny();
            angles = {apex, (180 - apex) / 2, (180 - apex) / 2};
            break;
        }
        case 1: angles = withThird(tiny(), uniform(1, 178)); break;
        case 2: {
            const Quad rest = powq(10, uniform(-5.5, -0.5));
            const Quad split = rest * uniform(0.05, 0.95);
            angles = withThird(180 - rest, split);
            break;
        }
        case 3:
            angles = withThird(
                90 + (uniformInt(0, 1) != 0 ? 1 : -1) * powq(10, uniform(-9, -2)), uniform(1, 88));
            break;
        default: {
            const Quad first = uniform(1, 178);
            angles = withThird(first, uniform(0.5, 179.5 - static_cast<double>(first)));
        }
        }
        std::ranges::shuffle(angles, m_generator);
        const Quad longest = powq(10, uniform(-2, 6));
        const Quad largest = std::ranges::max(angles);
        const Quad sine = sinq((largest <= 90 ? largest : 180 - largest) * acosq(-1) / 180);
        return exactFromAngles(angles[0], angles[1], angles[2], longest / (2 * sine));
    }

private:
    static std::array<Quad, 3> withThird(Quad x, Quad y) { return {x, y, 180 - x - y}; }
    Quad tiny() { return powq(10, uniform(-6, -1)); }
    Quad uniform(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(m_generator);
    }
    int uniformInt(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_generator); }

    std::mt19937 m_generator;
};

// The values a user could type: angles from 1e-6 degrees, lengths, S and R
// from 1e-3 to 1e6.
bool typable(int position, Quad value)
{
    if (position < 3)
        return value >= Quad(1e-6) && value < 180;
    return value >= Quad(1e-3) && value <= Quad(1e6);
}

std::string fixedText(double value)
{
    std::array<char, 400> buffer {};
    std::snprintf(buffer.data(), buffer.size(), "%.4f", value);
    return buffer.data();
}

} // namespace

class AccuracyTest : public QObject {
    Q_OBJECT

private slots:
    void illConditionedData_data()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QString>("t1");
        QTest::addColumn<QString>("t2");
        QTest::addColumn<QString>("t3");
        const auto row
            = [](const char *name, int combination, const char *t1, const char *t2, const char *t3) {
                  QTest::newRow(name) << combination << QString(t1) << QString(t2) << QString(t3);
              };
        row("thin isosceles at 0.0005 degrees", 21, "0.0005", "100", "100");
        row("thin isosceles at 1e-5 degrees", 21, "0.00001", "100", "100");
        row("thin isosceles at 1e-6 degrees", 21, "0.000001", "100", "100");
        row("thin isosceles at a large scale", 21, "0.0001", "100000", "100000");
        row("thin isosceles at 0.02 degrees, angle beside", 22, "89.99", "1000", "1000");
        row("thin isosceles from the area", 30, "100", "100", "0.0872664619");
        row("thin isosceles at 0.002 degrees from the area", 32, "500", "500", "4.36332312998");
        row("thin isosceles from an angle, a side and S", 45, "0.002", "100", "0.17453292519");
        row("near-right, large scale", 29, "54.97289742706333", "157828.17977431254", "129242.43996228355");
        row("one right triangle, not two", 24, "30", "50000", "100000");
        row("near-right at 1e-3", 24, "30", "0.0005", "0.001");
        row("near-right at 1e5", 26, "60", "86602.54037844386", "100000");
        row("needle: second triangle with B near 180", 31, "121.21762061890654", "121.21189669758449",
            "0.5297848934707341");
        row("needle from two sides and R", 33, "0.01", "1000", "500.0000000001");
        row("flat from the angles", 8, "0.001", "179.998", "1000");
        row("equilateral from S and R", 36, "10", "43.30127018922193", "5.773502691896258");
        // Below the promised angles: β = 180° − α − γ keeps none of α + γ,
        // sin β = sin(α + γ) all of it.
        row("an angle of 1e-15 degrees, b from sin(α + γ)", 26, "1e-15", "50.53", "48.3862");
        row("an angle of 1e-10 degrees, the same", 26, "1e-10", "50.53", "48.3862");
    }

    void illConditionedData()
    {
        QFETCH(int, combination);
        QFETCH(QString, t1);
        QFETCH(QString, t2);
        QFETCH(QString, t3);
        const QString problem
            = checkRequest(combination, {t1.toStdString(), t2.toStdString(), t3.toStdString()});
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void awkwardTrianglesFromEveryCombination()
    {
        AwkwardTriangles triangles(20261208);
        int checked = 0;
        QStringList problems;
        const int count = qEnvironmentVariableIntValue("ACCURACY_TRIANGLES") > 0
            ? qEnvironmentVariableIntValue("ACCURACY_TRIANGLES")
            : 2000;
        for (int i = 0; i < count; ++i) {
            const ExactValues t = triangles.next();
            bool inRange = true;
            for (int position = 0; position < triangle::kQuantityCount; ++position)
                inRange = inRange && typable(position, t[position]);
            if (!inRange)
                continue;
            for (int combination = 0; combination < triangle::kCombinationCount; ++combination) {
                std::array<std::string, 3> texts;
                int next = 0;
                for (int position = 0; position < triangle::kQuantityCount; ++position) {
                    if (triangle::isGiven(combination, triangle::quantityAt(position)))
                        texts[next++] = textOf(t[position]);
                }
                ++checked;
                const QString problem = checkRequest(combination, texts);
                if (!problem.isEmpty() && problems.size() < 40)
                    problems << problem;
            }
        }
        qInfo("%d requests checked", checked);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QVERIFY(checked > 30000);
    }

    // The fast path of the four-decimal formatter against exact decimal
    // rounding, on random values and on values next to halfway points.
    void fourDecimalsRoundExactly()
    {
        std::mt19937_64 generator(7);
        std::vector<double> values;
        for (int i = 0; i < 200000; ++i) {
            const double magnitude
                = std::pow(10.0, std::uniform_real_distribution<double>(-6, 15)(generator));
            values.push_back(magnitude);
            const double halfway = (std::floor(magnitude * 1e4) + 0.5) / 1e4;
            values.push_back(std::nextafter(halfway, 0.0));
            values.push_back(halfway);
            values.push_back(std::nextafter(halfway, 1e300));
        }
        values.push_back(0.00005);
        for (const double value : values) {
            for (const double x : {value, -value}) {
                std::string expected = fixedText(x);
                if (expected.find_first_not_of("-0.") == std::string::npos)
                    expected = "0.0000";
                QCOMPARE(triangle::formatFixed4(x, triangle::NumberFormat {}), expected);
            }
        }
    }
};

QTEST_APPLESS_MAIN(AccuracyTest)
#include "test_accuracy.moc"
