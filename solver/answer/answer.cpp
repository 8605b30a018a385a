// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/answer/answer.h"

#include <algorithm>
#include <variant>

#include "solver/answer/other_triangles.h"
#include "solver/answer/solution.h"
#include "solver/answer/typed_verdict.h"
#include "solver/list/verdict.h"

namespace triangle {

namespace {

// One fitting triangle with the parts asked for. The exact forms replay the
// steps, so they are found with them even where the steps are not kept.
AnsweredTriangle answered(const Outcome &outcome, const Triangle &record, const FieldValues &values,
    bool real, unsigned branches, AnswerParts parts, const std::array<std::string_view, 3> &texts)
{
    AnsweredTriangle triangle {record, values, real, branches, {}, std::nullopt, {}, {}};
    const bool journalling = parts.steps || parts.exact;
    if (journalling)
        triangle.steps = solutionOf(outcome, branches, parts.exact).steps;
    if (parts.more && real)
        triangle.more = moreElementsOf(record, journalling ? &triangle.moreSteps : nullptr);
    if (parts.exact && real)
        triangle.exact = exactFormsOf(outcome.combination, texts, record, triangle.steps, triangle.moreSteps);
    if (!parts.steps) {
        triangle.steps.clear();
        triangle.moreSteps.clear();
    }
    return triangle;
}

Verdict asVerdict(TypedVerdict typed)
{
    switch (typed) {
    case TypedVerdict::AngleNotBelow180: return Verdict::AngleNotBelow180;
    case TypedVerdict::AnglesFillTheSum: return Verdict::AnglesFillTheSum;
    case TypedVerdict::AnglesExceedTheSum: return Verdict::AnglesExceedTheSum;
    case TypedVerdict::SidesCloseNoTriangle:
    case TypedVerdict::None: break;
    }
    return Verdict::RealTriangle;
}

} // namespace

FirstTriangle firstTriangle(
    int combination, const std::array<std::string_view, 3> &texts, const NumberFormat &format)
{
    FirstTriangle first;
    Outcome &outcome = first.outcome;
    outcome = computeValues(first.record, combination, texts, format, first.values);
    if (outcome.status != Outcome::Status::Solved && outcome.status != Outcome::Status::Fault)
        return first;
    // The typed decimals decide exactly what their binary values may not.
    const TypedVerdict typed = typedVerdict(combination, texts, outcome.givenValues, format);
    outcome.typedVerdict = asVerdict(typed);
    // A given angle of 180° or more is no triangle before any formula: what
    // the formulas make of it (β = −257.6239° from α = 400°) means nothing,
    // and at such angles they fault on one build where another carries on.
    // Other data the typed values rule out may fail the formulas too (a
    // zero third angle divides by zero): no triangle, and why, rather than
    // the fault.
    if (typed == TypedVerdict::SidesCloseNoTriangle || typed == TypedVerdict::AngleNotBelow180
        || (outcome.status == Outcome::Status::Fault && typed != TypedVerdict::None)) {
        outcome.status = Outcome::Status::NoTriangle;
        return first;
    }
    if (outcome.status == Outcome::Status::Fault)
        return first;
    if (outcome.typedVerdict != Verdict::RealTriangle)
        outcome.realTriangle = false;
    return first;
}

std::optional<RoundedValues> quickFirstLine(
    int combination, const std::array<std::string_view, 3> &texts, const NumberFormat &format)
{
    const QuickRoute quick = isValidCombination(combination) ? combinationAt(combination).quick : nullptr;
    if (quick == nullptr)
        return std::nullopt;
    try {
        const std::optional<GivenValues> given = readGivenTexts(combination, texts, format);
        std::optional<RoundedValues> shown = given ? quick(*given) : std::nullopt;
        if (shown && typedVerdict(combination, texts, *given, format) != TypedVerdict::None)
            return std::nullopt;
        return shown;
    } catch (const ArithmeticFault &) {
        // The long double solving says which fault it is.
        return std::nullopt;
    }
}

std::optional<Real::Value> elementValue(const AnsweredTriangle &triangle, Quantity q)
{
    if (fieldIndex(q) < kFieldCount)
        return triangle.values.at(static_cast<std::size_t>(fieldIndex(q)));
    const auto *const more = std::find(kMoreElements.begin(), kMoreElements.end(), q);
    if (more == kMoreElements.end() || !triangle.more)
        return std::nullopt;
    const auto &value = triangle.more->values.at(static_cast<std::size_t>(more - kMoreElements.begin()));
    const auto *number = std::get_if<Real::Value>(&value);
    return number != nullptr ? std::optional(*number) : std::nullopt;
}

Answer answerRequest(int combination, const std::array<std::string_view, 3> &texts, AnswerParts parts,
    const NumberFormat &format)
{
    const FirstTriangle first = firstTriangle(combination, texts, format);
    Answer answer;
    answer.outcome = first.outcome;
    if (answer.outcome.status != Outcome::Status::Solved)
        return answer;
    try {
        answer.triangles.push_back(answered(
            answer.outcome, first.record, first.values, answer.outcome.realTriangle, 0, parts, texts));
        if (parts.otherTriangles) {
            for (const FittingTriangle &other : otherTriangles(answer.outcome, first.record))
                answer.triangles.push_back(answered(answer.outcome, other.record, fieldValuesOf(other.record),
                    true, other.branches, parts, texts));
        }
    } catch (const ArithmeticFault &fault) {
        answer.outcome.status = Outcome::Status::Fault;
        answer.outcome.fault = fault.kind;
        answer.triangles.clear();
    }
    return answer;
}

Answer answerGivenValues(int combination, const GivenValues &values, AnswerParts parts)
{
    Triangle record;
    Answer answer;
    answer.outcome.combination = combination;
    answer.outcome.givenValues = values;
    try {
        Branches firstTriangle;
        const Contradiction first = solveCombination(record, combination, values, firstTriangle);
        answer.outcome.status = Outcome::Status::Solved;
        answer.outcome.realTriangle = verdictOf(record, first) == Verdict::RealTriangle;
        parts.exact = false;
        answer.triangles.push_back(answered(
            answer.outcome, record, fieldValuesOf(record), answer.outcome.realTriangle, 0, parts, {}));
    } catch (const SidesCloseNoTriangle &) {
        answer.outcome.status = Outcome::Status::NoTriangle;
        answer.triangles.clear();
    } catch (const ArithmeticFault &fault) {
        answer.outcome.status = Outcome::Status::Fault;
        answer.outcome.fault = fault.kind;
        answer.triangles.clear();
    }
    return answer;
}

} // namespace triangle
