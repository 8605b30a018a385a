// SPDX-License-Identifier: GPL-3.0-or-later
// The steps from heights, medians, angle bisectors, r and P, and the
// numerical step where no formula gives a side.
#include "wording/step_writer.h"

#include <algorithm>

namespace triangle::wording {

// The steps from heights, medians, angle bisectors, r and P.
std::string StepWriter::elementRuleText() const
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
    case Rule::AreaFromMedians:
        return std::string(w.medianTriangle) + "q = (m_a + m_b + m_c) / 2" + intermediate()
            + ", S = 4/3·√(q(q − m_a)(q − m_b)(q − m_c)) = 4/3·√(" + onTheWay + "·(" + onTheWay + " − "
            + val(0) + ")·(" + onTheWay + " − " + val(1) + ")·(" + onTheWay + " − " + val(2) + "))"
            + result();
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
    case Rule::SideFromHeightFeet: return heightFeet();
    case Rule::SideFromInradius: {
        const Vertex v = vertexOf(m_step.operands.at(0).quantity);
        return filled(w.tangents, {tagOf(angleAt(v)), found(), sym(0)}) + semiperimeter() + ", " + found()
            + " = p − r / " + tg + "(" + sym(0) + "/2) = " + onTheWay + " − " + val(2) + " / " + tg + "("
            + val(0) + "/2)" + result();
    }
    case Rule::AreaFromInradius:
        return std::string(w.areaByInradius) + semiperimeter() + ", S = p·r = " + onTheWay + "·" + val(0)
            + result();
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
std::string StepWriter::circumradiusFromAngles() const
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
std::string StepWriter::equationOf(std::size_t i) const
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

// "x = √(b² − h_c²) = 9, y = √(a² − h_c²) = 5, c = x + y = 14 или
// c = |x − y| = 4": the distances of the height's foot from the side's ends.
std::string StepWriter::heightFeet() const
{
    const long double h = m_step.operands.at(2).value;
    const long double x = m_step.intermediate;
    const long double y
        = std::sqrt(std::max(m_step.operands.at(0).value * m_step.operands.at(0).value - h * h, 0.0L));
    const bool sumTaken = std::fabs(m_step.value - (x + y)) <= std::fabs(m_step.value - std::fabs(x - y));
    const auto value = [&](bool sum, long double at) {
        const std::string formula = found() + (sum ? " = x + y" : " = |x − y|");
        return formula + (at == m_step.value ? exactly(at, m_exact.result) : equalsOrAbout(at, m_format));
    };
    std::string text = filled(elementWords().heightFeet, {sym(2), found()}) + "x = √(" + sym(1) + "² − "
        + sym(2) + "²) = √(" + sq(1) + " − " + sq(2) + ")" + intermediate() + ", y = √(" + sym(0) + "² − "
        + sym(2) + "²) = √(" + sq(0) + " − " + sq(2) + ")" + equalsOrAbout(y, m_format) + ", ";
    if (m_step.choice == Choice::Only)
        return text + value(sumTaken, m_step.value);
    return text + value(true, sumTaken ? m_step.value : m_step.alternative) + orWord()
        + value(false, sumTaken ? m_step.alternative : m_step.value) + branchTaken();
}

// The first side with the equations solved, the others after it.
std::string StepWriter::numerical() const
{
    // The equations stand in the first side solved for; a given one is not.
    const auto first = std::find_if(kVertices.begin(), kVertices.end(),
        [&](Vertex v) { return typedText(m_given, sideOpposite(v)).empty(); });
    if (first != kVertices.end() && m_step.quantity != sideOpposite(*first))
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

} // namespace triangle::wording
