// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_triangles.h"

#include <cmath>

namespace triangle::ui {

namespace {

constexpr SampleTriangle kEquilateral = {60, 60, 60, 10, 10, 10, 43.3013, 5.7735};
constexpr SampleTriangle kRightTriangle = {30, 60, 90, 10, 17.3205, 20, 86.6025, 10};

} // namespace

const SampleTriangle &sampleFor(float r)
{
    // The product stays in single precision, like the random number itself;
    // nearbyint rounds ties to even in the default rounding mode.
    const float scaled = r * 1000.0f;
    const auto choice = static_cast<long>(std::nearbyint(scaled));
    return choice % 2 != 0 ? kEquilateral : kRightTriangle;
}

} // namespace triangle::ui
