// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace triangle {

// How a value was found: the theorem or formula of one solving step. The
// names are the program's own; solution texts word them.
enum class Rule {
    AngleSum,                      // gamma = 180 - alpha - beta
    CircumradiusFromSideAndAngle,  // R = a / (2 sin alpha)
    SideFromCircumradius,          // a = 2R sin alpha
    AngleFromSideAndCircumradius,  // sin alpha = a / (2R)
    LawOfSines,                    // sin beta = b sin alpha / a
    SideByLawOfSines,              // b = a sin beta / sin alpha
    LawOfCosines,                  // c^2 = a^2 + b^2 - 2ab cos gamma
    AreaFromTwoSidesAndAngle,      // S = ab sin gamma / 2
    AreaFromSidesAndCircumradius,  // S = abc / (4R)
    CircumradiusFromSidesAndArea,  // R = abc / (4S)
    AreaFromAnglesAndSide,         // S = a^2 sin beta sin gamma / (2 sin alpha)
    CircumradiusFromAnglesAndArea, // R = sqrt(S / (2 sin alpha sin beta sin gamma))
    AreaFromAnglesAndCircumradius, // S = 2R^2 sin alpha sin beta sin gamma
    AngleFromArea,                 // sin gamma = 2S / (ab)
    SideFromArea,                  // b = 2S / (c sin alpha)
    SidesFromAreaAndAngle,         // bc = 2S / sin alpha, b^2 + c^2 = a^2 + 2bc cos alpha
    Perimeter,                     // P = a + b + c
    AngleFromThreeSides,           // cos alpha = (b^2 + c^2 - a^2) / (2bc)
    Heron,                         // S = sqrt(p (p - a)(p - b)(p - c))
    Height,                        // h_a = 2S / a
    Median,                        // m_a = sqrt(2b^2 + 2c^2 - a^2) / 2
    Bisector,                      // l_a = 2bc cos(alpha / 2) / (b + c)
    Inradius,                      // r = S / p
    // From heights, medians, angle bisectors, r and P.
    SideFromMedians,          // a = 2/3 sqrt(2 m_b^2 + 2 m_c^2 - m_a^2)
    AreaFromHeights,          // 1/S = 4 sqrt(H (H - 1/h_a)(H - 1/h_b)(H - 1/h_c))
    AreaFromMedians,          // S = 4/3 sqrt(q (q - m_a)(q - m_b)(q - m_c)), q = (m_a + m_b + m_c) / 2
    SideFromHeight,           // a = 2S / h_a
    SideFromOwnMedian,        // c^2 = 2a^2 + 2b^2 - 4 m_c^2
    SideFromMedianToOther,    // c^2 = 2 m_a^2 + a^2 / 2 - b^2
    AngleFromHeight,          // sin gamma = h_a / b
    AngleFromBisector,        // cos(gamma / 2) = l_c (a + b) / (2ab)
    AreaFromSideAndHeight,    // S = a h_a / 2
    SideFromHeightAndAngle,   // c = h_a / sin beta
    SideFromHeightAndMedian,  // c = sqrt((a/2 + d)^2 + h_a^2), d = sqrt(m_a^2 - h_a^2)
    SideFromHeightFeet,       // c = x + y or |x - y|, x = sqrt(b^2 - h_c^2), y = sqrt(a^2 - h_c^2)
    SideFromInradius,         // a = p - r / tan(alpha / 2)
    AreaFromInradius,         // S = p r
    SideFromAreaAndPerimeter, // a = (P^2 - 2bc (1 + cos alpha)) / (2P), bc = 2S / sin alpha
    PerimeterFromInradius,    // p = a + r / tan(alpha / 2), P = 2p
    CircumradiusFromAngles,   // R from the angles and P, r, a height, a median or a bisector
    Numerical,                // the sides, solved for by the search for the shape
    // Two sides and the angle opposite one, by the law of cosines as a
    // quadratic in the third side: c = b cos alpha +- sqrt(a^2 - b^2 sin^2 alpha).
    SideFromQuadratic,
    // b + c = P - a and bc = 2S / sin alpha: b and c the roots of
    // t^2 - (b + c) t + bc = 0, by (b - c)^2 = (b + c)^2 - 4bc.
    SidesFromSumAndProduct,
};

struct RuleName {
    Rule rule;
    std::string_view name;    // lower case and hyphens, for the command line
    std::string_view formula; // the formula in plain ASCII
};

