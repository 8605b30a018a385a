// SPDX-License-Identifier: GPL-3.0-or-later
// Exact answers: textbook data give the forms a textbook prints, and every
// exact form the program writes, evaluated in the 113-bit reference, is the
// value it stands for.
#include <QTest>

#include <quadmath.h>

#include <random>

#include "exact_triangles.h"
#include "solver/answer/answer.h"
#include "solver/elements/any_three.h"
#include "solver/list/catalogue.h"

namespace {

using triangle::ExactForms;

// Reads a form in plain notation ("(5*sqrt(2)+5*sqrt(6))/2") in 113 bits.
class PlainForm {
public:
    explicit PlainForm(std::string_view text) : m_text(text) {}

    Quad value()
    {
        const Quad result = sum();
        if (m_at != m_text.size())
            throw std::invalid_argument(std::string(m_text));
        return result;
    }

private:
    bool take(std::string_view token)
    {
        if (!m_text.substr(m_at).starts_with(token))
            return false;
        m_at += token.size();
        return true;
    }
    Quad sum()
    {
        Quad total = product();
        while (m_at < m_text.size()) {
            if (take("+"))
                total += product();
            else if (take("-"))
                total -= product();
            else
                break;
        }
        return total;
    }
    Quad product()
    {
        Quad total = factor();
        while (m_at < m_text.size()) {
            if (take("*"))
                total *= factor();
            else if (take("/"))
                total /= factor();
            else
                break;
        }
        return total;
    }
    Quad factor()
    {
        if (take("-"))
            return -factor();
        if (take("sqrt(") || take("(")) {
            const bool root = m_text.substr(0, m_at).ends_with("sqrt(");
            const Quad inner = sum();
            if (!take(")"))
                throw std::invalid_argument(std::string(m_text));
            return root ? sqrtq(inner) : inner;
        }
        const std::size_t start = m_at;
        while (m_at < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_at])) != 0)
            ++m_at;
        if (start == m_at)
            throw std::invalid_argument(std::string(m_text));
        return quadFromText(std::string(m_text.substr(start, m_at - start)));
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

// The nine values' school forms, "-" where none, an angle's cosine in its place.
std::string schoolForms(const ExactForms &forms)
{
    std::string text;
    for (std::size_t i = 0; i < triangle::kFieldCount; ++i) {
        const auto &form = forms.values.at(i);
        const auto &cosine = i < 3 ? forms.cosines.at(i) : std::nullopt;
        text += i == 0 ? "" : " | ";
        text += form ? form->school : cosine ? "cos = " + cosine->school : "-";
    }
    return text;
}

ExactForms exactFormsOf(int combination, const std::array<std::string, 3> &texts)
{
    const auto answer = triangle::answerRequest(combination, {texts[0], texts[1], texts[2]},
        {.more = true, .exact = true}, triangle::NumberFormat {".", ","});
    return answer.triangles.empty() ? ExactForms {} : answer.triangles.front().exact;
}

} // namespace

