// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of the list's rules: sines, cosines, areas and the angle sum.
#include "wording/step_writer.h"

#include <cmath>
#include <limits>
#include <string>

#include "wording/text_echo.h"

namespace triangle::wording {

// Whole means within the arithmetic's own rounding of a ten-thousandth: a
// tolerance in proportion to the value would call every large value whole
// (S ≈ 173205,0808 is not).
std::string equalsOrAbout(Real::Value value, const NumberFormat &format)
{
    const Real::Value scaled = value * 1e4L;
    const Real::Value rounding = 64 * std::numeric_limits<Real::Value>::epsilon() * std::fabs(scaled);
    const bool whole = std::fabs(scaled - std::nearbyint(scaled)) <= std::fmax(1e-11L, rounding);
    return whole ? " = " + decimalText(value, format) : " ≈ " + roundedText(value, format);
}

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

bool isOneRoot(std::string_view form)
{
    constexpr std::string_view kRoot = "√(";
    if (!form.starts_with(kRoot) || !form.ends_with(')'))
        return false;
    // The root's bracket closes at the end, not before: √(2)·√(3) is two.
    int depth = 0;
    for (std::size_t i = kRoot.size() - 1; i < form.size(); ++i) {
        depth += form[i] == '(' ? 1 : form[i] == ')' ? -1 : 0;
        if (depth == 0)
            return i + 1 == form.size();
    }
    return false;
}

std::string withBracketedDivisors(std::string text)
{
    constexpr std::string_view kDivide = "/ ";
    constexpr std::string_view kRoot = "√";
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (auto at = text.find(kDivide); at != std::string::npos; at = text.find(kDivide, at + 1)) {
        std::size_t end = at + kDivide.size();
        const std::size_t start = end;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        if (end == start || text.compare(end, kRoot.size(), kRoot) != 0)
            continue;
        end += kRoot.size();
        if (end < text.size() && text[end] == '(') {
            for (int depth = 0; end < text.size(); ++end) {
                depth += text[end] == '(' ? 1 : text[end] == ')' ? -1 : 0;
                if (depth == 0)
                    break;
            }
            // A bracket that never closes is a typed text's own ("11√("):
            // it stays as typed.
            if (end == text.size())
                continue;
            ++end;
        } else {
            while (end < text.size() && isDigit(text[end]))
                ++end;
        }
        text.insert(end, ")");
        text.insert(start, "(");
    }
    return text;
}

bool isTrigonometric(Rule rule)
{
    switch (rule) {
    case Rule::AngleFromSideAndCircumradius:
    case Rule::LawOfSines:
    case Rule::AngleFromArea:
    case Rule::AngleFromThreeSides:
    case Rule::AngleFromBisector: return true;
    default: return false;
    }
}

std::string unitOf(Quantity q) { return isAngle(q) ? "°" : ""; }

std::string typedText(const GivenTexts &given, Quantity q)
{
    return echo(given.at(static_cast<std::size_t>(q)));
}

namespace {

// Whether a step's text substitutes the value it found on the way into its
// formula, so that a student goes on with it as shown.
bool carriesIntermediate(Rule rule)
{
    switch (rule) {
    case Rule::Heron:
    case Rule::Inradius:
    case Rule::AreaFromHeights:
    case Rule::AreaFromMedians:
    case Rule::SideFromHeightAndMedian:
    case Rule::SideFromInradius:
    case Rule::AreaFromInradius:
    case Rule::SideFromAreaAndPerimeter:
    case Rule::SidesFromSumAndProduct:
    case Rule::PerimeterFromInradius: return true;
    default: return false;
    }
}

} // namespace

// "sin α = … ≈ 0,6186 ⇒ α ≈ 38,2132°", with the other angle of the same
// sine where the data may fit a second triangle.
std::string StepWriter::fromSine(const std::string &sineFormula) const
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
        if (shownAngle(m_step.value) > 90.0L)
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

std::string StepWriter::sidesFromArea() const
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
    // The side found with its exact form where it has one: later steps put
    // that form in.
    const std::string found
        = this->found() + exactly(shownValue(m_step.quantity, m_step.value), m_exact.result);
    if (m_step.choice == Choice::Only)
        return text + found;
    return text + found + orWord() + clause(m_step.alternative) + std::string(m_words.sidesSwapped)
        + branchTaken();
}

