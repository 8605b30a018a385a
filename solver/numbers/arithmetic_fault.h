// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace triangle {

enum class FaultKind {
    DivisionByZero,
    Overflow,
    InvalidArgument,
};

// Thrown by a checked operation; the driver turns it into a fault outcome, so
// it never leaves the solver.
struct ArithmeticFault {
    FaultKind kind;
};

// Thrown where given sides close no triangle (one is at least the sum of the
// other two): there is nothing to compute, and the driver says so.
struct SidesCloseNoTriangle {};

} // namespace triangle
