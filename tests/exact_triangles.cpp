// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_triangles.h"

#include <quadmath.h>

#include <algorithm>
#include <optional>

#include "solver/list/catalogue.h"

namespace {

const Quad kPi = acosq(-1);

// Sine and cosine of an angle in degrees, reduced in degrees first so that an
// angle near 180 keeps all its digits.
Quad sind(Quad degrees) { return sinq((degrees <= 90 ? degrees : 180 - degrees) * kPi / 180); }
Quad cosd(Quad degrees) { return cosq(degrees * kPi / 180); }
Quad asind(Quad sine) { return asinq(sine) * 180 / kPi; }

// The triangles found so far, and how close to a right angle or to two equal
// sides data count as such.
// The rest of the triangle from its first nine values.
ExactValues withTheRest(ExactValues v)
{
    const Quad area = v[6];
    for (int i = 0; i < 3; ++i) {
        const Quad a = v[3 + i];
        const Quad b = v[3 + (i + 1) % 3];
        const Quad c = v[3 + (i + 2) % 3];
        v[9 + i] = 2 * area / a;
        v[12 + i] = sqrtq(2 * b * b + 2 * c * c - a * a) / 2;
        v[15 + i] = 2 * b * c * cosq(v[i] * acosq(-1) / 360) / (b + c);
    }
    v[18] = 2 * area / v[8];
    return v;
}

struct Triangles {
    Quad slack;
    std::vector<ExactValues> list;
    void push_back(const ExactValues &values) { list.push_back(withTheRest(values)); }
};

void addFromSides(Triangles &found, Quad a, Quad b, Quad c)
{
    const Quad s = (a + b + c) / 2;
    if (!(s - a > 0 && s - b > 0 && s - c > 0))
        return;
    const auto halfAngle = [&](Quad opposite, Quad x, Quad y) {
        return 2 * atanq(sqrtq((s - x) * (s - y) / (s * (s - opposite)))) * 180 / kPi;
    };
    const Quad area = sqrtq(s * (s - a) * (s - b) * (s - c));
    found.push_back({halfAngle(a, b, c), halfAngle(b, a, c), halfAngle(c, a, b), a, b, c, area,
        a * b * c / (4 * area), a + b + c});
}

void addFromAngles(Triangles &found, std::array<Quad, 3> angles, Quad r)
{
    if (std::ranges::all_of(angles, [](Quad x) { return x > 0; }) && r > 0)
        found.push_back(exactFromAngles(angles[0], angles[1], angles[2], r));
}

// Both angles with this sine, the acute one first; none for a sine above 1.
std::vector<Quad> anglesWithSine(Quad sine, Quad slack)
{
    if (sine >= 1 - slack)
        return sine <= 1 + slack ? std::vector<Quad> {90} : std::vector<Quad> {};
    const Quad acute = asind(sine);
    return {acute, 180 - acute};
}

Quad lawOfCosines(Quad p, Quad q, Quad enclosed) { return sqrtq(p * p + q * q - 2 * p * q * cosd(enclosed)); }

// The side w at `at`, the angle there and S: the two sides enclosing the
// angle, either way round.
void addFromSideAngleArea(Triangles &found, int at, Quad w, Quad angle, Quad area)
{
    const Quad halfTangent = tanq(angle * kPi / 360);
    Quad difference2 = w * w - 4 * area * halfTangent;
    if (difference2 < -w * w * found.slack)
        return;
    difference2 = difference2 <= w * w * found.slack ? 0 : difference2;
    const Quad sum = sqrtq(w * w + 4 * area / halfTangent);
    const Quad difference = sqrtq(difference2);
    const std::array<Quad, 2> pair = {(sum + difference) / 2, (sum - difference) / 2};
    for (int order = 0; order < 2; ++order) {
        std::array<Quad, 3> sides {};
        sides[at] = w;
        sides[(at + 1) % 3] = pair[order];
        sides[(at + 2) % 3] = pair[1 - order];
        addFromSides(found, sides[0], sides[1], sides[2]);
    }
}

struct Known {
    std::array<std::optional<Quad>, 8> values; // field order A, B, C, a, b, c, S, R
    std::optional<Quad> angle(int v) const { return values[v]; }
    std::optional<Quad> side(int v) const { return values[3 + v]; }
    std::vector<int> anglesKnown() const { return indices(0); }
    std::vector<int> sidesKnown() const { return indices(3); }
    std::vector<int> indices(int from) const
    {
        std::vector<int> known;
        for (int v = 0; v < 3; ++v)
            if (values[from + v])
                known.push_back(v);
        return known;
    }
};

int otherVertex(int x, int y) { return 3 - x - y; }

void twoAngles(Triangles &found, const Known &k, int x, int y)
{
    const int z = otherVertex(x, y);
    std::array<Quad, 3> angles {};
    angles[x] = *k.angle(x);
    angles[y] = *k.angle(y);
    angles[z] = 180 - angles[x] - angles[y];
    if (!(angles[z] > 0))
        return;
    Quad r = 0;
    if (k.values[7])
        r = *k.values[7];
    else if (k.values[6])
        r = sqrtq(*k.values[6] / (2 * sind(angles[0]) * sind(angles[1]) * sind(angles[2])));
    else
        for (int v = 0; v < 3; ++v)
            if (k.side(v))
                r = *k.side(v) / (2 * sind(angles[v]));
    addFromAngles(found, angles, r);
}

// The angle at x and R known: the angle at y from its side, both ways.
void angleAndOppositeFromR(Triangles &found, int x, Quad angleX, int y, Quad sideY, Quad r)
{
    for (const Quad angleY : anglesWithSine(sideY / (2 * r), found.slack)) {
        std::array<Quad, 3> angles {};
        angles[x] = angleX;
        angles[y] = angleY;
        angles[otherVertex(x, y)] = 180 - angleX - angleY;
        addFromAngles(found, angles, r);
    }
}

void oneAngle(Triangles &found, const Known &k, int v)
{
    const Quad angle = *k.angle(v);
    const auto sides = k.sidesKnown();
    const auto area = k.values[6];
    const auto r = k.values[7];
    if (sides.size() == 2 && !k.side(v)) { // the angle between two sides
        std::array<Quad, 3> s {};
        s[sides[0]] = *k.side(sides[0]);
        s[sides[1]] = *k.side(sides[1]);
        s[v] = lawOfCosines(s[sides[0]], s[sides[1]], angle);
        addFromSides(found, s[0], s[1], s[2]);
    } else if (sides.size() == 2) { // the angle opposite one of them
        const int other = sides[0] == v ? sides[1] : sides[0];
        angleAndOppositeFromR(found, v, angle, other, *k.side(other), *k.side(v) / (2 * sind(angle)));
    } else if (area && r) {
        addFromSideAngleArea(found, v, 2 * *r * sind(angle), angle, *area);
    } else if (r) { // a side next to the angle, and R
        angleAndOppositeFromR(found, v, angle, sides[0], *k.side(sides[0]), *r);
    } else if (k.side(v)) {
        addFromSideAngleArea(found, v, *k.side(v), angle, *area);
    } else { // a side next to the angle, and S
        const int at = sides[0];
        std::array<Quad, 3> s {};
        s[at] = *k.side(at);
        s[otherVertex(v, at)] = 2 * *area / (s[at] * sind(angle));
        s[v] = lawOfCosines(s[at], s[otherVertex(v, at)], angle);
        addFromSides(found, s[0], s[1], s[2]);
    }
}

void noAngle(Triangles &found, const Known &k)
{
    const auto sides = k.sidesKnown();
    const auto area = k.values[6];
    const auto r = k.values[7];
    if (sides.size() == 3) {
        addFromSides(found, *k.side(0), *k.side(1), *k.side(2));
    } else if (sides.size() == 2 && area) {
        const int between = otherVertex(sides[0], sides[1]);
        const Quad p = *k.side(sides[0]);
        const Quad q = *k.side(sides[1]);
        for (const Quad angle : anglesWithSine(2 * *area / (p * q), found.slack)) {
            std::array<Quad, 3> s {};
            s[sides[0]] = p;
            s[sides[1]] = q;
            s[between] = lawOfCosines(p, q, angle);
            addFromSides(found, s[0], s[1], s[2]);
        }
    } else if (sides.size() == 2) {
        const int x = sides[0];
        const int y = sides[1];
        for (const Quad angleX : anglesWithSine(*k.side(x) / (2 * *r), found.slack))
            angleAndOppositeFromR(found, x, angleX, y, *k.side(y), *r);
    } else {
        const int v = sides[0];
        for (const Quad angle : anglesWithSine(*k.side(v) / (2 * *r), found.slack))
            addFromSideAngleArea(found, v, *k.side(v), angle, *area);
    }
}

} // namespace