class ExactFormsTest : public QObject {
    Q_OBJECT

private slots:
    void textbookDataGiveTheTextbooksExactAnswers_data()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("forms");
        QTest::newRow("three sides 3, 4, 5: a right angle and rational values")
            << 51 << QStringList {"3", "4", "5"} << "cos = 4/5 | cos = 3/5 | 90° | 3 | 4 | 5 | 6 | 5/2 | 12";
        QTest::newRow("5 and 8 with 60° between them: c = 7, S = 10√3")
            << 21 << QStringList {"60", "5", "8"}
            << "cos = 11/14 | cos = 1/7 | 60° | 5 | 8 | 7 | 10√3 | 7√3/3 | 20";
        QTest::newRow("7 and 8 with 120° between them: c = 13")
            << 21 << QStringList {"120", "7", "8"}
            << "cos = 23/26 | cos = 11/13 | 120° | 7 | 8 | 13 | 14√3 | 13√3/3 | 28";
        QTest::newRow("three sides 3, 5, 7: γ = 120°")
            << 51 << QStringList {"3", "5", "7"}
            << "cos = 13/14 | cos = 11/14 | 120° | 3 | 5 | 7 | 15√3/4 | 7√3/3 | 15";
        QTest::newRow("a = 5 with 30° and 45°: sides with √2 and √6")
            << 0 << QStringList {"30", "45", "5"}
            << "30° | 45° | 105° | 5 | 5√2 | (5√2 + 5√6)/2 | (25 + 25√3)/4 | 5 | (10 + 15√2 + 5√6)/2";
        QTest::newRow("a = 10 with 45° and 60°: c = 5 + 5√3")
            << 0 << QStringList {"45", "60", "10"}
            << "45° | 60° | 75° | 10 | 5√6 | 5 + 5√3 | (75 + 25√3)/2 | 5√2 | 15 + 5√3 + 5√6";
        QTest::newRow("45° and 60° with R = 10")
            << 12 << QStringList {"45", "60", "10"}
            << "45° | 60° | 75° | 10√2 | 10√3 | 5√2 + 5√6 | 75 + 25√3 | 10 | 15√2 + 10√3 + 5√6";
        QTest::newRow("5 and 8 with 45° between them: a nested root")
            << 21 << QStringList {"45", "5", "8"}
            << "- | - | 45° | 5 | 8 | √(89 − 40√2) | 10√2 | √(178 − 80√2)/2 | 13 + √(89 − 40√2)";
    }

    // Three elements the search solves numerically, where the triangle is
    // exact all the same: its sides, guessed as fractions or roots of
    // fractions and proven by putting them back into the three values.
    void numericalSolutionsOfExactTrianglesGetTheirForms_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("forms");
        QTest::newRow("a = 10, h_b = 8, h_c = 6: b = 150/7, c = 200/7") << QStringList {"a=10", "h_b=8",
            "h_c=6"} << "cos = 24/25 | cos = 4/5 | cos = −3/5 | 10 | 150/7 | 200/7 | 600/7 | 125/7 | 60";
        QTest::newRow("R = 8.125, r = 4, S = 84: the 13-14-15 triangle") << QStringList {"R=8.125", "r=4",
            "S=84"} << "cos = 3/5 | cos = 33/65 | cos = 5/13 | 13 | 14 | 15 | 84 | 65/8 | 42";
        QTest::newRow("P = 30, r = 2, a = 12: 5-12-13 with its right angle") << QStringList {
            "P=30", "r=2", "a=12"} << "cos = 5/13 | cos = 12/13 | 90° | 12 | 5 | 13 | 30 | 13/2 | 30";
    }

    void numericalSolutionsOfExactTrianglesGetTheirForms()
    {
        QFETCH(QStringList, given);
        QFETCH(QString, forms);
        std::array<std::string, 3> texts;
        std::array<triangle::ElementText, 3> elements {};
        for (std::size_t i = 0; i < 3; ++i) {
            const QString name = given.at(static_cast<qsizetype>(i)).section('=', 0, 0);
            texts.at(i) = given.at(static_cast<qsizetype>(i)).section('=', 1).toStdString();
            const auto tag
                = std::find(triangle::kAllTags.begin(), triangle::kAllTags.end(), name.toStdString());
            QVERIFY(tag != triangle::kAllTags.end());
            elements.at(i) = {static_cast<triangle::Quantity>(tag - triangle::kAllTags.begin()), texts.at(i)};
        }
        const auto answer = triangle::answerElements(elements, {.more = true, .exact = true}, {});
        QVERIFY(!answer.answer.triangles.empty());
        QCOMPARE(QString::fromStdString(schoolForms(answer.answer.triangles.front().exact)), forms);
    }

    void textbookDataGiveTheTextbooksExactAnswers()
    {
        QFETCH(int, combination);
        QFETCH(QStringList, given);
        QFETCH(QString, forms);
        const ExactForms exact = exactFormsOf(
            combination, {given[0].toStdString(), given[1].toStdString(), given[2].toStdString()});
        QCOMPARE(QString::fromStdString(schoolForms(exact)), forms);
    }

    // Random data of every combination, angles multiples of 15° and lengths
    // of one or two significant digits: every form of every fitting triangle
    // (its values, its angles' cosines, what its steps found) is the value
    // it stands for, to 1e-28 of the 113-bit reference (whose own rounding
    // reaches 1e-29 where it subtracts near-equal values).
    void everyExactFormIsTheValue()
    {
        std::mt19937 random(20261209);
        std::uniform_int_distribution<int> multiple(1, 11);
        std::uniform_int_distribution<int> length(1, 40);
        std::size_t checked = 0;
        for (int round = 0; round < 60; ++round) {
            for (int combination = 0; combination < triangle::kCombinationCount; ++combination) {
                std::array<std::string, 3> texts;
                std::size_t next = 0;
                for (const triangle::Quantity q : triangle::kAllQuantities) {
                    if (q == triangle::Quantity::P || !triangle::isGiven(combination, q))
                        continue;
                    const int value = triangle::isAngle(q) ? 15 * multiple(random) : length(random);
                    texts.at(next++) = round % 2 == 0 || triangle::isAngle(q)
                        ? std::to_string(value)
                        : std::to_string(value / 4.0).substr(0, 4);
                }
                checked += checkForms(combination, texts);
            }
        }
        QVERIFY2(checked > 20000, std::to_string(checked).c_str());
    }

