// SPDX-License-Identifier: GPL-3.0-or-later
// A worked solution redone by hand: a step line says that it was computed
// with unrounded values exactly where its results do not follow from the
// numbers it shows, read back out of its own text; and "=" stands only
// before a value that four decimals show exactly.
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "random_triangles.h"
#include "solver/answer/answer.h"
#include "solver/elements/any_three.h"
#include "solver/elements/element_set.h"
#include "solver/list/solve.h"
#include "wording/exact_decimals.h"
#include "wording/solution_text.h"
#include "wording/step_writer.h"

using namespace triangle;

namespace {

using Value = long double;

constexpr Value kRadiansPerDegree = std::numbers::pi_v<Value> / 180;

// The school notation a line substitutes numbers in: 5,1423 and 2.5, °, ²,
// ½, ⅔, √ (10√3 is a product), ·, /, +, −, sin, cos and tg of degrees, brackets.
// Any letter of a formula left in fails the reading.
class Calculator {
public:
    static std::optional<Value> valueOf(std::string_view text)
    {
        Calculator reading(text);
        const std::optional<Value> value = reading.sum();
        reading.skipSpaces();
        return reading.m_rest.empty() ? value : std::nullopt;
    }

private:
    explicit Calculator(std::string_view text) : m_rest(text) {}

    void skipSpaces()
    {
        while (m_rest.starts_with(' '))
            m_rest.remove_prefix(1);
    }
    bool take(std::string_view token)
    {
        skipSpaces();
        if (!m_rest.starts_with(token))
            return false;
        m_rest.remove_prefix(token.size());
        return true;
    }

    std::optional<Value> sum()
    {
        std::optional<Value> value = product();
        while (value) {
            if (take("+"))
                value = add(value, product(), 1);
            else if (take("−") || take("-"))
                value = add(value, product(), -1);
            else
                break;
        }
        return value;
    }
    template <typename Function>
    static std::optional<Value> map(std::optional<Value> x, Function f)
    {
        return x ? std::optional<Value>(f(*x)) : std::nullopt;
    }
    static std::optional<Value> add(std::optional<Value> x, std::optional<Value> y, int sign)
    {
        return y ? std::optional<Value>(*x + sign * *y) : std::nullopt;
    }

    std::optional<Value> product()
    {
        std::optional<Value> value = juxtaposed();
        while (value) {
            std::optional<Value> factor;
            if (take("·"))
                factor = juxtaposed();
            else if (take("/"))
                factor = map(juxtaposed(), [](Value y) { return 1 / y; });
            else
                break;
            value = factor ? std::optional<Value>(*value * *factor) : std::nullopt;
        }
        return value;
    }

    // A number written against a root or a bracket is one number: 5√2 in
    // "/ 5√2" divides by both.
    std::optional<Value> juxtaposed()
    {
        std::optional<Value> value = power();
        while (value && (m_rest.starts_with("√") || m_rest.starts_with("("))) {
            const std::optional<Value> factor = power();
            value = factor ? std::optional<Value>(*value * *factor) : std::nullopt;
        }
        return value;
    }

    std::optional<Value> power()
    {
        const std::optional<Value> value = primary();
        return value && take("²") ? std::optional<Value>(*value * *value) : value;
    }

    std::optional<Value> primary()
    {
        if (take("−"))
            return map(primary(), [](Value x) { return -x; });
        if (take("½"))
            return 0.5L;
        if (take("⅔"))
            return 2.0L / 3;
        if (take("√"))
            return map(power(), [](Value x) { return std::sqrt(x); });
        if (take("sin²"))
            return map(power(), [](Value x) { return std::pow(std::sin(x * kRadiansPerDegree), 2); });
        if (take("sin"))
            return map(power(), [](Value x) { return std::sin(x * kRadiansPerDegree); });
        if (take("cos"))
            return map(power(), [](Value x) { return std::cos(x * kRadiansPerDegree); });
        if (take("tg") || take("tan"))
            return map(power(), [](Value x) { return std::tan(x * kRadiansPerDegree); });
        if (take("(")) {
            const std::optional<Value> value = sum();
            return take(")") ? value : std::nullopt;
        }
        return number();
    }

