// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elements/relation_check.h"

#include <cmath>
#include <numbers>

namespace triangle {

namespace {

constexpr long double kSlack = 0x1p-50L;
constexpr std::string_view kAngleSum = "α + β + γ = 180°";

long double radians(long double degrees) { return degrees * std::numbers::pi_v<long double> / 180; }

// How much a relative error in the value moves the relation's sides: a
// sine's relative change is α·cot α times the angle's.
long double sensitivity(const TypedValue &g)
{
    return isAngle(g.element) ? std::fabs(radians(g.value) / std::tan(radians(g.value))) : 1.0L;
}

const TypedValue *find(const std::array<TypedValue, 3> &given, auto &&which)
{
    for (const TypedValue &g : given) {
        if (which(g.element))
            return &g;
    }
    return nullptr;
}

// The relation's two sides: what one value is, and what the other two make it.
std::array<long double, 2> sidesOfRelation(const std::array<TypedValue, 3> &given)
{
    const TypedValue *angle = find(given, [](Quantity q) { return isAngle(q); });
    const TypedValue *radius = find(given, [](Quantity q) { return q == Quantity::R; });
    const TypedValue *side = find(given, [](Quantity q) { return kindOf(q) == ElementKind::Side; });
    const TypedValue *height = find(given, [](Quantity q) { return kindOf(q) == ElementKind::Height; });
    const TypedValue *area = find(given, [](Quantity q) { return q == Quantity::S; });
    if (angle != nullptr && radius != nullptr)
        return {side->value, 2 * radius->value * std::sin(radians(angle->value))};
    if (angle != nullptr)
        return {height->value, side->value * std::sin(radians(angle->value))};
    if (height != nullptr)
        return {area->value, side->value * height->value / 2};
    const TypedValue *inradius = find(given, [](Quantity q) { return q == Quantity::r; });
    const TypedValue *perimeter = find(given, [](Quantity q) { return q == Quantity::P; });
    return {area->value, inradius->value * perimeter->value / 2};
}

} // namespace

std::optional<std::string_view> brokenRelation(const SetClass &set, const std::array<TypedValue, 3> &given)
{
    if (set.kind == SetKind::Determinate)
        return std::nullopt;
    // An angle of 180° or more leaves the others nothing.
    for (const TypedValue &g : given) {
        if (isAngle(g.element) && g.value >= 180)
            return kAngleSum;
    }
    if (set.kind == SetKind::ScaleFree) {
        long double sum = 0;
        long double rounding = 180 * kSlack;
        for (const TypedValue &g : given) {
            sum += g.value;
            rounding += g.rounding;
        }
        return std::fabs(sum - 180) <= rounding ? std::nullopt : std::optional(kAngleSum);
    }
    long double relative = kSlack;
    for (const TypedValue &g : given)
        relative += g.rounding / g.value * sensitivity(g);
    const auto [own, made] = sidesOfRelation(given);
    if (std::fabs(own - made) <= relative * std::fabs(own))
        return std::nullopt;
    return kRelations.at(static_cast<std::size_t>(set.relation)).formula;
}

} // namespace triangle
