// SPDX-License-Identifier: GPL-3.0-or-later
// Two angles and one side: the law of sines alone.
#include "solver/list/procedures.h"
#include "solver/steps/completion_steps.h"
#include "solver/steps/solving_steps.h"

namespace triangle {

using enum Vertex;

namespace {

// R from b, then a, then c and the area.
void sidesFromB(Solving &s)
{
    steps::circumradiusFromPair(s, B);
    steps::sideFromCircumradius(s, A);
    SideCThenArea(s);
}

// The third angle right after reading, then R from the given side and the
// other sides.
template <Vertex Derived, void (*Closing)(Solving &)>
void thirdAngleFirst(Solving &s)
{
    steps::thirdAngle(s, Derived);
    Closing(s);
}

} // namespace

const std::array<Combination, 9> kTwoAnglesAndSide = {{
    // The third angle only inside FinishWithGamma.
    {"11010000",
        [](Solving &s) {
            steps::circumradiusFromPair(s, A);
            steps::sideFromCircumradius(s, B);
            FinishWithGamma(s);
        }},
    {"11001000",
        [](Solving &s) {
            steps::circumradiusFromPair(s, B);
            steps::sideFromCircumradius(s, A);
            FinishWithGamma(s);
        }},
    // The area from c and the sines, before the other sides.
    {"10100100",
        [](Solving &s) {
            ThirdAngleBeta(s);
            steps::circumradiusFromPair(s, C);
            AreaQuotient(s, C);
            steps::sideFromCircumradius(s, A);
            steps::sideFromCircumradius(s, B);
        }},
    {"10110000", thirdAngleFirst<B, SidesFromA>},
    {"01101000", thirdAngleFirst<A, sidesFromB>},
    {"01100100", thirdAngleFirst<A, SidesFromC>},
    {"01110000", thirdAngleFirst<A, SidesFromA>},
    {"10101000", thirdAngleFirst<B, sidesFromB>},
    {"11000100", thirdAngleFirst<C, SidesFromC>},
}};

} // namespace triangle
