// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cfloat>
#include <cmath>

#include "solver/triangle/triangle.h"

// Angles in the record are measured against the program's pi (kPi): a typed
// angle d is stored as d * kPi / 180 and shown as x * 180 / kPi. These
// functions take and give angles in that measure, so that the sine of a
// stored 150 degrees is the sine of 150 degrees, not of an angle 3e-15
// radians away, and so that an angle near 180 degrees keeps its digits: it
// is reflected to its supplement (exact by subtraction) before the sine.
namespace triangle {

namespace angle_measure {

inline constexpr Real::Value kTruePi = 3.141592653589793238462643383279502884L;
// True radians per stored radian.
inline constexpr Real::Value kToTrue = kTruePi / static_cast<Real::Value>(kPi);
inline constexpr Real::Value kStoredPi = kPi;

} // namespace angle_measure

namespace angle_measure {

// Sine and cosine of an angle in [0, pi/4] of the stored measure: the
// library's long double functions reduce any larger argument the slow way.
// The sine of 30° (and so of 150°, the cosine of 60° and 120°) is 1/2
// exactly: the library's last bit there differs with the width of long
// double, and the steps would then be exact on one build and not on another.
inline Real::Value sineNear0(Real::Value angle)
{
    constexpr Real::Value kSixth = kStoredPi / 6;
    if (std::fabs(std::fabs(angle) - kSixth) <= 8 * LDBL_EPSILON * kSixth)
        return std::copysign(0.5L, angle);
    return std::sin(angle * kToTrue);
}
inline Real::Value cosineNear0(Real::Value angle) { return std::cos(angle * kToTrue); }

} // namespace angle_measure

// The sine of a stored angle as the sine or the cosine of an angle in
// [0, pi/4] of the stored measure, where the library is exact and quick,
// with its sign. Every step of the reduction is exact (a remainder, or the
// difference of two numbers within a factor of two of each other), so the
// sine of 180° or 360° is 0 whatever the width of long double.
struct ReducedSine {
    Real::Value angle;
    bool asCosine; // of the complement
    bool negated;
};

// `pi` is the measure's: the stored one, or the true one for an angle in
// radians.
inline ReducedSine reduceForSine(Real::Value angle, Real::Value pi = angle_measure::kStoredPi)
{
    bool negated = angle < 0.0L;
    angle = std::fabs(angle);
    if (angle >= 2 * pi)
        angle = std::fmod(angle, 2 * pi);
    if (angle > pi) {
        angle -= pi;
        negated = !negated;
    }
    if (angle > pi / 2)
        angle = pi - angle;
    if (angle > pi / 4)
        return {pi / 2 - angle, true, negated};
    return {angle, false, negated};
}

// The cosine the same way: near a right angle it is the sine of the small
// difference.
struct ReducedCosine {
    Real::Value angle;
    bool asSine;  // of the complement
    bool negated; // of the supplement
};

inline ReducedCosine reduceForCosine(Real::Value angle, Real::Value pi = angle_measure::kStoredPi)
{
    angle = std::fabs(angle);
    if (angle >= 2 * pi)
        angle = std::fmod(angle, 2 * pi);
    if (angle > pi)
        angle = 2 * pi - angle;
    if (angle <= pi / 4)
        return {angle, false, false};
    if (angle < 3 * pi / 4)
        return {pi / 2 - angle, true, false};
    return {pi - angle, false, true};
}

inline Real sin(Real x)
{
    using namespace angle_measure;
    const ReducedSine r = reduceForSine(x.value());
    const Real::Value value = r.asCosine ? cosineNear0(r.angle) : sineNear0(r.angle);
    return Real(r.negated ? -value : value);
}

// The same sine to a double's precision, about twice as fast: for checks
// that allow far more than a double's rounding.
inline double sineToCheck(Real x)
{
    using namespace angle_measure;
    const ReducedSine r = reduceForSine(x.value());
    const auto angle = static_cast<double>(r.angle * kToTrue);
    const double value = r.asCosine ? std::cos(angle) : std::sin(angle);
    return r.negated ? -value : value;
}

inline Real cos(Real x)
{
    using namespace angle_measure;
    const ReducedCosine r = reduceForCosine(x.value());
    const Real::Value value = r.asSine ? sineNear0(r.angle) : cosineNear0(r.angle);
    return Real(r.negated ? -value : value);
}

// The sine, cosine and tangent of an angle of a triangle in radians (long
// double, against the true pi), reduced as above: the formulas for any
// three elements take them from a typed angle.
inline long double sineOfAngle(long double angle)
{
    const ReducedSine r = reduceForSine(angle, angle_measure::kTruePi);
    const long double value = r.asCosine ? std::cos(r.angle) : std::sin(r.angle);
    return r.negated ? -value : value;
}

inline long double cosineOfAngle(long double angle)
{
    const ReducedCosine r = reduceForCosine(angle, angle_measure::kTruePi);
    const long double value = r.asSine ? std::sin(r.angle) : std::cos(r.angle);
    return r.negated ? -value : value;
}

inline long double tangentOfAngle(long double angle)
{
    using angle_measure::kTruePi;
    if (angle > kTruePi / 4 && angle < kTruePi / 2)
        return 1 / std::tan(kTruePi / 2 - angle);
    return std::tan(angle);
}

inline Real atan(Real x) { return Real(std::atan(x.value()) / angle_measure::kToTrue); }

// The angle with this sine and cosine (up to a common positive factor).
inline Real angleFromSineAndCosine(Real sine, Real cosine)
{
    return Real(std::atan2(sine.value(), cosine.value()) / angle_measure::kToTrue);
}

// Whether an angle in degrees is one whose sine and cosine a student knows,
// a multiple of 15°: the area and R go by it rather than by the sides.
inline bool isMultipleOf15Degrees(Real::Value degrees)
{
    return std::fabs(degrees - 15 * std::nearbyint(degrees / 15)) <= 1e-9L;
}

} // namespace triangle
