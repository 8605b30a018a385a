// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Real triangles for the property tests, and the texts a user would type to
// give three of their quantities.
#include <QString>
#include <QStringList>

#include <array>
#include <charconv>
#include <cmath>
#include <random>

#include "solver/list/catalogue.h"
#include "solver/triangle/triangle.h"

// The eight quantities in field order, angles in degrees.
using Quantities = std::array<double, triangle::kQuantityCount>;

// Angles of at least 8 degrees, R from 0.5 to 50, from a seeded generator.
class RandomTriangles {
public:
    explicit RandomTriangles(unsigned seed) : m_generator(seed) {}

    Quantities next()
    {
        const double alpha = std::uniform_real_distribution<double>(8.0, 150.0)(m_generator);
        const double beta = std::uniform_real_distribution<double>(8.0, 172.0 - alpha)(m_generator);
        const double gamma = 180.0 - alpha - beta;
        const double r = std::uniform_real_distribution<double>(0.5, 50.0)(m_generator);
        const auto side = [&](double degrees) { return 2.0 * r * std::sin(degrees * triangle::kPi / 180.0); };
        const double a = side(alpha);
        const double b = side(beta);
        const double c = side(gamma);
        return {alpha, beta, gamma, a, b, c, a * b * c / (4.0 * r), r};
    }

private:
    std::mt19937 m_generator;
};

// The shortest text that reads back as exactly the value.
inline QString shortestText(double value)
{
    std::array<char, 32> buffer {};
    const auto *end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return QString::fromLatin1(buffer.data(), static_cast<int>(end - buffer.data()));
}

// The texts of the combination's three given quantities, in field order.
inline QStringList givenTexts(int combination, const Quantities &q)
{
    QStringList given;
    for (int position = 0; position < triangle::kQuantityCount; ++position) {
        if (triangle::isGiven(combination, triangle::quantityAt(position)))
            given << shortestText(q[position]);
    }
    return given;
}
