// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/solution_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "solver/list/solve.h"
#include "solver/numbers/number_formatting.h"
#include "wording/step_recomputation.h"
#include "wording/text_echo.h"

namespace triangle::wording {

namespace {

// "=" where four decimals show the value whole, "≈" where they round it.
// Whole means within the arithmetic's own rounding of a ten-thousandth: a
// tolerance in proportion to the value would call every large value whole
// (S ≈ 173205,0808 is not).
std::string equalsOrAbout(Real::Value value, const NumberFormat &format)
{
    const Real::Value scaled = value * 1e4L;
    const Real::Value rounding = 64 * std::numeric_limits<Real::Value>::epsilon() * std::fabs(scaled);
    const bool whole = std::fabs(scaled - std::nearbyint(scaled)) <= std::fmax(1e-9L, rounding);
    return (whole ? " = " : " ≈ ") + decimalText(value, format);
}

// An exact form that four decimals show just as well: 7, or 2001/1000
// (2,001).
bool isWhole(const ExactForm &form)
{
    const auto slash = form.plain.find('/');
    if (form.plain.find_first_not_of("-0123456789/") != std::string::npos || slash != form.plain.rfind('/'))
        return false;
    if (slash == std::string::npos)
        return true;
    const std::string denominator = form.plain.substr(slash + 1);
    return denominator.size() <= 5 && 10000 % std::stoi(denominator) == 0;
}

std::string unitOf(Quantity q) { return isAngle(q) ? "°" : ""; }

// The typed text of a given quantity, echoed so that no byte of it can act
// on a terminal and a long one is cut (the value used is in the answer);
// empty where it was not given.
std::string typedText(const GivenTexts &given, Quantity q)
{
    return echo(given.at(static_cast<std::size_t>(q)));
}

// Whether a step's text substitutes the value it found on the way into its
// formula, so that a student goes on with it as shown.
bool carriesIntermediate(Rule rule)
{
    switch (rule) {
    case Rule::Heron:
    case Rule::Inradius:
    case Rule::AreaFromHeights:
    case Rule::SideFromHeightAndMedian:
    case Rule::SideFromInradius:
    case Rule::AreaFromInradius:
    case Rule::SideFromAreaAndPerimeter:
    case Rule::PerimeterFromInradius: return true;
    default: return false;
    }
}

class Writer {
public:
    Writer(const Step &step, const GivenTexts &given, const NumberFormat &format, const SolutionWords &words,
        StepForms exact)
        : m_step(step), m_given(given), m_format(format), m_words(words), m_exact(exact)
    {
        // Each operand is written once, whatever number of times the formula shows it.
        for (std::size_t i = 0; i < m_step.operandCount; ++i)
            m_shown.at(i) = shown(i);
    }

