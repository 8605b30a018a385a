// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "ui/twips.h"

// The window's design: every place, colour and tab stop of the form, read
// like the form itself; its words are the language's (wording/language.h).
// The window code builds its controls from these tables and adds only
// behaviour. Plain C++, no Qt.
namespace triangle::ui::design {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// One control of the form. `index` is its place in its control array, or -1
// for a control that stands alone.
struct Control {
    std::string_view name;
    int index = -1;
    Twips place;
    std::optional<Rgb> backColour; // none: the toolkit's own colour
    int tabIndex = 0;
};

struct Window {
    Rgb backColour;
    Twips clientArea;
    // The first one present wins; the others draw the signs it lacks.
    std::array<std::string_view, 3> fontFamilies;
    int fontPointSize = 0;
};

extern const Window kWindow;

extern const std::array<Control, 3> kLabel1;
extern const Control kLabel2;
extern const std::array<Control, 2> kList1;
extern const Control kFrame1;
extern const Control kPicture1;
extern const std::array<Control, 3> kCommand1;
extern const std::array<Control, 2> kText1;

// Not on the form: a button that shows, one after another, every triangle
// the data of the last request fit. Hidden while there is only one. It
// stands right under the picture, on its left, and comes last but one when
// Tab goes round.
extern const Control kCommand2;
inline constexpr std::string_view kCommand2Shortcut = "Ctrl+T";

// Not on the form: the language choice, at the right end of the heading's
// row.
extern const Control kLanguage;

// Not on the form either: a button beside Command2 that opens the worked
// solution of the triangle the fields show. Shown after every solved
// request, a real triangle or not; it comes after Command2 when Tab goes
// round, as it stands to its right.
extern const Control kCommand3;

// Not on the form: the mode of any three elements, a button that stays down
// while it is on, in the heading's row between the heading and the
// language; and where the list and the frame stand, the panel of its
// nineteen fields, shown instead of them in that mode.
extern const Control kCommand4;
extern const Control kElementsPanel;
// The elements panel's group captions.
inline constexpr double kCommand4PointSize = 9;
// The mode buttons' captions: two modes and the heading share the row.
inline constexpr double kModePointSize = 8;
// Any three elements: each group's caption over its row of fields, each
// field with its symbol on its left; the element's text may be longer than
// the form's fields take.
inline constexpr int kElementRowHeight = 38;
inline constexpr int kElementCaptionHeight = 14;
inline constexpr int kElementSymbolWidth = 24;
inline constexpr int kElementFieldWidth = 62;
inline constexpr int kElementTypingLimit = 12;

// Not on the form: the practice mode, a button that stays down while it is
// on, left of that of any three elements (the heading moves to the
// window's left margin to make room); in the place of the list and the
// frame, the panel with the choice of problems, the problem and a field
// for each asked value; under the picture, in the three rows of the list's
// buttons, «Провери» and «Подсказка», «Решение» and «Нова задача», and
// «Работен лист…», in the order Tab visits them.
extern const Control kCommand5;
extern const Control kPracticePanel;
extern const std::array<Control, 5> kCommand6;
// Inside the practice panel, in pixels: a caption over each choice, the
// problem's text, and each answer's row with the value's symbol, its field
// and its mark.
inline constexpr int kPracticeCaptionHeight = 14;
inline constexpr int kPracticeFieldHeight = 22;
inline constexpr int kPracticeLevelWidth = 158;
inline constexpr int kPracticeProblemTop = 86;
inline constexpr int kPracticeProblemHeight = 66;
inline constexpr int kPracticeAnswerTop = 156;
inline constexpr int kPracticeAnswerStep = 28;
inline constexpr int kPracticeSymbolWidth = 34;
inline constexpr int kPracticeAnswerWidth = 104;
inline constexpr int kPracticeTypingLimit = 40;
inline constexpr double kPracticeProblemPointSize = 11;
inline constexpr double kPracticeMarkPointSize = 8.5;

// The two captions side by side are wider than the picture in the window's
// font; a point and a half smaller, both fit.
inline constexpr double kUnderPicturePointSize = 10.5;

// Inside Frame1, placed relative to the frame.
extern const std::array<Control, 8> kCheck1;
extern const std::array<Control, 9> kText2;

// The indicators are never enabled; their captions and check marks keep this
// dark colour rather than the faint grey of a disabled control, so that a
// mark stands out from its box as clearly as text does.
inline constexpr Rgb kIndicatorCaptionColour = {48, 48, 48};

// Every value field takes at most this many typed characters.
inline constexpr int kTypingLimit = 7;

// The sides a, b, c of the acute triangle the picture shows at start-up.
inline constexpr std::array<double, 3> kPictureSides = {5.4, 6.2, 7.0};

} // namespace triangle::ui::design
