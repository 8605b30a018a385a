// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <compare>

#include "arithmetic_fault.h"

namespace triangle {

// A double whose every operation is checked: a division by exactly zero, a
// result that overflows to infinity and a square root of a negative number
// end the request with an ArithmeticFault at the step where they happen. The
// checks are plain comparisons on the values, so the optimiser cannot move
// them the way it may move floating-point exception flags.
class Real {
public:
    constexpr Real() = default;
    constexpr Real(double value) : m_value(value) {} // NOLINT: a literal 2 or pi reads like the formula

    constexpr double value() const { return m_value; }

    friend Real operator+(Real x, Real y) { return finite(x.m_value + y.m_value); }
    friend Real operator-(Real x, Real y) { return finite(x.m_value - y.m_value); }
    friend Real operator*(Real x, Real y) { return finite(x.m_value * y.m_value); }
    friend Real operator/(Real x, Real y)
    {
        if (y.m_value == 0.0)
            throw ArithmeticFault {FaultKind::DivisionByZero};
        return finite(x.m_value / y.m_value);
    }
    friend Real operator-(Real x) { return Real(-x.m_value); }

    friend constexpr bool operator==(Real x, Real y) { return x.m_value == y.m_value; }
    friend constexpr auto operator<=>(Real x, Real y) { return x.m_value <=> y.m_value; }

private:
    static Real finite(double result)
    {
        // Operands are always finite, so a NaN can only come from an invalid
        // operation and an infinity only from an overflow.
        if (std::isnan(result))
            throw ArithmeticFault {FaultKind::InvalidArgument};
        if (std::isinf(result))
            throw ArithmeticFault {FaultKind::Overflow};
        return Real(result);
    }

    double m_value = 0.0;
};

inline Real sin(Real x) { return Real(std::sin(x.value())); }
inline Real cos(Real x) { return Real(std::cos(x.value())); }
inline Real atan(Real x) { return Real(std::atan(x.value())); }
inline Real abs(Real x) { return Real(std::fabs(x.value())); }

inline Real sqrt(Real x)
{
    if (x.value() < 0.0)
        throw ArithmeticFault {FaultKind::InvalidArgument};
    return Real(std::sqrt(x.value()));
}

} // namespace triangle
