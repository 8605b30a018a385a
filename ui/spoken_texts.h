// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QLocale>
#include <QString>

#include <catalogue.h>

namespace triangle::ui {

// What a screen reader says where the window shows letters, digits and a
// drawing.

// A combination's given quantities in words: "ъгъл C, страна a, страна b".
QString combinationWords(int combination);

// A shown number as it is said: without the trailing zeros of its decimals,
// "7,0000" as "7" and "4,0400" as "4,04"; one of more than twelve whole
// digits in powers of ten, to four decimals: "1,1447·10³⁰⁷".
QString spokenNumber(QString shown, const QString &decimalSeparator);

// The status after a solved request: the sides, S and R it computed and the
// perimeter, as the fields show them ("Решено: c = 7, S = 17,3205, ...").
// The angles are left to the picture's description: said aloud, the angle
// A and the side a sound alike.
QString solvedStatus(
    int combination, const std::array<QString, kFieldCount> &shown, const QString &decimalSeparator);

// The picture's description of a triangle: its sides a, b, c and its angles
// at A, B, C in degrees, to one decimal.
QString triangleDescription(
    const std::array<double, 3> &sides, const std::array<double, 3> &angles, const QLocale &locale);

} // namespace triangle::ui
