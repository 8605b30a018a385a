// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/steps/solving_steps.h"

#include "solver/steps/helper_formulas.h"

namespace triangle::steps {

Real restOf180(Real x, Real y)
{
    const Real sum = x + y;
    const Real part = sum - x;
    const Real sumError = (x - (sum - part)) + (y - part);
    return (Real(180.0) - sum) - sumError;
}

namespace {

using Q = Quantity;

// pi - (angle at x + angle at y), from the typed degrees where both were given.
Real restOfPi(const Triangle &t, Vertex x, Vertex y)
{
    const Real degreesX = t.givenDegrees.at(indexOf(x));
    const Real degreesY = t.givenDegrees.at(indexOf(y));
    if (degreesX > 0.0 && degreesY > 0.0)
        return restOf180(degreesX, degreesY) * kPi / 180.0;
    return Real(kPi) - (t.angle(x) + t.angle(y));
}

// The two vertices other than v, in alphabetical order.
struct Others {
    Vertex first;
    Vertex second;
};

Others othersOf(Vertex v) { return {firstOtherThan(v), otherVertex(v, firstOtherThan(v))}; }

} // namespace

void thirdAngleAmongSides(Solving &s, Vertex v)
{
    const auto [x, y] = othersOf(v);
    s.found(angleAt(v), restOfPi(s.t, x, y), Rule::AngleSum, {angleAt(x), angleAt(y)});
    s.t.restOfPiSums.at(static_cast<std::size_t>(indexOf(v))) = s.t.angle(x) + s.t.angle(y);
}

void thirdAngle(Solving &s, Vertex v)
{
    thirdAngleAmongSides(s, v);
    const Real::Value rest = s.t.angle(v).value();
    const Real::Value nothing = kPi * kAngleSumSlack;
    if (rest < -nothing)
        s.contradiction(Contradiction::ThirdAngleNegative);
    else if (rest <= nothing)
        s.contradiction(Contradiction::ThirdAngleZero);
}

void circumradiusFromPair(Solving &s, Vertex v)
{
    s.found(Q::R, circumradiusFromSide(s.t.side(v), s.t.angle(v)), Rule::CircumradiusFromSideAndAngle,
        {sideOpposite(v), angleAt(v)});
}

void sideFromCircumradius(Solving &s, Vertex v)
{
    s.found(sideOpposite(v), triangle::sideFromCircumradius(s.t, v), Rule::SideFromCircumradius,
        {Q::R, angleAt(v)});
}

void angleFromCircumradius(Solving &s, Vertex v)
{
    const Real sine = s.t.side(v) / (2.0 * s.t.R);
    s.foundFromSine(
        angleAt(v), AngleFromSide(s.t, v), Rule::AngleFromSideAndCircumradius, {sideOpposite(v), Q::R}, sine);
}

void angleByLawOfSines(Solving &s, Vertex v, Vertex known)
{
    const Real knownSine = sineAt(s.t, known);
    const Real sine = s.t.side(v) * knownSine / s.t.side(known);
    const Real acute = triangle::angleByLawOfSines(s.t.side(v), s.t.side(known), s.t.angle(known), knownSine);
    s.foundFromSine(
        angleAt(v), acute, Rule::LawOfSines, {sideOpposite(v), sideOpposite(known), angleAt(known)}, sine);
}

void angleAmongSides(Solving &s, Vertex v)
{
    // Shown only, in long double: 2R may pass a double's range where R does not.
    const Real sine = s.journalling() ? Real(s.t.side(v).value() / (2.0L * s.t.R.value())) : Real(0.0);
    s.found(angleAt(v), angleFromSideAmongSides(s.t, v), Rule::AngleFromSideAndCircumradius,
        {sideOpposite(v), Q::R}, sine);
}

void sideByLawOfCosines(Solving &s, Vertex v)
{
    const auto [x, y] = othersOf(v);
    const Real square = lawOfCosinesSquare(s.t.side(x), s.t.side(y), s.t.angle(v));
    s.found(sideOpposite(v), sqrt(abs(square)), Rule::LawOfCosines,
        {sideOpposite(x), sideOpposite(y), angleAt(v)}, square);
}

void areaFromTwoSides(Solving &s, Vertex v)
{
    const auto [x, y] = othersOf(v);
    s.found(Q::S, 0.5 * s.t.side(x) * s.t.side(y) * sineAt(s.t, v), Rule::AreaFromTwoSidesAndAngle,
        {sideOpposite(x), sideOpposite(y), angleAt(v)});
}

void areaFromSidesAndRadius(Solving &s)
{
    const Real fourR = 4.0 * s.t.R;
    s.found(
        Q::S, (s.t.a * s.t.b * s.t.c) / fourR, Rule::AreaFromSidesAndCircumradius, {Q::a, Q::b, Q::c, Q::R});
}

void radiusFromSidesAndArea(Solving &s)
{
    // abc / (4S), with the division between the factors: abc alone leaves
    // the range of a double for sides beyond 5e102, R and S do not.
    s.found(Q::R, s.t.a * (s.t.b / (4.0 * s.t.S)) * s.t.c, Rule::CircumradiusFromSidesAndArea,
        {Q::a, Q::b, Q::c, Q::S});
}

void areaFromAnglesAndSide(Solving &s, Vertex v)
{
    const auto [x, y] = othersOf(v);
    const Real numerator = s.t.side(v) * s.t.side(v) * sineAt(s.t, x) * sineAt(s.t, y);
    const Real denominator = 2.0 * sineAt(s.t, v);
    s.found(Q::S, numerator / denominator, Rule::AreaFromAnglesAndSide,
        {sideOpposite(v), angleAt(x), angleAt(y), angleAt(v)});
}

void radiusFromAnglesAndArea(Solving &s)
{
    const Real product = sineAt(s.t, Vertex::A) * 2.0 * sineAt(s.t, Vertex::B) * sineAt(s.t, Vertex::C);
    // The absolute value keeps R positive whatever the signs of the sines.
    s.found(Q::R, sqrt(abs(s.t.S / product)), Rule::CircumradiusFromAnglesAndArea, {Q::S, Q::A, Q::B, Q::C});
}

void areaFromAnglesAndRadius(Solving &s)
{
    s.found(Q::S,
        2.0 * s.t.R * s.t.R * sineAt(s.t, Vertex::A) * sineAt(s.t, Vertex::B) * sineAt(s.t, Vertex::C),
        Rule::AreaFromAnglesAndCircumradius, {Q::R, Q::A, Q::B, Q::C});
}

void angleFromArea(Solving &s, Vertex v)
{
    const auto [x, y] = othersOf(v);
    s.t.SineArg = (2.0 * s.t.S) / (s.t.side(x) * s.t.side(y));
    s.foundFromSine(angleAt(v), ArcSine(s.t), Rule::AngleFromArea, {Q::S, sideOpposite(x), sideOpposite(y)},
        s.t.SineArg, Contradiction::SineFromAreaAboveOne);
}

void sideFromArea(Solving &s, Vertex missing, Vertex angle)
{
    const Vertex givenSide = otherVertex(missing, angle);
    s.found(sideOpposite(missing), (2.0 * s.t.S) / (s.t.side(givenSide) * sineAt(s.t, angle)),
        Rule::SideFromArea, {Q::S, sideOpposite(givenSide), angleAt(angle)});
}

void sidesFromArea(Solving &s, Vertex known)
{
    Triangle &t = s.t;
    t.WorkSide = t.side(known);
    t.WorkAngle = t.angle(known);
    const Real differenceSquared = SidesFromAreaAngle(t);
    const auto [earlier, later] = othersOf(known);
    // The mirror image has the two values swapped.
    const bool mirrored = s.takeOther();
    // Shown only, in long double: 2S may pass a double's range where S does not.
    const Real product = s.journalling() ? Real(2.0L * t.S.value() / sin(t.WorkAngle).value()) : Real(0.0);
    s.found(sideOpposite(later), mirrored ? t.WorkLow : t.WorkHigh, Rule::SidesFromAreaAndAngle,
        {Q::S, sideOpposite(known), angleAt(known)}, product);
    // Within the slack of 0 the root is double: the two sides are equal.
    if (differenceSquared.value() < -kBoundarySlack * t.WorkSide.value() * t.WorkSide.value())
        s.contradiction(Contradiction::NoSidesForArea, differenceSquared);
    if (t.WorkHigh != t.WorkLow)
        s.markBranch(mirrored, (mirrored ? t.WorkHigh : t.WorkLow).value());
    // The second side reads as the first one's partner in the area.
    s.found(sideOpposite(earlier), mirrored ? t.WorkHigh : t.WorkLow, Rule::SideFromArea,
        {Q::S, sideOpposite(later), angleAt(known)});
}

} // namespace triangle::steps
