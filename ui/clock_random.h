// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace triangle::ui {

// A source of random numbers in [0, 1).
using RandomSource = std::function<float()>;

// A generator seeded from the clock at the moment of the call.
RandomSource clockSeededRandom();

} // namespace triangle::ui
