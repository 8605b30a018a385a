// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/list/quick_included_angle.h"

#include <algorithm>
#include <cmath>

#include "solver/list/quick_route.h"

namespace triangle {

using namespace quick;

namespace {

// The long double solving finds the angle opposite the first side from its
// sine, whose error grows as the angle's tangent up to the right angle's
// 1e-6 of the sine, where it takes the cosine from the three sides instead.
constexpr double kLargestTangent = 710.0; // 1 / sqrt(2e-6), at the switch to the cosine

} // namespace

std::optional<RoundedValues> shownIncludedAngle(Vertex given, const GivenValues &values)
{
    const Vertex first = firstOtherThan(given);
    const Vertex second = otherVertex(given, first);
    const auto at = [](Quantity q) { return static_cast<std::size_t>(fieldIndex(q)); };
    const long double degrees = values.at(at(angleAt(given))).value();
    const long double firstSide = values.at(at(sideOpposite(first))).value();
    const long double secondSide = values.at(at(sideOpposite(second))).value();
    const auto x = static_cast<double>(firstSide);
    const auto y = static_cast<double>(secondSide);
    if (!tameAngle(degrees) || !tameLength(x) || !tameLength(y))
        return std::nullopt;

    // The half angle's sine and cosine: 4 roundings each; the angle's sine
    // 9, its cosine within 24 roundings of 1.
    const auto [halfSine, halfCosine] = sineCosineOfDegrees(degrees / 2.0L);
    const double sine = 2.0 * halfSine * halfCosine;
    const double cosine = (halfCosine - halfSine) * (halfCosine + halfSine);
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
    const double supplement = supplementFactor(degrees);
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

    // The given values are shown as the solving shows them.
    Shown shown;
    shown.set(angleAt(given), shortRounding(shownAngle(degrees)));
    shown.set(sideOpposite(first), shortRounding(firstSide));
    shown.set(sideOpposite(second), shortRounding(secondSide));
    shown.set(angleAt(first), certainRounding(firstDegrees, firstBound));
    shown.set(angleAt(second), certainRounding(secondDegrees, secondBound));
    shown.set(sideOpposite(given), shownLength(third, 9.0, 1.0));
    shown.set(Quantity::S, shownLength(area, 13.0, supplement));
    shown.set(Quantity::R, shownLength(radius, 19.0, supplement));
    shown.set(Quantity::P, shownLength(perimeter, 13.0, 1.0));
    return shown.proved();
}

} // namespace triangle
