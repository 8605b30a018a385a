// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/practice/answer_check.h"

#include <algorithm>
#include <cmath>

#include "solver/practice/typed_answer.h"

namespace triangle {

namespace {

// A decimal answer with fewer decimals tells too little.
constexpr long double kCoarsestDecimal = 0.01L;

Judgement judgeRounded(const TypedAnswer &typed, const std::optional<TypedAnswer> &key, long double keyValue,
    exact::Field &field)
{
    // 4,8 for 24/5 is the value itself.
    if (key && key->inField && typed.inField && field.equal(typed.value, key->value))
        return {Mark::Right, {}};
    if (!typed.inMinutes && typed.unit > kCoarsestDecimal * (1 + 1e-9L))
        return {Mark::Wrong, {}};
    const long double tolerance = typed.unit / 2 * (1 + 1e-9L) + 1e-15L * std::fabs(keyValue);
    return {std::fabs(typed.approximate - keyValue) <= tolerance ? Mark::Rounded : Mark::Wrong, {}};
}

} // namespace

Judgement judgeAnswer(std::string_view typed, const KeyValue &key)
{
    exact::Field field;
    std::optional<TypedAnswer> keyRead;
    if (key.form)
        keyRead = readTypedAnswer(*key.form, field);
    const std::optional<TypedAnswer> answer = readTypedAnswer(typed, field);
    if (!answer)
        return {Mark::Wrong, {}};
    if (answer->rounded)
        return judgeRounded(*answer, keyRead, key.value, field);
    bool equal = false;
    if (keyRead && keyRead->inField && answer->inField)
        equal = field.equal(answer->value, keyRead->value);
    else
        equal = std::fabs(answer->approximate - key.value) <= 1e-12L * std::max(1.0L, std::fabs(key.value));
    if (!equal)
        return {Mark::Wrong, {}};
    if (!answer->unsimplified.empty())
        return {Mark::Unsimplified, answer->unsimplified};
    return {Mark::Right, {}};
}

} // namespace triangle
