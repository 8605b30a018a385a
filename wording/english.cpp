// SPDX-License-Identifier: GPL-3.0-or-later
// The program's words in English, as an English textbook writes them.
#include "wording/language.h"

namespace triangle::wording {

namespace {

constexpr std::string_view kProblemStatement
    = "Build a project that links Mathematics and Computer Science.\n"
      "Theme of the project: Mathematics - area of a triangle.\n"
      "The project is to solve the following kinds of problems:\n"
      "Given a side, an adjacent and the opposite angle, find the perimeter and the area of the "
      "triangle.\n"
      "Given a side and the two adjacent angles, find the perimeter and the area of the triangle.\n"
      "Given two angles and the area, find the perimeter and the circumradius.\n"
      "Given two angles and the circumradius, find the perimeter and the area of the triangle.\n"
      "Given an adjacent angle, a side and the circumradius, find the perimeter and the area of the "
      "triangle.\n"
      "Given two sides and the angle between them, find the perimeter and the area of the triangle.\n"
      "Given two sides and an angle adjacent to one of them, find the perimeter and the area of the "
      "triangle.\n"
      "Given two sides and the area, find the circumradius.\n"
      "Given two sides and the circumradius, find the perimeter and the area of the triangle.\n"
      "Given a side, the circumradius and the area, find the perimeter of the triangle.\n"
      "Given an angle, the circumradius and the area, find the perimeter of the triangle.\n"
      "Given the opposite angle, a side and the area, find the perimeter and the circumradius.\n"
      "Given a side, an adjacent angle and the area, find the perimeter and the circumradius.\n"
      "The project has command buttons to compute the results and to clear the input data and the "
      "results. The input data are typed into text boxes, their kind is chosen from a list, and the "
      "results are shown in text boxes.";

// Short lines: the box runs past the window's right edge.
constexpr std::string_view kMotto = "The trouble with doing something right\n"
                                    "the first time is that nobody\n"
                                    "appreciates how difficult it was.";

constexpr std::string_view kHelp = R"(Solves triangles from three known quantities, as the window does.

