// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/sample_triangles.h"

#include <cmath>

namespace triangle::session {

const std::array<SampleTriangle, 2> kSampleTriangles = {{
    {60, 60, 60, 10, 10, 10, 43.3013, 5.7735},
    {30, 60, 90, 10, 17.3205, 20, 86.6025, 10},
}};

const SampleTriangle &sampleFor(float r)
{
    // The product stays in single precision, like the random number itself;
    // nearbyint rounds ties to even in the default rounding mode.
    const float scaled = r * 1000.0f;
    const auto choice = static_cast<long>(std::nearbyint(scaled));
    return kSampleTriangles.at(choice % 2 != 0 ? 0 : 1);
}

} // namespace triangle::session
