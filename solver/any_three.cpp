// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/any_three.h"

#include <algorithm>
#include <cstdio>
#include <numbers>
#include <optional>
#include <string>

#include "solver/catalogue.h"
#include "solver/number_reading.h"
#include "solver/shape_search.h"

namespace triangle {

namespace {

// The list's combinations that solve sets of the eight quantities: the
// three sides came last, and are the same set as row 51.
constexpr int kListedCombinations = 51;

// The given values, angles in radians; nothing when one is not above 0.
std::optional<std::array<GivenElement, 3>> readGiven(
    const std::array<NamedText, 3> &given, const NumberFormat &format)
{
    std::array<GivenElement, 3> values {};
    for (std::size_t i = 0; i < given.size(); ++i) {
        const NamedText &g = given.at(i);
        long double value = readNumber(g.text, format).value();
        if (!(value > 0))
            return std::nullopt;
        if (g.half)
            value *= 2;
        if (isAngle(g.element))
            value = value * std::numbers::pi_v<long double> / 180;
        values.at(i) = {g.element, value};
    }
    return values;
}

// A text that reads back as the long double.
std::string exactText(long double value)
{
    std::array<char, 48> buffer {};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.21Lg", value);
    return {buffer.data(), static_cast<std::size_t>(length)};
}

// The triangle of the shape, completed from its three sides: its answer
// holds it, or the fault that kept it from being completed.
Answer triangleOfShape(const Shape<long double> &shape, const GivenElement &size, AnswerParts parts)
{
    const long double diameter = circumdiameterFor(shape, size);
    const std::array<std::string, 3> sides = {exactText(diameter * std::sin(shape.alpha)),
        exactText(diameter * std::sin(shape.beta)), exactText(diameter * std::sin(shape.gamma))};
    // The steps of a searched triangle are not written yet: those of
    // the completion alone would pass its sides off as given.
    parts.otherTriangles = false;
    parts.steps = false;
    parts.exact = false;
    return answerRequest(kListedCombinations, {sides[0], sides[1], sides[2]}, parts, NumberFormat {});
}

Answer answerBySearch(const std::array<GivenElement, 3> &given, AnswerParts parts)
{
    Answer answer;
    const auto size
        = std::find_if(given.begin(), given.end(), [](const GivenElement &g) { return !isAngle(g.element); });
    std::vector<Shape<long double>> shapes = fittingShapes(given);
    // The same order whatever order the search found them in.
    std::sort(shapes.begin(), shapes.end(), [](const auto &x, const auto &y) {
        return x.alpha != y.alpha ? x.alpha < y.alpha : x.beta < y.beta;
    });
    for (const auto &shape : shapes) {
        Answer completed = triangleOfShape(shape, *size, parts);
        if (completed.outcome.status == Outcome::Status::Fault)
            return completed; // never half an answer
        if (completed.outcome.status == Outcome::Status::Solved && !completed.triangles.empty())
            answer.triangles.push_back(std::move(completed.triangles.front()));
        if (!parts.otherTriangles && !answer.triangles.empty())
            break;
    }
    answer.outcome.status = answer.triangles.empty() ? Outcome::Status::NoTriangle : Outcome::Status::Solved;
    answer.outcome.realTriangle = !answer.triangles.empty();
    return answer;
}

} // namespace

int combinationGiving(const ElementSet &set)
{
    for (int combination = 0; combination < kListedCombinations; ++combination) {
        if (std::all_of(set.begin(), set.end(),
                [&](Quantity q) { return fieldIndex(q) < kQuantityCount && isGiven(combination, q); }))
            return combination;
    }
    return -1;
}

ElementsAnswer answerElements(
    const std::array<NamedText, 3> &given, AnswerParts parts, const NumberFormat &format)
{
    ElementSet set {};
    for (std::size_t i = 0; i < given.size(); ++i)
        set.at(i) = given.at(i).element;
    ElementsAnswer result {classOf(sortedSet(set)), {}};
    if (result.set.kind != SetKind::Determinate)
        return result;
    const int combination = combinationGiving(set);
    if (combination >= 0
        && std::none_of(given.begin(), given.end(), [](const NamedText &g) { return g.half; })) {
        std::array<NamedText, 3> inFieldOrder = given;
        std::sort(inFieldOrder.begin(), inFieldOrder.end(),
            [](const NamedText &x, const NamedText &y) { return x.element < y.element; });
        result.answer = answerRequest(
            combination, {inFieldOrder[0].text, inFieldOrder[1].text, inFieldOrder[2].text}, parts, format);
        return result;
    }
    try {
        const auto values = readGiven(given, format);
        if (values)
            result.answer = answerBySearch(*values, parts);
    } catch (const ArithmeticFault &fault) {
        result.answer = {};
        result.answer.outcome.status = Outcome::Status::Fault;
        result.answer.outcome.fault = fault.kind;
    }
    return result;
}

} // namespace triangle
