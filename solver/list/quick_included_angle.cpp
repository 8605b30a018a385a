// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/list/quick_included_angle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "solver/triangle/triangle.h"

namespace triangle {

namespace {

// The relative rounding of one operation in double and in long double. The
// library's sine, cosine and arctangent are within one unit of the last
// place, as the roundings are.
constexpr double kUnit = 0x1p-53;
constexpr double kLongUnit = 0x1p-64;

// Each bound below is the first-order sum of the roundings that reach a
// value; the factor covers the terms of higher order, which are smaller by
// a further rounding, many times over.
constexpr double kSafety = 4.0;

// The long double solving takes the same steps with other formulas: the
// angle from its sine (whose error grows as the tangent of the angle up to
// the right angle's 1e-6 of the sine, where it takes the cosine from the
// three sides instead), and the given angle's sine from its radians, whose
// two roundings weigh on an obtuse angle's supplement as 360 / (180 - the
// angle in degrees) of them. Its own errors, derived as these, are under 32
// roundings times those factors; 64 is allowed.
constexpr double kLongRoundings = 64.0;
constexpr double kLargestTangent = 710.0; // 1 / sqrt(2e-6), at the switch to the cosine

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// Lengths in a range where no product of the solving, in either precision,
// leaves a double's normal range.
bool tame(long double length) { return length >= 1e-100L && length <= 1e100L; }

struct SineCosine {
    double sine;
    double cosine;
};

// The sine and cosine of an angle of 0 to 90 degrees, each from an argument
// of at most 45 degrees: the degrees' rounding to double, the conversion
// and the library make at most 4 roundings of either.
SineCosine sineCosineOfDegrees(long double degrees)
{
    if (degrees <= 45.0L) {
        const double radians = static_cast<double>(degrees) * kRadiansPerDegree;
        return {std::sin(radians), std::cos(radians)};
    }
    const double complement = static_cast<double>(90.0L - degrees) * kRadiansPerDegree;
    return {std::cos(complement), std::sin(complement)};
}

// A length and its bound: `roundings` roundings of its own size in double,
// and `longFactor` times the long double solving's.
std::optional<TenThousandths> shownLength(double value, double roundings, double longFactor)
{
    return certainRounding(
        value, value * (kSafety * roundings * kUnit + kLongRoundings * longFactor * kLongUnit));
}

} // namespace

std::optional<RoundedValues> shownIncludedAngle(Vertex given, const GivenValues &values)
{
    const Vertex first = firstOtherThan(given);
    const Vertex second = otherVertex(given, first);
    const auto at = [](Quantity q) { return static_cast<std::size_t>(fieldIndex(q)); };
    const long double degrees = values.at(at(angleAt(given))).value();
    const long double firstSide = values.at(at(sideOpposite(first))).value();
    const long double secondSide = values.at(at(sideOpposite(second))).value();
    if (!(degrees >= 1e-6L && degrees <= 180.0L - 1e-6L) || !tame(firstSide) || !tame(secondSide))
        return std::nullopt;

    // The half angle's sine and cosine: 4 roundings each; the angle's sine
    // 9, its cosine within 24 roundings of 1.
    const auto [halfSine, halfCosine] = sineCosineOfDegrees(degrees / 2.0L);
    const double sine = 2.0 * halfSine * halfCosine;
    const double cosine = (halfCosine - halfSine) * (halfCosine + halfSine);
    const auto x = static_cast<double>(firstSide);
    const auto y = static_cast<double>(secondSide);
    // The difference exact in long double, then one rounding: the third side
    // from a sum of squares, with no cancellation (15 roundings in its
    // square, 9 in it).
    const auto difference = static_cast<double>(firstSide - secondSide);
    const double third = std::sqrt(difference * difference + 4.0 * x * y * halfSine * halfSine);
    // A triangle so thin that the errors of x and y approach the third side
    // is left to the long double solving: the first-order bounds below then
    // hold to a millionth.
    if (!(kUnit * (x + y) < 1e-9 * third))
        return std::nullopt;
    const double area = 0.5 * x * y * sine;     // 13 roundings
    const double radius = third / (2.0 * sine); // 19
    const double perimeter = (x + y) + third;   // 13
    // The angle opposite the first side from across = x sin, along = y - x
    // cos, whose squares sum to the third side's: across to 11 roundings,
    // along to 27 roundings of x + y; an error in the arctangent of
    // (|along| dacross + |across| dalong) / third^2, and one rounding of
    // the result.
    const double across = x * sine;
    const double along = y - x * cosine;
    const double firstAngle = std::atan2(across, along);
    const double firstError
        = kSafety * kUnit * (across * (11.0 * std::fabs(along) + 27.0 * (x + y)) / (third * third) + 4.0);
    // The long double solving's: the given angle's sine, and with it the
    // area and R, to `supplement` roundings; the found angle's sine to as
    // many, growing as its tangent; its cosine from three sides as their
    // squares over yz.
    const double supplement = 1.0 + 360.0 / static_cast<double>(180.0L - degrees);
    const double tangent = std::min(across / std::max(std::fabs(along), 1e-300), kLargestTangent);
    const double longError = kLongRoundings * kLongUnit
        * (1.0 + supplement * tangent + (x * x + y * y + third * third) / (y * third));
    const double angleError = firstError + longError;

    const double firstDegrees = firstAngle * kDegreesPerRadian;
    // The rest of 180 degrees: exact in long double, one rounding to double.
    const double secondDegrees = static_cast<double>(180.0L - degrees) - firstDegrees;
    const double firstBound = angleError * kDegreesPerRadian + kSafety * 2.0 * kUnit * firstDegrees;
    const double secondBound = firstBound + kSafety * 2.0 * kUnit * 180.0;

    // The verdict checks the law of sines at each vertex to 1e-6 of the
    // longest side: the solving's errors, 2R times those of the angles, stay
    // a hundred times below it.
    const double longest = std::max({x, y, third});
    if (!(2.0 * radius * (angleError + 8.0 * kUnit) < 1e-8 * longest))
        return std::nullopt;

    // The given values are shown as the solving shows them; the given angle
    // after its conversion to radians and back, the same operations as the
    // solving's Real ones, none of which can fault in this range.
    constexpr auto kStoredPi = static_cast<long double>(kPi);
    const long double shownDegrees = degrees * kStoredPi / 180.0L * 180.0L / kStoredPi;
    RoundedValues shown {};
    const auto set = [&](Quantity q, std::optional<TenThousandths> value) {
        if (value)
            shown.at(at(q)) = *value;
        return value.has_value();
    };
    const bool all = set(angleAt(given), shortRounding(shownDegrees))
        && set(sideOpposite(first), shortRounding(firstSide))
        && set(sideOpposite(second), shortRounding(secondSide))
        && set(angleAt(first), certainRounding(firstDegrees, firstBound))
        && set(angleAt(second), certainRounding(secondDegrees, secondBound))
        && set(sideOpposite(given), shownLength(third, 9.0, 1.0))
        && set(Quantity::S, shownLength(area, 13.0, supplement))
        && set(Quantity::R, shownLength(radius, 19.0, supplement))
        && set(Quantity::P, shownLength(perimeter, 13.0, 1.0));
    if (!all)
        return std::nullopt;
    return shown;
}

} // namespace triangle