    // 5,1423 or 2.5 or 1e-3, and a degree sign after it.
    std::optional<Value> number()
    {
        skipSpaces();
        std::string digits;
        while (
            !m_rest.empty() && std::string_view("0123456789,.e").find(m_rest.front()) != std::string::npos) {
            if (m_rest.front() == 'e' && m_rest.size() > 1 && m_rest[1] == '-') {
                digits += "e-";
                m_rest.remove_prefix(2);
                continue;
            }
            digits += m_rest.front() == ',' ? '.' : m_rest.front();
            m_rest.remove_prefix(1);
        }
        take("°");
        if (digits.empty() || !std::isdigit(static_cast<unsigned char>(digits.front())))
            return std::nullopt;
        return std::stold(digits);
    }

    std::string_view m_rest;
};

std::vector<std::string> split(const std::string &text, const std::vector<std::string> &separators)
{
    std::vector<std::string> parts {""};
    int depth = 0;
    for (std::size_t at = 0; at < text.size();) {
        const auto separator = std::find_if(separators.begin(), separators.end(),
            [&](const std::string &s) { return depth == 0 && text.compare(at, s.size(), s) == 0; });
        if (separator != separators.end()) {
            parts.emplace_back();
            at += separator->size();
            continue;
        }
        depth += text[at] == '(' ? 1 : text[at] == ')' ? -1 : 0;
        parts.back() += text[at++];
    }
    return parts;
}

// The line's formulas and values: without the rule's name before ": ", the
// notes in words in brackets, and what follows "; " (the branch taken, or
// the value rejected, said again).
std::string formulasOf(std::string line)
{
    if (const auto name = line.find(": "); name != std::string::npos)
        line.erase(0, name + 2);
    for (auto note = line.find(" ("); note != std::string::npos; note = line.find(" (", note + 1)) {
        const auto first = static_cast<unsigned char>(line[note + 2]);
        if ((first >= 0xD0 && first <= 0xD1) || (first >= 'a' && first <= 'z'))
            line.erase(note, line.find(')', note) + 1 - note);
    }
    // The branch taken or the value rejected follow "; "; other clauses after
    // "; " (the side farther from the height) are the line's own.
    for (auto part = line.find("; "); part != std::string::npos; part = line.find("; ", part + 1)) {
        const std::string rest = line.substr(part + 2, line.find("; ", part + 2) - part - 2);
        if (rest.starts_with("това решение") || rest.starts_with("this solution")
            || rest.find(" отпада") != std::string::npos || rest.find(" is rejected") != std::string::npos)
            return line.substr(0, part);
    }
    return line;
}

// What a line claims: each value it shows after a formula with numbers, and
// each value it derives from one ("⇒ α ≈ 38,2132°" after "sin α = …", "c = 7"
// after "c² = …"), from the unrounded value as a calculator keeps it.
struct Claims {
    int checked = 0;
    std::string wrong;      // the first claim that does not follow, if any
    std::string lastSign;   // " = " or " ≈ " before the last value shown
    Value lastValue = 0.0L; // that value
};

Claims claimsOf(const std::string &line)
{
    Claims claims;
    std::optional<Value> unrounded;
    std::string function; // the left side the unrounded value is of: "sin α", "c²"
    // The two roots "c = x ± y" stands for, and what they are of.
    std::vector<Value> roots;
    std::string rootsOf;
    for (const std::string &clause : split(formulasOf(line), {", ", "; ", " ⇒ ", " или ", " or "})) {
        std::vector<std::string> sides = split(clause, {" = ", " ≈ "});
        if (const std::size_t at = sides.back().find(" ± "); sides.size() >= 2 && at != std::string::npos) {
            std::string plus = sides.back();
            std::string minus = plus;
            plus.replace(at, 4, " + ");
            minus.replace(at, 4, " − ");
            const auto x = Calculator::valueOf(plus);
            const auto y = Calculator::valueOf(minus);
            roots = x && y ? std::vector<Value> {*x, *y} : std::vector<Value> {};
            // What they are of: the last word before the formula, "c" in "= 0 и c = …".
            const auto formula = std::find_if(sides.begin(), sides.end(),
                [](const std::string &side) { return side.find(" ± ") != side.npos; });
            const std::string &before = *(formula == sides.begin() ? formula : formula - 1);
            rootsOf = before.substr(before.rfind(' ') == std::string::npos ? 0 : before.rfind(' ') + 1);
            continue;
        }
        const std::optional<Value> shown = Calculator::valueOf(sides.back());
        if (sides.size() < 2 || !shown)
            continue;
        claims.lastSign = clause.ends_with(" = " + sides.back()) ? " = " : " ≈ ";
        claims.lastValue = *shown;
        std::optional<Value> redone;
        for (std::size_t i = 1; i + 1 < sides.size() && !redone; ++i)
            redone = Calculator::valueOf(sides[i]);
        if (redone) {
            unrounded = redone;
            function = sides.front();
        } else if (unrounded && function.starts_with("sin ")) {
            const Value acute = std::asin(*unrounded) / kRadiansPerDegree;
            redone = *shown > 90 ? 180 - acute : acute;
        } else if (unrounded && function.starts_with("cos ")) {
            redone = std::acos(*unrounded) / kRadiansPerDegree;
        } else if (unrounded && function == sides.front() + "²") {
            redone = std::sqrt(*unrounded);
        }
        // A root of "c = x ± y" is that formula's value too, exact form or
        // not; the roots t of a quadratic are the sides that follow.
        if (!roots.empty() && (sides.front() == rootsOf || rootsOf == "t")) {
            const Value root
                = std::fabs(roots[0] - *shown) <= std::fabs(roots[1] - *shown) ? roots[0] : roots[1];
            if (redone && !(std::fabs(*redone - root) <= 0.5e-4L) && claims.wrong.empty())
                claims.wrong
                    = clause + " (the formula gives " + std::to_string(static_cast<double>(root)) + ")";
            redone = root;
        }
        if (!redone)
            continue;
        ++claims.checked;
        if (!(std::fabs(*redone - *shown) <= 0.5e-4L + 1e-12L * std::fabs(*shown)) && claims.wrong.empty())
            claims.wrong = clause + " (" + std::to_string(static_cast<double>(*redone)) + ")";
    }
    return claims;
}

// A line whose every result this reading can redo: not the sides from the
// area, whose text substitutes no numbers, nor p, which the text writes as
// (a + b + c) / 2 and P / 2.
bool redoneWhole(Rule rule)
{
    return rule != Rule::SidesFromAreaAndAngle && rule != Rule::Heron && rule != Rule::Inradius;
}

// Empty where the line says it was computed with unrounded values and does
// not follow, or follows and "=" stands only before a value shown exactly;
// else what is wrong.
QString problemOf(const Step &step, const std::string &line, bool remarked)
{
    // A value solved for numerically: the line states the equations, no
    // arithmetic to redo.
    if (step.rule == Rule::Numerical)
        return {};
    const Claims claims = claimsOf(line);
    if (remarked)
        return claims.wrong.empty() && redoneWhole(step.rule) ? "follows, yet says it does not" : "";
    if (!claims.wrong.empty())
        return QString::fromStdString(claims.wrong);
    if (claims.checked == 0 && step.rule != Rule::SidesFromAreaAndAngle)
        return "nothing in it could be redone";
    const auto exactly = [&](Value stored) {
        return std::fabs(shownValue(step.quantity, stored) - claims.lastValue)
            <= 1e-9L * std::fmax(1.0L, std::fabs(claims.lastValue));
    };
    if (claims.lastSign == " = " && !exactly(step.value)
        && !(step.choice != Choice::Only && exactly(step.alternative)))
        return "\"=\" before a rounded value";
    return {};
}

// Where the line's notation misleads: a divisor k√n without brackets
// (2·72 / 4√13 reads as (2·72 / 4)·√13), or a lone root in brackets of its
// own but to be squared, (√(89 − 40√2)); empty where it reads one way.
std::string misleadingNotation(const std::string &line)
{
    static const std::regex bareDivisor("/ [0-9]+√");
    if (std::smatch found; std::regex_search(line, found, bareDivisor))
        return "a bare divisor at \"" + found.str() + "\"";
    for (auto at = line.find("(√("); at != std::string::npos; at = line.find("(√(", at + 1)) {
        // The root's own bracket, and whether the outer one closes right after it.
        int depth = 0;
        std::size_t end = at + std::string_view("(√").size();
        for (; end < line.size(); ++end) {
            depth += line[end] == '(' ? 1 : line[end] == ')' ? -1 : 0;
            if (depth == 0)
                break;
        }
        if (line.compare(end + 1, 1, ")") == 0
            && line.compare(end + 2, std::string_view("²").size(), "²") != 0)
            return "doubled brackets at \"" + line.substr(at, end + 2 - at) + "\"";
    }
    return {};
}

// Whether the value a branching step did not take is followed by another
// triangle of the answer.
bool alternativeTaken(const Step &step, const Answer &answer)
{
    const Value other = shownValue(step.quantity, step.alternative);
    return std::any_of(answer.triangles.begin(), answer.triangles.end(), [&](const AnsweredTriangle &t) {
        return std::any_of(t.steps.begin(), t.steps.end(), [&](const Step &taken) {
            return taken.quantity == step.quantity
                && std::fabs(shownValue(taken.quantity, taken.value) - other)
                <= 1e-9L * (1 + std::fabs(other));
        });
    });
}

struct Tally {
    int lines = 0;
    int remarked = 0;
};

// The words a language rejects the value a step did not take with, or
// names the two sides swapped.
bool saysAlternativeFails(const std::string &line, const wording::Language &language)
{
    const bool english = &language == &wording::kEnglish;
    return line.find(english ? " is rejected" : " отпада") != std::string::npos
        || line.find(english ? "swapped" : "разменени") != std::string::npos;
}

// Where a step shows a given value other than as typed: it works a given
// element out again, or a typed operand is not in its line; else empty.
std::string givenNotAsTyped(const Step &step, const std::string &line, const wording::GivenTexts &typed,
    const wording::GivenTexts &shown)
{
    if (!wording::typedText(typed, step.quantity).empty())
        return "works out the given " + std::string(kAllTags.at(static_cast<std::size_t>(step.quantity)));
    // Lines that do not substitute all their operands: r from S and p, the
    // equations solved numerically, the sides from the area, R from the two
    // angles a height or a median needs.
    if (step.rule == Rule::Inradius || step.rule == Rule::Numerical
        || step.rule == Rule::SidesFromAreaAndAngle || step.rule == Rule::CircumradiusFromAngles)
        return {};
    // p = P / 2 of a given P is half its digits.
    const bool halvesPerimeter = step.rule == Rule::SideFromInradius || step.rule == Rule::AreaFromInradius;
    for (std::size_t i = 0; i < step.operandCount; ++i) {
        if (halvesPerimeter && step.operands.at(i).quantity == Quantity::P)
            continue;
        const std::string text = wording::typedText(shown, step.operands.at(i).quantity);
        if (!text.empty() && line.find(text) == std::string::npos)
            return "the given " + text + " is not as typed";
    }
    return {};
}

// Checks every step line of the answer's triangles, the rest of each
// included, in the language's notation with exact forms.
void checkAnswer(const Answer &answer, const wording::GivenTexts &typed, const std::string &request,
    const wording::Language &language, Tally &tally)
{
    const NumberFormat format {&language == &wording::kEnglish ? "." : ","};
    const std::string remark(language.solution.unroundedValues);
    for (const AnsweredTriangle &triangle : answer.triangles) {
        const wording::GivenTexts texts
            = wording::withExactDecimals(triangle.steps, typed, format.decimalSeparator.front());
        Journal steps = triangle.steps;
        steps.insert(steps.end(), triangle.moreSteps.begin(), triangle.moreSteps.end());
        for (std::size_t s = 0; s < steps.size(); ++s) {
            const std::string whole = wording::stepText(
                steps[s], texts, format, language, wording::stepForms(&triangle.exact, s));
            QVERIFY2(steps[s].choice == Choice::Only || saysAlternativeFails(whole, language)
                    || alternativeTaken(steps[s], answer),
                whole.c_str());
            // The step's own claims, without what it says of the value it did not take.
            Step own = steps[s];
            own.alternativeEnd.reset();
            const std::string line
                = wording::stepText(own, texts, format, language, wording::stepForms(&triangle.exact, s));
            const bool remarked = line.ends_with(remark);
            ++tally.lines;
            tally.remarked += remarked ? 1 : 0;
            const std::string notation = misleadingNotation(line);
            QVERIFY2(notation.empty(), (line + " — " + notation).c_str());
            const std::string asTyped = givenNotAsTyped(steps[s], line, typed, texts);
            QVERIFY2(asTyped.empty(), (request + ": " + line + " — " + asTyped).c_str());
            const QString problem = problemOf(
                steps[s], remarked ? line.substr(0, line.size() - remark.size()) : line, remarked);
            QVERIFY2(problem.isEmpty(),
                qPrintable(QString::fromStdString(request + ": " + line + " — ") + problem));
        }
    }
}

// A request of the list, in both languages.
void checkRequest(int combination, const std::array<std::string, 3> &texts, Tally &tally)
{
    const Answer answer = answerRequest(combination, {texts[0], texts[1], texts[2]},
        {.otherTriangles = true, .steps = true, .more = true, .exact = true}, NumberFormat {","});
    const std::string request
        = std::to_string(combination) + " " + texts[0] + " " + texts[1] + " " + texts[2];
    for (const wording::Language *language : {&wording::kBulgarian, &wording::kEnglish})
        checkAnswer(answer, wording::givenTextsOf(combination, texts), request, *language, tally);
}

// The nineteen elements of the triangle with these angles (degrees) and R,
// in the order of their tags.
using Elements = std::array<Value, kElementCount>;

Elements elementsOf(Value alpha, Value beta, Value gamma, Value radius)
{
    const auto sine = [](Value degrees) { return std::sin(degrees * kRadiansPerDegree); };
    const Value a = 2 * radius * sine(alpha);
    const Value b = 2 * radius * sine(beta);
    const Value c = 2 * radius * sine(gamma);
    const Value area = a * b * c / (4 * radius);
    const auto median
        = [](Value own, Value x, Value y) { return std::sqrt(2 * x * x + 2 * y * y - own * own) / 2; };
    const auto bisector = [](Value own, Value x, Value y) {
        return std::sqrt(x * y * (x + y + own) * (x + y - own)) / (x + y);
    };
    return {alpha, beta, gamma, a, b, c, area, radius, a + b + c, 2 * area / a, 2 * area / b, 2 * area / c,
        median(a, b, c), median(b, a, c), median(c, a, b), bisector(a, b, c), bisector(b, a, c),
        bisector(c, a, b), 2 * area / (a + b + c)};
}

// Three of the nineteen elements of a triangle, typed with six significant
// digits, in Bulgarian.
void checkElements(const std::array<Quantity, 3> &set, const Elements &triangle, Tally &tally)
{
    std::array<ElementText, 3> given {};
    wording::GivenTexts typed;
    std::string request;
    for (std::size_t i = 0; i < set.size(); ++i) {
        std::array<char, 32> digits {};
        std::snprintf(
            digits.data(), digits.size(), "%.6Lg", triangle.at(static_cast<std::size_t>(set.at(i))));
        std::string &text = typed.at(static_cast<std::size_t>(set.at(i)));
        text = digits.data();
        given.at(i) = {set.at(i), text}; // a view of the text kept in `typed`
        request += std::string(kAllTags.at(static_cast<std::size_t>(set.at(i)))) + "=" + text + " ";
    }
    const ElementsAnswer answer = answerElements(
        given, {.otherTriangles = true, .steps = true, .more = true, .exact = true}, NumberFormat {".", ","});
    for (const wording::Language *language : {&wording::kBulgarian, &wording::kEnglish})
        checkAnswer(answer.answer, typed, request, *language, tally);
}

} // namespace

