// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "solver/exact_replay/exact_forms.h"
#include "solver/steps/journal.h"
#include "wording/solution_text.h"

// Values a solution finds exactly as decimals from decimals it was given:
// the third angle of two typed angles (180° − 55,621414° − 108,251724° =
// 16,126862°), the perimeter of three typed sides. A teacher writes them
// whole and goes on with them; four decimals would round what is exact.
namespace triangle::wording {

// `texts` with such values added, in the order the steps find them, each
// written with the decimal separator of the texts it comes from (or
// `separator` where they have none: 1e6); a value of more than twelve
// decimals, or one the texts do not give as decimals, is left to the
// steps' four decimals.
GivenTexts withExactDecimals(const Journal &steps, GivenTexts texts, char separator);

// Half of a typed decimal, exactly: the semiperimeter of a typed perimeter
// (10,13764 gives 5,06882); none for a text that is no decimal.
std::optional<std::string> halfOf(const std::string &typed, char separator);

// An exact form that is a fraction ending within twelve decimals, as a
// teacher writes it: 1310019/1000000 as 1,310019; none for any other form.
std::optional<std::string> asDecimal(const ExactForm &form, char separator);

} // namespace triangle::wording