Quad programSlack() { return ldexpq(1, -50); }

Quad quadFromText(const std::string &text) { return strtoflt128(text.c_str(), nullptr); }

std::string textOf(Quad value, int significantDigits)
{
    std::array<char, 128> buffer {};
    quadmath_snprintf(buffer.data(), buffer.size(), "%.*Qg", significantDigits, value);
    return buffer.data();
}

ExactValues exactFromAngles(Quad alpha, Quad beta, Quad gamma, Quad r)
{
    const Quad a = 2 * r * sind(alpha);
    const Quad b = 2 * r * sind(beta);
    const Quad c = 2 * r * sind(gamma);
    return withTheRest(
        {alpha, beta, gamma, a, b, c, 2 * r * r * sind(alpha) * sind(beta) * sind(gamma), r, a + b + c});
}

std::vector<ExactValues> exactTriangles(int combination, const std::array<Quad, 3> &given, Quad slack)
{
    Known known;
    int next = 0;
    for (int position = 0; position < 8; ++position)
        if (triangle::isGiven(combination, triangle::quantityAt(position)))
            known.values[position] = given.at(next++);
    Triangles found {slack, {}};
    const auto angles = known.anglesKnown();
    if (angles.size() == 2)
        twoAngles(found, known, angles[0], angles[1]);
    else if (angles.size() == 1)
        oneAngle(found, known, angles[0]);
    else
        noAngle(found, known);
    return found.list;
}
