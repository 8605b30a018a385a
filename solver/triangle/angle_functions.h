// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
inline Real::Value sineNear0(Real::Value angle) { return std::sin(angle * kToTrue); }
inline Real::Value cosineNear0(Real::Value angle) { return std::cos(angle * kToTrue); }

} // namespace angle_measure

// The sine of a stored angle as the sine or the cosine of an angle in
// [0, pi/4] of the stored measure, where the library is exact and quick.
// An angle outside [0, pi) comes back unreduced, to be taken as it is.
struct ReducedSine {
    Real::Value angle;
    bool asCosine; // of the complement
    bool reduced;
};

// `pi` is the measure's: the stored one, or the true one for an angle in
// radians.
inline ReducedSine reduceForSine(Real::Value angle, Real::Value pi = angle_measure::kStoredPi)
{
    if (angle < 0.0L || angle >= pi)
        return {angle, false, false};
    if (angle > pi / 2)
        angle = pi - angle;
    if (angle > pi / 4)
        return {pi / 2 - angle, true, true};
    return {angle, false, true};
}

// The cosine the same way: near a right angle it is the sine of the small
// difference. An angle outside [0, pi] comes back unreduced.
struct ReducedCosine {
    Real::Value angle;
    bool asSine;  // of the complement
    bool negated; // of the supplement
    bool reduced;
};

inline ReducedCosine reduceForCosine(Real::Value angle, Real::Value pi = angle_measure::kStoredPi)
{
    if (angle < 0.0L || angle > pi)
        return {angle, false, false, false};
    if (angle <= pi / 4)
        return {angle, false, false, true};
    if (angle < 3 * pi / 4)
        return {pi / 2 - angle, true, false, true};
    return {pi - angle, false, true, true};
}

inline Real sin(Real x)
{
    using namespace angle_measure;
    const ReducedSine r = reduceForSine(x.value());
    if (!r.reduced)
        return Real(std::sin(r.angle * kToTrue));
    return Real(r.asCosine ? cosineNear0(r.angle) : sineNear0(r.angle));
}

// The same sine to a double's precision, about twice as fast: for checks
// that allow far more than a double's rounding.
inline double sineToCheck(Real x)
{
    using namespace angle_measure;
    const ReducedSine r = reduceForSine(x.value());
    const auto angle = static_cast<double>(r.angle * kToTrue);
    return r.asCosine ? std::cos(angle) : std::sin(angle);
}

inline Real cos(Real x)
{
    using namespace angle_measure;
    const ReducedCosine r = reduceForCosine(x.value());
    if (!r.reduced)
        return Real(std::cos(r.angle * kToTrue));
    const Real::Value value = r.asSine ? sineNear0(r.angle) : cosineNear0(r.angle);
    return Real(r.negated ? -value : value);
}

// The sine, cosine and tangent of an angle of a triangle in radians (long
// double, against the true pi), reduced as above: the formulas for any
// three elements take them from a typed angle. Outside [0, pi] they are
// the library's.
inline long double sineOfAngle(long double angle)
{
    const ReducedSine r = reduceForSine(angle, angle_measure::kTruePi);
    return r.asCosine ? std::cos(r.angle) : std::sin(r.angle);
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

} // namespace triangle