  triangle-solve [--lang bg|en] [--all] [--steps] [--more] [--exact] INDEX T1 T2 T3
  triangle-solve [--lang bg|en] [--all] [--steps] [--more] [--exact] N1=V1 N2=V2 N3=V3
  triangle-solve [--lang bg|en] [--all] [--steps] [--more] [--exact] < FILE   (one a line)

INDEX is the combination, 0 to 51: which three of A, B, C (angles in degrees),
a, b, c (sides), S (area) and R (circumradius) are given; the window's list
shows them. T1, T2, T3 are the texts of the three given values in that order,
read as a Bulgarian window reads them (a point or a comma as decimal
separator; the answers use points). On standard input each line is
INDEX<TAB>T1<TAB>T2<TAB>T3; a line without a tab is split on blanks.

Any three of the nineteen elements may be given by name instead, as
NAME=VALUE three times (a=7 b=8 m_c=6), as arguments or on a line: NAME is
one of A B C a b c S R P r h_a h_b h_c m_a m_b m_c l_a l_b l_c, as on the
more line, or p for the semiperimeter. The answer is as below, always with
the more line; three of A, B, C, a, b, c, S, R are solved as their
combination is. 77 sets have a school's formula (three medians, three
heights, ...); the others are solved numerically. With --steps the steps
are the formulas, or for a numerical solution the equations solved. Sets
of three that cannot fix a triangle answer
  dependent<TAB>RELATION   one value follows from the other two
  scale-free               the angles fix the shape but not the size
and these are all of them; the other 955 sets fix finitely many triangles:
SETS
Values that break the relation of such a set (or three angles whose sum is
not 180°) describe no triangle: no-triangle<TAB>RELATION. Values a hair
beyond a bound that the other two allow (reached at a right, isosceles or
equilateral triangle) get no-triangle<TAB>NAME ≤ B (or ≥ B) with the bound
B. At special values
a set that fixes finitely many triangles fits infinitely many; the line is
then
  family<TAB>right-with-hypotenuse<TAB>NAME=VALUE
                           every right triangle with that hypotenuse (a right
                           angle with m_a = a/2, m_a = R, or R = m_a = a/2)
  family<TAB>isosceles-with-height<TAB>NAME=VALUE
                           every isosceles triangle with that height to its
                           base (h_a = m_a = l_a)

Each request gets one line:
  solved<TAB>A<TAB>B<TAB>C<TAB>a<TAB>b<TAB>c<TAB>S<TAB>R<TAB>P<TAB>VERDICT
      nine values with four decimals; VERDICT is triangle, or no-triangle
      when the values describe no real triangle
  invalid              a given value is empty, not a number, or not above 0
  no-triangle          the three given sides close no triangle: one is at
                       least the sum of the other two (combination 51);
                       a given angle is 180° or more; two given angles
                       that sum to 180° or more leave the formulas no
                       values; for elements by name, no triangle has the
                       three
  fault<TAB>KIND       the arithmetic failed: division-by-zero, overflow or
                       invalid-argument
  error<TAB>MESSAGE    the line is malformed, or longer than 65536 bytes;
                       the message shows at most 60 characters of it, with
                       control characters and the backslash as \xNN
With --all, each further triangle that fits the same three values follows
its solved line as also<TAB>A<TAB>...<TAB>P<TAB>triangle.
With --steps, each solved and also line is followed by the steps that found
its values, in the order taken, one line each:
  step<TAB>QUANTITY<TAB>RULE<TAB>VALUE<TAB>TEXT
      QUANTITY one of A B C a b c S R P; RULE below; VALUE with four
      decimals (the last step of a quantity shows the value of the solved
      line); TEXT the worked line as the window shows it, in the language
      of --lang (Bulgarian unless told), typed values in it shown as the
      error lines show text; for data that make no triangle the steps end
      with the first value no triangle has, and its TEXT says why
With --more, each solved line of a real triangle and each also line is
followed by the rest of that triangle:
  more<TAB>h_a<TAB>h_b<TAB>h_c<TAB>m_a<TAB>m_b<TAB>m_c<TAB>l_a<TAB>l_b<TAB>l_c<TAB>r<TAB>ANGLES<TAB>SIDES
      heights, medians and angle bisectors to a, b, c and the inradius with
      four decimals, or the fault's name where one cannot be computed at
      the triangle's size; ANGLES acute, right (the largest angle shows 90.0000)
      or obtuse; SIDES scalene, isosceles or equilateral (sides that show
      equal count as equal); with --steps, their step lines follow it
With --exact, each solved and also line is followed at once by the exact
forms of its nine values:
  exact<TAB>A<TAB>B<TAB>C<TAB>a<TAB>b<TAB>c<TAB>S<TAB>R<TAB>P
      each in plain text (10*sqrt(3), 7*sqrt(3)/3, 13+sqrt(39),
      sqrt(89-40*sqrt(2)); an angle in degrees, 120), or - where it has
      none (all of a no-triangle line): the given angles must be multiples
      of 15 and the other given values decimals; with --steps, the step
      texts carry them too; with --more, the more line is followed by the
      forms of the rest of the triangle:
  exact-more<TAB>h_a<TAB>h_b<TAB>h_c<TAB>m_a<TAB>m_b<TAB>m_c<TAB>l_a<TAB>l_b<TAB>l_c<TAB>r

A fault in a step or in a further triangle makes the whole answer a fault.

Each line is answered as soon as it is read. The answers go out at once to a
terminal, and otherwise whenever no more input is waiting, so a program that
sends one line and waits for its answer gets it. Lines that have arrived
together are answered on all cores, their answers in the order of the lines.

Practice:
  triangle-solve [--lang bg|en] --practice [--type T] [--level 0|1] [--seed N] [--count K]
      K problems (1 by default) for the seeds N, N + 1, ... (a random N by
      default), of type T (sas, sss, asa, ssa, radius, medians, inradius,
      median, height, heights, bisector; the types in turn by default), at level 0 (without a calculator: special
      angles, exact answers of at most 40 characters) or 1 (with one: any
      decimals); each as four lines:
  problem<TAB>ID<TAB>TEXT   the problem as a textbook poses it
  given<TAB>NAME=VALUE ...  its data (p for the semiperimeter)
  ask<TAB>NAME ...          what it asks (n: the number of triangles)
  key<TAB>NAME=FORM ...     the answers: exact forms as --exact writes them,
                            with a calculator four decimals
  triangle-solve [--steps] --check ID [--hint] NAME=ANSWER ...
      marks each answer to the problem ID as a teacher does, a line each:
      right|unsimplified|rounded|wrong<TAB>NAME, and after unsimplified what
      to simplify; with --hint, where an answer is wrong, hint<TAB>TEXT with
      the solution's first step; with --steps the whole solution after the
      marks, as --steps --exact answers the given values. An answer is read as a school writes it: 7, 10√3,
      10*sqrt(3), 10 sqrt 3, 7√3/3, (5√3 + √231)/2, 17,32, 38°13′; rounded
      is a decimal with at least two decimals, or degrees and minutes,
      within half a unit of its last digit.

Rules of the step lines:
RULES

Exit status: 0 when every request was well formed, 1 when one was not or
when reading or writing failed, 2 for wrong arguments, 3 when out of
memory, 128+N when stopped by signal N (SIGTERM or SIGINT). Out of memory
or stopped, it reads no more and first writes the whole answers it has; a
second signal ends it at once.

Example:
  $ triangle-solve 21 60 5 8
  solved	38.2132	81.7868	60.0000	5.0000	8.0000	7.0000	17.3205	4.0415	20.0000	triangle
)";

} // namespace

