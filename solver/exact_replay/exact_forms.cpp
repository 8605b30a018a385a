// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/exact_replay/exact_forms.h"

#include <algorithm>
#include <cmath>

#include "exact/surd_text.h"
#include "solver/exact_replay/simplest_fraction.h"
#include "solver/list/catalogue.h"
#include "solver/list/solve.h"

namespace triangle {

namespace {

using exact::Field;
using exact::Rational;
using exact::Surd;

// A form longer than this, in plain text, helps no one: the decimal does.
constexpr std::size_t kLongestForm = 40;
constexpr std::ptrdiff_t kMostTerms = 6;

// A value the step needs has no exact form (or the field grew too large):
// the step gets none either.
struct Missing {};

// A number of the field with arithmetic written as in the formulas.
class Number {
public:
    Number(Field &field, Surd value) : m_field(&field), m_value(std::move(value)) {}
    Number(Field &field, Rational value) : Number(field, Surd(value)) {}

    const Surd &value() const { return m_value; }
    Field &field() const { return *m_field; }

    friend Number operator+(const Number &x, const Number &y)
    {
        return x.with(Field::add(x.m_value, y.m_value));
    }
    friend Number operator-(const Number &x, const Number &y)
    {
        return x.with(Field::subtract(x.m_value, y.m_value));
    }
    friend Number operator*(const Number &x, const Number &y)
    {
        return x.with(x.field().multiply(x.m_value, y.m_value));
    }
    friend Number operator/(const Number &x, const Number &y)
    {
        return x.with(x.field().divide(x.m_value, y.m_value));
    }
    friend Number operator*(Rational k, const Number &x)
    {
        return x.with(x.field().multiply(Surd(k), x.m_value));
    }
    friend Number operator+(Rational k, const Number &x) { return x.with(Field::add(Surd(k), x.m_value)); }
    friend Number operator-(Rational k, const Number &x)
    {
        return x.with(Field::subtract(Surd(k), x.m_value));
    }
    friend Number operator/(const Number &x, Rational k)
    {
        return x.with(x.field().divide(x.m_value, Surd(k)));
    }

private:
    Number with(Surd value) const { return {*m_field, std::move(value)}; }

    Field *m_field;
    Surd m_value;
};

Number squareRootOf(const Number &x)
{
    auto root = x.field().squareRoot(x.value());
    if (!root)
        throw Missing {};
    return {x.field(), *root};
}

Number squared(const Number &x) { return x * x; }

// An angle as its cosine and sine, and its degrees where they are a
// multiple of 15.
struct Angle {
    Number cos;
    Number sin;
    std::optional<int> degrees;
};

long double degreesOf(long double radians) { return radians * 180.0L / static_cast<long double>(kPi); }

// An element of the triangle with these exact sides, as a length; an
// angle as its cosine.
Number elementOf(Quantity q, const std::array<Number, 3> &sides)
{
    const auto vertex = vertexOfElement(q);
    const auto at = vertex ? static_cast<std::size_t>(indexOf(*vertex)) : 0;
    const Number &own = sides.at(at);
    const Number &next = sides.at((at + 1) % 3);
    const Number &last = sides.at((at + 2) % 3);
    const Number p = (sides[0] + sides[1] + sides[2]) / 2;
    const auto area = [&] { return squareRootOf(p * (p - sides[0]) * (p - sides[1]) * (p - sides[2])); };
    switch (kindOf(q)) {
    case ElementKind::Angle: return (squared(next) + squared(last) - squared(own)) / (2 * next * last);
    case ElementKind::Side: return own;
    case ElementKind::Height: return 2 * area() / own;
    case ElementKind::Median: return squareRootOf(2 * squared(next) + 2 * squared(last) - squared(own)) / 2;
    case ElementKind::Bisector:
        return squareRootOf(next * last * (next + last - own) * (next + last + own)) / (next + last);
    case ElementKind::Single: break;
    }
    switch (q) {
    case Quantity::S: return area();
    case Quantity::R: return sides[0] * sides[1] * sides[2] / (4 * area());
    case Quantity::P: return 2 * p;
    case Quantity::r: return area() / p;
    default: throw Missing {};
    }
}

class Replay {
public:
    explicit Replay(ExactForms &forms) : m_forms(forms) {}