private:
    // The forms of each triangle the data fit against the reference triangle
    // nearest to it; returns how many forms it checked.
    static std::size_t checkForms(int combination, const std::array<std::string, 3> &texts)
    {
        const auto answer = triangle::answerRequest(combination, {texts[0], texts[1], texts[2]},
            {.otherTriangles = true, .more = true, .exact = true}, triangle::NumberFormat {".", ","});
        const std::vector<ExactValues> references = exactTriangles(combination,
            {quadFromText(texts[0]), quadFromText(texts[1]), quadFromText(texts[2])}, programSlack());
        std::size_t checked = 0;
        for (const triangle::AnsweredTriangle &solved : answer.triangles) {
            if (!solved.real || references.empty())
                continue;
            const ExactValues &reference = nearest(references, solved.values);
            const std::string request
                = std::to_string(combination) + " " + texts[0] + " " + texts[1] + " " + texts[2];
            [&] { QVERIFY2(solved.exact.disagreements == 0, request.c_str()); }();
            for (std::size_t i = 0; i < triangle::kElementCount; ++i) {
                if (const auto &form = solved.exact.values.at(i))
                    checked += agrees(*form, reference.at(i), request);
            }
            for (std::size_t i = 0; i < 3; ++i) {
                if (const auto &cosine = solved.exact.cosines.at(i))
                    checked += agrees(*cosine, cosq(reference.at(i) * acosq(-1) / 180), request);
            }
        }
        return checked;
    }

    static const ExactValues &nearest(
        const std::vector<ExactValues> &references, const std::array<long double, 9> &values)
    {
        const auto distance = [&](const ExactValues &reference) {
            Quad total = 0;
            for (std::size_t i = 0; i < values.size(); ++i)
                total += fabsq(reference.at(i) - values.at(i)) / (1 + fabsq(reference.at(i)));
            return total;
        };
        return *std::min_element(references.begin(), references.end(),
            [&](const ExactValues &x, const ExactValues &y) { return distance(x) < distance(y); });
    }

    static std::size_t agrees(const triangle::ExactForm &form, Quad reference, const std::string &request)
    {
        const Quad value = PlainForm(form.plain).value();
        const bool close = fabsq(value - reference) <= quadFromText("1e-28") * fmaxq(1, fabsq(reference));
        if (!close)
            qWarning("%s: %s is %s, the reference %s", request.c_str(), form.plain.c_str(),
                textOf(value, 34).c_str(), textOf(reference, 34).c_str());
        [&] { QVERIFY(close); }();
        return 1;
    }
};

QTEST_APPLESS_MAIN(ExactFormsTest)
#include "test_exact_forms.moc"
