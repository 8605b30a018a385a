// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace triangle::ui {

// A place on the form in twips (1/1440 inch), as the design table states it:
// left, top, width, height. Fifteen twips make one pixel at 96 dots per inch;
// Qt's own high-dpi scaling takes care of other screens.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kTwipsPerPixel = 15;

// Each measure is rounded on its own, so a control is never more than half a
// pixel away from where the design puts it.
constexpr int twipsToPixels(int twips)
{
    return (twips * 2 + (twips >= 0 ? kTwipsPerPixel : -kTwipsPerPixel)) / (2 * kTwipsPerPixel);
}

} // namespace triangle::ui
