// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cfloat>
#include <cmath>
#include <compare>

#include "solver/numbers/arithmetic_fault.h"

namespace triangle {

// A real number whose every operation is checked: a division by exactly
// zero, a result beyond the range of a double and a square root of a
// negative number end the request with an ArithmeticFault at the step where
// they happen. The checks are plain comparisons on the values, so the
// optimiser cannot move them the way it may move floating-point exception
// flags.
//
// The value is carried in long double: its eleven extra bits keep four
// correct decimals through the ill-conditioned steps of thin, flat and
// near-right triangles, while the range stays that of a double so that the
// same data fault as they always did.
class Real {
public:
    using Value = long double;

    constexpr Real() = default;
    constexpr Real(Value value) : m_value(value) {} // NOLINT: a literal 2 or pi reads like the formula

    constexpr Value value() const { return m_value; }
    // The value as shown, drawn and compared outside the solver.
    constexpr double toDouble() const { return static_cast<double>(m_value); }

    friend Real operator+(Real x, Real y) { return checked(x.m_value + y.m_value); }
    friend Real operator-(Real x, Real y) { return checked(x.m_value - y.m_value); }
    friend Real operator*(Real x, Real y) { return checked(x.m_value * y.m_value); }
    friend Real operator/(Real x, Real y)
    {
        if (y.m_value == 0.0L)
            throw ArithmeticFault {FaultKind::DivisionByZero};
        return checked(x.m_value / y.m_value);
    }
    friend Real operator-(Real x) { return Real(-x.m_value); }

    friend constexpr bool operator==(Real x, Real y) { return x.m_value == y.m_value; }
    friend constexpr auto operator<=>(Real x, Real y) { return x.m_value <=> y.m_value; }

    // A result as a double would hold it: NaN from an invalid operation,
    // beyond DBL_MAX an overflow, below the least subnormal zero.
    static Real checked(Value result)
    {
        const Value magnitude = std::fabs(result);
        if (magnitude >= static_cast<Value>(DBL_TRUE_MIN) / 2 && magnitude <= DBL_MAX)
            return Real(result);
        if (std::isnan(result))
            throw ArithmeticFault {FaultKind::InvalidArgument};
        if (magnitude > DBL_MAX)
            throw ArithmeticFault {FaultKind::Overflow};
        return Real(0.0L);
    }

private:
    Value m_value = 0.0L;
};

inline Real abs(Real x) { return Real(std::fabs(x.value())); }

inline Real sqrt(Real x)
{
    if (x.value() < 0.0L)
        throw ArithmeticFault {FaultKind::InvalidArgument};
    return Real(std::sqrt(x.value()));
}

} // namespace triangle
