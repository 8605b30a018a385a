// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/list/verdict.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "solver/triangle/angle_functions.h"

namespace triangle {

namespace {

using Value = Real::Value;

constexpr Value kTolerance = 1e-6L;

bool positive(Real x) { return x.value() > 0.0L; }

// Plain numbers throughout: the check must not fault, and any non-finite
// intermediate simply fails it.
bool lawOfSinesHolds(const Triangle &t)
{
    const Value longest = std::max({std::fabs(t.a.value()), std::fabs(t.b.value()), std::fabs(t.c.value())});
    return std::all_of(kVertices.begin(), kVertices.end(), [&](Vertex v) {
        // An obtuse angle found as the rest of pi: the sine its side was found with.
        const Real others = t.restOfPiSums.at(static_cast<std::size_t>(indexOf(v)));
        const bool bySum = t.angle(v).value() > kPi / 2 && others.value() > 0;
        const Value expected = 2.0L * t.R.value() * sineToCheck(bySum ? others : t.angle(v));
        const Value error = std::fabs(t.side(v).value() - expected);
        return std::isfinite(error) && error <= kTolerance * longest;
    });
}

bool areaMatchesSides(const Triangle &t)
{
    const Value fromSides = t.a.value() * t.b.value() * t.c.value() / (4.0L * t.R.value());
    const Value error = std::fabs(t.S.value() - fromSides);
    return std::isfinite(error) && error <= kTolerance * std::fabs(t.S.value());
}

} // namespace

Verdict verdictOf(const Triangle &t)
{
    const std::array sizes = {t.a, t.b, t.c, t.S, t.R};
    if (!std::all_of(sizes.begin(), sizes.end(), positive))
        return Verdict::SizeNotPositive;
    if (!lawOfSinesHolds(t))
        return Verdict::LawOfSinesFails;
    if (!areaMatchesSides(t))
        return Verdict::AreaDoesNotMatch;
    return Verdict::RealTriangle;
}

Verdict verdictOf(const Triangle &t, Contradiction first)
{
    switch (first) {
    case Contradiction::None: return verdictOf(t);
    case Contradiction::ThirdAngleZero: return Verdict::AnglesFillTheSum;
    case Contradiction::ThirdAngleNegative: return Verdict::AnglesExceedTheSum;
    case Contradiction::SineAboveOne: return Verdict::SineAboveOne;
    case Contradiction::SineFromAreaAboveOne: return Verdict::SineFromAreaAboveOne;
    case Contradiction::NoSidesForArea: return Verdict::NoSidesForArea;
    case Contradiction::SizeNotPositive: return Verdict::SizeNotPositive;
    }
    return verdictOf(t);
}

} // namespace triangle
