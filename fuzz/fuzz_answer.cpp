// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the reading and marking of a student's answer: arbitrary bytes
// after the first are the answer typed, the first picks the key. Beyond "no
// crash, no undefined behaviour" it checks that an answer marked right or
// unsimplified has the key's value, and that marking is the same twice.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "exact/surd.h"
#include "solver/practice/answer_check.h"
#include "solver/practice/typed_answer.h"

namespace {

const std::array<triangle::KeyValue, 5> kKeys = {{
    {"c", "10*sqrt(3)", 10 * std::sqrt(3.0L)},
    {"c", "sqrt(89-40*sqrt(2))", std::sqrt(89 - 40 * std::sqrt(2.0L))},
    {"S", "(5*sqrt(3)+sqrt(231))/2", (5 * std::sqrt(3.0L) + std::sqrt(231.0L)) / 2},
    {"A", std::nullopt, 38.21321070173819L},
    {"n", "2", 2},
}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const triangle::KeyValue &key = kKeys.at(data[0] % kKeys.size());
    const std::string_view typed(reinterpret_cast<const char *>(data + 1), size - 1);
    const triangle::Judgement first = triangle::judgeAnswer(typed, key);
    if (triangle::judgeAnswer(typed, key).mark != first.mark) {
        std::fprintf(stderr, "fuzz check failed: marked differently twice\n");
        std::abort();
    }
    if (first.mark == triangle::Mark::Right || first.mark == triangle::Mark::Unsimplified) {
        triangle::exact::Field field;
        const auto answer = triangle::readTypedAnswer(typed, field);
        if (!answer || !(std::fabs(answer->approximate - key.value) <= 1e-6L * (1 + std::fabs(key.value)))) {
            std::fprintf(stderr, "fuzz check failed: marked right, yet not the key's value\n");
            std::abort();
        }
    }
    return 0;
}
