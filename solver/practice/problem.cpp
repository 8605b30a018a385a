// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/practice/problem.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "solver/elements/any_three.h"

namespace triangle {

namespace {

using Q = Quantity;

// Forms longer than this are no answer without a calculator.
constexpr std::size_t kLongestSchoolForm = 40;
constexpr int kAttempts = 400;

// Draws from the seed the same way on every standard library: the engine
// is specified, the distributions are not.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : m_engine(static_cast<std::uint32_t>(seed ^ (seed >> 32))) {}
    int below(int n) { return static_cast<int>(m_engine() % static_cast<std::uint32_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    template <typename T, std::size_t N>
    T from(const std::array<T, N> &choices)
    {
        return choices.at(static_cast<std::size_t>(below(static_cast<int>(N))));
    }

private:
    std::mt19937 m_engine;
};

std::string whole(int n) { return std::to_string(n); }

// A decimal that ends within four places, as it is typed: 4.8, 2.
std::string decimalText(long double value)
{
    const long long tenThousandths = std::llround(value * 10000);
    std::string decimals = std::to_string(10000 + tenThousandths % 10000).substr(1);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    const std::string units = std::to_string(tenThousandths / 10000);
    return decimals.empty() ? units : units + "." + decimals;
}

// The area of the triangle with these sides, by Heron's formula.
long double areaOfSides(long double a, long double b, long double c)
{
    const long double p = (a + b + c) / 2;
    return std::sqrt(p * (p - a) * (p - b) * (p - c));
}

// A value to one decimal, as a problem with a calculator gives it.
std::string oneDecimal(long double value)
{
    const long long tenths = std::llround(value * 10);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

struct Posed {
    std::array<GivenValue, 3> given;
    std::vector<Quantity> asked;
};

GivenValue given(Q element, std::string text, bool half = false) { return {element, std::move(text), half}; }

// Three sides whose area, R and r or whose angles a school knows: right,
// Heronian, and with a 60° or 120° angle.
constexpr std::array<std::array<int, 3>, 13> kNiceSides
    = {{{3, 4, 5}, {5, 12, 13}, {8, 15, 17}, {6, 8, 10}, {13, 14, 15}, {5, 5, 6}, {5, 5, 8}, {9, 10, 17},
        {3, 5, 7}, {5, 7, 8}, {3, 7, 8}, {7, 8, 13}, {8, 13, 15}}};

// Three sides whose heights are decimals that end: 2S / a, 2S / b, 2S / c.
constexpr std::array<std::array<int, 3>, 5> kSidesWithDecimalHeights
    = {{{3, 4, 5}, {5, 5, 6}, {5, 5, 8}, {7, 24, 25}, {15, 20, 25}}};

// Two sides whose bisector of a 120° angle between them, ab / (a + b), is a
// decimal that ends.
constexpr std::array<std::array<int, 2>, 8> kSidesWithWholeBisector
    = {{{3, 6}, {4, 4}, {6, 6}, {4, 12}, {10, 15}, {6, 12}, {5, 20}, {12, 12}}};

// Three medians whose triangle has a whole area: the area is 4/3 of it.
constexpr std::array<std::array<int, 3>, 4> kNiceMedians
    = {{{9, 12, 15}, {15, 15, 18}, {18, 24, 30}, {15, 20, 25}}};

std::array<int, 3> shuffled(std::array<int, 3> x, Draw &draw)
{
    for (int i = 2; i > 0; --i)
        std::swap(x.at(static_cast<std::size_t>(i)), x.at(static_cast<std::size_t>(draw.below(i + 1))));
    return x;
}

// A random triangle's angles (degrees) for a problem with a calculator.
struct Shape {
    long double alpha, beta, gamma, radius;
    long double side(long double degrees) const
    {
        return 2 * radius * std::sin(degrees * std::acos(-1.0L) / 180);
    }
};

Shape randomShape(Draw &draw)
{
    const int alpha = draw.between(25, 120);
    const int beta = draw.between(20, 160 - alpha);
    return {static_cast<long double>(alpha), static_cast<long double>(beta),
        static_cast<long double>(180 - alpha - beta), draw.between(20, 120) / 10.0L};
}

Posed withoutCalculator(ProblemType type, Draw &draw)
{
    constexpr std::array<int, 8> kAngles = {30, 45, 60, 75, 90, 105, 120, 135};
    switch (type) {
    case ProblemType::IncludedAngle:
        return {{given(Q::a, whole(draw.between(2, 12))), given(Q::b, whole(draw.between(2, 12))),
                    given(Q::C, whole(draw.from(std::array {60, 120, 90})))},
            {Q::c, Q::S, Q::R}};
    case ProblemType::ThreeSides: {
        const int scale = draw.between(1, 2);
        const auto sides = shuffled(draw.from(kNiceSides), draw);
        return {{given(Q::a, whole(scale * sides[0])), given(Q::b, whole(scale * sides[1])),
                    given(Q::c, whole(scale * sides[2]))},
            {Q::S, Q::R, Q::r}};
    }
    case ProblemType::SideAndTwoAngles:
        return {{given(Q::a, whole(draw.between(2, 12))), given(Q::B, whole(draw.from(kAngles))),
                    given(Q::C, whole(draw.from(kAngles)))},
            {Q::b, Q::c, Q::S}};
    case ProblemType::HowManyTriangles:
        return {{given(Q::A, whole(draw.from(std::array {30, 45, 60, 120, 135, 150}))),
                    given(Q::a, whole(draw.between(2, 12))), given(Q::b, whole(draw.between(2, 12)))},
            {}};
    case ProblemType::AnglesAndRadius:
        return {{given(Q::A, whole(draw.from(kAngles))), given(Q::B, whole(draw.from(kAngles))),
                    given(Q::R, whole(draw.between(2, 10)))},
            {Q::a, Q::b, Q::S}};
    case ProblemType::ThreeMedians: {
        const auto medians = shuffled(draw.from(kNiceMedians), draw);
        return {{given(Q::ma, whole(medians[0])), given(Q::mb, whole(medians[1])),
                    given(Q::mc, whole(medians[2]))},
            {Q::S, draw.from(std::array {Q::a, Q::b, Q::c})}};
    }
    case ProblemType::AngleRadiusAndHalfPerimeter:
        return {{given(Q::A, whole(draw.from(std::array {60, 90, 120}))),
                    given(Q::r, whole(draw.between(1, 4))), given(Q::P, whole(draw.between(6, 30)), true)},
            {Q::a, Q::S, Q::R}};
    case ProblemType::TwoSidesAndMedian:
        return {{given(Q::a, whole(draw.between(3, 12))), given(Q::b, whole(draw.between(3, 12))),
                    given(Q::mc, whole(draw.between(2, 10)))},
            {Q::c, Q::S}};
    case ProblemType::AngleSideAndHeight: {
        // The height is at most the isosceles triangle's, a / (2·tg(α/2)).
        const int alpha = draw.from(std::array {60, 90, 120});
        const int a = draw.between(4, 12);
        const long double highest = a / (2 * std::tan(alpha * std::acos(-1.0L) / 360));
        return {{given(Q::A, whole(alpha)), given(Q::a, whole(a)),
                    given(Q::ha, whole(draw.between(1, std::max(1, static_cast<int>(highest)))))},
            {Q::S, Q::R, Q::P}};
    }
    case ProblemType::ThreeHeights: {
        const auto sides = shuffled(draw.from(kSidesWithDecimalHeights), draw);
        const int scale = draw.from(std::array {1, 2, 5});
        const long double area = areaOfSides(scale * sides[0], scale * sides[1], scale * sides[2]);
        const auto height = [&](int side) { return decimalText(2 * area / (scale * side)); };
        return {
            {given(Q::ha, height(sides[0])), given(Q::hb, height(sides[1])), given(Q::hc, height(sides[2]))},
            {Q::a, Q::S}};
    }
    case ProblemType::TwoSidesAndBisector: {
        const auto sides = draw.from(kSidesWithWholeBisector);
        const bool swapped = draw.below(2) == 1;
        const int a = swapped ? sides[1] : sides[0];
        const int b = swapped ? sides[0] : sides[1];
        return {{given(Q::a, whole(a)), given(Q::b, whole(b)),
                    given(Q::lc, decimalText(static_cast<long double>(a) * b / (a + b)))},
            {Q::C, Q::c, Q::S}};
    }
    }
    return {};
}

Posed withCalculator(ProblemType type, Draw &draw)
{
    const Shape t = randomShape(draw);
    const long double a = t.side(t.alpha);
    const long double b = t.side(t.beta);
    const long double c = t.side(t.gamma);
    const long double area = a * b * c / (4 * t.radius);
    const auto median = [](long double own, long double x, long double y) {
        return std::sqrt(2 * x * x + 2 * y * y - own * own) / 2;
    };
    const auto degrees = [](long double x) { return whole(static_cast<int>(std::lround(x))); };
    switch (type) {
    case ProblemType::IncludedAngle:
        return {{given(Q::a, oneDecimal(a)), given(Q::b, oneDecimal(b)), given(Q::C, degrees(t.gamma))},
            {Q::c, Q::S, Q::R}};
    case ProblemType::ThreeSides:
        return {{given(Q::a, oneDecimal(a)), given(Q::b, oneDecimal(b)), given(Q::c, oneDecimal(c))},
            {Q::A, Q::S, Q::R}};
    case ProblemType::SideAndTwoAngles:
        return {{given(Q::a, oneDecimal(a)), given(Q::B, degrees(t.beta)), given(Q::C, degrees(t.gamma))},
            {Q::b, Q::c, Q::S}};
    case ProblemType::HowManyTriangles:
        return {{given(Q::A, degrees(t.alpha)), given(Q::a, oneDecimal(a * draw.between(6, 14) / 10)),
                    given(Q::b, oneDecimal(b))},
            {}};
    case ProblemType::AnglesAndRadius:
        return {
            {given(Q::A, degrees(t.alpha)), given(Q::B, degrees(t.beta)), given(Q::R, oneDecimal(t.radius))},
            {Q::a, Q::b, Q::S}};
    case ProblemType::ThreeMedians:
        return {{given(Q::ma, oneDecimal(median(a, b, c))), given(Q::mb, oneDecimal(median(b, a, c))),
                    given(Q::mc, oneDecimal(median(c, a, b)))},
            {Q::S, Q::a}};
    case ProblemType::AngleRadiusAndHalfPerimeter:
        return {{given(Q::A, degrees(t.alpha)), given(Q::r, oneDecimal(2 * area / (a + b + c))),
                    given(Q::P, oneDecimal((a + b + c) / 2), true)},
            {Q::a, Q::S, Q::R}};
    case ProblemType::TwoSidesAndMedian:
        return {{given(Q::a, oneDecimal(a)), given(Q::b, oneDecimal(b)),
                    given(Q::mc, oneDecimal(median(c, a, b)))},
            {Q::c, Q::S}};
    case ProblemType::AngleSideAndHeight:
        return {{given(Q::A, degrees(t.alpha)), given(Q::a, oneDecimal(a)),
                    given(Q::ha, oneDecimal(2 * area / a))},
            {Q::S, Q::R, Q::P}};
    case ProblemType::ThreeHeights:
        return {{given(Q::ha, oneDecimal(2 * area / a)), given(Q::hb, oneDecimal(2 * area / b)),
                    given(Q::hc, oneDecimal(2 * area / c))},
            {Q::a, Q::S}};
    case ProblemType::TwoSidesAndBisector: {
        const long double half = t.gamma * std::acos(-1.0L) / 360;
        return {{given(Q::a, oneDecimal(a)), given(Q::b, oneDecimal(b)),
                    given(Q::lc, oneDecimal(2 * a * b * std::cos(half) / (a + b)))},
            {Q::C, Q::c, Q::S}};
    }
    }
    return {};
}

// The key of a posed problem where it is one a school sets: solved, the
// asked values the same in every triangle that fits (but for the number
// of triangles asked for), and exact and short without a calculator.
// The page's standard library has no std::ranges algorithms: iterators.
bool isReal(const AnsweredTriangle &triangle) { return triangle.real; }

std::optional<std::vector<KeyValue>> keyOf(const Posed &posed, ProblemType type, Level level)
{
    const std::array<ElementText, 3> texts = givenTexts(posed.given);
    // With a calculator the key is decimals: no exact forms to work out;
    // and the rest of the triangle (heights, medians, bisectors, r), whose
    // nested roots are the costly part of the forms, only where asked.
    const bool beyondNine = std::any_of(posed.asked.begin(), posed.asked.end(),
        [](Quantity q) { return static_cast<int>(q) >= kFieldCount; });
    const ElementsAnswer answer = answerElements(texts,
        {.otherTriangles = true, .more = beyondNine, .exact = level == Level::NoCalculator},
        NumberFormat {"."});
    const auto &triangles = answer.answer.triangles;
    std::vector<KeyValue> key;
    const bool howMany = type == ProblemType::HowManyTriangles;
    if (howMany) {
        if (answer.answer.outcome.status != Outcome::Status::Solved
            && answer.answer.outcome.status != Outcome::Status::NoTriangle)
            return std::nullopt;
        // The answer lists a triangle the data miss (a sine above 1) to
        // show why; only real ones count.
        const auto count = static_cast<int>(std::count_if(triangles.begin(), triangles.end(), isReal));
        key.push_back({"n", std::to_string(count), static_cast<long double>(count)});
        return key;
    }
    if (answer.answer.outcome.status != Outcome::Status::Solved || !answer.answer.outcome.realTriangle
        || triangles.empty() || !std::all_of(triangles.begin(), triangles.end(), isReal))
        return std::nullopt;
    for (const Quantity q : posed.asked) {
        const auto value = elementValue(triangles.front(), q);
        if (!value || !(*value > 0))
            return std::nullopt;
        for (const AnsweredTriangle &other : triangles) {
            const auto same = elementValue(other, q);
            if (!same || std::fabs(*same - *value) > 1e-9L * std::max(1.0L, *value))
                return std::nullopt;
        }
        const auto &form = triangles.front().exact.values.at(static_cast<std::size_t>(q));
        if (level == Level::NoCalculator && (!form || form->plain.size() > kLongestSchoolForm))
            return std::nullopt;
        key.push_back({std::string(tagOf(q)), form ? std::optional(form->plain) : std::nullopt, *value});
    }
    return key;
}

} // namespace

std::uint64_t problemId(ProblemType type, Level level, std::uint32_t seed)
{
    const auto typeIndex = static_cast<std::uint64_t>(
        std::find(kProblemTypes.begin(), kProblemTypes.end(), type) - kProblemTypes.begin());
    return (static_cast<std::uint64_t>(seed) << 5) | (typeIndex << 1) | (level == Level::Calculator ? 1 : 0);
}

std::optional<Problem> problemOf(std::uint64_t id)
{
    const std::uint64_t typeIndex = (id >> 1) & 15;
    if (typeIndex >= kProblemTypes.size() || (id >> 5) > 0xFFFFFFFFULL)
        return std::nullopt;
    Problem problem;
    problem.id = id;
    problem.type = kProblemTypes.at(typeIndex);
    problem.level = (id & 1) != 0 ? Level::Calculator : Level::NoCalculator;
    Draw draw(id * 0x9E3779B97F4A7C15ULL);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        Posed posed = problem.level == Level::NoCalculator ? withoutCalculator(problem.type, draw)
                                                           : withCalculator(problem.type, draw);
        auto key = keyOf(posed, problem.type, problem.level);
        if (!key)
            continue;
        problem.given = std::move(posed.given);
        problem.asked = std::move(posed.asked);
        problem.key = std::move(*key);
        return problem;
    }
    return std::nullopt;
}

std::array<ElementText, 3> givenTexts(const std::array<GivenValue, 3> &given)
{
    std::array<ElementText, 3> texts {};
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts.at(i) = {given.at(i).element, given.at(i).text, given.at(i).half};
    return texts;
}

const KeyValue *keyValue(const Problem &problem, std::string_view name)
{
    const auto found = std::find_if(
        problem.key.begin(), problem.key.end(), [&](const KeyValue &k) { return k.name == name; });
    return found != problem.key.end() ? &*found : nullptr;
}

} // namespace triangle
