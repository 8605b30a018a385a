// SPDX-License-Identifier: GPL-3.0-or-later
// One whole request per family of combinations: reading three field texts,
// solving, formatting the nine values and judging the triangle.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "solver/answer/answer.h"
#include "solver/elements/any_three.h"
#include "solver/list/compute.h"
#include "solver/list/request_form.h"
#include "wording/solution_text.h"

namespace {

struct Family {
    int combination;
    std::array<std::string_view, 3> texts;
};

// A worked example from each family, with decimals to read.
constexpr std::array<Family, 7> kFamilies = {{
    {0, {"30.25", "60.5", "10.125"}}, // two angles and a side
    {9, {"30.25", "60.5", "10.125"}}, // two angles with the area
    {15, {"20.5", "8.25", "5.125"}},  // angle, adjacent side and R
    {24, {"30.5", "5.25", "8.125"}},  // two sides and an angle
    {30, {"8.25", "8.5", "16.125"}},  // two sides with the area
    {39, {"60.5", "10.25", "4.125"}}, // the area and R with an angle
    {45, {"30.5", "4.25", "10.125"}}, // angle, side and the area
}};

void wholeRequest(benchmark::State &state)
{
    const Family &family = kFamilies.at(static_cast<std::size_t>(state.range(0)));
    triangle::Triangle record;
    const triangle::NumberFormat format;
    for (auto _ : state) {
        triangle::RequestForm form(family.combination, family.texts);
        const triangle::Outcome outcome = triangle::Compute(record, form, format);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(form.text(triangle::Quantity::P).data());
    }
    state.SetLabel("combination " + std::to_string(family.combination));
}

// The families with textbook data: angles multiples of 15°, whole lengths.
constexpr std::array<Family, 7> kTextbookFamilies = {{
    {0, {"30", "45", "5"}},
    {9, {"30", "60", "10"}},
    {15, {"45", "8", "5"}},
    {24, {"30", "5", "8"}},
    {30, {"8", "6", "20"}},
    {39, {"60", "10", "30"}},
    {45, {"30", "4", "10"}},
}};

// A request as `triangle-solve --steps --exact` answers it: solved with its
// journal, the exact forms replayed, every step written as text.
void requestWithExactSteps(benchmark::State &state)
{
    const Family &family = kTextbookFamilies.at(static_cast<std::size_t>(state.range(0)));
    const triangle::NumberFormat format;
    for (auto _ : state) {
        const triangle::Answer answer = triangle::answerRequest(
            family.combination, family.texts, {.steps = true, .exact = true}, format);
        const triangle::AnsweredTriangle &solved = answer.triangles.front();
        std::size_t length = 0;
        for (std::size_t i = 0; i < solved.steps.size(); ++i)
            length += triangle::wording::stepText(solved.steps[i], {}, format, triangle::wording::kBulgarian,
                triangle::wording::stepForms(&solved.exact, i))
                          .size();
        benchmark::DoNotOptimize(length);
    }
    state.SetLabel("combination " + std::to_string(family.combination));
}

} // namespace

BENCHMARK(wholeRequest)->DenseRange(0, static_cast<int>(kFamilies.size()) - 1);
BENCHMARK(requestWithExactSteps)->DenseRange(0, static_cast<int>(kTextbookFamilies.size()) - 1);

using triangle::Quantity;
using NamedSet = std::array<triangle::ElementText, 3>;

// Any three elements outside the list with a school's formula, as a
// request without --all: the first triangle, completed from its sides.
constexpr std::array<NamedSet, 5> kBySchoolRoute = {{
    {{{Quantity::A, "60"}, {Quantity::a, "7"}, {Quantity::ha, "5"}}},
    {{{Quantity::A, "60"}, {Quantity::P, "20"}, {Quantity::r, "1.5"}}},
    {{{Quantity::a, "7"}, {Quantity::b, "8"}, {Quantity::mc, "6"}}},
    {{{Quantity::ma, "12"}, {Quantity::mb, "15"}, {Quantity::mc, "9"}}},
    {{{Quantity::ha, "3"}, {Quantity::hb, "4"}, {Quantity::hc, "5"}}},
}};

// And without one, by the search for the shape, which finds every
// triangle: with an angle along a line, without one over the plane.
constexpr std::array<NamedSet, 5> kBySearch = {{
    {{{Quantity::A, "60"}, {Quantity::mb, "6"}, {Quantity::lc, "5"}}},
    {{{Quantity::la, "5"}, {Quantity::lb, "6"}, {Quantity::lc, "7"}}},
    {{{Quantity::ha, "3"}, {Quantity::ma, "4"}, {Quantity::la, "3.5"}}},
    {{{Quantity::ma, "5"}, {Quantity::lb, "4"}, {Quantity::r, "1"}}},
    {{{Quantity::a, "5"}, {Quantity::mb, "4"}, {Quantity::lc, "3"}}},
}};

template <const auto &kSets>
void namedElements(benchmark::State &state)
{
    const auto &given = kSets.at(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const auto answer = triangle::answerElements(given, {}, {});
        benchmark::DoNotOptimize(answer.answer.triangles.data());
    }
}
BENCHMARK(namedElements<kBySchoolRoute>)
    ->Name("namedElementsBySchoolRoute")
    ->DenseRange(0, static_cast<int>(kBySchoolRoute.size()) - 1);
BENCHMARK(namedElements<kBySearch>)
    ->Name("namedElementsBySearch")
    ->DenseRange(0, static_cast<int>(kBySearch.size()) - 1)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
