// SPDX-License-Identifier: GPL-3.0-or-later
// Two angles and one side: the law of sines alone.
#include "solver/list/procedures.h"
#include "solver/list/quick_two_angles_and_side.h"
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

template <Vertex Third, Vertex SideAt>
std::optional<RoundedValues> quickTwoAnglesAndSide(const GivenValues &values)
{
    return shownTwoAnglesAndSide(Third, SideAt, values);
}

} // namespace

const std::array<Combination, 9> kTwoAnglesAndSide = {{
    // The third angle only inside FinishWithGamma.
    {"11010000",
        [](Solving &s) {
            steps::circumradiusFromPair(s, A);
            steps::sideFromCircumradius(s, B);
            FinishWithGamma(s);
        },
        quickTwoAnglesAndSide<C, A>},
    {"11001000",
        [](Solving &s) {
            steps::circumradiusFromPair(s, B);
            steps::sideFromCircumradius(s, A);
            FinishWithGamma(s);
        },
        quickTwoAnglesAndSide<C, B>},
    // The area from c and the sines, before the other sides.
    {"10100100",
        [](Solving &s) {
            ThirdAngleBeta(s);
            steps::circumradiusFromPair(s, C);
            AreaQuotient(s, C);
            steps::sideFromCircumradius(s, A);
            steps::sideFromCircumradius(s, B);
        },
        quickTwoAnglesAndSide<B, C>},
    {"10110000", thirdAngleFirst<B, SidesFromA>, quickTwoAnglesAndSide<B, A>},
    {"01101000", thirdAngleFirst<A, sidesFromB>, quickTwoAnglesAndSide<A, B>},
    {"01100100", thirdAngleFirst<A, SidesFromC>, quickTwoAnglesAndSide<A, C>},
    {"01110000", thirdAngleFirst<A, SidesFromA>, quickTwoAnglesAndSide<A, A>},
    {"10101000", thirdAngleFirst<B, sidesFromB>, quickTwoAnglesAndSide<B, B>},
    {"11000100", thirdAngleFirst<C, SidesFromC>, quickTwoAnglesAndSide<C, C>},
}};

} // namespace triangle