    bool startFrom(int combination, const std::array<std::string_view, 3> &texts, const Triangle &record);
    bool startWith(Quantity q, const Rational &typed);
    void run(const Journal &steps);
    void completeFromSides(const Journal &steps, const Journal &moreSteps);

private:
    Number number(Rational r) { return {m_field, r}; }
    Number size(Quantity q) const
    {
        const auto &value = m_sizes.at(static_cast<std::size_t>(q));
        if (!value)
            throw Missing {};
        return *value;
    }
    const Angle &angle(Quantity q) const
    {
        const auto &value = m_angles.at(static_cast<std::size_t>(q));
        if (!value)
            throw Missing {};
        return *value;
    }
    Number operand(const Step &step, std::size_t i) const { return size(step.operands.at(i).quantity); }
    const Angle &angleOperand(const Step &step, std::size_t i) const
    {
        return angle(step.operands.at(i).quantity);
    }

    Angle multipleOf15(int k);
    Angle fromSine(const Number &sine, long double radians);
    Angle fromCosine(const Number &cosine, long double radians);
    void recognise(Angle &found, long double radians);

    void replay(const Step &step);
    void proveNumericalSides(const Journal &steps);
    bool fitsGiven(const std::array<Number, 3> &sides);
    bool operandsKnown(const Step &step) const;
    std::optional<Angle> specialAngle(const Number &cosine, long double radians);
    std::optional<Number> sizeFound(const Step &step);
    std::optional<Number> elementSizeFound(const Step &step);
    Number circumradiusFromAngles(const Step &step);
    std::optional<Angle> angleFound(const Step &step);
    void keep(const Step &step, const std::optional<Number> &size, const std::optional<Angle> &found);
    std::optional<ExactForm> formOf(
        const Number &x, long double expected, long double tolerance = 1e-9L) const;

