// SPDX-License-Identifier: GPL-3.0-or-later
// The search for the shape over every set of three elements without an
// angle, each solved back from a few triangles: how long one search takes
// in the middle of them and at the slow end, which the five sets of
// bench_requests cannot tell.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <limits>
#include <numbers>
#include <vector>

#include "solver/elements/element_set.h"
#include "solver/elements/shape_search.h"

namespace {

using triangle::GivenElement;
using triangle::Quantity;
using triangle::Shape;

// Acute, obtuse, one with a small angle, and one nearly right.
std::vector<Shape<long double>> sampleShapes()
{
    constexpr long double kDegree = std::numbers::pi_v<long double> / 180;
    const std::array<std::array<long double, 2>, 4> angles = {{{50, 60}, {110, 40}, {20, 35}, {80, 85}}};
    std::vector<Shape<long double>> shapes;
    for (const auto &[alpha, beta] : angles)
        shapes.push_back({alpha * kDegree, beta * kDegree, (180 - alpha - beta) * kDegree});
    return shapes;
}

// Every determinate set without an angle, with the values it has in each
// sample triangle (of circumdiameter 1).
std::vector<std::array<GivenElement, 3>> requestsWithoutAngle()
{
    std::vector<std::array<GivenElement, 3>> requests;
    for (const auto &shape : sampleShapes()) {
        for (int index = 0; index < triangle::kElementSetCount; ++index) {
            const triangle::ElementSet set = triangle::elementSetAt(index);
            if (triangle::classOf(set).kind != triangle::SetKind::Determinate
                || std::any_of(set.begin(), set.end(), triangle::isAngle))
                continue;
            std::array<GivenElement, 3> given {};
            for (std::size_t i = 0; i < set.size(); ++i) {
                const long double length = triangle::unitLengthValue(set.at(i), shape);
                given.at(i) = {set.at(i), set.at(i) == Quantity::S ? length * length : length};
            }
            requests.push_back(given);
        }
    }
    return requests;
}

// Each set's time is its fastest of the iterations: a pause of a busy
// machine in one of them does not count.
void searchOverEverySet(benchmark::State &state)
{
    const auto requests = requestsWithoutAngle();
    std::vector<double> microseconds(requests.size(), std::numeric_limits<double>::infinity());
    for (auto _ : state) {
        for (std::size_t i = 0; i < requests.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            const auto shapes = triangle::fittingShapes(requests[i]);
            benchmark::DoNotOptimize(shapes.data());
            const double elapsed
                = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
            microseconds[i] = std::min(microseconds[i], elapsed);
        }
    }
    std::sort(microseconds.begin(), microseconds.end());
    const auto at = [&](double share) {
        return microseconds.at(
            static_cast<std::size_t>(share * static_cast<double>(microseconds.size() - 1)));
    };
    state.counters["sets"] = static_cast<double>(requests.size());
    state.counters["median_us"] = at(0.5);
    state.counters["p90_us"] = at(0.9);
    state.counters["slowest_us"] = microseconds.back();
}
BENCHMARK(searchOverEverySet)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
