// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include "session/solution_page.h"
#include "solver/elements/any_three.h"
#include "solver/numbers/number_format.h"
#include "wording/language.h"

namespace triangle::session {

// The worked solution of the `shown`-th triangle that three given elements
// fit, as the faces show it; none where they fit no such triangle or a step
// faults, and then the outcome that says why.
struct ElementSolution {
    std::optional<SolutionPage> page;
    Outcome outcome;
};

ElementSolution elementSolution(const std::array<ElementText, 3> &given, std::size_t shown,
    const NumberFormat &format, const wording::Language &language);

} // namespace triangle::session
