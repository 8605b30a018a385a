// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/answer/textbook_route.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "solver/list/catalogue.h"
#include "solver/list/solve.h"
#include "solver/steps/helper_formulas.h"
#include "solver/steps/solving.h"
#include "solver/triangle/angle_functions.h"

namespace triangle {

namespace {

using enum Vertex;
using Q = Quantity;

// A vertex by its part in the data of a family of combinations.
enum class At {
    Pair,  // its side and its angle are known when the law of sines needs them
    Next,  // the vertex where the route finds its next value
    Last,  // the third vertex
    Rest,  // the one angle still unknown: the angle sum's
    Whole, // none: a value of the whole triangle
};

struct RouteStep {
    Rule rule;
    At at;
};

// One request's vertices by their parts.
struct Cast {
    Vertex pair;
    Vertex next;
    Vertex last;
};

// The vertices of the given angles and of the given sides, alphabetically.
struct Given {
    std::vector<Vertex> angles;
    std::vector<Vertex> sides;

    bool hasSide(Vertex v) const { return std::find(sides.begin(), sides.end(), v) != sides.end(); }
};

Cast around(Vertex pair)
{
    const Vertex next = firstOtherThan(pair);
    return {pair, next, otherVertex(pair, next)};
}

std::optional<Cast> twoAnglesAndSide(const Given &g)
{
    if (g.angles.size() != 2 || g.sides.size() != 1)
        return std::nullopt;
    return around(g.sides.front());
}

std::optional<Cast> includedAngle(const Given &g)
{
    if (g.angles.size() != 1 || g.sides.size() != 2 || g.hasSide(g.angles.front()))
        return std::nullopt;
    return around(g.angles.front());
}

std::optional<Cast> oppositeAngle(const Given &g)
{
    if (g.angles.size() != 1 || g.sides.size() != 2 || !g.hasSide(g.angles.front()))
        return std::nullopt;
    const Vertex pair = g.angles.front();
    const Vertex next = g.sides.front() == pair ? g.sides.back() : g.sides.front();
    return Cast {pair, next, otherVertex(pair, next)};
}

std::optional<Cast> threeSides(const Given &g)
{
    if (g.sides.size() != 3)
        return std::nullopt;
    return Cast {A, B, C};
}

// A family's route: its cast where the data are the family's, and its steps.
struct Route {
    std::optional<Cast> (*castOf)(const Given &);
    std::array<RouteStep, 6> steps;
};

// The school's routes. Data with the area or R are solved as the solver
// solves them: the school knows no shorter way.
const std::array<Route, 4> kRoutes = {{
    {twoAnglesAndSide,
        {{{Rule::AngleSum, At::Rest}, {Rule::SideByLawOfSines, At::Next}, {Rule::SideByLawOfSines, At::Last},
            {Rule::AreaFromTwoSidesAndAngle, At::Last}, {Rule::CircumradiusFromSideAndAngle, At::Pair},
            {Rule::Perimeter, At::Whole}}}},
    {includedAngle,
        {{{Rule::LawOfCosines, At::Pair}, {Rule::AngleFromThreeSides, At::Next}, {Rule::AngleSum, At::Rest},
            {Rule::AreaFromTwoSidesAndAngle, At::Pair}, {Rule::CircumradiusFromSideAndAngle, At::Pair},
            {Rule::Perimeter, At::Whole}}}},
    {oppositeAngle,
        {{{Rule::LawOfSines, At::Next}, {Rule::AngleSum, At::Rest}, {Rule::SideByLawOfSines, At::Last},
            {Rule::AreaFromTwoSidesAndAngle, At::Last}, {Rule::CircumradiusFromSideAndAngle, At::Pair},
            {Rule::Perimeter, At::Whole}}}},
    {threeSides,
        {{{Rule::AngleFromThreeSides, At::Pair}, {Rule::AngleFromThreeSides, At::Next},
            {Rule::AngleFromThreeSides, At::Last}, {Rule::Heron, At::Whole},
            {Rule::CircumradiusFromSidesAndArea, At::Whole}, {Rule::Perimeter, At::Whole}}}},
}};

// Two sides and the angle opposite one, where the angle's cosine is a
// number a student knows: the third side from the quadratic, then the
// angles from their cosines.
const Route kQuadraticRoute = {oppositeAngle,
    {{{Rule::SideFromQuadratic, At::Last}, {Rule::AngleFromThreeSides, At::Next}, {Rule::AngleSum, At::Rest},
        {Rule::AreaFromTwoSidesAndAngle, At::Pair}, {Rule::CircumradiusFromSideAndAngle, At::Pair},
        {Rule::Perimeter, At::Whole}}}};

// An angle whose cosine a school writes without a calculator: 30°, 45°, 60°,
// 90°, 120°, 135° or 150°.
bool hasSchoolCosine(Real::Value degrees)
{
    const Real::Value k = std::nearbyint(degrees / 15);
    return isMultipleOf15Degrees(degrees) && (static_cast<int>(k) % 2 == 0 || static_cast<int>(k) % 3 == 0);
}

Given givenOf(int combination)
{
    Given g;
    for (const Vertex v : kVertices) {
        if (isGiven(combination, angleAt(v)))
            g.angles.push_back(v);
        if (isGiven(combination, sideOpposite(v)))
            g.sides.push_back(v);
    }
    return g;
}

// The two vertices other than v, alphabetically.
std::pair<Vertex, Vertex> othersOf(Vertex v)
{
    return {firstOtherThan(v), otherVertex(v, firstOtherThan(v))};
}

// cos(angle at v) = (x² + y² − v²) / (2xy), in long double, whose range
// holds the squares of any sides a double can.
Real::Value cosineAmongSides(const Triangle &t, Vertex v)
{
    const auto [x, y] = othersOf(v);
    const Real::Value side = t.side(v).value();
    const Real::Value first = t.side(x).value();
    const Real::Value second = t.side(y).value();
    return (first * first + second * second - side * side) / (2.0L * first * second);
}

void noteCosineStep(Journal &journal, const Triangle &t, Vertex v)
{
    const auto [x, y] = othersOf(v);
    noteStep(journal, t, angleAt(v), t.angle(v), Rule::AngleFromThreeSides,
        {sideOpposite(v), sideOpposite(x), sideOpposite(y)}, cosineAmongSides(t, v));
}

// Writes a route's steps, each with the record's values.
class RouteWriter {
public:
    RouteWriter(const Triangle &record, const Cast &cast, const Given &given, const Journal &solverSteps)
        : m_t(record), m_cast(cast), m_solverSteps(solverSteps)
    {
        for (const Vertex v : given.angles)
            m_angleKnown.at(indexOf(v)) = true;
    }

