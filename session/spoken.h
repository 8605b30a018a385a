// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "session/view.h"
#include "solver/triangle/quantity.h"
#include "wording/language.h"

// What a screen reader says where the screen shows letters, digits and a
// drawing.
namespace triangle::session {

using wording::Language;

// A combination's given quantities in words: "ъгъл C, страна a, страна b".
std::string combinationWords(const Language &language, int combination);

// A shown number as it is said: without the trailing zeros of its decimals,
// "7,0000" as "7" and "4,0400" as "4,04"; one of more than twelve whole
// digits in powers of ten, to four decimals: "1,1447·10³⁰⁷".
std::string spokenNumber(std::string shown, std::string_view decimalSeparator);

// The status after a solved request: the sides, S and R it computed and the
// perimeter, as the fields show them ("Решено: c = 7, S = 17,3205, ...").
// The angles are left to the picture's description: said aloud, the angle
// A and the side a sound alike.
std::string solvedStatus(const Language &language, int combination,
    const std::array<std::string, kFieldCount> &shown, std::string_view decimalSeparator);

// The status after «Друг триъгълник»: which triangle is shown and its
// values as the status after a request says them ("Показан е 2 от 2: c =
// 3,9282, ...").
std::string switchedStatus(const Language &language, int combination,
    const std::array<std::string, kFieldCount> &shown, std::string_view decimalSeparator,
    std::size_t shownTriangle, std::size_t count);

// The picture's description of a triangle: its sides a, b, c to four
// decimals and its angles at A, B, C in degrees to one, then the given
// heights, medians and angle bisectors it marks. A side whose field shows
// it is said as the field shows it (`shownSides`, empty where none does):
// the picture's doubles may round a typed halfway value the other way.
std::string pictureDescription(const Language &language, const PictureView &picture,
    std::string_view decimalSeparator, const std::array<std::string, 3> &shownSides = {});

// What the fields of a, b and c show, for pictureDescription().
template <std::size_t N>
std::array<std::string, 3> shownSides(const std::array<std::string, N> &fields)
{
    return {fields.at(3), fields.at(4), fields.at(5)};
}

// The picture's description before anything is solved.
std::string startUpPictureDescription(const Language &language);

} // namespace triangle::session