    ExactForms &m_forms;
    Field m_field;
    std::array<std::optional<Number>, kElementCount> m_sizes {};
    std::array<std::optional<Angle>, 3> m_angles {};
    std::optional<Number> m_intermediate;
    std::optional<Number> m_secondIntermediate;
    std::vector<Quantity> m_given;
    // The sides a numerical solution found, where fractions or roots of
    // fractions prove to have the given values.
    std::array<std::optional<Number>, 3> m_numericalSides {};
    bool m_numericalTried = false;
    // The nested roots' texts, each written once.
    mutable exact::RootTexts m_plainRoots;
    mutable exact::RootTexts m_schoolRoots;
};

Angle Replay::multipleOf15(int k)
{
    // cos 15k° for k = 0 … 6; the rest by cos(180° − x) = −cos x.
    const auto cosine = [this](int j) -> Number {
        switch (j) {
        case 0: return number(1);
        case 2: return squareRootOf(number(3)) / 2;
        case 3: return squareRootOf(number(2)) / 2;
        case 4: return number(Rational(1, 2));
        case 6: return number(0);
        default: {
            const Number root6 = squareRootOf(number(6));
            const Number root2 = squareRootOf(number(2));
            return (j == 1 ? root6 + root2 : root6 - root2) / 4;
        }
        }
    };
    const auto signedCosine = [&](int j) { return j <= 6 ? cosine(j) : Rational(-1) * cosine(12 - j); };
    return {signedCosine(k), signedCosine(k <= 6 ? 6 - k : k - 6), 15 * k};
}

void Replay::recognise(Angle &found, long double radians)
{
    const long double degrees = degreesOf(radians);
    const long double k = std::nearbyint(degrees / 15.0L);
    if (std::fabs(degrees - 15.0L * k) > 1e-6L || k <= 0 || k >= 12)
        return;
    const Angle special = multipleOf15(static_cast<int>(k));
    if (m_field.equal(special.cos.value(), found.cos.value()))
        found.degrees = special.degrees;
}

Angle Replay::fromSine(const Number &sine, long double radians)
{
    m_intermediate = sine;
    Number cosine = squareRootOf(1 - squared(sine));
    if (degreesOf(radians) > 90.0L)
        cosine = Rational(-1) * cosine;
    Angle found {cosine, sine, std::nullopt};
    recognise(found, radians);
    return found;
}

Angle Replay::fromCosine(const Number &cosine, long double radians)
{
    m_intermediate = cosine;
    Angle found {cosine, squareRootOf(1 - squared(cosine)), std::nullopt};
    recognise(found, radians);
    return found;
}

std::optional<Angle> Replay::angleFound(const Step &step)
{
    switch (step.rule) {
    case Rule::AngleSum: {
        const Angle &x = angleOperand(step, 0);
        const Angle &y = angleOperand(step, 1);
        Angle found {
            Rational(-1) * (x.cos * y.cos - x.sin * y.sin), x.sin * y.cos + x.cos * y.sin, std::nullopt};
        if (x.degrees && y.degrees)
            found.degrees = 180 - *x.degrees - *y.degrees;
        else
            recognise(found, step.value);
        return found;
    }
    case Rule::AngleFromSideAndCircumradius:
        return fromSine(operand(step, 0) / (2 * operand(step, 1)), step.value);
    case Rule::LawOfSines:
        return fromSine(operand(step, 0) * angleOperand(step, 2).sin / operand(step, 1), step.value);
    case Rule::AngleFromArea:
        return fromSine(2 * operand(step, 0) / (operand(step, 1) * operand(step, 2)), step.value);
    case Rule::AngleFromThreeSides: {
        const Number x = operand(step, 1);
        const Number y = operand(step, 2);
        return fromCosine((squared(x) + squared(y) - squared(operand(step, 0))) / (2 * x * y), step.value);
    }
    case Rule::AngleFromHeight: return fromSine(operand(step, 0) / operand(step, 1), step.value);
    case Rule::AngleFromBisector: {
        // cos γ = 2·cos²(γ/2) − 1, and the half angle's cosine is what the step shows.
        const Number x = operand(step, 1);
        const Number y = operand(step, 2);
        const Number halfCosine = operand(step, 0) * (x + y) / (2 * x * y);
        Angle found = fromCosine(2 * squared(halfCosine) - number(1), step.value);
        m_intermediate = halfCosine;
        return found;
    }
    default: return std::nullopt;
    }
}

std::optional<Number> Replay::sizeFound(const Step &step)
{
    const auto sine = [&](std::size_t i) { return angleOperand(step, i).sin; };
    switch (step.rule) {
    case Rule::Numerical: {
        const auto &side = m_numericalSides.at(static_cast<std::size_t>(indexOf(vertexOf(step.quantity))));
        if (!side)
            throw Missing {};
        return *side;
    }
    case Rule::CircumradiusFromSideAndAngle: return operand(step, 0) / (2 * sine(1));
    case Rule::SideFromCircumradius: return 2 * operand(step, 0) * sine(1);
    case Rule::SideByLawOfSines: return operand(step, 0) * sine(1) / sine(2);
    case Rule::LawOfCosines: {
        const Number x = operand(step, 0);
        const Number y = operand(step, 1);
        m_intermediate = squared(x) + squared(y) - 2 * x * y * angleOperand(step, 2).cos;
        return squareRootOf(*m_intermediate);
    }
    case Rule::AreaFromTwoSidesAndAngle:
        return Rational(1, 2) * operand(step, 0) * operand(step, 1) * sine(2);
    case Rule::AreaFromSidesAndCircumradius: // S = abc / (4R) and R = abc / (4S) alike
    case Rule::CircumradiusFromSidesAndArea:
        return operand(step, 0) * operand(step, 1) * operand(step, 2) / (4 * operand(step, 3));
    case Rule::AreaFromAnglesAndSide: return squared(operand(step, 0)) * sine(1) * sine(2) / (2 * sine(3));
    case Rule::CircumradiusFromAnglesAndArea:
        return squareRootOf(operand(step, 0) / (2 * sine(1) * sine(2) * sine(3)));
    case Rule::AreaFromAnglesAndCircumradius:
        return 2 * squared(operand(step, 0)) * sine(1) * sine(2) * sine(3);
    case Rule::SideFromArea: return 2 * operand(step, 0) / (operand(step, 1) * sine(2));
    case Rule::SidesFromAreaAndAngle: {
        // bc and b² + c² give b + c and b − c, and the side is half their
        // sum or half their difference: the one the solver found.
        const Number side = operand(step, 1);
        const Angle &at = angleOperand(step, 2);
        m_intermediate = 2 * operand(step, 0) / at.sin;
        const Number total = squareRootOf(squared(side) + 2 * *m_intermediate * (1 + at.cos));
        const Number difference = squareRootOf(squared(side) - 2 * *m_intermediate * (1 - at.cos));
        const Number larger = (total + difference) / 2;
        const Number smaller = (total - difference) / 2;
        const long double value = step.value;
        const bool isLarger = std::fabs(m_field.approximate(larger.value()) - value)
            <= std::fabs(m_field.approximate(smaller.value()) - value);
        return isLarger ? larger : smaller;
    }
    case Rule::SidesFromSumAndProduct: {
        // b + c and bc give b − c, and the side is half their sum or half
        // their difference: the one the solver found.
        m_intermediate = 2 * operand(step, 2) / angleOperand(step, 3).sin;
        const Number sum = operand(step, 0) - operand(step, 1);
        m_secondIntermediate = sum;
        const Number difference = squareRootOf(squared(sum) - 4 * *m_intermediate);
        const Number larger = (sum + difference) / 2;
        const Number smaller = (sum - difference) / 2;
        const bool isLarger = std::fabs(m_field.approximate(larger.value()) - step.value)
            <= std::fabs(m_field.approximate(smaller.value()) - step.value);
        return isLarger ? larger : smaller;
    }
    case Rule::SideFromQuadratic: {
        // c = b·cos α ± √(a² − b²·sin² α): the root the step took, and the
        // other one on the way, which the text offers or rejects.
        const Angle &at = angleOperand(step, 2);
        const Number middle = operand(step, 1) * at.cos;
        const Number root = squareRootOf(squared(operand(step, 0)) - squared(operand(step, 1) * at.sin));
        const bool larger = step.choice != Choice::Second;
        if (step.choice != Choice::Only)
            m_intermediate = larger ? middle - root : middle + root;
        return larger ? middle + root : middle - root;
    }
    case Rule::Perimeter: return operand(step, 0) + operand(step, 1) + operand(step, 2);
    case Rule::Heron: {
        if (!m_intermediate)
            m_intermediate = (operand(step, 0) + operand(step, 1) + operand(step, 2)) / 2;
        const Number p = *m_intermediate;
        return squareRootOf(p * (p - operand(step, 0)) * (p - operand(step, 1)) * (p - operand(step, 2)));
    }
    case Rule::Height: return 2 * operand(step, 0) / operand(step, 1);
    case Rule::Median:
        return Rational(1, 2)
            * squareRootOf(
                2 * squared(operand(step, 0)) + 2 * squared(operand(step, 1)) - squared(operand(step, 2)));
    case Rule::Bisector: {
        const Number x = operand(step, 0);
        const Number y = operand(step, 1);
        m_intermediate = squareRootOf((1 + angleOperand(step, 2).cos) / 2);
        return 2 * x * y * *m_intermediate / (x + y);
    }
    case Rule::Inradius:
        // p = P / 2 of a given perimeter is set already (replay()).
        if (!m_intermediate)
            m_intermediate = (operand(step, 1) + operand(step, 2) + operand(step, 3)) / 2;
        return operand(step, 0) / *m_intermediate;
    default: return elementSizeFound(step);
    }
}

// R from the three angles and P, r, a height, a median or a bisector.
Number Replay::circumradiusFromAngles(const Step &step)
{
    const Quantity element = step.operands.at(0).quantity;
    const Number value = operand(step, 0);
    const auto own = vertexOfElement(element);
    const Vertex x = own.value_or(Vertex::A);
    const Vertex y = firstOtherThan(x);
    const Angle &ax = angle(angleAt(x));
    const Angle &ay = angle(angleAt(y));
    const Angle &az = angle(angleAt(otherVertex(x, y)));
    const auto halfSine = [](const Angle &at) { return squareRootOf((1 - at.cos) / 2); };
    if (element == Quantity::P)
        return value / (2 * (ax.sin + ay.sin + az.sin));
    if (element == Quantity::r)
        return value / (4 * halfSine(ax) * halfSine(ay) * halfSine(az));
    switch (kindOf(element)) {
    case ElementKind::Height: return value / (2 * ay.sin * az.sin);
    case ElementKind::Median:
        return value / squareRootOf(2 * squared(ay.sin) + 2 * squared(az.sin) - squared(ax.sin));
    default: return value * (ay.sin + az.sin) / (4 * ay.sin * az.sin * squareRootOf((1 + ax.cos) / 2));
    }
}

// The steps that start from heights, medians, angle bisectors, r and P.
std::optional<Number> Replay::elementSizeFound(const Step &step)
{
    const auto v = [&](std::size_t i) { return operand(step, i); };
    // tg(α/2) = sin α / (1 + cos α)
    const auto halfTangent = [&](std::size_t i) {
        const Angle &at = angleOperand(step, i);
        return at.sin / (1 + at.cos);
    };
    switch (step.rule) {
    case Rule::SideFromMedians:
        return Rational(2, 3) * squareRootOf(2 * squared(v(1)) + 2 * squared(v(2)) - squared(v(0)));
    case Rule::AreaFromHeights: {
        const Number x = number(1) / v(0);
        const Number y = number(1) / v(1);
        const Number z = number(1) / v(2);
        m_intermediate = (x + y + z) / 2;
        const Number h = *m_intermediate;
        return number(1) / (4 * squareRootOf(h * (h - x) * (h - y) * (h - z)));
    }
    case Rule::AreaFromMedians: {
        m_intermediate = (v(0) + v(1) + v(2)) / 2;
        const Number q = *m_intermediate;
        return Rational(4, 3) * squareRootOf(q * (q - v(0)) * (q - v(1)) * (q - v(2)));
    }
    case Rule::SideFromHeight: return 2 * v(0) / v(1);
    case Rule::SideFromOwnMedian:
        m_intermediate = 2 * squared(v(0)) + 2 * squared(v(1)) - 4 * squared(v(2));
        return squareRootOf(*m_intermediate);
    case Rule::SideFromMedianToOther:
        m_intermediate = 2 * squared(v(0)) + squared(v(1)) / 2 - squared(v(2));
        return squareRootOf(*m_intermediate);
    case Rule::SideFromHeightFeet: {
        m_intermediate = squareRootOf(squared(v(1)) - squared(v(2)));
        const Number x = *m_intermediate;
        const Number y = squareRootOf(squared(v(0)) - squared(v(2)));
        const Number sum = x + y;
        const Number difference = m_field.sign((x - y).value()) < 0 ? y - x : x - y;
        const auto off
            = [&](const Number &n) { return std::fabs(m_field.approximate(n.value()) - step.value); };
        return off(sum) <= off(difference) ? sum : difference;
    }
    case Rule::AreaFromSideAndHeight: return Rational(1, 2) * v(0) * v(1);
    case Rule::SideFromHeightAndAngle: return v(0) / angleOperand(step, 1).sin;
    case Rule::SideFromHeightAndMedian:
        m_intermediate = squareRootOf(squared(v(2)) - squared(v(1)));
        return squareRootOf(squared(v(0) / 2 + *m_intermediate) + squared(v(1)));
    case Rule::SideFromInradius: m_intermediate = v(1) / 2; return *m_intermediate - v(2) / halfTangent(0);
    case Rule::AreaFromInradius: m_intermediate = v(1) / 2; return *m_intermediate * v(0);
    case Rule::SideFromAreaAndPerimeter: {
        const Angle &at = angleOperand(step, 2);
        m_intermediate = 2 * v(0) / at.sin;
        return (squared(v(1)) - 2 * *m_intermediate * (1 + at.cos)) / (2 * v(1));
    }
    case Rule::PerimeterFromInradius:
        m_intermediate = v(0) + v(1) / halfTangent(2);
        return 2 * *m_intermediate;
    case Rule::CircumradiusFromAngles: return circumradiusFromAngles(step);
    default: return std::nullopt;
    }
}

std::optional<ExactForm> Replay::formOf(const Number &x, long double expected, long double tolerance) const
{
    const long double value = m_field.approximate(x.value());
    if (!(std::fabs(value - expected) <= tolerance * std::fmax(1.0L, std::fabs(expected)))) {
        ++m_forms.disagreements;
        return std::nullopt;
    }
    // A number of many terms is long whatever they are: not written out.
    const auto terms = std::count_if(x.value().coefficients.begin(), x.value().coefficients.end(),
        [](const Rational &r) { return !r.isZero(); });
    if (terms > kMostTerms)
        return std::nullopt;
    // Writing a form simplifies its roots, which may outgrow the arithmetic:
    // such a form is too long anyway, and the triangle's other forms stay.
    try {
        std::string plain = exact::textOf(m_field, x.value(), exact::Notation::Plain, &m_plainRoots);
        if (plain.size() > kLongestForm)
            return std::nullopt;
        return ExactForm {
            exact::textOf(m_field, x.value(), exact::Notation::School, &m_schoolRoots), std::move(plain)};
    } catch (const exact::TooLarge &) {
        return std::nullopt;
    }
}

void Replay::keep(const Step &step, const std::optional<Number> &size, const std::optional<Angle> &found)
{
    const auto index = static_cast<std::size_t>(step.quantity);
    std::optional<ExactForm> result;
    if (found) {
        const long double degrees = degreesOf(step.value);
        if (found->degrees && std::fabs(degrees - *found->degrees) <= 1e-6L) {
            const std::string text = std::to_string(*found->degrees);
            result = ExactForm {text + "°", text};
            m_angles.at(index) = found;
        } else if (auto cosine = formOf(found->cos, std::cos(step.value))) {
            m_forms.cosines.at(index) = cosine;
            m_angles.at(index) = found;
        }
    } else if (size) {
        result = formOf(*size, step.value);
        if (result)
            m_sizes.at(index) = size;
    }
    m_forms.values.at(index) = result;
    m_forms.results.push_back(result);
    m_forms.secondIntermediates.push_back(
        m_secondIntermediate ? formOf(*m_secondIntermediate, step.secondIntermediate) : std::nullopt);
    m_forms.intermediates.push_back(
        m_intermediate ? formOf(*m_intermediate, step.intermediate) : std::nullopt);
}

// Whether every value the step used has an exact form; checked first, as
// throwing for each step past a value without one costs more than the step.
bool Replay::operandsKnown(const Step &step) const
{
    if (step.rule == Rule::Inradius && m_sizes.at(static_cast<std::size_t>(Quantity::P)))
        return m_sizes.at(static_cast<std::size_t>(step.operands.at(0).quantity)).has_value();
    for (std::size_t i = 0; i < step.operandCount; ++i) {
        const auto index = static_cast<std::size_t>(step.operands.at(i).quantity);
        if (isAngle(step.operands.at(i).quantity) ? !m_angles.at(index) : !m_sizes.at(index))
            return false;
    }
    return true;
}

void Replay::replay(const Step &step)
{
    m_intermediate.reset();
    m_secondIntermediate.reset();
    std::optional<Number> size;
    std::optional<Angle> found;
    // p of a given perimeter is exact, whatever the sides are.
    if (findsSemiperimeter(step.rule) && m_sizes.at(static_cast<std::size_t>(Quantity::P)))
        m_intermediate = this->size(Quantity::P) / 2;
    if (!operandsKnown(step)) {
        keep(step, size, found);
        return;
    }
    try {
        if (isAngle(step.quantity))
            found = angleFound(step);
        else
            size = sizeFound(step);
    } catch (const Missing &) {
    } catch (const exact::TooLarge &) {
    }
    keep(step, size, found);
}

void Replay::run(const Journal &steps)
{
    if (!m_numericalTried) {
        m_numericalTried = true;
        proveNumericalSides(steps);
    }
    for (const Step &step : steps)
        replay(step);
}

// The angle of a cosine where it is a multiple of 15°.
std::optional<Angle> Replay::specialAngle(const Number &cosine, long double radians)
{
    Angle found {cosine, squareRootOf(1 - squared(cosine)), std::nullopt};
    recognise(found, radians);
    return found.degrees ? std::optional(found) : std::nullopt;
}

// The values that no step gave a form, where the three sides have theirs:
// the rest of the triangle follows from them. A value's form only, not a
// step's, whose line shows another route.
void Replay::completeFromSides(const Journal &steps, const Journal &moreSteps)
{
    std::array<Number, 3> sides {number(0), number(0), number(0)};
    for (const Vertex v : {Vertex::A, Vertex::B, Vertex::C}) {
        const auto &side = m_sizes.at(static_cast<std::size_t>(sideOpposite(v)));
        if (!side)
            return;
        sides.at(static_cast<std::size_t>(indexOf(v))) = *side;
    }
    // Each value as the steps found it, for formOf() to check the form by:
    // to a relative 1e-6, as the steps may have gone a way that loses digits
    // (a bisector through the half of an angle of 0.16°) where the form
    // from the sides keeps them all.
    std::array<std::optional<long double>, kElementCount> found {};
    for (const Journal *journal : {&steps, &moreSteps}) {
        for (const Step &step : *journal)
            found.at(static_cast<std::size_t>(step.quantity)) = step.value;
    }
    constexpr long double kFromSides = 1e-6L;
    for (std::size_t i = 0; i < kElementCount; ++i) {
        const auto q = static_cast<Quantity>(i);
        if (m_forms.values.at(i) || !found.at(i) || (isAngle(q) && m_forms.cosines.at(i)))
            continue;
        try {
            const Number value = elementOf(q, sides);
            if (!isAngle(q)) {
                m_forms.values.at(i) = formOf(value, *found.at(i), kFromSides);
            } else if (const auto special = specialAngle(value, *found.at(i))) {
                const std::string text = std::to_string(*special->degrees);
                m_forms.values.at(i) = ExactForm {text + "°", text};
            } else {
                m_forms.cosines.at(i) = formOf(value, std::cos(*found.at(i)), kFromSides);
            }
        } catch (const Missing &) {
        } catch (const exact::TooLarge &) {
        }
    }
}

bool Replay::fitsGiven(const std::array<Number, 3> &sides)
{
    try {
        return std::all_of(m_given.begin(), m_given.end(), [&](Quantity q) {
            const Number own = elementOf(q, sides);
            const Number &given = isAngle(q) ? angle(q).cos : size(q);
            return m_field.equal(own.value(), given.value());
        });
    } catch (const Missing &) {
        return false;
    } catch (const exact::TooLarge &) {
        return false;
    }
}

// A numerical solution's sides, each a fraction or the root of one where
// its value is that close to one (simplest_fraction.h), kept where the
// three give the given values exactly: a guess the exact arithmetic proves.
void Replay::proveNumericalSides(const Journal &steps)
{
    std::array<std::optional<long double>, 3> found {};
    bool solvedFor = false;
    for (const Step &step : steps) {
        if (step.rule == Rule::Numerical && kindOf(step.quantity) == ElementKind::Side) {
            found.at(static_cast<std::size_t>(indexOf(vertexOf(step.quantity)))) = step.value;
            solvedFor = true;
        }
    }
    // A given side is not solved for: it is known exactly.
    std::array<std::array<std::optional<Number>, 2>, 3> guesses;
    for (const Vertex v : kVertices) {
        const auto &given = m_sizes.at(static_cast<std::size_t>(sideOpposite(v)));
        const auto i = static_cast<std::size_t>(indexOf(v));
        if (solvedFor && !found.at(i) && given) {
            found.at(i) = m_field.approximate(given->value());
            guesses.at(i) = {given, given};
        }
    }
    if (!std::all_of(found.begin(), found.end(), [](const auto &side) { return side.has_value(); }))
        return;
    // Each side as a fraction, then as the root of one.
    for (std::size_t i = 0; i < 3; ++i) {
        if (guesses.at(i)[0])
            continue;
        const long double x = *found.at(i);
        if (const auto fraction = simplestFraction(x))
            guesses.at(i)[0] = number(*fraction);
        try {
            if (const auto square = simplestFraction(x * x))
                guesses.at(i)[1] = squareRootOf(number(*square));
        } catch (const Missing &) {
        }
    }
    for (int choice = 0; choice < 8; ++choice) {
        std::array<std::optional<Number>, 3> sides;
        for (std::size_t i = 0; i < 3; ++i)
            sides.at(i) = guesses.at(i).at(static_cast<std::size_t>((choice >> i) & 1));
        if (!std::all_of(sides.begin(), sides.end(), [](const auto &side) { return side.has_value(); }))
            continue;
        if (fitsGiven({*sides[0], *sides[1], *sides[2]})) {
            m_numericalSides = sides;
            return;
        }
    }
}

bool closeTo(const Rational &typed, long double used)
{
    return std::fabs(typed.approximate() - used) <= 1e-12L * std::fabs(used);
}

bool Replay::startFrom(int combination, const std::array<std::string_view, 3> &texts, const Triangle &record)
{
    std::size_t next = 0;
    for (const Quantity q : kAllQuantities) {
        if (q == Quantity::P || !isGiven(combination, q))
            continue;
        Rational typed;
        if (next == texts.size() || !exact::readDecimal(texts.at(next++), typed) || typed.sign() <= 0)
            return false;
        const auto index = static_cast<std::size_t>(q);
        const Real::Value used = isAngle(q) ? record.givenDegrees.at(index).value() : record.field(q).value();
        if (!closeTo(typed, used) || !startWith(q, typed))
            return false;
    }
    return true;
}

bool Replay::startWith(Quantity q, const Rational &typed)
{
    const auto index = static_cast<std::size_t>(q);
    m_given.push_back(q);
    if (isAngle(q)) {
        const Rational multiple = typed / Rational(15);
        if (!multiple.isInteger() || multiple.numerator() >= 12)
            return false;
        m_angles.at(index) = multipleOf15(static_cast<int>(multiple.numerator()));
        const std::string degrees = exact::integerText(multiple.numerator() * 15);
        m_forms.values.at(index) = ExactForm {degrees + "°", degrees};
    } else {
        m_sizes.at(index) = number(typed);
        m_forms.values.at(index) = formOf(*m_sizes.at(index), typed.approximate());
    }
    return true;
}

// The forms of a replay that starts from the given values as `start` puts
// them in; none where it cannot.
template <typename Start>
ExactForms replayed(Start start, const Journal &steps, const Journal &moreSteps)
{
    ExactForms forms;
    try {
        Replay replay(forms);
        if (!start(replay))
            return {};
        replay.run(steps);
        replay.run(moreSteps);
        replay.completeFromSides(steps, moreSteps);
    } catch (const exact::TooLarge &) {
        return {};
    }
    return forms;
}

} // namespace

ExactForms exactFormsOf(int combination, const std::array<std::string_view, 3> &texts, const Triangle &record,
    const Journal &steps, const Journal &moreSteps)
{
    return replayed(
        [&](Replay &replay) { return replay.startFrom(combination, texts, record); }, steps, moreSteps);
}

ExactForms exactFormsOf(
    const std::array<TypedElement, 3> &given, const Journal &steps, const Journal &moreSteps)
{
    const auto start = [&](Replay &replay) {
        for (const TypedElement &element : given) {
            Rational typed;
            if (!exact::readDecimal(element.text, typed) || typed.sign() <= 0
                || !replay.startWith(element.element, element.half ? Rational(2) * typed : typed))
                return false;
        }
        return true;
    };
    return replayed(start, steps, moreSteps);
}

} // namespace triangle
