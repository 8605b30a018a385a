// The area and the circumradius with a side or an angle: complete the pair of
// a side and its opposite angle, then the two other sides from the area.
#include "area_from_side_and_angle.h"
#include "helper_formulas.h"
#include "procedures.h"

namespace triangle {

namespace {

template <Vertex Given, Vertex Found>
void sideAreaRadius(Triangle &t, Branches &branches)
{
    t.angle(Given) = acuteOrObtuse(AngleFromSide(t, Given + 1), branches);
    sidesFromAreaThenAngles(t, Given, Found, branches);
}

template <Vertex Given, Vertex Found>
void angleAreaRadius(Triangle &t, Branches &branches)
{
    t.side(Given) = sideFromCircumradius(t, Given);
    sidesFromAreaThenAngles(t, Given, Found, branches);
}

} // namespace

const std::array<Procedure, 6> kAreaRadiusAndSideOrAngle = {
    sideAreaRadius<A, B>,  // 36: a, S, R
    sideAreaRadius<B, C>,  // 37: b, S, R
    sideAreaRadius<C, B>,  // 38: c, S, R
    angleAreaRadius<A, B>, // 39: A, S, R
    angleAreaRadius<B, C>, // 40: B, S, R
    angleAreaRadius<C, A>, // 41: C, S, R
};

} // namespace triangle