    std::string text() const;

private:
    std::string ruleText() const;
    ShownOperands shownOperands() const;
    // The operand's symbol, and its value as the step used it: as typed
    // where it was given, else as a four-decimal result.
    std::string sym(std::size_t i) const { return symbolOf(m_step.operands.at(i).quantity); }
    std::string val(std::size_t i) const
    {
        const Operand &operand = m_step.operands.at(i);
        const std::string &number = m_shown.at(i).text;
        // Inside a formula a negative number stands in brackets.
        if (number.starts_with("−") || number.starts_with('-'))
            return "(" + number + unitOf(operand.quantity) + ")";
        return number + unitOf(operand.quantity);
    }
    // The operand as the step shows it and the value a student reads there:
    // as typed where it was given; a value found earlier exactly where it has
    // an exact form that says more than its decimal (√39 rather than 6,245),
    // else as a four-decimal result.
    ShownDecimal shown(std::size_t i) const
    {
        const Operand &operand = m_step.operands.at(i);
        const Real::Value value = shownValue(operand.quantity, operand.value);
        if (std::string typed = typedText(m_given, operand.quantity); !typed.empty())
            return {std::move(typed), value};
        const ExactForm *form = m_exact.valueOf(operand.quantity);
        if (form != nullptr && !isAngle(operand.quantity) && !isWhole(*form))
            return {inFormula(*form), value};
        return shownDecimal(value, m_format);
    }
    static std::string inFormula(const ExactForm &form)
    {
        return form.school.find_first_of(" /") == std::string::npos ? form.school : "(" + form.school + ")";
    }
    // The operand squared: a root in brackets, so that √39² cannot read as
    // √(39²), nor 5√2² as 5·(√2)².
    std::string sq(std::size_t i) const
    {
        const std::string value = val(i);
        const bool bare = value.find("√") != std::string::npos && !value.starts_with('(');
        return (bare ? "(" + value + ")" : value) + "²";
    }
    std::string found() const { return symbolOf(m_step.quantity); }
    std::string result() const
    {
        return exactly(shownValue(m_step.quantity, m_step.value), m_exact.result) + unitOf(m_step.quantity);
    }
    // The value found on the way, inside a formula.
    ShownDecimal intermediateValue() const
    {
        if (m_exact.intermediate == nullptr || isWhole(*m_exact.intermediate))
            return shownDecimal(m_step.intermediate, m_format);
        return {inFormula(*m_exact.intermediate), m_step.intermediate};
    }
    // What the step found on the way, exactly too where it can be.
    std::string intermediate() const { return exactly(m_step.intermediate, m_exact.intermediate); }
    std::string exactly(Real::Value value, const ExactForm *form) const
    {
        if (form == nullptr || isWhole(*form))
            return equalsOrAbout(value, m_format);
        return " = " + form->school + equalsOrAbout(value, m_format);
    }
    // "β ≈ 126,8699°": the found quantity with another value it may take.
    std::string clause(Real::Value stored) const
    {
        return found() + equalsOrAbout(shownValue(m_step.quantity, stored), m_format)
            + unitOf(m_step.quantity);
    }
    std::string obtuseNote() const
    {
        const Vertex v = vertexOf(m_step.quantity);
        const Vertex first = firstOtherThan(v);
        return filled(m_words.obtuse,
            {symbolOf(sideOpposite(v)) + "² > " + symbolOf(sideOpposite(first)) + "² + "
                + symbolOf(sideOpposite(otherVertex(v, first))) + "²"});
    }
    // By the law of sines, the angle opposite the shorter side (or the
    // equal one) is acute: the obtuse value fits no triangle.
    bool acuteBySides() const
    {
        return m_step.rule == Rule::LawOfSines && m_step.operands.at(0).value <= m_step.operands.at(1).value
            && shownValue(m_step.quantity, m_step.value) < 90.0L;
    }
    std::string acuteNote() const
    {
        const bool equal = m_step.operands.at(0).value == m_step.operands.at(1).value;
        return filled(m_words.acute, {found(), sym(0) + (equal ? " = " : " < ") + sym(1)});
    }
    std::string fromSine(const std::string &sineFormula) const;
    // By the law of sines, the obtuse value of the angle sought, with the
    // angle given beside it, can leave the third angle no room: it fits no
    // triangle, and the text says why it goes.
    bool leavesNoRoom(Real::Value other) const
    {
        return m_step.rule == Rule::LawOfSines
            && shownValue(m_step.quantity, other)
                + shownValue(m_step.operands.at(2).quantity, m_step.operands.at(2).value)
            >= 180.0L;
    }
    std::string rejected(Real::Value other) const
    {
        return filled(m_words.rejected,
            {found() + equalsOrAbout(shownValue(m_step.quantity, other), m_format) + unitOf(m_step.quantity),
                sym(2) + " + " + found()});
    }
    std::string branchTaken() const { return std::string(m_words.branchTaken) + clause(m_step.value); }
    // " или ": between two values a step allows.
    std::string orWord() const { return " " + std::string(m_words.orWord) + " "; }
    std::string sidesFromArea() const;
    std::string angleSum() const;
    std::string elementRuleText() const;
    std::string numerical() const;
    std::string circumradiusFromAngles() const;
    std::string equationOf(std::size_t i) const;
    const ElementStepWords &elementWords() const { return m_words.elements; }

