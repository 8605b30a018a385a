// SPDX-License-Identifier: GPL-3.0-or-later
// Practice problems: one problem of each type and level posed with its key
// (goal 1 ms), and a worksheet of 30 problems with their keys (goal 50 ms).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "solver/practice/problem.h"

namespace {

using triangle::kProblemTypes;
using triangle::Level;

// Range: type index · 2 + level; a fresh seed each iteration, as each
// problem of a worksheet has.
void problemWithKey(benchmark::State &state)
{
    const auto type = kProblemTypes.at(static_cast<std::size_t>(state.range(0) / 2));
    const Level level = state.range(0) % 2 == 0 ? Level::NoCalculator : Level::Calculator;
    std::uint32_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(triangle::problemOf(triangle::problemId(type, level, seed++)));
}

void worksheetOfThirty(benchmark::State &state)
{
    std::uint32_t seed = 1;
    for (auto _ : state) {
        for (int k = 0; k < 30; ++k, ++seed) {
            const auto type = kProblemTypes.at(seed % kProblemTypes.size());
            benchmark::DoNotOptimize(
                triangle::problemOf(triangle::problemId(type, Level::NoCalculator, seed)));
        }
    }
}

} // namespace

BENCHMARK(problemWithKey)
    ->DenseRange(0, 2 * static_cast<int>(kProblemTypes.size()) - 1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(worksheetOfThirty)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
