// SPDX-License-Identifier: GPL-3.0-or-later
#include "verdict.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace triangle {

namespace {

constexpr double kSmallestAngle = 1e-9;
constexpr double kTolerance = 1e-6;

bool positive(Real x) { return x.value() > 0.0; }

// Plain doubles throughout: the check must not fault, and any non-finite
// intermediate simply fails it.
bool lawOfSinesHolds(const Triangle &t)
{
    const double longest = std::max({std::fabs(t.a.value()), std::fabs(t.b.value()), std::fabs(t.c.value())});
    return std::ranges::all_of(std::array {A, B, C}, [&](Vertex v) {
        const double expected = 2.0 * t.R.value() * std::sin(t.angle(v).value());
        const double error = std::fabs(t.side(v).value() - expected);
        return std::isfinite(error) && error <= kTolerance * longest;
    });
}

bool areaMatchesSides(const Triangle &t)
{
    const double fromSides = t.a.value() * t.b.value() * t.c.value() / (4.0 * t.R.value());
    const double error = std::fabs(t.S.value() - fromSides);
    return std::isfinite(error) && error <= kTolerance * std::fabs(t.S.value());
}

} // namespace

bool isRealTriangle(const Triangle &t)
{
    const bool anglesOpen = std::ranges::all_of(
        std::array {t.Alpha, t.Beta, t.Gamma}, [](Real x) { return x.value() >= kSmallestAngle; });
    const bool sizesPositive = std::ranges::all_of(std::array {t.a, t.b, t.c, t.S, t.R}, positive);
    return anglesOpen && sizesPositive && lawOfSinesHolds(t) && areaMatchesSides(t);
}

} // namespace triangle