const Language kEnglish = {
    "en",
    ".",
    {
        "triangle.example.org Mathematics - triangle, sides, angles, area",
        {{
            {"Mathematics - area of a triangle", "", ""},
            {"Values for:", "", ""},
            {"Angles: A,B,C BAC,ABC,ACB  sides: a,b,c", "", ""},
        }},
        {"P =", "", ""},
        {{{"", "Values for:", ""}, {"", "Combination strings", ""}}},
        {"Sizes - angles, sides", "", ""},
        {"", "Drawing", ""},
        {{{"Compute", "", "C"}, {"Clear", "", "l"}, {"Sample", "", "S"}}},
        {{{kProblemStatement, "Note", ""}, {kMotto, "Motto", ""}}},
        {"Another triangle", "", ""},
        {"Solution", "", "o"},
        {{
            {"BAC", "", ""},
            {"ABC", "", ""},
            {"ACB", "", ""},
            {"a", "", ""},
            {"b", "", ""},
            {"c", "", ""},
            {"S", "", ""},
            {"R", "", ""},
        }},
        {{
            {"", "angle BAC", ""},
            {"", "angle ABC", ""},
            {"", "angle ACB", ""},
            {"", "side a", ""},
            {"", "side b", ""},
            {"", "side c", ""},
            {"", "area S", ""},
            {"", "radius R", ""},
            {"", "perimeter P", ""},
        }},
        {"Language", "Език / Language", ""},
        "Enlarged, the circle shows in part",
    },
    {
        "Wrong input data!",
        "Calculation error: division by zero.",
        "Calculation error: overflow.",
        "Calculation error: invalid argument.",
        "No triangle with these data: the values were computed but describe no real triangle.",
        "No triangle with sides a, b, c: each side must be shorter than the sum of the other two.",
        "No triangle with these data: every angle of a triangle is less than 180°.",
        "No triangle with these data: any two angles of a triangle add up to less than 180°.",
        "The data also fit another triangle.",
        "The data fit %1 more triangles.",
        "Showing %1 of %2.",
        "To switch: the button “%1” or %2.",
        "Solved with %1 = %2: of the text typed “%3” only the number at its start was read.",
        "Exact: %1.",
    },
    {
        {"angle A", "angle B", "angle C", "side a", "side b", "side c", "area S", "radius R"},
        "Solved: ",
        "Triangle with sides %1, %2 and %3 and angles %4°, %5° and %6°, inscribed in a circle with centre O",
        "Triangle ABC inscribed in a circle: side c at the bottom, vertex C at the top",
        {"height", "median", "angle bisector"},
        "The given %1 is marked",
        "The given elements are marked: %1",
    },
    {
        "Solution of the triangle",
        "Solution",
        "Drawing",
        {"Copy", "", "C"},
        {"Print", "", "P"},
        {"Save as PDF", "", "S"},
        {"Close", "", "l"},
        "solution.pdf",
        "PDF (*.pdf)",
        "The file %1 could not be written.",
    },
    {
        "Given: ",
        "Find: ",
        "Solution:",
        "Answer: ",
        "More elements:",
        "From the angle sum: ",
        "By the law of sines: ",
        "By the law of cosines: ",
        "Area: ",
        "From the area %1: ",
        "From the area and the law of cosines: ",
        "From the perimeter and the area: ",
        "so %1 and %2 are the roots of ",
        "Perimeter: ",
        "By Heron's formula: ",
        "Altitude to side %1: ",
        "Median to side %1: ",
        "Bisector of angle %1: ",
        "Inradius: ",
        "Circumradius: ",
        "or",
        "and",
        "so",
        "; this solution goes on with ",
        " (the angle is obtuse, since %1)",
        " (%1 is acute because %2)",
        " (the two sides swapped)",
        "; %1 is rejected, since %2 ≥ 180°",
        "; %1 is rejected — %2",
        "; %1 ≤ 0 is rejected",
        ": an angle of a triangle is greater than 0°, so there is no triangle",
        " < 0°: there is no such angle, so there is no triangle",
        " > 1: there is no such angle, so there is no triangle",
        " < 0: there are no such sides, so there is no triangle",
        " ≤ 0: the lengths and the area of a triangle are positive, so there is no triangle",
        "Cannot be computed with numbers this large or small: %1.",
        "Kind: %1, %2 triangle.",
        {"acute", "right", "obtuse"},
        {"scalene", "isosceles", "equilateral"},
        "No triangle with these data: ",
        "two of the angles add up to exactly 180° and leave 0° for the third angle.",
        "the angles add up to more than 180° and leave no room for the third angle.",
        "by the law of sines the sine of an angle comes out greater than 1, and there is no such angle.",
        "by the area formula the sine of the angle between the two sides comes out greater than 1: the "
        "area is more than half their product.",
        "by the area and the law of cosines the square of the difference of the two sides sought comes out "
        "negative: the area is too large for the side and the angle opposite it.",
        "a side, the area or the radius comes out ≤ 0, since the sine of a given angle is not positive: the "
        "angles of a triangle are less than 180°.",
        "the law of sines does not hold — a side comes out longer than 2R or does not match the angle "
        "opposite it.",
        "the area does not match the sides and the radius (S ≠ abc / (4R)).",
        "a given angle is 180° or more, and every angle of a triangle is less than 180°.",
        " (computed with the unrounded values)",
        {
            "From the formulas of the medians: ",
            "From S = ½·a·h_a = ½·b·h_b = ½·c·h_c and Heron's formula for the sides 2S/h_a, 2S/h_b, 2S/h_c: ",
            "The triangle with the sides m_a, m_b and m_c has the area ¾·S, so: ",
            "By the formula of the median %1: ",
            "From the right triangle with hypotenuse %1 and leg %2: ",
            "By the formula of the angle bisector %1: ",
            "The feet of the height and the median to %1 lie at a distance ",
            "By Pythagoras' theorem the foot of %1 lies at the distances x and y from the ends of %2: ",
            "; by Pythagoras' theorem the side farther from the height is ",
            "The tangents from the vertex %1 to the incircle are p − %2 = r / tan(%3/2): ",
            "Area by the inradius: ",
            "From the area, the perimeter and the law of cosines: ",
            "tan",
            "Numerically, since these three elements give no formula: the sides satisfy the equations %1%2; "
            "interval bounds and Newton's method find ",
            ", where p = (a + b + c) / 2 and S = √(p(p − a)(p − b)(p − c))",
            "From the same equations: ",
        },
    },
    {
        "The page computes with JavaScript and WebAssembly; turn them on in your browser.",
        "The calculator did not load: %1",
        "English",
        "Triangle — solving a triangle",
        "Triangle",
        "The angles A, B, C are BAC, ABC and ACB, and the sides a, b, c lie opposite them.",
        {"Link", "", "i"},
        {"Copy", "", "p"},
        "The link to this problem is copied.",
        "The problem and its results are copied.",
        "The browser did not allow copying.",
        "“%1”: type a whole number from %2 to %3.",
    },
    {
        {"Any three elements", "", "A"},
        {"Angles", "Sides", "Area and radii", "Perimeter", "Heights", "Medians", "Bisectors"},
        {"angle A", "angle B", "angle C", "side a", "side b", "side c", "area S", "circumradius R",
            "perimeter P", "height h_a to side a", "height h_b to side b", "height h_c to side c",
            "median m_a to side a", "median m_b to side b", "median m_c to side c", "bisector l_a of angle A",
            "bisector l_b of angle B", "bisector l_c of angle C", "inradius r"},
        "Fill in any three of the nineteen fields and press Compute: the program finds every triangle with "
        "these values and the rest of its elements.",
        "Fill in exactly three of the fields (filled in now: %1).",
        "%1: the three values are not independent and fix no triangle.",
        "No triangle has these values: %1 does not hold for them.",
        "The data fit infinitely many triangles: every right triangle with hypotenuse %1.",
        "The data fit infinitely many triangles: every isosceles triangle with base %1 and height %2 to it.",
        "No triangle has these three values: with the other two, %1 is at most %2, at the %3 triangle.",
        "No triangle has these three values: with the other two, %1 is at least %2, at the %3 triangle.",
        "Three angles fix the shape of a triangle but not its size.",
        "No triangle has these three values.",
        "Solved: the triangle is %1 and %2.",
    },
    kHelp,
    {
        "combination index must be a whole number from 0 to %1: '%2'",
        "expected NAME=VALUE with an element's name (A B C a b c S R P p r h_a h_b h_c m_a m_b m_c l_a l_b "
        "l_c): "
        "'%1'",
        "an element given twice: '%1'",
        "expected 3 fields NAME=VALUE, found %1",
        "expected 4 fields (index and three values), found %1",
        "line longer than %1 bytes: '%2'",
    },
    {
        "In triangle ABC, %1.",
        "Find %1.",
        "How many triangles have these elements?",
        "cm",
        "cm²",
        "number",
        "Right.",
        "Right, but it simplifies: %1.",
        "Right to its last digit.",
        "Wrong.",
        "Right answers: %1 of %2.",
        "Hint: %1",
    },
    PracticeModeWords {
        {"Practice", "", "r"},
        {"Problem type", "", "t"},
        "Every type in turn",
        {
            "Two sides and the included angle",
            "Three sides",
            "A side and two angles",
            "How many triangles?",
            "Two angles and R",
            "Three medians",
            "An angle, r and p",
            "Two sides and a median",
            "An angle, a side and a height",
            "Three heights",
            "Two sides and a bisector",
        },
        {"Level", "", "e"},
        {"Without a calculator", "With a calculator"},
        {"Problem", "", ""},
        "Answer for %1",
        {"Problem number", "", "u"},
        {"Check", "", "C"},
        {"Hint", "", "H"},
        {"Solution", "", "o"},
        {"New problem", "", "N"},
        {"Worksheet…", "Worksheet", "W"},
        "No problem has the number “%1”: the problem on screen stays.",
        "Type your answers and press “Check”. Exact answers are written as "
        "10√3, 10*sqrt(3) or 7√3/3, angles in degrees.",
    },
    WorksheetWords {
        "Worksheet",
        "Name: ______________________________   Class: ______   Date: __________",
        "Variant %1",
        {"A", "B", "C", "D", "E", "F"},
        "Answers",
        "Solutions",
        "Problem %1 (variant %2)",
        "no such triangle",
        {"Problem types", "", "y"},
        {"Problems per variant", "", "b"},
        {"Variants", "", "V"},
        {"Sheet number", "", "N"},
        {"With solutions", "", "W"},
        "worksheet.pdf",
    },
};

} // namespace triangle::wording