    void write(const RouteStep &step);
    Journal journal() && { return std::move(m_journal); }

private:
    Vertex vertexAt(At at) const;
    void note(Quantity q, Rule rule, std::initializer_list<Quantity> operands, Real::Value intermediate = 0);
    void noteStepAt(Rule rule, Vertex v);
    void angleByLawOfSines(Vertex v);
    void sideFromQuadratic(Vertex v);
    std::optional<Vertex> knownSpecialAngle() const;

    const Triangle &m_t;
    Cast m_cast;
    const Journal &m_solverSteps;
    std::array<bool, 3> m_angleKnown {};
    Journal m_journal;
};

Vertex RouteWriter::vertexAt(At at) const
{
    switch (at) {
    case At::Next: return m_cast.next;
    case At::Last: return m_cast.last;
    case At::Rest: {
        const auto *const unknown = std::find(m_angleKnown.begin(), m_angleKnown.end(), false);
        return static_cast<Vertex>(unknown - m_angleKnown.begin());
    }
    case At::Pair:
    case At::Whole: break;
    }
    return m_cast.pair;
}

void RouteWriter::note(
    Quantity q, Rule rule, std::initializer_list<Quantity> operands, Real::Value intermediate)
{
    const Real value = q == Q::P ? fieldValue(m_t, Q::P) : m_t.field(q);
    noteStep(m_journal, m_t, q, value, rule, operands, Real(intermediate));
}

// Where the side sought is not the longer of the two, its angle is acute
// and the step has one value; else both values fit, and the solver's branch
// point says which one this triangle took.
void RouteWriter::angleByLawOfSines(Vertex v)
{
    const Vertex p = m_cast.pair;
    note(angleAt(v), Rule::LawOfSines, {sideOpposite(v), sideOpposite(p), angleAt(p)},
        m_t.side(v).value() * sin(m_t.angle(p)).value() / m_t.side(p).value());
    if (m_t.side(v) <= m_t.side(p))
        return;
    const auto branch = std::find_if(m_solverSteps.begin(), m_solverSteps.end(),
        [&](const Step &step) { return step.quantity == angleAt(v) && step.choice != Choice::Only; });
    if (branch != m_solverSteps.end()) {
        m_journal.back().choice = branch->choice;
        m_journal.back().alternative = branch->alternative;
    }
}

// a² = b² + c² − 2bc·cos α as a quadratic in c: c = b·cos α ± √(a² − b²·sin² α).
// Where the solver found two triangles, each root is one of them, the
// larger first; else a root not above 0 is rejected, and a double root is
// the one value.
void RouteWriter::sideFromQuadratic(Vertex v)
{
    const Vertex p = m_cast.pair;
    const Vertex n = m_cast.next;
    note(sideOpposite(v), Rule::SideFromQuadratic, {sideOpposite(p), sideOpposite(n), angleAt(p)});
    const Real::Value a = m_t.side(p).value();
    const Real::Value b = m_t.side(n).value();
    const Real::Value alpha = m_t.angle(p).value();
    const Real::Value middle = b * std::cos(alpha);
    const Real::Value root = std::sqrt(std::fmax(0.0L, a * a - b * b * std::sin(alpha) * std::sin(alpha)));
    const bool twoTriangles = std::any_of(m_solverSteps.begin(), m_solverSteps.end(),
        [&](const Step &step) { return step.quantity == angleAt(n) && step.choice != Choice::Only; });
    Step &step = m_journal.back();
    const bool larger = step.value >= middle;
    if (twoTriangles) {
        step.choice = larger ? Choice::First : Choice::Second;
        step.alternative = larger ? middle - root : middle + root;
    } else if (middle - root <= 1e-9L * (a + b)) {
        step.choice = Choice::First;
        step.alternative = middle - root;
    } else {
        return;
    }
    step.intermediate = step.alternative; // its exact form goes with it
}

// A known angle whose sine a student knows, a multiple of 15°: the area
// and the circumradius go by it (S = ½·a·b·sin γ, R = c / (2·sin γ))
// rather than by Heron's formula and abc / (4S).
std::optional<Vertex> RouteWriter::knownSpecialAngle() const
{
    for (const Vertex v : kVertices) {
        const Real::Value degrees = shownValue(angleAt(v), m_t.angle(v).value());
        if (m_angleKnown.at(indexOf(v)) && isMultipleOf15Degrees(degrees))
            return v;
    }
    return std::nullopt;
}

void RouteWriter::write(const RouteStep &step)
{
    noteStepAt(step.rule, vertexAt(step.at));
    const Quantity found = m_journal.back().quantity;
    if (isAngle(found))
        m_angleKnown.at(indexOf(vertexOf(found))) = true;
}

void RouteWriter::noteStepAt(Rule rule, Vertex v)
{
    const auto [x, y] = othersOf(v);
    const Vertex p = m_cast.pair;
    switch (rule) {
    case Rule::AngleSum: return note(angleAt(v), rule, {angleAt(x), angleAt(y)});
    case Rule::LawOfSines: return angleByLawOfSines(v);
    case Rule::SideFromQuadratic: return sideFromQuadratic(v);
    case Rule::AngleFromThreeSides: return noteCosineStep(m_journal, m_t, v);
    case Rule::LawOfCosines:
        return note(sideOpposite(v), rule, {sideOpposite(x), sideOpposite(y), angleAt(v)},
            lawOfCosinesSquare(m_t.side(x), m_t.side(y), m_t.angle(v)).value());
    case Rule::SideByLawOfSines:
        return note(sideOpposite(v), rule, {sideOpposite(p), angleAt(v), angleAt(p)});
    case Rule::AreaFromTwoSidesAndAngle:
        return note(Q::S, rule, {sideOpposite(x), sideOpposite(y), angleAt(v)});
    case Rule::CircumradiusFromSideAndAngle: return note(Q::R, rule, {sideOpposite(v), angleAt(v)});
    case Rule::Heron:
        if (const auto special = knownSpecialAngle())
            return noteStepAt(Rule::AreaFromTwoSidesAndAngle, *special);
        return note(Q::S, rule, {Q::a, Q::b, Q::c}, (m_t.a.value() + m_t.b.value() + m_t.c.value()) / 2);
    case Rule::CircumradiusFromSidesAndArea:
        if (const auto special = knownSpecialAngle())
            return noteStepAt(Rule::CircumradiusFromSideAndAngle, *special);
        return note(Q::R, rule, {Q::a, Q::b, Q::c, Q::S});
    case Rule::Perimeter: return note(Q::P, rule, {Q::a, Q::b, Q::c});
    default: throw std::logic_error("no route takes this rule");
    }
}

// The solver's own steps, with an angle found from its sine among three
// known sides found from its cosine instead: near a right angle the sine
// tells little, and a school uses the cosine wherever it can.
Journal withCosinesAmongSides(int combination, const Triangle &record, const Journal &solverSteps)
{
    std::array<bool, 3> sideKnown {};
    for (const Vertex v : kVertices)
        sideKnown.at(indexOf(v)) = isGiven(combination, sideOpposite(v));
    Journal steps;
    for (const Step &step : solverSteps) {
        const bool allSides
            = std::all_of(sideKnown.begin(), sideKnown.end(), [](bool known) { return known; });
        if (step.rule == Rule::AngleFromSideAndCircumradius && step.choice == Choice::Only && allSides)
            noteCosineStep(steps, record, vertexOf(step.quantity));
        else
            steps.push_back(step);
        if (step.quantity == Q::a || step.quantity == Q::b || step.quantity == Q::c)
            sideKnown.at(indexOf(vertexOf(step.quantity))) = true;
    }
    return steps;
}

} // namespace

Journal textbookRoute(int combination, const Triangle &record, const Journal &solverSteps, bool exactForms)
{
    const Given given = givenOf(combination);
    for (const Route &route : kRoutes) {
        const auto cast = route.castOf(given);
        if (!cast)
            continue;
        const bool byQuadratic = exactForms && route.castOf == kQuadraticRoute.castOf
            && hasSchoolCosine(shownValue(angleAt(cast->pair), record.angle(cast->pair).value()));
        RouteWriter writer(record, *cast, given, solverSteps);
        for (const RouteStep &step : byQuadratic ? kQuadraticRoute.steps : route.steps)
            writer.write(step);
        return std::move(writer).journal();
    }
    return withCosinesAmongSides(combination, record, solverSteps);
}

} // namespace triangle