// b + c = P − a and bc = 2S / sin α: b and c are the roots of
// t² − (b + c)·t + bc = 0, t = ((b + c) ± √((b + c)² − 4bc)) / 2.
std::string StepWriter::sidesFromSumAndProduct() const
{
    const Vertex v = vertexOf(m_step.operands.at(3).quantity);
    const Vertex x = firstOtherThan(v);
    const std::string b = symbolOf(sideOpposite(x));
    const std::string c = symbolOf(sideOpposite(otherVertex(v, x)));
    const std::string perimeter = m_step.semiperimeterGiven ? "2p" : "P";
    const ExactForm *sumForm = m_exact.secondIntermediate;
    const std::string sum = secondIntermediateValue().text;
    const bool bare = sum.find_first_of(" /") == std::string::npos && sum.find("√") == std::string::npos;
    const std::string product = intermediateValue().text;
    const std::string text = std::string(m_words.fromPerimeterAndArea) + b + " + " + c + " = " + perimeter
        + " − " + sym(1) + " = " + val(0) + " − " + val(1) + exactly(m_step.secondIntermediate, sumForm)
        + ", " + b + c + " = 2S / sin " + sym(3) + " = 2·" + val(2) + " / sin " + val(3) + intermediate()
        + ", " + filled(m_words.rootsOf, {b, c}) + "t² − (" + b + " + " + c + ")·t + " + b + c
        + " = 0: t = ((" + b + " + " + c + ") ± √((" + b + " + " + c + ")² − 4" + b + c + ")) / 2 = (" + sum
        + " ± √(" + (bare ? sum : "(" + sum + ")") + "² − 4·" + product + ")) / 2, ";
    const std::string found = this->found() + exactly(m_step.value, m_exact.result);
    if (m_step.choice == Choice::Only)
        return text + found;
    return text + found + orWord() + clause(m_step.alternative) + std::string(m_words.sidesSwapped)
        + branchTaken();
}

// a² = b² + c² − 2bc·cos α solved for c: both roots, each with its exact
// form where it has one, and which one goes on or why the other goes.
std::string StepWriter::sideFromQuadratic() const
{
    const std::string a = sym(0);
    const std::string b = sym(1);
    const std::string alpha = sym(2);
    const std::string c = found();
    // The theorem as it is learnt, its sides alphabetically.
    const bool foundFirst = m_step.quantity < m_step.operands.at(1).quantity;
    const std::string x = foundFirst ? c : b;
    const std::string y = foundFirst ? b : c;
    const std::string text = std::string(m_words.lawOfCosines) + a + "² = " + x + "² + " + y + "² − 2" + x + y
        + "·cos " + alpha + ", " + std::string(m_words.whence) + " " + c + "² − 2" + b + "·cos " + alpha + "·"
        + c + " + " + b + "² − " + a + "² = 0 " + std::string(m_words.andWord) + " " + c + " = " + b + "·cos "
        + alpha + " ± √(" + a + "² − " + b + "²·sin² " + alpha + ") = " + val(1) + "·cos " + val(2) + " ± √("
        + sq(0) + " − " + sq(1) + "·sin² " + val(2) + "), ";
    const std::string taken = c + exactly(m_step.value, m_exact.result);
    if (m_step.choice == Choice::Only)
        return text + taken;
    const std::string other = c + exactly(m_step.alternative, m_exact.intermediate);
    if (!(shownDecimal(m_step.alternative, m_format).value > 0))
        return text + taken + filled(m_words.rootNotPositive, {other});
    if (m_step.choice == Choice::First)
        return text + taken + orWord() + other + branchTaken();
    return text + other + orWord() + taken + branchTaken();
}

// l_a = 2bc·cos(α/2) / (b + c). Where the angle has no exact degrees but the
// bisector an exact form, the half angle's cosine comes from the angle's
// own, cos(α/2) = √((1 + cos α) / 2), so that the form can be redone.
std::string StepWriter::bisector() const
{
    const std::string formula = filled(m_words.bisectorOf, {sym(2)}) + found() + " = 2" + sym(0) + sym(1)
        + "·cos(" + sym(2) + "/2) / (" + sym(0) + " + " + sym(1) + ")";
    const std::string sides = "2·" + val(0) + "·" + val(1) + "·";
    const std::string sum = " / (" + val(0) + " + " + val(1) + ")";
    const Quantity angle = m_step.operands.at(2).quantity;
    const ExactForm *cosine = m_exact.cosineOf(angle);
    if (m_exact.result == nullptr || m_exact.intermediate == nullptr || cosine == nullptr
        || m_exact.valueOf(angle) != nullptr)
        return formula + " = " + sides + "cos(" + val(2) + "/2)" + sum + result();
    // 1 + 11/14 and 1 − 1/7 as a student adds them; a sum in brackets.
    const std::string &c = cosine->school;
    const bool severalTerms = c.find(' ') != std::string::npos;
    const std::string onePlus = severalTerms ? "1 + (" + c + ")"
        : c.starts_with("−")                 ? "1 − " + c.substr(std::string_view("−").size())
                                             : "1 + " + c;
    const std::string half = "cos(" + sym(2) + "/2)";
    return formula + ", " + half + " = √((1 + cos " + sym(2) + ") / 2) = √((" + onePlus
        + ") / 2) = " + m_exact.intermediate->school + ", " + found() + " = " + sides + "("
        + m_exact.intermediate->school + ")" + sum + result();
}