class ShownArithmeticTest : public QObject {
    Q_OBJECT

private slots:
    // Random triangles over every combination, and data whose values have
    // exact forms that the lines substitute (√39, 10√3).
    void everyLineFollowsFromItsNumbersOrSaysSo()
    {
        Tally tally;
        RandomTriangles triangles(29);
        for (int i = 0; i < 40; ++i) {
            const Quantities q = triangles.next();
            for (int combination = 0; combination < kCombinationCount; ++combination) {
                const QStringList given = givenTexts(combination, q);
                checkRequest(combination,
                    {given[0].toStdString(), given[1].toStdString(), given[2].toStdString()}, tally);
                if (QTest::currentTestFailed())
                    return;
            }
        }
        const std::vector<std::pair<int, std::array<std::string, 3>>> exact = {{21, {"60", "5", "8"}},
            {51, {"5", "8", "7"}}, {51, {"2", "3", "4"}}, {30, {"5", "8", "10"}}, {12, {"30", "45", "5"}},
            {41, {"90", "6", "2.5"}}, {26, {"45", "4", "3"}}, {21, {"45", "5", "8"}}, {21, {"90", "8", "12"}},
            {24, {"30", "5", "8"}}, {24, {"30", "8", "5"}}, {24, {"30", "4", "8"}}, {24, {"60", "5", "5"}},
            {24, {"135", "8", "4.5"}}};
        for (const auto &[combination, texts] : exact) {
            checkRequest(combination, texts, tally);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("%d of %d lines computed with unrounded values", tally.remarked, tally.lines);
        QVERIFY(tally.remarked > 0 && tally.remarked < tally.lines);
    }

    // Any three elements of textbook shapes (30-60-90, 3-4-5, isosceles,
    // 120°, and a scalene one), at sets a textbook's formula solves and
    // sets only the search does: their steps and the rest of the triangle.
    void anyThreeElementsFollowOrSaySo()
    {
        const Value right = std::acos(0.8L) / kRadiansPerDegree;
        const std::vector<Elements> shapes
            = {elementsOf(30, 60, 90, 5), elementsOf(right, 90 - right, 90, 2.5), elementsOf(50, 65, 65, 4),
                elementsOf(120, 30, 30, 4), elementsOf(72, 48, 60, 3)};
        using enum Quantity;
        const std::vector<std::array<Quantity, 3>> sets = {{ma, mb, mc}, {ha, hb, hc}, {a, b, hc}, {a, b, mc},
            {a, b, lc}, {A, a, ha}, {B, a, ha}, {B, a, hb}, {a, ha, ma}, {A, P, r}, {A, S, P}, {A, R, r},
            {A, B, ha}, {A, B, r}, {A, mb, lc}, {a, hb, mc}};
        Tally tally;
        for (const Elements &shape : shapes) {
            for (const auto &set : sets) {
                checkElements(set, shape, tally);
                if (QTest::currentTestFailed())
                    return;
            }
        }
        qInfo("%d of %d lines computed with unrounded values", tally.remarked, tally.lines);
        QVERIFY(tally.lines > 500);
    }

    // Random triangles at random sets of three elements that fix one.
    void randomElementSetsFollowOrSaySo()
    {
        std::mt19937 generator(20261210);
        RandomTriangles triangles(31);
        std::uniform_int_distribution<int> anySet(0, kElementSetCount - 1);
        Tally tally;
        for (int requests = 0; requests < 300;) {
            const ElementSet set = elementSetAt(anySet(generator));
            if (classOf(set).kind != SetKind::Determinate)
                continue;
            const Quantities q = triangles.next();
            checkElements(set, elementsOf(q[0], q[1], q[2], q[7]), tally);
            if (QTest::currentTestFailed())
                return;
            ++requests;
        }
        qInfo("%d of %d lines computed with unrounded values", tally.remarked, tally.lines);
        QVERIFY(tally.lines > 1000);
    }
};

QTEST_APPLESS_MAIN(ShownArithmeticTest)
#include "test_shown_arithmetic.moc"
