// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/solution_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "wording/exact_decimals.h"
#include "wording/more_elements_text.h"
#include "wording/step_writer.h"

namespace triangle::wording {

namespace {

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
    case Verdict::AngleNotBelow180: return because(words.angleNotBelow180);
    }
    return because({});
}

// An angle in degrees and whole minutes, as textbooks write it: "38°13′";
// empty where that says no more than the degrees do (60°) or where the
// angle is none (data that make no triangle).
std::string inDegreesAndMinutes(Real::Value degrees)
{
    // An angle of a triangle lies below 180°; data that make none may give
    // any number, which whole minutes cannot count.
    if (!(degrees > 0 && degrees < 360))
        return {};
    const auto minutes = static_cast<long long>(std::nearbyint(degrees * 60));
    if (minutes % 60 == 0)
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
    const auto decimal = form == nullptr ? std::nullopt : asDecimal(*form, format.decimalSeparator.front());
    if (decimal)
        text += " = " + *decimal;
    else if (form != nullptr && !isWhole(*form))
        text += " = " + form->school;
    text += (decimal ? "" : equalsOrAbout(value, format)) + unitOf(q);
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

const ExactForm *StepForms::cosineOf(Quantity angle) const
{
    if (all == nullptr)
        return nullptr;
    const auto &form = all->cosines.at(static_cast<std::size_t>(angle));
    return form ? &*form : nullptr;
}

StepForms stepForms(const ExactForms *forms, std::size_t index)
{
    if (forms == nullptr || index >= forms->results.size())
        return {};
    const auto &result = forms->results[index];
    const auto &intermediate = forms->intermediates[index];
    const auto &second = forms->secondIntermediates[index];
    return {result ? &*result : nullptr, intermediate ? &*intermediate : nullptr, forms,
        second ? &*second : nullptr};
}

std::string stepText(const Step &step, const GivenTexts &given, const NumberFormat &format,
    const Language &language, StepForms exact)
{
    return StepWriter(step, given, format, language.solution, exact).text();
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
    typedInSteps
        = withExactDecimals(solution.steps, std::move(typedInSteps), format.decimalSeparator.front());
    for (const Step &step : solution.steps) {
        const StepForms forms = stepForms(exact, text.steps.size());
        text.steps.push_back(std::to_string(text.steps.size() + 1) + ". "
            + stepText(step, typedInSteps, format, language, forms) + ".");
    }
    // Data that fit no triangle have no values to answer with: the answer
    // is that there is none, and why.
    if (solution.verdict != Verdict::RealTriangle) {
        text.answer = std::string(words.answer) + verdictText(solution.verdict, words);
        return text;
    }
    std::string answer;
    for (const Quantity q : kAllQuantities)
        answer += (answer.empty() ? "" : ", ") + valueText(solution.record, q, typedInSteps, format, exact);
    text.answer = std::string(words.answer) + answer + ".";
    return text;
}

std::string plainText(const SolutionText &text)
{
    std::string plain = text.given + "\n" + text.sought + "\n" + text.heading + "\n";
    for (const std::string &step : text.steps)
        plain += step + "\n";
    plain += text.answer + "\n";
    return plain;
}

std::string solutionDocument(const Solution &solution, const GivenTexts &given, const NumberFormat &format,
    const Language &language, const ExactForms *exact)
{
    std::string text = plainText(workedSolution(solution, given, format, language, exact));
    if (solution.verdict == Verdict::RealTriangle)
        text += "\n" + plainText(moreElementsText(solution, given, format, language, exact));
    return text;
}

} // namespace triangle::wording