// The third angle, or why there is none: "= 0°" where the others leave
// nothing to the data's sixteen digits, the value where it is below 0.
std::string StepWriter::angleSum() const
{
    const std::string text = std::string(m_words.angleSum) + found() + " = 180° − " + sym(0) + " − " + sym(1)
        + " = 180° − " + val(0) + " − " + val(1);
    switch (m_step.contradiction) {
    case Contradiction::ThirdAngleZero: return text + " = 0°" + std::string(m_words.zeroAngle);
    case Contradiction::ThirdAngleNegative: return text + result() + std::string(m_words.negativeAngle);
    default: return text + result();
    }
}

namespace {

// The text with its first letter small, Latin or Cyrillic: "По синусовата
// теорема" inside a sentence.
std::string withLowerFirst(std::string text)
{
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') {
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
        return text;
    }
    // А … Я are D0 90 … D0 AF in UTF-8; а … п are D0 B0 … D0 BF and р … я D1 80 … D1 8F.
    const auto lead = static_cast<unsigned char>(text.size() > 1 ? text[0] : 0);
    const auto next = static_cast<unsigned char>(text.size() > 1 ? text[1] : 0);
    if (lead == 0xD0 && next >= 0x90 && next <= 0x9F)
        text[1] = static_cast<char>(next + 0x20);
    else if (lead == 0xD0 && next >= 0xA0 && next <= 0xAF)
        text.replace(0, 2, {static_cast<char>(0xD1), static_cast<char>(next - 0x20)});
    return text;
}

} // namespace

// The value not taken, where it fits no triangle, and why: "; β ≈ 157,3345°
// отпада, защото α + β ≥ 180°" where the angles leave no third, else the
// step that shows it along that value ("; … отпада — по синусовата
// теорема: sin γ = … > 1: …"), after all that the step says of its own.
std::string StepWriter::alternativeFails() const
{
    const Step *end = m_step.alternativeEnd.get();
    if (end == nullptr || (m_step.choice == Choice::First && leavesNoRoom(m_step.alternative)))
        return {};
    if (end->rule == Rule::AngleSum
        && (end->contradiction == Contradiction::ThirdAngleNegative
            || end->contradiction == Contradiction::ThirdAngleZero)) {
        return filled(m_words.rejected,
            {clause(m_step.alternative),
                symbolOf(end->operands.at(0).quantity) + " + " + symbolOf(end->operands.at(1).quantity)});
    }
    const std::string text = StepWriter(*end, m_given, m_format, m_words, {}).text();
    return filled(m_words.alternativeFails, {clause(m_step.alternative), withLowerFirst(text)});
}

std::string StepWriter::text() const
{
    std::string text = withBracketedDivisors(ruleText());
    if (m_step.contradiction == Contradiction::SizeNotPositive)
        text += m_words.notPositive;
    if (!m_follows)
        text += m_words.unroundedValues;
    return text + alternativeFails();
}

ShownOperands StepWriter::shownOperands() const
{
    ShownOperands numbers;
    for (std::size_t i = 0; i < m_step.operandCount; ++i)
        numbers.values.at(i) = m_shown.at(i).value;
    if (carriesIntermediate(m_step.rule))
        numbers.intermediate = intermediateValue().value;
    numbers.secondIntermediate = secondIntermediateValue().value;
    return numbers;
}

std::string StepWriter::ruleText() const
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
    case Rule::SidesFromSumAndProduct: return sidesFromSumAndProduct();
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
    case Rule::Bisector: return bisector();
    case Rule::Inradius:
        // The semiperimeter is introduced before it is used.
        return std::string(m_words.inradius) + semiperimeter() + ", r = S / p = " + val(0) + " / "
            + intermediateValue().text + result();
    case Rule::SideFromMedians:
    case Rule::AreaFromHeights:
    case Rule::AreaFromMedians:
    case Rule::SideFromHeight:
    case Rule::SideFromOwnMedian:
    case Rule::SideFromMedianToOther:
    case Rule::AngleFromHeight:
    case Rule::AngleFromBisector:
    case Rule::AreaFromSideAndHeight:
    case Rule::SideFromHeightAndAngle:
    case Rule::SideFromHeightFeet:
    case Rule::SideFromHeightAndMedian:
    case Rule::SideFromInradius:
    case Rule::AreaFromInradius:
    case Rule::SideFromAreaAndPerimeter:
    case Rule::PerimeterFromInradius:
    case Rule::CircumradiusFromAngles:
    case Rule::Numerical: return elementRuleText();
    case Rule::SideFromQuadratic: return sideFromQuadratic();
    case Rule::Heron: {
        const std::string p = intermediateValue().text;
        // A given perimeter's half, rather than the sum of sides rounded.
        const bool perimeterGiven = !typedText(m_given, Quantity::P).empty() || m_step.semiperimeterGiven;
        return std::string(m_words.heron)
            + (perimeterGiven ? semiperimeter() : "p = (a + b + c) / 2" + intermediate())
            + ", S = √(p(p − a)(p − b)(p − c)) = √(" + p + "·(" + p + " − " + val(0) + ")·(" + p + " − "
            + val(1) + ")·(" + p + " − " + val(2) + "))" + result();
    }
    }
    return {};
}

} // namespace triangle::wording
