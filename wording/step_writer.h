// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "solver/numbers/real.h"
#include "wording/exact_decimals.h"
#include "wording/solution_text.h"
#include "wording/step_recomputation.h"

// How one step of the solver's journal is written: the formula with the
// values put in, the value found, and the words around it. Used by the
// worked solution and «Още елементи» alone; the rest of the program asks
// solution_text.h.
namespace triangle::wording {

// "=" where four decimals show the value whole, "≈" where they round it,
// then the value: " = 7", " ≈ 6,2450".
std::string equalsOrAbout(Real::Value value, const NumberFormat &format);

// An exact form that four decimals show just as well: 7, or 2001/1000
// (2,001).
bool isWhole(const ExactForm &form);

// Whether a form is one square root of a bracket: √(89 − 40√2).
bool isOneRoot(std::string_view form);

// "2·72 / (4√13)": a divisor that is a number times a root in brackets,
// where "2·72 / 4√13" would read as (2·72 / 4)·√13.
std::string withBracketedDivisors(std::string text);

// Whether the value a step finds on the way is a sine or a cosine worked
// out from a formula (not h_c / b, which is its fraction already).
bool isTrigonometric(Rule rule);

// "°" after an angle, nothing after a length.
std::string unitOf(Quantity q);

// The typed text of a given quantity, echoed so that no byte of it can act
// on a terminal and a long one is cut (the value used is in the answer);
// empty where it was not given.
std::string typedText(const GivenTexts &given, Quantity q);

class StepWriter {
public:
    StepWriter(const Step &step, const GivenTexts &given, const NumberFormat &format,
        const SolutionWords &words, StepForms exact)
        : m_step(step), m_given(given), m_format(format), m_words(words), m_exact(exact)
    {
        // Each operand is written once, whatever number of times the formula shows it.
        for (std::size_t i = 0; i < m_step.operandCount; ++i)
            m_shown.at(i) = shown(i);
        // Where four decimals are too few to redo the line, the values found
        // earlier go in with eight significant digits, if those are enough.
        m_follows = followsFromShownNumbers(m_step, shownOperands());
        if (!m_follows && substitutesEveryOperand()) {
            const auto fourDecimals = m_shown;
            for (std::size_t i = 0; i < m_step.operandCount; ++i)
                m_shown.at(i) = shown(i, true);
            m_follows = followsFromShownNumbers(m_step, shownOperands());
            if (!m_follows)
                m_shown = fourDecimals;
        }
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
    // Whether the line writes each of its operands' values: r from S and p,
    // the sides from the area, a numerical solution do not.
    bool substitutesEveryOperand() const
    {
        const Rule rule = m_step.rule;
        return rule != Rule::Inradius && rule != Rule::SidesFromAreaAndAngle && rule != Rule::Numerical;
    }
    // The operand as the step shows it and the value a student reads there:
    // as typed where it was given; a value found earlier exactly where it has
    // an exact form that says more than its decimal (√39 rather than 6,245),
    // else as a four-decimal result, or with `precise` eight digits.
    ShownDecimal shown(std::size_t i, bool precise = false) const
    {
        const Operand &operand = m_step.operands.at(i);
        const Real::Value value = shownValue(operand.quantity, operand.value);
        if (std::string typed = typedText(m_given, operand.quantity); !typed.empty())
            return {std::move(typed), value};
        const ExactForm *form = m_exact.valueOf(operand.quantity);
        if (form != nullptr && !isAngle(operand.quantity) && !isWhole(*form))
            return {formInFormula(*form), value};
        return precise ? preciseDecimal(value, m_format) : shownDecimal(value, m_format);
    }
    // A form inside a formula: a decimal as one, else as inFormula() writes it.
    std::string formInFormula(const ExactForm &form) const
    {
        return decimalOf(&form).value_or(inFormula(form));
    }
    // A form that is a decimal of more than four places, written as one.
    std::optional<std::string> decimalOf(const ExactForm *form) const
    {
        return form == nullptr ? std::nullopt : asDecimal(*form, m_format.decimalSeparator.front());
    }
    // A form inside a formula: in brackets where it is a sum or a fraction,
    // bare where it is one root already in its own (√(89 − 40√2)).
    static std::string inFormula(const ExactForm &form)
    {
        const bool bare = form.school.find_first_of(" /") == std::string::npos || isOneRoot(form.school);
        return bare ? form.school : "(" + form.school + ")";
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
        // A sum of typed decimals, exact as a decimal (exact_decimals.h).
        if (m_step.rule == Rule::AngleSum || m_step.rule == Rule::Perimeter) {
            if (const std::string exact = typedText(m_given, m_step.quantity); !exact.empty())
                return " = " + exact + unitOf(m_step.quantity);
        }
        return exactly(shownValue(m_step.quantity, m_step.value), m_exact.result) + unitOf(m_step.quantity);
    }
    // The value found on the way, inside a formula.
    ShownDecimal intermediateValue() const
    {
        if (auto half = givenHalfPerimeter())
            return {std::move(*half), m_step.intermediate};
        if (m_exact.intermediate == nullptr || isWhole(*m_exact.intermediate))
            return shownDecimal(m_step.intermediate, m_format);
        return {formInFormula(*m_exact.intermediate), m_step.intermediate};
    }
    // p of a typed perimeter, half its digits exactly, where the step
    // finds p on the way.
    std::optional<std::string> givenHalfPerimeter() const
    {
        if (!findsSemiperimeter(m_step.rule))
            return std::nullopt;
        const std::string typed = typedText(m_given, Quantity::P);
        return typed.empty() ? std::nullopt : halfOf(typed, m_format.decimalSeparator.front());
    }
    // The second value found on the way, as the formula goes on with it:
    // its form unbracketed, else its decimal.
    ShownDecimal secondIntermediateValue() const
    {
        const ExactForm *form = m_exact.secondIntermediate;
        if (form == nullptr || isWhole(*form))
            return shownDecimal(m_step.secondIntermediate, m_format);
        return {decimalOf(form).value_or(form->school), m_step.secondIntermediate};
    }
    // What the step found on the way, exactly too where it can be.
    // A sine or a cosine that is a fraction is written as one, then as a
    // decimal: "= −1/2 = −0,5", "= 4/5 = 0,8".
    std::string intermediate() const
    {
        if (const auto half = givenHalfPerimeter())
            return " = " + *half;
        const ExactForm *form = m_exact.intermediate;
        if (form != nullptr && isTrigonometric(m_step.rule) && isWhole(*form)
            && form->plain.find('/') != std::string::npos)
            return " = " + form->school + equalsOrAbout(m_step.intermediate, m_format);
        return exactly(m_step.intermediate, form);
    }
    // A form decides "=" where there is one: the arithmetic's last bits,
    // which differ between builds, do not.
    std::string exactly(Real::Value value, const ExactForm *form) const
    {
        if (form == nullptr)
            return equalsOrAbout(value, m_format);
        if (isWhole(*form))
            return " = " + decimalText(value, m_format);
        if (const auto decimal = decimalOf(form))
            return " = " + *decimal;
        return " = " + form->school + equalsOrAbout(value, m_format);
    }
    // "β ≈ 126,8699°": the found quantity with another value it may take.
    std::string clause(Real::Value stored) const
    {
        const ExactForm *form = stored == m_step.value ? m_exact.result : nullptr;
        return found()
            + exactly(shownValue(m_step.quantity, stored), form != nullptr && isWhole(*form) ? form : nullptr)
            + unitOf(m_step.quantity);
    }
    // The found angle as its four decimals show it: a right angle found a
    // hair above 90° (the last bits differ between builds) is no obtuse one.
    Real::Value shownAngle(Real::Value stored) const
    {
        return shownDecimal(shownValue(m_step.quantity, stored), m_format).value;
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
            && shownAngle(m_step.value) < 90.0L;
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
    std::string alternativeFails() const;
    // " или ": between two values a step allows.
    std::string orWord() const { return " " + std::string(m_words.orWord) + " "; }
    std::string sidesFromArea() const;
    std::string sideFromQuadratic() const;
    std::string sidesFromSumAndProduct() const;
    // "p = P / 2 = 12", or "p = 12" where p was given.
    std::string semiperimeter() const
    {
        return std::string(m_step.semiperimeterGiven ? "p" : "p = P / 2") + intermediate();
    }
    std::string bisector() const;
    std::string heightFeet() const;
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
    bool m_follows = true;               // whether the line can be redone from them
};

} // namespace triangle::wording