inline constexpr std::array<RuleName, 43> kRuleNames = {{
    {Rule::AngleSum, "angle-sum", "C = 180 - A - B"},
    {Rule::CircumradiusFromSideAndAngle, "circumradius-from-side-and-angle", "R = a / (2 sin A)"},
    {Rule::SideFromCircumradius, "side-from-circumradius", "a = 2R sin A"},
    {Rule::AngleFromSideAndCircumradius, "angle-from-side-and-circumradius",
        "sin A = a / (2R); A obtuse where a^2 > b^2 + c^2"},
    {Rule::LawOfSines, "law-of-sines", "sin B = b sin A / a"},
    {Rule::SideByLawOfSines, "side-by-law-of-sines", "b = a sin B / sin A"},
    {Rule::LawOfCosines, "law-of-cosines", "c^2 = a^2 + b^2 - 2ab cos C"},
    {Rule::AreaFromTwoSidesAndAngle, "area-two-sides-angle", "S = ab sin C / 2"},
    {Rule::AreaFromSidesAndCircumradius, "area-from-sides-and-circumradius", "S = abc / (4R)"},
    {Rule::CircumradiusFromSidesAndArea, "circumradius-from-sides-and-area", "R = abc / (4S)"},
    {Rule::AreaFromAnglesAndSide, "area-from-angles-and-side", "S = a^2 sin B sin C / (2 sin A)"},
    {Rule::CircumradiusFromAnglesAndArea, "circumradius-from-angles-and-area",
        "R = sqrt(S / (2 sin A sin B sin C))"},
    {Rule::AreaFromAnglesAndCircumradius, "area-from-angles-and-circumradius", "S = 2R^2 sin A sin B sin C"},
    {Rule::AngleFromArea, "angle-from-area", "sin C = 2S / (ab)"},
    {Rule::SideFromArea, "side-from-area", "b = 2S / (c sin A)"},
    {Rule::SidesFromAreaAndAngle, "sides-from-area-and-angle",
        "bc = 2S / sin A and a^2 = b^2 + c^2 - 2bc cos A"},
    {Rule::Perimeter, "perimeter", "P = a + b + c"},
    {Rule::AngleFromThreeSides, "angle-from-three-sides", "cos A = (b^2 + c^2 - a^2) / (2bc)"},
    {Rule::Heron, "heron", "S = sqrt(p(p - a)(p - b)(p - c)), p = (a + b + c) / 2"},
    {Rule::Height, "height", "h_a = 2S / a"},
    {Rule::Median, "median", "m_a = sqrt(2b^2 + 2c^2 - a^2) / 2"},
    {Rule::Bisector, "bisector", "l_a = 2bc cos(A / 2) / (b + c)"},
    {Rule::Inradius, "inradius", "r = S / p, p = (a + b + c) / 2"},
    {Rule::SideFromMedians, "side-from-medians", "a = 2/3 sqrt(2 m_b^2 + 2 m_c^2 - m_a^2)"},
    {Rule::AreaFromHeights, "area-from-heights",
        "S = 1 / (4 sqrt(H (H - 1/h_a)(H - 1/h_b)(H - 1/h_c))), H = (1/h_a + 1/h_b + 1/h_c) / 2"},
    {Rule::AreaFromMedians, "area-from-medians",
        "S = 4/3 sqrt(q (q - m_a)(q - m_b)(q - m_c)), q = (m_a + m_b + m_c) / 2"},
    {Rule::SideFromHeight, "side-from-height", "a = 2S / h_a"},
    {Rule::SideFromOwnMedian, "side-from-own-median", "c^2 = 2a^2 + 2b^2 - 4 m_c^2"},
    {Rule::SideFromMedianToOther, "side-from-median-to-other", "c^2 = 2 m_a^2 + a^2 / 2 - b^2"},
    {Rule::AngleFromHeight, "angle-from-height", "sin C = h_a / b"},
    {Rule::AngleFromBisector, "angle-from-bisector", "cos(C / 2) = l_c (a + b) / (2ab)"},
    {Rule::AreaFromSideAndHeight, "area-from-side-and-height", "S = a h_a / 2"},
    {Rule::SideFromHeightAndAngle, "side-from-height-and-angle", "c = h_a / sin B"},
    {Rule::SideFromHeightAndMedian, "side-from-height-and-median",
        "c = sqrt((a/2 + d)^2 + h_a^2), d = sqrt(m_a^2 - h_a^2)"},
    {Rule::SideFromHeightFeet, "side-from-height-feet",
        "c = x + y or |x - y|, x = sqrt(b^2 - h_c^2), y = sqrt(a^2 - h_c^2)"},
    {Rule::SideFromInradius, "side-from-inradius", "a = p - r / tan(A / 2), p = P / 2"},
    {Rule::AreaFromInradius, "area-from-inradius", "S = p r, p = P / 2"},
    {Rule::SideFromAreaAndPerimeter, "side-from-area-and-perimeter",
        "a = (P^2 - 2bc (1 + cos A)) / (2P), bc = 2S / sin A"},
    {Rule::PerimeterFromInradius, "perimeter-from-inradius", "p = a + r / tan(A / 2), P = 2p"},
    {Rule::CircumradiusFromAngles, "circumradius-from-angles",
        "R = P / (2 (sin A + sin B + sin C)), and likewise from r, h_a, m_a, l_a"},
    {Rule::Numerical, "numerical", "the sides solved for numerically from the three given elements"},
    {Rule::SideFromQuadratic, "side-from-quadratic",
        "a^2 = b^2 + c^2 - 2bc cos A, c = b cos A +- sqrt(a^2 - b^2 sin^2 A)"},
    {Rule::SidesFromSumAndProduct, "sides-from-sum-and-product",
        "b + c = P - a, bc = 2S / sin A, (b - c)^2 = (b + c)^2 - 4bc"},
}};

// Whether the step finds the semiperimeter p on the way: of a given
// perimeter that is P / 2, exactly as typed.
constexpr bool findsSemiperimeter(Rule rule)
{
    return rule == Rule::Heron || rule == Rule::Inradius || rule == Rule::SideFromInradius
        || rule == Rule::AreaFromInradius;
}

constexpr std::string_view ruleName(Rule rule) { return kRuleNames.at(static_cast<std::size_t>(rule)).name; }

} // namespace triangle
