// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstddef>
#include <numbers>
#include <optional>

#include "solver/list/catalogue.h"
#include "solver/numbers/ten_thousandths.h"
#include "solver/triangle/triangle.h"

// What the quick routes (quick_*.cpp) share: how they count roundings, the
// bounds on their errors and on the long double solving's, and the values
// they show as the solving does. Inline, as a route runs once a request.
namespace triangle::quick {

// The relative rounding of one operation in double and in long double. The
// library's sine, cosine and arctangent are within one unit of the last
// place, as the roundings are.
inline constexpr double kUnit = 0x1p-53;
inline constexpr double kLongUnit = 0x1p-64;

// Each bound is the first-order sum of the roundings that reach a value;
// the factor covers the terms of higher order, which are smaller by a
// further rounding, many times over.
inline constexpr double kSafety = 4.0;

// The long double solving takes the same steps with its own formulas; its
// errors, derived alike, are under 32 roundings times the factors each
// route names; 64 are allowed.
inline constexpr double kLongRoundings = 64.0;

inline constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
inline constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// Angles in degrees that no route takes nearer to 0 or 180, where the
// solving's contradictions and its slack begin.
inline constexpr long double kLeastAngle = 1e-6L;

inline bool tameAngle(long double degrees)
{
    return degrees >= kLeastAngle && degrees <= 180.0L - kLeastAngle;
}

// Lengths in a range where no product of the solving (three sides, a side
// squared with two sines) leaves a double's normal range.
inline bool tameLength(double length) { return length >= 1e-100 && length <= 1e100; }

struct SineCosine {
    double sine;
    double cosine;
};

// The sine and cosine of an angle of 0 to 90 degrees, each from an argument
// of at most 45 degrees: the degrees' rounding to double, the conversion
// and the library make at most 4 roundings of either.
inline SineCosine sineCosineOfDegrees(long double degrees)
{
    if (degrees <= 45.0L) {
        const double radians = static_cast<double>(degrees) * kRadiansPerDegree;
        return {std::sin(radians), std::cos(radians)};
    }
    const double complement = static_cast<double>(90.0L - degrees) * kRadiansPerDegree;
    return {std::cos(complement), std::sin(complement)};
}

// The sine of an angle of 0 to 180 degrees to 4 roundings: an obtuse one's
// supplement is exact in long double.
inline double sineOfDegrees(long double degrees)
{
    return sineCosineOfDegrees(degrees <= 90.0L ? degrees : 180.0L - degrees).sine;
}

// The long double solving takes a given angle's sine from its radians,
// whose two roundings weigh on an obtuse angle's supplement as
// 360 / (180 - the angle in degrees) of them.
inline double supplementFactor(long double degrees)
{
    return 1.0 + 360.0 / static_cast<double>(180.0L - degrees);
}

// A given angle as the solving shows it: converted to its radians and back,
// the same operations as its Real ones, none of which faults for a tame
// angle.
inline long double shownAngle(long double degrees)
{
    constexpr auto kStoredPi = static_cast<long double>(kPi);
    return degrees * kStoredPi / 180.0L * 180.0L / kStoredPi;
}

// A length known to `roundings` roundings of itself in double, and to
// `longFactor` times the long double solving's: its shown value where the
// bound proves it.
inline std::optional<TenThousandths> shownLength(double value, double roundings, double longFactor)
{
    return certainRounding(
        value, value * (kSafety * roundings * kUnit + kLongRoundings * longFactor * kLongUnit));
}

// The shown values as a route proves them one by one; `all` stays true
// while each is proved.
struct Shown {
    RoundedValues values {};
    bool all = true;

    void set(Quantity q, std::optional<TenThousandths> value)
    {
        all = all && value.has_value();
        if (all)
            values.at(static_cast<std::size_t>(fieldIndex(q))) = *value;
    }

    std::optional<RoundedValues> proved() const { return all ? std::optional(values) : std::nullopt; }
};

} // namespace triangle::quick
