// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An exact reference for the accuracy tests: every triangle that fits three
// typed values, worked out in 113-bit floating point with the true pi from
// the typed decimal texts themselves. It shares no formula with the solver:
// it reduces each kind of data to the angles with R, or to the three sides.
#include <array>
#include <string>
#include <vector>

using Quad = __float128;

// The nine values in field order: A, B, C (degrees), a, b, c, S, R, P;
// then the heights, medians and angle bisectors to a, b, c and the inradius.
using ExactValues = std::array<Quad, 19>;

// Every triangle with positive angles and sides that has the three given
// values of the combination, in field order.
// A sine within `slack` of 1 is a right angle, and two sides whose squared
// difference is within `slack` of the side opposite their angle squared are
// equal: the program's rule for data that cannot tell such triangles apart.
std::vector<ExactValues> exactTriangles(int combination, const std::array<Quad, 3> &given, Quad slack);

// The program's slack, 2^-50.
Quad programSlack();

// The nine values of the triangle with these angles (degrees) and sides.
ExactValues exactFromAngles(Quad alpha, Quad beta, Quad gamma, Quad r);

Quad quadFromText(const std::string &text);
std::string textOf(Quad value, int significantDigits = 17);
