// SPDX-License-Identifier: GPL-3.0-or-later
// Practice problems: one problem of each type and level posed with its key,
// and with its worked solution written (goal 1 ms); a worksheet of 30
// problems with their keys, as problems and as the document printed, with
// and without the solutions (goal 50 ms before printing).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "session/element_solution.h"
#include "session/worksheet.h"
#include "solver/practice/problem.h"
#include "wording/practice_text.h"

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

// The problem as the practice mode shows it: its text, its key and its
// whole worked solution.
void problemWithSolution(benchmark::State &state)
{
    const auto type = kProblemTypes.at(static_cast<std::size_t>(state.range(0) / 2));
    const Level level = state.range(0) % 2 == 0 ? Level::NoCalculator : Level::Calculator;
    const triangle::NumberFormat format {","};
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const auto problem = triangle::problemOf(triangle::problemId(type, level, seed++));
        benchmark::DoNotOptimize(triangle::wording::problemText(*problem, triangle::wording::kBulgarian));
        benchmark::DoNotOptimize(triangle::session::elementSolution(
            triangle::givenTexts(problem->given), 0, format, triangle::wording::kBulgarian));
    }
}

// Range: 1 with the solutions.
void worksheetDocument(benchmark::State &state)
{
    triangle::WorksheetOptions options;
    options.problems = 30;
    options.variants = 1;
    options.solutions = state.range(0) == 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(triangle::session::worksheetMarkup(
            options, triangle::NumberFormat {","}, triangle::wording::kBulgarian));
        ++options.seed;
    }
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
BENCHMARK(problemWithSolution)
    ->DenseRange(0, 2 * static_cast<int>(kProblemTypes.size()) - 1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(worksheetOfThirty)->Unit(benchmark::kMillisecond);
BENCHMARK(worksheetDocument)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
