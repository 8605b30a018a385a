// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/any_three.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "solver/elements/element_steps.h"
#include "solver/elements/fitting_check.h"
#include "solver/elements/relation_check.h"
#include "solver/elements/school_routes.h"
#include "solver/elements/shape_search.h"
#include "solver/elements/special_shapes.h"
#include "solver/list/catalogue.h"
#include "solver/list/compute.h"
#include "solver/list/solve.h"
#include "solver/numbers/number_reading.h"
#include "solver/triangle/angle_functions.h"

namespace triangle {

namespace {

// The list's row of the three sides, which completes every triangle found.
constexpr int kThreeSides = 51;

// The given values, angles in radians; nothing when one is not above 0.
std::optional<std::array<GivenElement, 3>> readGiven(
    const std::array<ElementText, 3> &given, const NumberFormat &format)
{
    std::array<GivenElement, 3> values {};
    for (std::size_t i = 0; i < given.size(); ++i) {
        const ElementText &g = given.at(i);
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

// The relation that the values of a set that fixes no triangle break, if
// they break one; none where a value is not a positive number.
std::optional<std::string_view> relationBrokenBy(
    const SetClass &set, const std::array<ElementText, 3> &given, const NumberFormat &format)
{
    std::array<TypedValue, 3> typed {};
    try {
        for (std::size_t i = 0; i < given.size(); ++i) {
            const ElementText &g = given.at(i);
            const long double half = g.half ? 2 : 1;
            typed.at(i) = {
                g.element, half * readNumber(g.text, format).value(), half * typedRounding(g.text, format)};
            if (!(typed.at(i).value > 0))
                return std::nullopt;
        }
    } catch (const ArithmeticFault &) {
        return std::nullopt;
    }
    return brokenRelation(set, typed);
}

// The triangle with these sides, completed: its answer holds it, or the
// fault that kept it from being completed. Its steps are the completion's
// alone, which would pass the sides off as given: the caller writes them.
Answer triangleOfSides(const Sides &sides, AnswerParts parts)
{
    GivenValues values {};
    for (std::size_t i = 0; i < sides.size(); ++i)
        values.at(static_cast<std::size_t>(fieldIndex(sideOpposite(kVertices.at(i)))))
            = Real::checked(sides.at(i));
    parts.otherTriangles = false;
    parts.steps = parts.steps || parts.exact;
    return answerGivenValues(kThreeSides, values, parts);
}

// The sides of every triangle the values fit: by the school's formula where
// there is one, else by the search for the shape.
struct FittingSides {
    std::vector<Sides> sides;
    std::optional<SchoolRoute> route;
};

Sides sidesOf(const Shape<long double> &shape, const GivenElement &size)
{
    const long double diameter = circumdiameterFor(shape, size);
    return {
        diameter * std::sin(shape.alpha), diameter * std::sin(shape.beta), diameter * std::sin(shape.gamma)};
}

// A route's triangle, or the special shape beside it (special_shapes.h)
// where the data, within their rounding, describe that one: a quadratic's
// double root reached from rounded data lies half the digits away.
Sides polishedSides(const Sides &sides, const std::array<GivenElement, 3> &given, const GivenElement &size)
{
    // Most triangles are neither nearly right nor nearly isosceles: no
    // angles to work out for them.
    const auto near = [](long double x, long double y) { return std::fabs(x - y) <= 1e-4L * std::fabs(x); };
    const auto [a, b, c] = sides;
    if (!near(a, b) && !near(b, c) && !near(a, c) && !near(a * a, b * b + c * c)
        && !near(b * b, a * a + c * c) && !near(c * c, a * a + b * b))
        return sides;
    const Shape<long double> shape {elementOfSides(Quantity::A, sides), elementOfSides(Quantity::B, sides),
        elementOfSides(Quantity::C, sides)};
    // A route finds every root itself: a special shape beside a root that
    // is one of its own stands for nothing.
    const std::vector<Shape<long double>> better = polishedShapes(shape, given);
    if (better.size() != 1 || (better[0].alpha == shape.alpha && better[0].beta == shape.beta))
        return sides;
    return sidesOf(better[0], size);
}

bool sameSides(const Sides &x, const Sides &y)
{
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (!(std::fabs(x.at(i) - y.at(i)) <= 1e-12L * std::fabs(x.at(i))))
            return false;
    }
    return true;
}

FittingSides fittingSides(const std::array<GivenElement, 3> &given)
{
    const auto *const size
        = std::find_if(given.begin(), given.end(), [](const GivenElement &g) { return !isAngle(g.element); });
    FittingSides found;
    if (auto route = bySchoolRoute(given)) {
        for (const Sides &sides : route->sides) {
            const Sides polished = polishedSides(sides, given, *size);
            if (std::none_of(found.sides.begin(), found.sides.end(),
                    [&](const Sides &other) { return sameSides(other, polished); }))
                found.sides.push_back(polished);
        }
        route->sides.clear();
        found.route = std::move(route);
        return found;
    }
    for (const auto &shape : fittingShapes(given))
        found.sides.push_back(sidesOf(shape, *size));
    return found;
}

// A completed triangle's nineteen elements, angles in radians.
ElementValues elementValuesOf(const AnsweredTriangle &triangle)
{
    ElementValues values {};
    for (const Quantity q : kAllQuantities)
        values.at(static_cast<std::size_t>(q))
            = q == Quantity::P ? fieldValue(triangle.record, q).value() : triangle.record.field(q).value();
    for (std::size_t i = 0; triangle.more && i < kMoreElements.size(); ++i) {
        const auto *const value = std::get_if<Real::Value>(&triangle.more->values.at(i));
        values.at(static_cast<std::size_t>(kMoreElements.at(i))) = value != nullptr ? *value : 0.0L;
    }
    return values;
}

// The angle at A, then at B, grows as its cosine falls. The cosines at A
// are compared to nine decimals: two triangles with a given angle A differ
// there only in their last bits, which differ between builds (the page's
// long double is wider), and the angle at B orders them alike everywhere.
bool comesBefore(const Sides &x, const Sides &y)
{
    const auto cosine = [](const Sides &s, std::size_t at) {
        const long double own = s.at(at);
        const long double next = s.at((at + 1) % 3);
        const long double last = s.at((at + 2) % 3);
        return (next * next + last * last - own * own) / (2 * next * last);
    };
    const long double x0 = std::round(cosine(x, 0) * 1e9L);
    const long double y0 = std::round(cosine(y, 0) * 1e9L);
    return x0 != y0 ? x0 > y0 : cosine(x, 1) > cosine(y, 1);
}

// The given values are the triangle's own. Found from its sides, its other
// values give them back only to the last bits of the arithmetic, which
// differ between builds (the page's long double is wider), and a value
// typed on a halfway point of its fourth decimal (h_c = 8.39535) would show
// rounded either way. Two given angles leave the third exactly what they
// leave of 180°.
// The values kept, at most four (the third angle of two given ones), with
// no allocation: this runs for every triangle answered.
struct KeptValues {
    std::array<GivenElement, 4> values {};
    std::size_t count = 0;
};

KeptValues keptValues(const std::array<GivenElement, 3> &given)
{
    KeptValues kept;
    Real::Value angleSum = 0;
    std::array<bool, 3> angleGiven {};
    for (const GivenElement &g : given) {
        // Angles in the record's measure.
        const Real::Value value = isAngle(g.element) ? g.value / angle_measure::kToTrue : g.value;
        kept.values.at(kept.count++) = {g.element, value};
        if (isAngle(g.element)) {
            angleSum += value;
            angleGiven.at(static_cast<std::size_t>(indexOf(vertexOf(g.element)))) = true;
        }
    }
    if (std::count(angleGiven.begin(), angleGiven.end(), true) == 2) {
        const auto third = static_cast<std::size_t>(
            std::find(angleGiven.begin(), angleGiven.end(), false) - angleGiven.begin());
        kept.values.at(kept.count++) = {angleAt(kVertices.at(third)), angle_measure::kStoredPi - angleSum};
    }
    return kept;
}

void keepGivenValues(AnsweredTriangle &triangle, const std::array<GivenElement, 3> &given)
{
    const KeptValues kept = keptValues(given);
    for (std::size_t k = 0; k < kept.count; ++k) {
        const GivenElement &g = kept.values.at(k);
        if (fieldIndex(g.element) < kQuantityCount) {
            triangle.record.field(g.element) = Real(g.value);
            triangle.values.at(static_cast<std::size_t>(fieldIndex(g.element)))
                = fieldValue(triangle.record, g.element).value();
        }
        const auto *const more = std::find(kMoreElements.begin(), kMoreElements.end(), g.element);
        if (more != kMoreElements.end() && triangle.more)
            triangle.more->values.at(static_cast<std::size_t>(more - kMoreElements.begin())) = g.value;
        // A given element is not worked out again: the rest of the
        // triangle goes on with it as typed.
        std::erase_if(triangle.moreSteps, [&](const Step &step) { return step.quantity == g.element; });
        for (Step &step : triangle.moreSteps) {
            for (std::size_t i = 0; i < step.operandCount; ++i) {
                if (step.operands.at(i).quantity == g.element)
                    step.operands.at(i).value = g.value;
            }
        }
    }
}

// The exact forms of a triangle's values from the texts typed for it.
ExactForms exactFormsFrom(const std::array<ElementText, 3> &texts, const AnsweredTriangle &triangle)
{
    std::array<TypedElement, 3> typed {};
    for (std::size_t i = 0; i < texts.size(); ++i)
        typed.at(i) = {texts.at(i).element, texts.at(i).text, texts.at(i).half};
    return exactFormsOf(typed, triangle.steps, triangle.moreSteps);
}

// Each triangle found from its sides, with the steps that found them.
Answer answerBySides(
    const std::array<ElementText, 3> &texts, const std::array<GivenElement, 3> &given, AnswerParts parts)
{
    Answer answer;
    FittingSides found = fittingSides(given);
    const bool writingSteps = parts.steps || parts.exact;
    const std::vector<PlannedStep> planned = !writingSteps ? std::vector<PlannedStep> {}
        : found.route                                      ? stepsOf(*found.route)
                                                           : numericalSteps(given);
    // The same order whichever way they were found: by α, then β.
    std::sort(found.sides.begin(), found.sides.end(), comesBefore);
    for (const Sides &sides : found.sides) {
        if (!fitsGivenValues(sides, given))
            continue;
        Answer completed = triangleOfSides(sides, parts);
        if (completed.outcome.status == Outcome::Status::Fault)
            return completed; // never half an answer
        if (completed.outcome.status != Outcome::Status::Solved || completed.triangles.empty())
            continue;
        AnsweredTriangle &triangle = completed.triangles.front();
        keepGivenValues(triangle, given);
        triangle.steps.clear();
        if (writingSteps)
            triangle.steps = elementSteps(planned, given, elementValuesOf(triangle));
        if (parts.exact)
            triangle.exact = exactFormsFrom(texts, triangle);
        if (std::any_of(texts.begin(), texts.end(), [](const ElementText &t) { return t.half; })) {
            for (Journal *journal : {&triangle.steps, &triangle.moreSteps}) {
                for (Step &step : *journal)
                    step.semiperimeterGiven = true;
            }
        }
        if (!parts.steps) {
            triangle.steps.clear();
            triangle.moreSteps.clear();
        }
        // The first triangle stays in the list it was completed in, which
        // holds it alone: an answered triangle costs more to move than a list.
        if (answer.triangles.empty())
            answer.triangles = std::move(completed.triangles);
        else
            answer.triangles.push_back(std::move(triangle));
        if (!parts.otherTriangles)
            break;
    }
    answer.outcome.status = answer.triangles.empty() ? Outcome::Status::NoTriangle : Outcome::Status::Solved;
    answer.outcome.realTriangle = !answer.triangles.empty();
    return answer;
}

} // namespace

int combinationGiving(const ElementSet &set)
{
    // Most sets name an element outside the list's eight: no row to look for.
    if (std::any_of(set.begin(), set.end(), [](Quantity q) { return fieldIndex(q) >= kQuantityCount; }))
        return -1;
    for (int combination = 0; combination < kCombinationCount; ++combination) {
        if (std::all_of(set.begin(), set.end(), [&](Quantity q) { return isGiven(combination, q); }))
            return combination;
    }
    return -1;
}

ElementsAnswer answerElements(
    const std::array<ElementText, 3> &given, AnswerParts parts, const NumberFormat &format)
{
    ElementSet set {};
    for (std::size_t i = 0; i < given.size(); ++i)
        set.at(i) = given.at(i).element;
    ElementsAnswer result {classOf(sortedSet(set)), {}, {}, {}, {}};
    if (result.set.kind != SetKind::Determinate) {
        result.broken = relationBrokenBy(result.set, given, format);
        return result;
    }
    const int combination = combinationGiving(set);
    if (combination >= 0
        && std::none_of(given.begin(), given.end(), [](const ElementText &g) { return g.half; })) {
        std::array<ElementText, 3> inFieldOrder = given;
        std::sort(inFieldOrder.begin(), inFieldOrder.end(),
            [](const ElementText &x, const ElementText &y) { return x.element < y.element; });
        result.answer = answerRequest(
            combination, {inFieldOrder[0].text, inFieldOrder[1].text, inFieldOrder[2].text}, parts, format);
        return result;
    }
    try {
        const auto values = readGiven(given, format);
        if (values)
            result.family = familyOf(*values);
        if (values && !result.family)
            result.answer = answerBySides(given, *values, parts);
        if (values && result.answer.outcome.status == Outcome::Status::NoTriangle)
            result.boundary = nearBoundary(*values);
    } catch (const ArithmeticFault &fault) {
        result.answer = {};
        result.answer.outcome.status = Outcome::Status::Fault;
        result.answer.outcome.fault = fault.kind;
    }
    return result;
}

} // namespace triangle
