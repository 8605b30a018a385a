// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_design.h"

namespace triangle::ui::design {

namespace {

constexpr Rgb kLavender {192, 192, 255};
constexpr Rgb kPeach {255, 192, 128};
constexpr Rgb kPeriwinkle {128, 128, 255};

} // namespace

const Window kWindow = {
    kLavender,
    {0, 0, 7215, 6750},
    {"Times New Roman", "Liberation Serif", "DejaVu Serif"},
    12,
};

//   name      index   left   top  width height  back colour   tab
const std::array<Control, 3> kLabel1 = {{
    {"Label1", 0, {120, 0, 3510, 375}, kPeach, 2},
    {"Label1", 1, {120, 480, 1575, 375}, kPeach, 19},
    {"Label1", 2, {120, 3600, 1575, 855}, kPeach, 29},
}};

const Control kLabel2 = {"Label2", -1, {120, 3555, 855, 345}, kLavender, 28};

// Under the picture stand three rows of 25 pixels, 5 pixels apart: «Друг
// триъгълник» and «Решение»; «Изчисли» and «Изчисти»; the one-row list
// and «Провери». So every button is as tall as the others, and the list
// keeps off the perimeter field and the frame on its left.
const std::array<Control, 2> kList1 = {{
    {"List1", 0, {120, 840, 1575, 2625}, std::nullopt, 16},
    {"List1", 1, {4440, 4140, 1335, 345}, std::nullopt, 21},
}};

const Control kFrame1 = {"Frame1", -1, {1800, 480, 2535, 4095}, kPeriwinkle, 3};

const Control kPicture1 = {"Picture1", -1, {4440, 480, 2670, 2670}, std::nullopt, 20};

const std::array<Control, 3> kCommand1 = {{
    {"Command1", 0, {4440, 3675, 1215, 375}, Rgb {0, 255, 0}, 17},
    {"Command1", 1, {5880, 3675, 1215, 375}, Rgb {255, 0, 0}, 18},
    {"Command1", 2, {5880, 4125, 1215, 375}, Rgb {255, 128, 0}, 26},
}};

// The motto box keeps the form's place but ends inside the window, short of
// the note's scroll bar and at the window's bottom margin: drawn at the
// form's 6735 × 1815 it ran 112 pixels past the window's right edge and 31
// past its bottom, its text cut off, and covered the note's scroll bar.
const std::array<Control, 2> kText1 = {{
    {"Text1", 0, {120, 4560, 6975, 2055}, std::nullopt, 0},
    {"Text1", 1, {2160, 5400, 4680, 1230}, std::nullopt, 1},
}};

const Control kCommand2 = {"Command2", -1, {4440, 3225, 1680, 375}, Rgb {255, 255, 160}, 30};
const Control kCommand3 = {"Command3", -1, {6180, 3225, 930, 375}, Rgb {176, 224, 255}, 31};

const Control kLanguage = {"Language", -1, {6435, 15, 720, 345}, std::nullopt, 32};

// The heading keeps the width its words take, from the left margin; the
// two modes' buttons stand between it and the language.
const Control kCommand5 = {"Command5", -1, {3690, 15, 930, 345}, Rgb {200, 255, 200}, 15};
const Control kCommand4 = {"Command4", -1, {4680, 15, 1695, 345}, Rgb {255, 255, 160}, 15};
const Control kElementsPanel = {"Elements1", -1, {120, 480, 4215, 4020}, kPeriwinkle, 3};

const Control kPracticePanel = {"Practice1", -1, {120, 480, 4215, 4020}, kPeriwinkle, 3};

const std::array<Control, 5> kCommand6 = {{
    {"Command6", 0, {4440, 3225, 1215, 375}, Rgb {0, 255, 0}, 33},
    {"Command6", 1, {5880, 3225, 1215, 375}, Rgb {255, 255, 160}, 34},
    {"Command6", 2, {4440, 3675, 1215, 375}, Rgb {176, 224, 255}, 35},
    {"Command6", 3, {5880, 3675, 1215, 375}, Rgb {255, 128, 0}, 36},
    {"Command6", 4, {4440, 4125, 2655, 375}, Rgb {192, 192, 255}, 37},
}};

const std::array<Control, 8> kCheck1 = {{
    {"Check1", 0, {120, 350, 855, 400}, kLavender, 4},
    {"Check1", 1, {120, 750, 855, 400}, kLavender, 6},
    {"Check1", 2, {120, 1150, 855, 400}, kLavender, 8},
    {"Check1", 3, {120, 1550, 855, 400}, kPeriwinkle, 10},
    {"Check1", 4, {120, 1960, 855, 400}, kPeriwinkle, 12},
    {"Check1", 5, {120, 2350, 615, 400}, kPeriwinkle, 14},
    {"Check1", 6, {120, 2750, 615, 400}, kPeriwinkle, 22},
    {"Check1", 7, {120, 3150, 855, 400}, kPeriwinkle, 23},
}};

const std::array<Control, 9> kText2 = {{
    {"Text2", 0, {1080, 350, 1335, 400}, std::nullopt, 5},
    {"Text2", 1, {1080, 750, 1335, 400}, std::nullopt, 7},
    {"Text2", 2, {1080, 1150, 1335, 400}, std::nullopt, 9},
    {"Text2", 3, {1080, 1550, 1335, 400}, std::nullopt, 11},
    {"Text2", 4, {1080, 1950, 1335, 400}, std::nullopt, 13},
    {"Text2", 5, {1080, 2350, 1335, 400}, std::nullopt, 15},
    {"Text2", 6, {1080, 2750, 1335, 405}, std::nullopt, 24},
    {"Text2", 7, {1080, 3120, 1335, 400}, std::nullopt, 25},
    {"Text2", 8, {1080, 3480, 1335, 400}, std::nullopt, 27},
}};

} // namespace triangle::ui::design
