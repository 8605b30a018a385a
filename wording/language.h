// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every word the program shows, writes or has a screen reader say, one table
// per language: the window's captions and names, the notes, what is
// announced, the worked solution, the web page's own words and the
// command-line tool's help. Plain C++, no Qt. Texts are UTF-8; %1, %2, …
// stand for what is filled in, in order.
namespace triangle::wording {

// A control's words: what it shows, the name a screen reader gives it where
// that differs, and the letter Alt takes with it (empty: none).
struct ControlWords {
    std::string_view caption;
    std::string_view accessibleName;
    std::string_view mnemonic;
};

// The window, control by control as its design places them.
struct WindowWords {
    std::string_view title;
    std::array<ControlWords, 3> label1; // the heading, the list's caption, the legend
    ControlWords label2;                // the perimeter's caption
    std::array<ControlWords, 2> list1;  // the list of combinations, the combination strings
    ControlWords frame1;
    ControlWords picture1;
    std::array<ControlWords, 3> command1; // compute, clear, the sample
    std::array<ControlWords, 2> text1;    // the note box (with the problem statement), the motto
    ControlWords command2;                // the next triangle
    ControlWords command3;                // the solution
    std::array<ControlWords, 8> check1;   // the given quantities' marks
    std::array<ControlWords, 9> text2;    // the value fields, the perimeter last
    ControlWords language;                // the language choice
    // Written in a picture that shows its triangle enlarged, its circle cut
    // off by the picture's edges, and said after the picture's description.
    std::string_view enlargedPicture;
};

// What the note box says after a request that did not end in one real
// triangle.
struct NoteWords {
    std::string_view invalidInput;
    std::string_view divisionByZero;
    std::string_view overflow;
    std::string_view invalidArgument;
    std::string_view noTriangle;
    std::string_view sidesCloseNoTriangle;
    std::string_view angleNotBelow180;  // a given angle of 180° or more
    std::string_view anglesReachTheSum; // two given angles summing to 180° or more
    // Put before the problem statement when the data fit more than one
    // triangle: only its first lines escape the motto box lying over it.
    std::string_view oneOtherTriangle;
    std::string_view moreOtherTriangles; // %1: how many others (two or more)
    std::string_view shownTriangle;      // %1 of %2
    std::string_view howToSwitch;        // %1: the button's caption, %2: its shortcut
    // Put first when only the start of a given text was read ("2*3" as 2):
    // %1 the quantity, %2 the number solved, %3 the text typed.
    std::string_view readAs;
    // Put last after a real triangle whose computed values have exact
    // forms: %1 the list, "c = 7, S = 10√3".
    std::string_view exact;
};

// What a screen reader says where the screen shows letters and drawings.
struct SpokenWords {
    // The quantities in field order as words: speech tells "A" from "a" no
    // better than a listener does.
    std::array<std::string_view, 8> quantities;
    std::string_view solved; // put before the results of a solved request
    // %1 to %3 the sides a, b, c; %4 to %6 the angles at A, B, C in degrees.
    std::string_view triangle;
    std::string_view startUpPicture;
    // Put after the triangle where the picture marks given heights, medians
    // and angle bisectors: the word for each kind, before its letter ("h_a"),
    // and the sentence for one (%1 "височина h_a") or for several (%1 the
    // list, "височина h_a, медиана m_b").
    std::array<std::string_view, 3> cevians;
    std::string_view markedOne;
    std::string_view markedSeveral;
};

// The solution window: its title, the names of its text and picture, its
// buttons with the letter Alt takes, and what saving as PDF asks and says.
struct SolutionWindowWords {
    std::string_view title;
    std::string_view textName;
    std::string_view pictureName;
    ControlWords copy;
    ControlWords print;
    ControlWords savePdf;
    ControlWords close;
    std::string_view pdfFileName; // offered in the save dialog, without folder
    std::string_view pdfFilter;
    std::string_view pdfNotSaved; // %1: the file's path
};

// The words of the steps that start from heights, medians, angle
// bisectors, r or P.
struct ElementStepWords {
    std::string_view medians;          // the sides from the three medians
    std::string_view heights;          // the area from the three heights
    std::string_view medianTriangle;   // the area from the triangle of the medians
    std::string_view medianFormula;    // %1: the median's formula
    std::string_view rightTriangle;    // %1: the hypotenuse, %2: the leg
    std::string_view bisectorFormula;  // %1: the bisector's formula
    std::string_view feet;             // %1: the side both are drawn to
    std::string_view heightFeet;       // %1: the height, %2: the side its foot lies on
    std::string_view longerSide;       // by Pythagoras' theorem, the side farther from the height
    std::string_view tangents;         // %1: the vertex, %2: its side, %3: its angle
    std::string_view areaByInradius;   // S = p·r
    std::string_view areaAndPerimeter; // a from S, P and the angle opposite a
    std::string_view tangent;          // the name of the tangent function: "tg"
    std::string_view numerical;        // %1: the equations the sides satisfy, %2: heronWhere or nothing
    std::string_view heronWhere;       // what p and S stand for in the equations
    std::string_view numericalAgain;   // the other sides from the same equations
};

// The worked solution's words; the formulas around them are the same in
// every language.
struct SolutionWords {
    std::string_view given;   // "Дадено: "
    std::string_view sought;  // "Търси се: "
    std::string_view heading; // "Решение:", before the steps
    std::string_view answer;  // "Отговор: "
    std::string_view more;    // the heading of the rest of the triangle
    // Where a step names its rule.
    std::string_view angleSum;
    std::string_view lawOfSines;
    std::string_view lawOfCosines;
    std::string_view area;
    std::string_view fromArea; // %1: the formula of the area used
    std::string_view fromAreaAndLawOfCosines;
    std::string_view fromPerimeterAndArea;
    std::string_view rootsOf; // %1 and %2: two sides, the roots of the quadratic that follows
    std::string_view perimeter;
    std::string_view heron;
    std::string_view heightTo;   // %1: the side
    std::string_view medianTo;   // %1: the side
    std::string_view bisectorOf; // %1: the angle
    std::string_view inradius;
    std::string_view circumradius;
    // Between the parts of a step.
    std::string_view orWord;       // "или": two values a step allows
    std::string_view andWord;      // "и"
    std::string_view whence;       // "откъдето"
    std::string_view branchTaken;  // "; това решение продължава с "
    std::string_view obtuse;       // %1: the inequality that makes the angle obtuse
    std::string_view acute;        // %1: the angle, %2: the sides that make it acute, "b < a"
    std::string_view sidesSwapped; // the second root: the two sides swapped
    // %1: the value that fits no triangle; %2: the sum of angles it makes too large.
    std::string_view rejected;
    // %1: the other value of a branching step; %2: the step, along that
    // value, that shows it fits no triangle.
    std::string_view alternativeFails;
    // %1: a root of a quadratic that is no length.
    std::string_view rootNotPositive;
    // The end of the step whose value no triangle has, after that value.
    std::string_view zeroAngle;      // "γ = … = 0°"
    std::string_view negativeAngle;  // "γ = … = −10°"
    std::string_view sineAboveOne;   // "sin β = … ≈ 1,3333"
    std::string_view negativeSquare; // "(b − c)² = … ≈ −8,25"
    std::string_view notPositive;    // "R = … ≈ −4,3859"
    std::string_view outOfRange;     // %1: the elements that cannot be computed
    std::string_view kind;           // %1 by angles, %2 by sides
    std::array<std::string_view, 3> byAngles;
    std::array<std::string_view, 3> bySides;
    std::string_view noTriangle; // put before each verdict
    std::string_view anglesFillTheSum;
    std::string_view anglesLeaveNoRoom;
    std::string_view lawOfSinesSineAboveOne;
    std::string_view areaSineAboveOne;
    std::string_view areaTooLargeForSides;
    std::string_view sizeNotPositive;
    std::string_view lawOfSinesFails;
    std::string_view areaDoesNotMatch;
    std::string_view angleNotBelow180;
    // The end of a step whose results do not follow from the rounded
    // numbers it shows: they were computed with the unrounded ones.
    std::string_view unroundedValues;
    ElementStepWords elements;
};

// The web page's words besides the window's.
struct PageWords {
    std::string_view noScript;     // without JavaScript nothing is computed
    std::string_view notLoaded;    // %1: why the module did not load
    std::string_view languageName; // the language named in itself, for the switch
    // The tab's and the installed app's title, and the app's short name
    // under its icon.
    std::string_view title;
    std::string_view shortName;
    // Under the list: which letters are which, in words.
    std::string_view legend;
    ControlWords link; // copies the address of the request on view
    ControlWords copy; // copies the request, the results and the open solution
    std::string_view linkCopied;
    std::string_view textCopied;
    std::string_view notCopied; // the browser refused the clipboard
    // A worksheet's setting that is no whole number in its range: %1 the
    // setting's name, %2 and %3 its least and greatest value.
    std::string_view wholeNumber;
};

// Any three of the nineteen elements: the mode, its groups of fields, each
// field's name, and what its notes say.
struct ElementsWords {
    ControlWords mode; // the choice between the list and any three elements
    // Angles, sides, area and radii, perimeter, heights, medians, bisectors.
    std::array<std::string_view, 7> groups;
    // Each element in the order A B C a b c S R P h_a … l_c r, as a screen
    // reader names its field.
    std::array<std::string_view, 19> names;
    std::string_view statement; // the note before a request
    std::string_view notThree;  // %1: how many fields are filled in
    std::string_view dependent; // %1: the relation among the three values
    std::string_view broken;    // %1: the relation the three values break
    // Values that fit infinitely many triangles: %1 the hypotenuse (a = 10);
    // %1 the base (a), %2 the height to it (h_a = 4).
    std::string_view rightFamily;
    std::string_view isoscelesFamily;
    // Values a hair beyond a bound: %1 the element, %2 the bound, %3 the
    // kind of triangle that reaches it.
    std::string_view atMost;
    std::string_view atLeast;
    std::string_view scaleFree;
    std::string_view noTriangle;
    std::string_view solved; // %1 by angles, %2 by sides
};

// The command line's error lines: what is wrong with a request line.
struct CommandLineErrors {
    std::string_view index;        // %1: the last index, %2: the text read
    std::string_view namedWord;    // %1: the text read
    std::string_view givenTwice;   // %1: the text read
    std::string_view namedCount;   // %1: how many fields the line has
    std::string_view indexedCount; // %1: likewise
    std::string_view tooLong;      // %1: the longest line, %2: its start
};

// The words of practice problems: a problem is "%1" with the data, then
// "%1" with what is asked, from these templates.
struct PracticeWords {
    std::string_view data;    // %1: the given values, "a = 5 cm, b = 8 cm и γ = 60°"
    std::string_view find;    // %1: the values asked for, "c, S и R"
    std::string_view howMany; // the question of the number of triangles
    std::string_view length;  // the unit of lengths: "cm"
    std::string_view area;    // and of areas: "cm²"
    std::string_view count;   // the number of triangles as an answer's name
    // An answer's mark.
    std::string_view right;
    std::string_view unsimplified; // %1: what to simplify
    std::string_view rounded;
    std::string_view wrong;
    std::string_view counter; // %1 right answers of %2 marked in the session
    std::string_view hint;    // %1: the first step of the solution
};

// The mode «Упражнение» in the window and on the page.
struct PracticeModeWords {
    ControlWords mode;        // the choice of the mode
    ControlWords type;        // the choice of the problems' type
    std::string_view anyType; // every type in turn
    // In the order of the problem types: sas, sss, asa, ssa, radius,
    // medians, inradius, median, height, heights, bisector.
    std::array<std::string_view, 11> types;
    ControlWords level;
    std::array<std::string_view, 2> levels; // without and with a calculator
    ControlWords problem;                   // the problem's text
    std::string_view answer;                // %1: the asked value; a field's name
    ControlWords number;                    // the problem's number, which brings it back
    ControlWords check;
    ControlWords hint;
    ControlWords solution;
    ControlWords newProblem;
    ControlWords worksheet;         // opens the worksheet's settings
    std::string_view noSuchProblem; // %1: the number typed
    std::string_view statement;     // the note before the first check
};

// A worksheet for a class: its settings, and the words on its pages.
struct WorksheetWords {
    std::string_view title;   // the settings' window and the first page's heading
    std::string_view pupil;   // the line for the pupil's name and class
    std::string_view variant; // %1: the variant's letter
    std::array<std::string_view, 6> letters;
    std::string_view key;        // the answer key's heading
    std::string_view solutions;  // the solutions' heading
    std::string_view problem;    // %1: the problem's number, %2: the variant's letter
    std::string_view noTriangle; // the key of a problem whose data fit no triangle
    ControlWords types;          // the list of problem types to draw from
    ControlWords count;          // problems in each variant
    ControlWords variants;
    ControlWords seed; // the first seed: the same seed, the same worksheet
    ControlWords withSolutions;
    std::string_view pdfFileName;
};

struct Language {
    std::string_view code;             // "bg", "en"
    std::string_view decimalSeparator; // where no regional setting decides it
    WindowWords window;
    NoteWords notes;
    SpokenWords spoken;
    SolutionWindowWords solutionWindow;
    SolutionWords solution;
    PageWords page;
    ElementsWords elements;
    std::string_view commandLineHelp; // triangle-solve --help
    CommandLineErrors commandLineErrors;
    PracticeWords practice;
    PracticeModeWords practiceMode;
    WorksheetWords worksheet;
};

extern const Language kBulgarian;
extern const Language kEnglish;

// Bulgarian first, the default.
inline constexpr std::array<const Language *, 2> kLanguages = {&kBulgarian, &kEnglish};

// One text of a language with the name of its place in the table
// ("window.command1[0].caption"): the same names in every language.
struct NamedText {
    std::string name;
    std::string_view text;
};

// Every text of the table, in the table's order.
std::vector<NamedText> allTexts(const Language &language);

// The pattern with %1, %2, … replaced by the values in order.
std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values);

// The language of a code or locale name ("en", "en_GB.UTF-8", "bg-BG"),
// if it is one of ours.
const Language *languageFor(std::string_view localeName);

} // namespace triangle::wording
