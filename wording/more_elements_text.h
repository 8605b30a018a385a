// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "wording/solution_text.h"

// «Още елементи», the section after the worked solution of a real
// triangle.
namespace triangle::wording {

// The rest of a real triangle: numbered steps for its heights, medians,
// angle bisectors and inradius, and its kind by angles and by sides.
struct MoreText {
    std::vector<std::string> steps; // "1. Височина към страната a: h_a = 2S / a = …"
    // Empty, or which elements could not be computed with numbers this large
    // or small: "Не могат да се пресметнат при числа с такъв размер: m_a, l_a."
    std::string outOfRange;
    std::string kind;    // "Вид: правоъгълен, разностранен триъгълник."
    std::string heading; // "Още елементи:"
};

// The rest of the solution's triangle, given values as typed in `given`;
// `exact` as for the solution, whose steps come before these.
MoreText moreElementsText(const Solution &solution, const GivenTexts &given, const NumberFormat &format,
    const Language &language = kBulgarian, const ExactForms *exact = nullptr);

// The section as plain text under its heading.
std::string plainText(const MoreText &text);

} // namespace triangle::wording
