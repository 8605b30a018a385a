// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's geometry cases, without Qt: a CTest test on the host, and
// the same program in the WebAssembly build, run under node. Prints what
// fails; exits with 1 if anything does.
#include <cstdio>
#include <string>
#include <vector>

#include "picture_geometry_cases.h"

int main()
{
    const std::vector<std::string> failures = triangle::test::pictureGeometryFailures();
    for (const std::string &failure : failures)
        std::printf("FAIL: %s\n", failure.c_str());                 // NOLINT(*-vararg)
    std::printf("picture geometry: %zu failed\n", failures.size()); // NOLINT(*-vararg)
    return failures.empty() ? 0 : 1;
}