    const Step &m_step;
    const GivenTexts &m_given;
    const NumberFormat &m_format;
    const SolutionWords &m_words;
    StepForms m_exact;
    std::array<ShownDecimal, 4> m_shown; // the operands as the text shows them
};

// "sin α = … ≈ 0,6186 ⇒ α ≈ 38,2132°", with the other angle of the same
// sine where the data may fit a second triangle.
std::string Writer::fromSine(const std::string &sineFormula) const
{
    const std::string sine = intermediate();
    if (m_step.contradiction == Contradiction::SineAboveOne
        || m_step.contradiction == Contradiction::SineFromAreaAboveOne) {
        // A sine that four decimals show as 1 goes unwritten: "≈ 1 > 1"
        // would read as a slip.
        const bool showsOne = decimalText(m_step.intermediate, m_format) == "1";
        return "sin " + found() + " = " + sineFormula + (showsOne ? "" : sine)
            + std::string(m_words.sineAboveOne);
    }
    std::string text = "sin " + found() + " = " + sineFormula + sine + " ⇒ ";
    switch (m_step.choice) {
    case Choice::Only:
        text += clause(m_step.value);
        if (shownValue(m_step.quantity, m_step.value) > 90.0L)
            text += obtuseNote();
        else if (acuteBySides())
            text += acuteNote();
        return text;
    case Choice::First:
        if (leavesNoRoom(m_step.alternative))
            return text + clause(m_step.value) + rejected(m_step.alternative);
        return text + clause(m_step.value) + orWord() + clause(m_step.alternative) + branchTaken();
    case Choice::Second:
        return text + clause(m_step.alternative) + orWord() + clause(m_step.value) + branchTaken();
    }
    return text;
}

std::string Writer::sidesFromArea() const
{
    const Vertex v = vertexOf(m_step.operands.at(1).quantity);
    const Vertex first = firstOtherThan(v);
    const std::string pair = symbolOf(sideOpposite(first)) + symbolOf(sideOpposite(otherVertex(v, first)));
    std::string text = std::string(m_words.fromAreaAndLawOfCosines) + pair + " = 2S / sin " + sym(2)
        + intermediate() + " " + std::string(m_words.andWord) + " " + sym(1)
        + "² = " + symbolOf(sideOpposite(first)) + "² + " + symbolOf(sideOpposite(otherVertex(v, first)))
        + "² − 2" + pair + "·cos " + sym(2) + ", " + std::string(m_words.whence) + " ";
    if (m_step.contradiction == Contradiction::NoSidesForArea) {
        return text + "(" + symbolOf(sideOpposite(first)) + " − "
            + symbolOf(sideOpposite(otherVertex(v, first))) + ")² = " + sym(1) + "² − 2" + pair + "·(1 − cos "
            + sym(2) + ")" + equalsOrAbout(m_step.refuting, m_format) + std::string(m_words.negativeSquare);
    }
    // The sum and the difference of the two sides decide them: the roots
    // of the quadratic a textbook solves, shown as their squares.
    const std::string b = symbolOf(sideOpposite(first));
    const std::string c = symbolOf(sideOpposite(otherVertex(v, first)));
    const Real::Value other = m_step.choice == Choice::Only ? m_step.value : m_step.alternative;
    const Real::Value sum = m_step.value + other;
    const Real::Value difference = m_step.value - other;
    text += "(" + b + " + " + c + ")² = " + sym(1) + "² + 2" + pair + "·(1 + cos " + sym(2) + ")"
        + equalsOrAbout(sum * sum, m_format) + " " + std::string(m_words.andWord) + " (" + b + " − " + c
        + ")² = " + sym(1) + "² − 2" + pair + "·(1 − cos " + sym(2) + ")"
        + equalsOrAbout(difference * difference, m_format) + ", ";
    if (m_step.choice == Choice::Only)
        return text + clause(m_step.value);
    return text + clause(m_step.value) + orWord() + clause(m_step.alternative)
        + std::string(m_words.sidesSwapped) + branchTaken();
}

// The third angle, or why there is none: "= 0°" where the others leave
// nothing to the data's sixteen digits, the value where it is below 0.
std::string Writer::angleSum() const
{
    const std::string text = std::string(m_words.angleSum) + found() + " = 180° − " + sym(0) + " − " + sym(1)
        + " = 180° − " + val(0) + " − " + val(1);
    switch (m_step.contradiction) {
    case Contradiction::ThirdAngleZero: return text + " = 0°" + std::string(m_words.zeroAngle);
    case Contradiction::ThirdAngleNegative: return text + result() + std::string(m_words.negativeAngle);
    default: return text + result();
    }
}

std::string Writer::text() const
{
    std::string text = ruleText();
    if (m_step.contradiction == Contradiction::SizeNotPositive)
        text += m_words.notPositive;
    if (!followsFromShownNumbers(m_step, shownOperands()))
        text += m_words.unroundedValues;
    return text;
}

ShownOperands Writer::shownOperands() const
{
    ShownOperands numbers;
    for (std::size_t i = 0; i < m_step.operandCount; ++i)
        numbers.values.at(i) = m_shown.at(i).value;
    if (carriesIntermediate(m_step.rule))
        numbers.intermediate = intermediateValue().value;
    return numbers;
}

std::string Writer::ruleText() const
{
    switch (m_step.rule) {
    case Rule::AngleSum: return angleSum();
    case Rule::CircumradiusFromSideAndAngle:
        return std::string(m_words.lawOfSines) + "R = " + sym(0) + " / (2·sin " + sym(1) + ") = " + val(0)
            + " / (2·sin " + val(1) + ")" + result();
    case Rule::SideFromCircumradius:
        return std::string(m_words.lawOfSines) + found() + " = 2R·sin " + sym(1) + " = 2·" + val(0) + "·sin "
            + val(1) + result();
    case Rule::AngleFromSideAndCircumradius:
        return std::string(m_words.lawOfSines)
            + fromSine(sym(0) + " / (2R) = " + val(0) + " / (2·" + val(1) + ")");
    case Rule::LawOfSines:
        return std::string(m_words.lawOfSines)
            + fromSine(sym(0) + "·sin " + sym(2) + " / " + sym(1) + " = " + val(0) + "·sin " + val(2) + " / "
                + val(1));
    case Rule::SideByLawOfSines:
        return std::string(m_words.lawOfSines) + found() + " = " + sym(0) + "·sin " + sym(1) + " / sin "
            + sym(2) + " = " + val(0) + "·sin " + val(1) + " / sin " + val(2) + result();
    case Rule::LawOfCosines:
        return std::string(m_words.lawOfCosines) + found() + "² = " + sym(0) + "² + " + sym(1) + "² − 2"
            + sym(0) + sym(1) + "·cos " + sym(2) + " = " + sq(0) + " + " + sq(1) + " − 2·" + val(0) + "·"
            + val(1) + "·cos " + val(2) + intermediate() + ", " + found() + result();
    case Rule::AreaFromTwoSidesAndAngle:
        return std::string(m_words.area) + "S = ½·" + sym(0) + "·" + sym(1) + "·sin " + sym(2) + " = ½·"
            + val(0) + "·" + val(1) + "·sin " + val(2) + result();
    case Rule::AreaFromSidesAndCircumradius:
        return std::string(m_words.area) + "S = abc / (4R) = " + val(0) + "·" + val(1) + "·" + val(2)
            + " / (4·" + val(3) + ")" + result();
    case Rule::CircumradiusFromSidesAndArea:
        return std::string(m_words.circumradius) + "R = abc / (4S) = " + val(0) + "·" + val(1) + "·" + val(2)
            + " / (4·" + val(3) + ")" + result();
    case Rule::AreaFromAnglesAndSide:
        return std::string(m_words.area) + "S = " + sym(0) + "²·sin " + sym(1) + "·sin " + sym(2)
            + " / (2·sin " + sym(3) + ") = " + sq(0) + "·sin " + val(1) + "·sin " + val(2) + " / (2·sin "
            + val(3) + ")" + result();
    case Rule::CircumradiusFromAnglesAndArea:
        return std::string(m_words.circumradius) + "R = √(S / (2·sin α·sin β·sin γ)) = √(" + val(0)
            + " / (2·sin " + val(1) + "·sin " + val(2) + "·sin " + val(3) + "))" + result();
    case Rule::AreaFromAnglesAndCircumradius:
        return std::string(m_words.area) + "S = 2R²·sin α·sin β·sin γ = 2·" + sq(0) + "·sin " + val(1)
            + "·sin " + val(2) + "·sin " + val(3) + result();
    case Rule::AngleFromArea:
        return filled(m_words.fromArea, {"S = ½·" + sym(1) + "·" + sym(2) + "·sin " + found()})
            + fromSine("2S / (" + sym(1) + sym(2) + ") = 2·" + val(0) + " / (" + val(1) + "·" + val(2) + ")");
    case Rule::SideFromArea:
        return filled(m_words.fromArea, {"S = ½·" + found() + "·" + sym(1) + "·sin " + sym(2)}) + found()
            + " = 2S / (" + sym(1) + "·sin " + sym(2) + ") = 2·" + val(0) + " / (" + val(1) + "·sin " + val(2)
            + ")" + result();
    case Rule::SidesFromAreaAndAngle: return sidesFromArea();
    case Rule::Perimeter:
        return std::string(m_words.perimeter) + "P = a + b + c = " + val(0) + " + " + val(1) + " + " + val(2)
            + result();
    case Rule::AngleFromThreeSides:
        return std::string(m_words.lawOfCosines) + "cos " + found() + " = (" + sym(1) + "² + " + sym(2)
            + "² − " + sym(0) + "²) / (2" + sym(1) + sym(2) + ") = (" + sq(1) + " + " + sq(2) + " − " + sq(0)
            + ") / (2·" + val(1) + "·" + val(2) + ")" + intermediate() + " ⇒ " + clause(m_step.value);
    case Rule::Height:
        return filled(m_words.heightTo, {sym(1)}) + found() + " = 2S / " + sym(1) + " = 2·" + val(0) + " / "
            + val(1) + result();
    case Rule::Median:
        return filled(m_words.medianTo, {sym(2)}) + found() + " = ½·√(2" + sym(0) + "² + 2" + sym(1) + "² − "
            + sym(2) + "²) = ½·√(2·" + sq(0) + " + 2·" + sq(1) + " − " + sq(2) + ")" + result();
    case Rule::Bisector:
        return filled(m_words.bisectorOf, {sym(2)}) + found() + " = 2" + sym(0) + sym(1) + "·cos(" + sym(2)
            + "/2) / (" + sym(0) + " + " + sym(1) + ") = 2·" + val(0) + "·" + val(1) + "·cos(" + val(2)
            + "/2) / (" + val(0) + " + " + val(1) + ")" + result();
    case Rule::Inradius:
        // The semiperimeter is introduced before it is used.
        return std::string(m_words.inradius) + "p = P / 2" + intermediate() + ", r = S / p = " + val(0)
            + " / " + intermediateValue().text + result();
    case Rule::SideFromMedians:
    case Rule::AreaFromHeights:
    case Rule::SideFromHeight:
    case Rule::SideFromOwnMedian:
    case Rule::SideFromMedianToOther:
    case Rule::AngleFromHeight:
    case Rule::AngleFromBisector:
    case Rule::AreaFromSideAndHeight:
    case Rule::SideFromHeightAndAngle:
    case Rule::SideFromHeightAndMedian:
    case Rule::SideFromInradius:
    case Rule::AreaFromInradius:
    case Rule::SideFromAreaAndPerimeter:
    case Rule::PerimeterFromInradius:
    case Rule::CircumradiusFromAngles:
    case Rule::Numerical: return elementRuleText();
    case Rule::Heron: {
        const std::string p = intermediateValue().text;
        return std::string(m_words.heron) + "p = (a + b + c) / 2" + intermediate()
            + ", S = √(p(p − a)(p − b)(p − c)) = √(" + p + "·(" + p + " − " + val(0) + ")·(" + p + " − "
            + val(1) + ")·(" + p + " − " + val(2) + "))" + result();
    }
    }
    return {};
}

// The steps from heights, medians, angle bisectors, r and P.
std::string Writer::elementRuleText() const
{
    const ElementStepWords &w = elementWords();
    const std::string onTheWay = intermediateValue().text;
    const std::string tg = std::string(w.tangent);
    switch (m_step.rule) {
    case Rule::SideFromMedians:
        return std::string(w.medians) + found() + " = ⅔·√(2" + sym(1) + "² + 2" + sym(2) + "² − " + sym(0)
            + "²) = ⅔·√(2·" + sq(1) + " + 2·" + sq(2) + " − " + sq(0) + ")" + result();
    case Rule::AreaFromHeights:
        return std::string(w.heights) + "H = (1/h_a + 1/h_b + 1/h_c) / 2 = (1/" + val(0) + " + 1/" + val(1)
            + " + 1/" + val(2) + ") / 2" + intermediate()
            + ", S = 1 / (4·√(H(H − 1/h_a)(H − 1/h_b)(H − 1/h_c))) = 1 / (4·√(" + onTheWay + "·(" + onTheWay
            + " − 1/" + val(0) + ")·(" + onTheWay + " − 1/" + val(1) + ")·(" + onTheWay + " − 1/" + val(2)
            + ")))" + result();
    case Rule::SideFromHeight:
        return filled(m_words.fromArea, {"S = ½·" + found() + "·" + sym(1)}) + found() + " = 2S / " + sym(1)
            + " = 2·" + val(0) + " / " + val(1) + result();
    case Rule::SideFromOwnMedian:
        return filled(w.medianFormula,
                   {sym(2) + " = ½·√(2" + sym(0) + "² + 2" + sym(1) + "² − " + found() + "²)"})
            + found() + "² = 2" + sym(0) + "² + 2" + sym(1) + "² − 4" + sym(2) + "² = 2·" + sq(0) + " + 2·"
            + sq(1) + " − 4·" + sq(2) + intermediate() + ", " + found() + result();
    case Rule::SideFromMedianToOther: {
        // The two sides under the root alphabetically, as the formula is learnt.
        const bool foundFirst = m_step.quantity < m_step.operands.at(2).quantity;
        const std::string pair
            = foundFirst ? "2" + found() + "² + 2" + sym(2) + "²" : "2" + sym(2) + "² + 2" + found() + "²";
        return filled(w.medianFormula, {sym(0) + " = ½·√(" + pair + " − " + sym(1) + "²)"}) + found()
            + "² = 2" + sym(0) + "² + " + sym(1) + "²/2 − " + sym(2) + "² = 2·" + sq(0) + " + " + sq(1)
            + "/2 − " + sq(2) + intermediate() + ", " + found() + result();
    }
    case Rule::AngleFromHeight:
        return filled(w.rightTriangle, {sym(1), sym(0)})
            + fromSine(sym(0) + " / " + sym(1) + " = " + val(0) + " / " + val(1));
    case Rule::AngleFromBisector:
        return filled(w.bisectorFormula,
                   {sym(0) + " = 2" + sym(1) + sym(2) + "·cos(" + found() + "/2) / (" + sym(1) + " + "
                       + sym(2) + ")"})
            + "cos(" + found() + "/2) = " + sym(0) + "·(" + sym(1) + " + " + sym(2) + ") / (2" + sym(1)
            + sym(2) + ") = " + val(0) + "·(" + val(1) + " + " + val(2) + ") / (2·" + val(1) + "·" + val(2)
            + ")" + intermediate() + " ⇒ " + clause(m_step.value);
    case Rule::AreaFromSideAndHeight:
        return std::string(m_words.area) + "S = ½·" + sym(0) + "·" + sym(1) + " = ½·" + val(0) + "·" + val(1)
            + result();
    case Rule::SideFromHeightAndAngle:
        return filled(w.rightTriangle, {found(), sym(0)}) + found() + " = " + sym(0) + " / sin " + sym(1)
            + " = " + val(0) + " / sin " + val(1) + result();
    case Rule::SideFromHeightAndMedian:
        return filled(w.feet, {sym(0)}) + "d = √(" + sym(2) + "² − " + sym(1) + "²) = √(" + sq(2) + " − "
            + sq(1) + ")" + intermediate() + std::string(w.longerSide) + found() + " = √((" + sym(0)
            + "/2 + d)² + " + sym(1) + "²) = √((" + val(0) + "/2 + " + onTheWay + ")² + " + sq(1) + ")"
            + result();
    case Rule::SideFromInradius: {
        const Vertex v = vertexOf(m_step.operands.at(0).quantity);
        return filled(w.tangents, {tagOf(angleAt(v)), found(), sym(0)}) + "p = P / 2" + intermediate() + ", "
            + found() + " = p − r / " + tg + "(" + sym(0) + "/2) = " + onTheWay + " − " + val(2) + " / " + tg
            + "(" + val(0) + "/2)" + result();
    }
    case Rule::AreaFromInradius:
        return std::string(w.areaByInradius) + "p = P / 2" + intermediate() + ", S = p·r = " + onTheWay + "·"
            + val(0) + result();
    case Rule::SideFromAreaAndPerimeter: {
        const std::string side = found();
        const Vertex v = vertexOf(m_step.quantity);
        const Vertex x = firstOtherThan(v);
        const std::string pair = symbolOf(sideOpposite(x)) + symbolOf(sideOpposite(otherVertex(v, x)));
        return std::string(w.areaAndPerimeter) + pair + " = 2S / sin " + sym(2) + " = 2·" + val(0) + " / sin "
            + val(2) + intermediate() + ", " + side + " = (P² − 2" + pair + "·(1 + cos " + sym(2)
            + ")) / (2P) = (" + sq(1) + " − 2·" + onTheWay + "·(1 + cos " + val(2) + ")) / (2·" + val(1) + ")"
            + result();
    }
    case Rule::PerimeterFromInradius: {
        const Vertex v = vertexOf(m_step.operands.at(2).quantity);
        return filled(w.tangents, {tagOf(angleAt(v)), sym(0), sym(2)}) + "p = " + sym(0) + " + r / " + tg
            + "(" + sym(2) + "/2) = " + val(0) + " + " + val(1) + " / " + tg + "(" + val(2) + "/2)"
            + intermediate() + ", P = 2p" + result();
    }
    case Rule::CircumradiusFromAngles: return std::string(m_words.lawOfSines) + circumradiusFromAngles();
    case Rule::Numerical: return numerical();
    default: return {};
    }
}

// R from the three angles and one length, each written with the law of
// sines: "h_a = b·sin γ = 2R·sin β·sin γ ⇒ R = h_a / (2·sin β·sin γ) = …".
std::string Writer::circumradiusFromAngles() const
{
    const Quantity element = m_step.operands.at(0).quantity;
    const auto own = vertexOfElement(element);
    const Vertex x = own.value_or(Vertex::A);
    const Vertex y = firstOtherThan(x);
    const Vertex z = otherVertex(x, y);
    // The angles' operands, wherever renaming put them.
    const auto angle = [this](Vertex v) { return operandIndex(m_step, angleAt(v)); };
    const std::string ax = sym(angle(x));
    const std::string ay = sym(angle(y));
    const std::string az = sym(angle(z));
    const std::string vx = val(angle(x));
    const std::string vy = val(angle(y));
    const std::string vz = val(angle(z));
    const std::string e = sym(0);
    const std::string sideX = symbolOf(sideOpposite(x));
    const std::string sideY = symbolOf(sideOpposite(y));
    const std::string sideZ = symbolOf(sideOpposite(z));
    // P and r have no vertex: α, β, γ in their order.
    const std::string va = val(angle(Vertex::A));
    const std::string vb = val(angle(Vertex::B));
    const std::string vc = val(angle(Vertex::C));
    if (element == Quantity::P)
        return "P = 2R·(sin α + sin β + sin γ) ⇒ R = P / (2·(sin α + sin β + sin γ)) = " + val(0)
            + " / (2·(sin " + va + " + sin " + vb + " + sin " + vc + "))" + result();
    if (element == Quantity::r)
        return "r = 4R·sin(α/2)·sin(β/2)·sin(γ/2) ⇒ R = r / (4·sin(α/2)·sin(β/2)·sin(γ/2)) = " + val(0)
            + " / (4·sin(" + va + "/2)·sin(" + vb + "/2)·sin(" + vc + "/2))" + result();
    const ElementKind kind = kindOf(element);
    if (kind == ElementKind::Height)
        return e + " = " + sideY + "·sin " + az + " = 2R·sin " + ay + "·sin " + az + " ⇒ R = " + e
            + " / (2·sin " + ay + "·sin " + az + ") = " + val(0) + " / (2·sin " + vy + "·sin " + vz + ")"
            + result();
    if (kind == ElementKind::Median)
        return e + " = ½·√(2" + sideY + "² + 2" + sideZ + "² − " + sideX + "²) = R·√(2sin²" + ay + " + 2sin²"
            + az + " − sin²" + ax + ") ⇒ R = " + e + " / √(2sin²" + ay + " + 2sin²" + az + " − sin²" + ax
            + ") = " + val(0) + " / √(2·sin²" + vy + " + 2·sin²" + vz + " − sin²" + vx + ")" + result();
    return e + " = 2" + sideY + sideZ + "·cos(" + ax + "/2) / (" + sideY + " + " + sideZ + ") = 4R·sin " + ay
        + "·sin " + az + "·cos(" + ax + "/2) / (sin " + ay + " + sin " + az + ") ⇒ R = " + e + "·(sin " + ay
        + " + sin " + az + ") / (4·sin " + ay + "·sin " + az + "·cos(" + ax + "/2)) = " + val(0) + "·(sin "
        + vy + " + sin " + vz + ") / (4·sin " + vy + "·sin " + vz + "·cos(" + vx + "/2))" + result();
}

// One given element as an equation in the sides: "½·√(2b² + 2c² − a²) = 5".
std::string Writer::equationOf(std::size_t i) const
{
    const Quantity q = m_step.operands.at(i).quantity;
    const auto vertex = vertexOfElement(q);
    std::string own;
    std::string y;
    std::string z;
    if (vertex) {
        const Vertex first = firstOtherThan(*vertex);
        own = symbolOf(sideOpposite(*vertex));
        y = symbolOf(sideOpposite(first));
        z = symbolOf(sideOpposite(otherVertex(*vertex, first)));
    }
    std::string sides;
    if (isAngle(q))
        return "(" + y + "² + " + z + "² − " + own + "²) / (2" + y + z + ") = cos " + val(i);
    const ElementKind kind = kindOf(q);
    if (kind == ElementKind::Side)
        sides = own;
    else if (kind == ElementKind::Height)
        sides = "2S / " + own;
    else if (kind == ElementKind::Median)
        sides = "½·√(2" + y + "² + 2" + z + "² − " + own + "²)";
    else if (kind == ElementKind::Bisector)
        sides = "√(" + y + z + "·(" + y + " + " + z + " + " + own + ")(" + y + " + " + z + " − " + own
            + ")) / (" + y + " + " + z + ")";
    else if (q == Quantity::S)
        sides = "S";
    else if (q == Quantity::R)
        sides = "abc / (4S)";
    else if (q == Quantity::P)
        sides = "a + b + c";
    else
        sides = "S / p";
    return sides + " = " + val(i);
}

// The first side with the equations solved, the others after it.
std::string Writer::numerical() const
{
    if (m_step.quantity != Quantity::a)
        return std::string(elementWords().numericalAgain) + found() + result();
    std::string equations;
    for (std::size_t i = 0; i < m_step.operandCount; ++i)
        equations += (i == 0 ? "" : ", ") + equationOf(i);
    // S and p are named only where an equation has them: a height's 2S / a,
    // S itself, R = abc / (4S) and r = S / p.
    const bool heron = std::any_of(
        m_step.operands.begin(), m_step.operands.begin() + m_step.operandCount, [](const auto &operand) {
            const Quantity q = operand.quantity;
            return q == Quantity::S || q == Quantity::R || q == Quantity::r
                || kindOf(q) == ElementKind::Height;
        });
    return filled(elementWords().numerical, {equations, heron ? elementWords().heronWhere : ""}) + found()
        + result();
}

std::string verdictText(Verdict verdict, const SolutionWords &words)
{
    const auto because
        = [&words](std::string_view reason) { return std::string(words.noTriangle) + std::string(reason); };
    switch (verdict) {
    case Verdict::RealTriangle: return {};
    case Verdict::AnglesFillTheSum: return because(words.anglesFillTheSum);
    case Verdict::AnglesExceedTheSum: return because(words.anglesLeaveNoRoom);
    case Verdict::SineAboveOne: return because(words.lawOfSinesSineAboveOne);
    case Verdict::SineFromAreaAboveOne: return because(words.areaSineAboveOne);
    case Verdict::NoSidesForArea: return because(words.areaTooLargeForSides);
    case Verdict::SizeNotPositive: return because(words.sizeNotPositive);
    case Verdict::LawOfSinesFails: return because(words.lawOfSinesFails);
    case Verdict::AreaDoesNotMatch: return because(words.areaDoesNotMatch);
    }
    return because({});
}

// An angle in degrees and whole minutes, as textbooks write it: "38°13′";
// empty where that says no more than the degrees do (60°) or where the
// angle is none (data that make no triangle).
std::string inDegreesAndMinutes(Real::Value degrees)
{
    const auto minutes = static_cast<long long>(std::nearbyint(degrees * 60));
    if (degrees <= 0 || minutes % 60 == 0)
        return {};
    return std::to_string(minutes / 60) + "°" + std::to_string(minutes % 60) + "′";
}

// "S = 10√3 ≈ 17,3205", "α ≈ 38,2132° (≈ 38°13′; cos α = 11/14)".
std::string valueText(const Triangle &record, Quantity q, const GivenTexts &given, const NumberFormat &format,
    const ExactForms *exact)
{
    const std::string typed = typedText(given, q);
    if (!typed.empty())
        return symbolOf(q) + " = " + typed + unitOf(q);
    const Real::Value value = fieldValue(record, q).value();
    const StepForms forms {nullptr, nullptr, exact};
    const ExactForm *form = forms.valueOf(q);
    std::string text = symbolOf(q);
    if (form != nullptr && !isWhole(*form))
        text += " = " + form->school;
    text += equalsOrAbout(value, format) + unitOf(q);
    if (!isAngle(q))
        return text;
    std::vector<std::string> notes;
    if (const std::string minutes = inDegreesAndMinutes(value); !minutes.empty())
        notes.push_back("≈ " + minutes);
    if (exact != nullptr && exact->cosines.at(static_cast<std::size_t>(q)))
        notes.push_back(
            "cos " + symbolOf(q) + " = " + exact->cosines.at(static_cast<std::size_t>(q))->school);
    for (std::size_t i = 0; i < notes.size(); ++i)
        text += (i == 0 ? " (" : "; ") + notes[i] + (i + 1 == notes.size() ? ")" : "");
    return text;
}

// The given quantities in field order: the combination's, or the elements'.
std::vector<Quantity> givenElementsOf(const Solution &solution)
{
    if (!solution.givenElements.empty())
        return solution.givenElements;
    std::vector<Quantity> given;
    for (const Quantity q : kAllQuantities) {
        if (q != Quantity::P && isGiven(solution.combination, q))
            given.push_back(q);
    }
    return given;
}

} // namespace

GivenTexts givenTextsOf(int combination, const std::array<std::string, 3> &texts)
{
    GivenTexts given;
    std::size_t next = 0;
    for (int position = 0; position < kQuantityCount && next < texts.size(); ++position) {
        if (isGiven(combination, quantityAt(position)))
            given.at(static_cast<std::size_t>(position)) = texts.at(next++);
    }
    return given;
}

std::string symbolOf(Quantity q)
{
    switch (q) {
    case Quantity::A: return "α";
    case Quantity::B: return "β";
    case Quantity::C: return "γ";
    default: return std::string(tagOf(q));
    }
}

std::string withSignsKeptToTheirValues(std::string text)
{
    constexpr std::string_view kNoBreakSpace = "\u00A0";
    for (const std::string_view sign : {"=", "≈"}) {
        const std::string spaced = " " + std::string(sign) + " ";
        const std::string kept = std::string(kNoBreakSpace) + std::string(sign) + std::string(kNoBreakSpace);
        for (auto at = text.find(spaced); at != std::string::npos; at = text.find(spaced, at + kept.size()))
            text.replace(at, spaced.size(), kept);
    }
    return text;
}

const ExactForm *StepForms::valueOf(Quantity q) const
{
    if (all == nullptr)
        return nullptr;
    const auto &form = all->values.at(static_cast<std::size_t>(q));
    return form ? &*form : nullptr;
}

StepForms stepForms(const ExactForms *forms, std::size_t index)
{
    if (forms == nullptr || index >= forms->results.size())
        return {};
    const auto &result = forms->results[index];
    const auto &intermediate = forms->intermediates[index];
    return {result ? &*result : nullptr, intermediate ? &*intermediate : nullptr, forms};
}

std::string stepText(const Step &step, const GivenTexts &given, const NumberFormat &format,
    const Language &language, StepForms exact)
{
    return Writer(step, given, format, language.solution, exact).text();
}

SolutionText workedSolution(const Solution &solution, const GivenTexts &given, const NumberFormat &format,
    const Language &language, const ExactForms *exact)
{
    const SolutionWords &words = language.solution;
    SolutionText text;
    const std::vector<Quantity> givenElements = givenElementsOf(solution);
    const auto isGivenElement = [&](Quantity q) {
        return std::find(givenElements.begin(), givenElements.end(), q) != givenElements.end();
    };
    std::string givenList;
    for (const Quantity q : givenElements) {
        const bool half = q == Quantity::P && solution.semiperimeterGiven;
        givenList += (givenList.empty() ? "" : ", ") + (half ? std::string("p") : symbolOf(q)) + " = "
            + typedText(given, q) + unitOf(q);
    }
    text.given = std::string(words.given) + givenList + ".";
    std::string soughtList;
    for (const Quantity q : kAllQuantities) {
        if (!isGivenElement(q))
            soughtList += (soughtList.empty() ? "" : ", ") + symbolOf(q);
    }
    text.sought = std::string(words.sought) + soughtList + ".";
    text.heading = words.heading;
    // A typed semiperimeter is not the perimeter the steps use.
    GivenTexts typedInSteps = given;
    if (solution.semiperimeterGiven)
        typedInSteps.at(static_cast<std::size_t>(Quantity::P)).clear();
    for (const Step &step : solution.steps) {
        const StepForms forms = stepForms(exact, text.steps.size());
        text.steps.push_back(std::to_string(text.steps.size() + 1) + ". "
            + stepText(step, typedInSteps, format, language, forms) + ".");
    }
    std::string answer;
    for (const Quantity q : kAllQuantities)
        answer += (answer.empty() ? "" : ", ") + valueText(solution.record, q, typedInSteps, format, exact);
    text.answer = std::string(words.answer) + answer + ".";
    text.verdict = verdictText(solution.verdict, words);
    return text;
}

MoreText moreElementsText(const Triangle &record, const NumberFormat &format, const Language &language,
    const ExactForms *exact, std::size_t firstStep)
{
    const SolutionWords &words = language.solution;
    Journal steps;
    const MoreElements more = moreElementsOf(record, &steps);
    MoreText text;
    const GivenTexts none;
    for (const Step &step : steps) {
        const StepForms forms = stepForms(exact, firstStep + text.steps.size());
        text.steps.push_back(std::to_string(text.steps.size() + 1) + ". "
            + stepText(step, none, format, language, forms) + ".");
    }
    std::string uncomputed;
    for (std::size_t i = 0; i < more.values.size(); ++i) {
        if (std::holds_alternative<FaultKind>(more.values.at(i)))
            uncomputed += (uncomputed.empty() ? "" : ", ") + symbolOf(kMoreElements.at(i));
    }
    if (!uncomputed.empty())
        text.outOfRange = filled(words.outOfRange, {uncomputed});
    text.kind = filled(words.kind,
        {words.byAngles.at(static_cast<std::size_t>(more.angles)),
            words.bySides.at(static_cast<std::size_t>(more.sides))});
    text.heading = words.more;
    return text;
}

std::string plainText(const MoreText &text)
{
    std::string plain = text.heading + "\n";
    for (const std::string &step : text.steps)
        plain += step + "\n";
    if (!text.outOfRange.empty())
        plain += text.outOfRange + "\n";
    return plain + text.kind + "\n";
}

std::string plainText(const SolutionText &text)
{
    std::string plain = text.given + "\n" + text.sought + "\n" + text.heading + "\n";
    for (const std::string &step : text.steps)
        plain += step + "\n";
    plain += text.answer + "\n";
    if (!text.verdict.empty())
        plain += text.verdict + "\n";
    return plain;
}

std::string solutionDocument(const Solution &solution, const GivenTexts &given, const NumberFormat &format,
    const Language &language, const ExactForms *exact)
{
    std::string text = plainText(workedSolution(solution, given, format, language, exact));
    if (solution.verdict == Verdict::RealTriangle)
        text += "\n"
            + plainText(moreElementsText(solution.record, format, language, exact, solution.steps.size()));
    return text;
}

} // namespace triangle::wording
