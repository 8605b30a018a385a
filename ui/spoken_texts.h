// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QLocale>
#include <QString>

namespace triangle::ui {

// The picture's description of a triangle, as a screen reader says it: its
// sides a, b, c and its angles at A, B, C in degrees, to one decimal.
QString triangleDescription(
    const std::array<double, 3> &sides, const std::array<double, 3> &angles, const QLocale &locale);

} // namespace triangle::ui
