// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/step_recomputation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>

#include "solver/list/solve.h"
#include "solver/numbers/decimal_conversion.h"
#include "solver/numbers/number_formatting.h"

namespace triangle::wording {

namespace {

using Value = Real::Value;

// A student's calculator knows π better than the solver's constant does.
constexpr Value kRadiansPerDegree = std::numbers::pi_v<Value> / 180;

// The sine of an angle in degrees as a calculator gives it: the angle
// brought to [0°, 90°] without rounding (the shown angles are decimals of
// a few digits), and 0, 1/2 and 1 exact at 0°, 30° and 90°, where the
// library's last bit would depend on the width of long double.
Value sine(Value degrees)
{
    Value angle = std::fmod(std::fabs(degrees), Value(360));
    Value sign = degrees < 0 ? -1 : 1;
    if (angle > 180) {
        angle -= 180;
        sign = -sign;
    }
    if (angle > 90)
        angle = 180 - angle;
    if (angle == 0)
        return 0;
    if (angle == 30 || angle == 90)
        return sign * (angle == 30 ? Value(0.5) : 1);
    return sign
        * (angle > 45 ? std::cos((90 - angle) * kRadiansPerDegree) : std::sin(angle * kRadiansPerDegree));
}

Value cosine(Value degrees) { return sine(90 - std::fmod(std::fabs(degrees), Value(360))); }
Value squared(Value x) { return x * x; }

// "1234,5678" or "-0,5000", as formatResult() writes it, read back: in
// ten-thousandths as an integer, which needs no locale and no rounding
// below 10^18 of them.
Value valueOfFourDecimals(std::string text, const NumberFormat &format)
{
    text.erase(text.find(format.decimalSeparator), format.decimalSeparator.size());
    const bool negative = text.starts_with('-');
    std::uint64_t units = 0;
    const auto [end, error]
        = std::from_chars(text.data() + (negative ? 1 : 0), text.data() + text.size(), units);
    if (error != std::errc() || end != text.data() + text.size())
        return decimalToBinary(text + "e-4").value_or(std::numeric_limits<Value>::quiet_NaN());
    const Value value = static_cast<Value>(units) / 1e4L;
    return negative ? -value : value;
}

// Four decimals with trailing zeros dropped as a teacher writes them: 7
// rather than 7,0000.
std::string teachersDecimal(std::string text, const NumberFormat &format)
{
    const auto separator = text.find(format.decimalSeparator);
    if (separator == std::string::npos)
        return text;
    while (text.ends_with('0'))
        text.pop_back();
    if (text.size() == separator + format.decimalSeparator.size())
        text.resize(separator);
    // A negative value (only data that make no triangle have one) takes the
    // minus sign.
    if (text.starts_with('-'))
        text.replace(0, 1, "−");
    return text;
}

// The angle of a sine on the side of 90° where the step's shown angle
// lies: the text shows both angles of a sine where there are two.
Value angleOfSine(Value sine, Value shownAngle)
{
    const Value acute = std::asin(sine) / kRadiansPerDegree;
    return shownAngle > 90 ? 180 - acute : acute;
}

// What the step found on the way, from the shown numbers: a sine, a
// cosine, c², bc or p; none where its text shows nothing on the way.
std::optional<Value> redoneIntermediate(const Step &step, const ShownOperands &shown)
{
    const auto &v = shown.values;
    switch (step.rule) {
    case Rule::LawOfCosines: return squared(v[0]) + squared(v[1]) - 2 * v[0] * v[1] * cosine(v[2]);
    case Rule::AngleFromSideAndCircumradius: return v[0] / (2 * v[1]);
    case Rule::LawOfSines: return v[0] * sine(v[2]) / v[1];
    case Rule::AngleFromArea: return 2 * v[0] / (v[1] * v[2]);
    case Rule::AngleFromThreeSides:
        return (squared(v[1]) + squared(v[2]) - squared(v[0])) / (2 * v[1] * v[2]);
    case Rule::SidesFromAreaAndAngle: return 2 * v[0] / sine(v[2]);
    case Rule::SidesFromSumAndProduct: return 2 * v[2] / sine(v[3]);
    case Rule::Heron: return (v[0] + v[1] + v[2]) / 2;
    case Rule::Inradius: return (v[1] + v[2] + v[3]) / 2;
    case Rule::AngleFromHeight: return v[0] / v[1];
    case Rule::AngleFromBisector: return v[0] * (v[1] + v[2]) / (2 * v[1] * v[2]);
    case Rule::AreaFromHeights: return (1 / v[0] + 1 / v[1] + 1 / v[2]) / 2;
    case Rule::AreaFromMedians: return (v[0] + v[1] + v[2]) / 2;
    case Rule::SideFromOwnMedian: return 2 * squared(v[0]) + 2 * squared(v[1]) - 4 * squared(v[2]);
    case Rule::SideFromMedianToOther: return 2 * squared(v[0]) + squared(v[1]) / 2 - squared(v[2]);
    case Rule::SideFromHeightAndMedian: return std::sqrt(squared(v[2]) - squared(v[1]));
    case Rule::SideFromHeightFeet: return std::sqrt(squared(v[1]) - squared(v[2]));
    case Rule::SideFromInradius:
    case Rule::AreaFromInradius: return v[1] / 2;
    case Rule::SideFromAreaAndPerimeter: return 2 * v[0] / sine(v[2]);
    case Rule::PerimeterFromInradius: return v[0] + v[1] * cosine(v[2] / 2) / sine(v[2] / 2);
    default: return std::nullopt;
    }
}

// Of the two sides whose product and angle the step found, the one on the
// same side as `shownSide`: the text shows both.
Value sideFromAreaAndAngle(const ShownOperands &shown, Value product, Value shownSide)
{
    const auto &v = shown.values;
    const Value total = std::sqrt(squared(v[1]) + 2 * product * (1 + cosine(v[2])));
    const Value difference = std::sqrt(squared(v[1]) - 2 * product * (1 - cosine(v[2])));
    const Value larger = (total + difference) / 2;
    const Value smaller = (total - difference) / 2;
    return std::fabs(larger - shownSide) <= std::fabs(smaller - shownSide) ? larger : smaller;
}

// The two sides from their sum and product as the text shows them,
// ((b + c) ± √((b + c)² − 4bc)) / 2: the one on the same side as `shownSide`.
Value sideFromSumAndProduct(const ShownOperands &shown, Value shownSide)
{
    const Value sum = shown.secondIntermediate;
    const Value product = shown.intermediate;
    const Value difference = std::sqrt(std::fmax(0.0L, squared(sum) - 4 * product));
    const Value larger = (sum + difference) / 2;
    const Value smaller = (sum - difference) / 2;
    return std::fabs(larger - shownSide) <= std::fabs(smaller - shownSide) ? larger : smaller;
}

// R from the three angles (operands 1 to 3) and one length, the element's
// own angle first in its formula.
Value circumradiusFromAngles(const Step &step, const ShownOperands &shown)
{
    const auto &v = shown.values;
    const Quantity element = step.operands.at(0).quantity;
    const auto own = vertexOfElement(element);
    const Vertex x = own.value_or(Vertex::A);
    const Vertex y = firstOtherThan(x);
    // The shown value of the angle at `at`, wherever renaming put it.
    const auto angle = [&](Vertex at) { return v.at(operandIndex(step, angleAt(at))); };
    const Value ax = angle(x);
    const Value ay = angle(y);
    const Value az = angle(otherVertex(x, y));
    if (element == Quantity::P)
        return v[0] / (2 * (sine(v[1]) + sine(v[2]) + sine(v[3])));
    if (element == Quantity::r)
        return v[0] / (4 * sine(v[1] / 2) * sine(v[2] / 2) * sine(v[3] / 2));
    switch (kindOf(element)) {
    case ElementKind::Height: return v[0] / (2 * sine(ay) * sine(az));
    case ElementKind::Median:
        return v[0] / std::sqrt(2 * squared(sine(ay)) + 2 * squared(sine(az)) - squared(sine(ax)));
    default: return v[0] * (sine(ay) + sine(az)) / (4 * sine(ay) * sine(az) * cosine(ax / 2));
    }
}

// The step's formula on the shown numbers, for the value the text shows as
// `shownResult` (a step with two values shows both).
Value redoneValue(const Step &step, const ShownOperands &shown, Value onTheWay, Value shownResult)
{
    const auto &v = shown.values;
    const Value p = shown.intermediate;
    switch (step.rule) {
    case Rule::AngleSum: return 180 - v[0] - v[1];
    case Rule::CircumradiusFromSideAndAngle: return v[0] / (2 * sine(v[1]));
    case Rule::SideFromCircumradius: return 2 * v[0] * sine(v[1]);
    case Rule::SideByLawOfSines: return v[0] * sine(v[1]) / sine(v[2]);
    case Rule::AngleFromSideAndCircumradius:
    case Rule::LawOfSines:
    case Rule::AngleFromArea: return angleOfSine(onTheWay, shownResult);
    case Rule::LawOfCosines: return std::sqrt(onTheWay);
    case Rule::AreaFromTwoSidesAndAngle: return v[0] * v[1] * sine(v[2]) / 2;
    case Rule::AreaFromSidesAndCircumradius:
    case Rule::CircumradiusFromSidesAndArea: return v[0] * v[1] * v[2] / (4 * v[3]);
    case Rule::AreaFromAnglesAndSide: return squared(v[0]) * sine(v[1]) * sine(v[2]) / (2 * sine(v[3]));
    case Rule::CircumradiusFromAnglesAndArea:
        return std::sqrt(v[0] / (2 * sine(v[1]) * sine(v[2]) * sine(v[3])));
    case Rule::AreaFromAnglesAndCircumradius: return 2 * squared(v[0]) * sine(v[1]) * sine(v[2]) * sine(v[3]);
    case Rule::SideFromArea: return 2 * v[0] / (v[1] * sine(v[2]));
    case Rule::SidesFromAreaAndAngle: return sideFromAreaAndAngle(shown, onTheWay, shownResult);
    case Rule::SidesFromSumAndProduct: return sideFromSumAndProduct(shown, shownResult);
    case Rule::Perimeter: return v[0] + v[1] + v[2];
    case Rule::AngleFromThreeSides: return std::acos(onTheWay) / kRadiansPerDegree;
    case Rule::Heron: return std::sqrt(p * (p - v[0]) * (p - v[1]) * (p - v[2]));
    case Rule::Height: return 2 * v[0] / v[1];
    case Rule::Median: return std::sqrt(2 * squared(v[0]) + 2 * squared(v[1]) - squared(v[2])) / 2;
    case Rule::Bisector: return 2 * v[0] * v[1] * cosine(v[2] / 2) / (v[0] + v[1]);
    case Rule::Inradius: return v[0] / p;
    case Rule::SideFromMedians:
        return 2 * std::sqrt(2 * squared(v[1]) + 2 * squared(v[2]) - squared(v[0])) / 3;
    case Rule::AreaFromHeights:
        return 1 / (4 * std::sqrt(p * (p - 1 / v[0]) * (p - 1 / v[1]) * (p - 1 / v[2])));
    case Rule::AreaFromMedians: return 4 * std::sqrt(p * (p - v[0]) * (p - v[1]) * (p - v[2])) / 3;
    case Rule::SideFromHeight: return 2 * v[0] / v[1];
    case Rule::SideFromOwnMedian:
    case Rule::SideFromMedianToOther: return std::sqrt(onTheWay);
    case Rule::AngleFromHeight: return angleOfSine(onTheWay, shownResult);
    case Rule::AngleFromBisector: return 2 * std::acos(onTheWay) / kRadiansPerDegree;
    case Rule::AreaFromSideAndHeight: return v[0] * v[1] / 2;
    case Rule::SideFromHeightAndAngle: return v[0] / sine(v[1]);
    case Rule::SideFromHeightAndMedian: return std::sqrt(squared(v[0] / 2 + p) + squared(v[1]));
    case Rule::SideFromHeightFeet: {
        const Value y = std::sqrt(squared(v[0]) - squared(v[2]));
        const Value sum = onTheWay + y;
        const Value difference = std::fabs(onTheWay - y);
        return std::fabs(sum - shownResult) <= std::fabs(difference - shownResult) ? sum : difference;
    }
    case Rule::SideFromInradius: return p - v[2] * cosine(v[0] / 2) / sine(v[0] / 2);
    case Rule::AreaFromInradius: return p * v[0];
    case Rule::SideFromAreaAndPerimeter: return (squared(v[1]) - 2 * p * (1 + cosine(v[2]))) / (2 * v[1]);
    case Rule::PerimeterFromInradius: return 2 * p;
    case Rule::CircumradiusFromAngles: return circumradiusFromAngles(step, shown);
    case Rule::Numerical: return shownResult; // solved for, not worked out by hand
    case Rule::SideFromQuadratic: {
        // c = b·cos α ± √(a² − b²·sin² α): the root the text shows.
        const Value middle = v[1] * cosine(v[2]);
        const Value root = std::sqrt(std::fmax(0.0L, squared(v[0]) - squared(v[1] * sine(v[2]))));
        return std::fabs(middle + root - shownResult) <= std::fabs(middle - root - shownResult)
            ? middle + root
            : middle - root;
    }
    }
    return std::numeric_limits<Value>::quiet_NaN();
}

// Whether a value recomputed by hand shows as `stored` does: within half a
// unit of the fourth decimal, and a relative 1e-12 for the arithmetic's own
// rounding, so that a value redone exactly onto the halfway point (180° −
// 0,6172° − 1,17565° = 178,20715°) follows whatever the width of long double.
bool showsAs(Value redone, Value stored)
{
    const Value shown = shownDecimal(stored, NumberFormat {}).value;
    return std::fabs(redone - shown) <= 0.5e-4L + 1e-12L * std::fabs(shown);
}

bool isSineAboveOne(Contradiction c)
{
    return c == Contradiction::SineAboveOne || c == Contradiction::SineFromAreaAboveOne;
}

} // namespace

ShownDecimal shownDecimal(Real::Value value, const NumberFormat &format)
{
    const std::string fourDecimals = formatResult(value, format);
    if (fourDecimals.find(format.decimalSeparator) == std::string::npos)
        return {fourDecimals, value};
    return {teachersDecimal(fourDecimals, format), valueOfFourDecimals(fourDecimals, format)};
}

ShownDecimal preciseDecimal(Real::Value value, const NumberFormat &format)
{
    constexpr int kSignificant = 8;
    constexpr int kMostDecimals = 18;
    const Value magnitude = std::fabs(value);
    const int leading = magnitude > 0 ? static_cast<int>(std::floor(std::log10(magnitude))) : 0;
    const int decimals = std::clamp(kSignificant - 1 - leading, 4, kMostDecimals);
    if (!std::isfinite(static_cast<double>(value)))
        return shownDecimal(value, format);
    std::string text = fixedDecimals(static_cast<double>(value), decimals);
    std::string digits = text;
    digits.erase(digits.find('.'), 1);
    const Value shown = decimalToBinary(digits + "e-" + std::to_string(decimals)).value_or(value);
    text.replace(text.find('.'), 1, format.decimalSeparator);
    return {teachersDecimal(text, format), shown};
}

std::string decimalText(Real::Value value, const NumberFormat &format)
{
    return teachersDecimal(formatResult(value, format), format);
}

std::string roundedText(Real::Value value, const NumberFormat &format)
{
    std::string text = formatResult(value, format);
    if (text.starts_with('-'))
        text.replace(0, 1, "−");
    return text;
}

bool followsFromShownNumbers(const Step &step, const ShownOperands &shown)
{
    const std::optional<Value> onTheWay = redoneIntermediate(step, shown);
    // A sine that four decimals show as 1 goes unwritten beside "> 1".
    const bool sineUnwritten
        = isSineAboveOne(step.contradiction) && shownDecimal(step.intermediate, NumberFormat {}).text == "1";
    if (onTheWay && !sineUnwritten && !showsAs(*onTheWay, step.intermediate))
        return false;
    if (step.contradiction == Contradiction::NoSidesForArea)
        return showsAs(squared(shown.values[1]) - 2 * onTheWay.value_or(0) * (1 - cosine(shown.values[2])),
            step.refuting);
    if (isSineAboveOne(step.contradiction))
        return true;
    // The squares of the sum and the difference of the two sides it shows.
    if (step.rule == Rule::SidesFromAreaAndAngle) {
        const auto &v = shown.values;
        const Value product = onTheWay.value_or(0);
        const Value other = step.choice == Choice::Only ? step.value : step.alternative;
        if (!showsAs(squared(v[1]) + 2 * product * (1 + cosine(v[2])), squared(step.value + other))
            || !showsAs(squared(v[1]) - 2 * product * (1 - cosine(v[2])), squared(step.value - other)))
            return false;
    }
    // b + c from P and a as shown.
    if (step.rule == Rule::SidesFromSumAndProduct
        && !showsAs(shown.values[0] - shown.values[1], step.secondIntermediate))
        return false;
    const auto follows = [&](Value stored) {
        const Value inUnits = shownValue(step.quantity, stored);
        return showsAs(redoneValue(step, shown, onTheWay.value_or(0), inUnits), inUnits);
    };
    return follows(step.value) && (step.choice == Choice::Only || follows(step.alternative));
}

} // namespace triangle::wording
