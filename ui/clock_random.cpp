// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clock_random.h"

#include <chrono>
#include <random>

namespace triangle::ui {

RandomSource clockSeededRandom()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::mt19937 engine(static_cast<std::mt19937::result_type>(ticks));
    return [engine]() mutable {
        // The top 24 bits fill a float's mantissa exactly, so 1.0 never comes out.
        return static_cast<float>(engine() >> 8) / 16777216.0f;
    };
}

} // namespace triangle::ui
