// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "ui/twips.h"

// The window's design: every caption, text, place, colour and tab stop of the
// form, read like the form itself. The window code builds its controls from
// these tables and adds only behaviour; the web page takes its texts from
// them. Plain C++, no Qt.
namespace triangle::ui::design {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// One control of the form. `index` is its place in its control array, or -1
// for a control that stands alone. Texts are UTF-8.
struct Control {
    std::string_view name;
    int index = -1;
    std::string_view caption; // caption, or the text a text box starts with
    Twips place;
    std::optional<Rgb> backColour; // none: the toolkit's own colour
    int tabIndex = 0;
    std::string_view accessibleName; // empty: the control is known by its caption
};

struct Window {
    std::string_view caption;
    Rgb backColour;
    Twips clientArea;
    // The first one present wins; the others draw the signs it lacks.
    std::array<std::string_view, 3> fontFamilies;
    int fontPointSize;
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

// Not on the form either: a button beside Command2 that opens the worked
// solution of the triangle the fields show. Shown after every solved
// request, a real triangle or not; it comes after Command2 when Tab goes
// round, as it stands to its right.
extern const Control kCommand3;
inline constexpr std::string_view kCommand3Mnemonic = "Р";

// The two captions side by side are wider than the picture in the window's
// font; a point and a half smaller, both fit.
inline constexpr double kUnderPicturePointSize = 10.5;

// The letter of each Command1 caption that Alt takes as a shortcut; it is
// shown underlined.
inline constexpr std::array<std::string_view, 3> kCommand1Mnemonics = {"И", "т", "П"};

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

// What the note box Text1(0) says after a request that did not end in a real
// triangle.
struct Notes {
    std::string_view invalidInput;
    std::string_view divisionByZero;
    std::string_view overflow;
    std::string_view invalidArgument;
    std::string_view noTriangle;
    std::string_view sidesCloseNoTriangle;
    // Put before the problem statement when the data fit more than one
    // triangle: only its first lines escape the motto box lying over it.
    std::string_view oneOtherTriangle;
    std::string_view moreOtherTriangles; // %1: how many others
    std::string_view shownTriangle;      // %1 of %2
    std::string_view howToSwitch;        // %1: the button's caption, %2: its shortcut
    // Put first when only the start of a given text was read ("2*3" as 2):
    // %1 the quantity, %2 the number solved, %3 the text typed.
    std::string_view readAs;
};

extern const Notes kNotes;

// What a screen reader says where the screen shows letters and drawings.
struct Spoken {
    // The quantities in field order as words: speech tells "A" from "a" no
    // better than a listener does.
    std::array<std::string_view, 8> quantities;
    std::string_view solved; // put before the results of a solved request
    // %1 to %3 the sides a, b, c; %4 to %6 the angles at A, B, C in degrees.
    std::string_view triangle;
    std::string_view startUpPicture;
};

extern const Spoken kSpoken;

// The solution window: its title, the names of its text and picture, its
// buttons with the letter Alt takes, and what saving as PDF asks and says.
struct SolutionTexts {
    std::string_view title;
    std::string_view textName;
    std::string_view pictureName;
    struct Button {
        std::string_view caption;
        std::string_view mnemonic;
    };
    Button copy;
    Button print;
    Button savePdf;
    Button close;
    std::string_view pdfFileName; // offered in the save dialog, without folder
    std::string_view pdfFilter;
    std::string_view pdfNotSaved; // %1: the file's path
};

extern const SolutionTexts kSolution;

// Written in a picture that shows its triangle enlarged, its circle cut off
// by the picture's edges, and said after the picture's description.
extern const std::string_view kEnlargedPictureNote;

} // namespace triangle::ui::design
