// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <stdexcept>
#include <type_traits>

#include "solver/numbers/real.h"
#include "solver/triangle/quantity.h"

namespace triangle {

// The program's pi: a decimal literal, a little smaller than the double nearest
// to pi. Every conversion and every "rest of pi" uses it, so that results agree
// to the last digit with the published worked examples.
inline constexpr double kPi = 3.14159265358979;

// The solver's whole state: the eight quantities of the current triangle
// (angles in radians) and the work fields through which the procedures talk to
// the helper formulas. The work fields keep the values of their last use.
struct Triangle {
    Real a, b, c;
    Real Alpha, Beta, Gamma;
    Real R, S;
    Real WorkSide, WorkLow, WorkHigh, WorkAngle;
    Real SineArg;
    // The given angles as typed, in degrees (0 where not given): the rest of
    // 180 degrees from two of them is exact, where their conversions to
    // radians would each add a rounding to a possibly tiny third angle.
    std::array<Real, 3> givenDegrees {};
    // For an angle found as the rest of pi in the last solving, the sum of
    // the other two (0 elsewhere): an obtuse angle's sine is theirs, which
    // keeps the digits of a small sum that pi minus it has lost.
    std::array<Real, 3> restOfPiSums {};

    // Zeroes the eight quantities; the work fields stay as they are.
    void clearQuantities()
    {
        a = b = c = 0.0;
        Alpha = Beta = Gamma = 0.0;
        R = S = 0.0;
        givenDegrees = {};
        restOfPiSums = {};
    }

    // The field of one of the eight quantities; the perimeter has none.
    Real &field(Quantity q) { return fieldOf(*this, q); }
    const Real &field(Quantity q) const { return fieldOf(*this, q); }

    // Field by vertex: the angle at it and the side opposite it.
    Real &angle(Vertex v) { return field(angleAt(v)); }
    Real &side(Vertex v) { return field(sideOpposite(v)); }
    const Real &angle(Vertex v) const { return field(angleAt(v)); }
    const Real &side(Vertex v) const { return field(sideOpposite(v)); }

private:
    template <class Self>
    static std::conditional_t<std::is_const_v<Self>, const Real &, Real &> fieldOf(Self &self, Quantity q)
    {
        switch (q) {
        case Quantity::A: return self.Alpha;
        case Quantity::B: return self.Beta;
        case Quantity::C: return self.Gamma;
        case Quantity::a: return self.a;
        case Quantity::b: return self.b;
        case Quantity::c: return self.c;
        case Quantity::S: return self.S;
        case Quantity::R: return self.R;
        default: break;
        }
        throw std::logic_error("only the eight quantities are stored");
    }
};

} // namespace triangle
