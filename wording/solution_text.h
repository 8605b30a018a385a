// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "solver/answer/more_elements.h"
#include "solver/answer/solution.h"
#include "solver/exact_replay/exact_forms.h"
#include "solver/list/catalogue.h"
#include "solver/numbers/number_format.h"
#include "solver/steps/journal.h"
#include "wording/language.h"

// The worked solution in the words and notation of a school, in Bulgarian
// or English: the one place where the solver's steps become text, for the
// window, the web page and the command-line tool alike.
namespace triangle::wording {

// The texts of the given elements as the user typed them, by quantity
// (empty where not given): the eight of the list, or any three of the
// nineteen elements.
using GivenTexts = std::array<std::string, kElementCount>;

// The three texts of a request, in field order, placed at their quantities.
GivenTexts givenTextsOf(int combination, const std::array<std::string, 3> &texts);

struct SolutionText {
    std::string given;              // "Дадено: a = 5, b = 8, γ = 60°."
    std::string sought;             // "Търси се: α, β, c, S, R, P."
    std::string heading;            // "Решение:", before the steps
    std::vector<std::string> steps; // "1. По косинусовата теорема: c² = …", one per step
    std::string answer;             // "Отговор: α ≈ 38,2132°, …"
    std::string verdict;            // empty for a real triangle, else why there is none
};

// The exact forms one step's text may show: what it found, what it found
// on the way, and the values found before it.
struct StepForms {
    const ExactForm *result = nullptr;
    const ExactForm *intermediate = nullptr;
    const ExactForms *all = nullptr;

    const ExactForm *valueOf(Quantity q) const;
};

// The forms of step `index` of the journals `forms` replayed; none without forms.
StepForms stepForms(const ExactForms *forms, std::size_t index);

// The whole solution: numbers with the format's decimal separator, results
// with four decimals, given values as typed; with `exact`, each value's
// exact form beside its decimal where it has one (S = 10√3 ≈ 17,3205).
SolutionText workedSolution(const Solution &solution, const GivenTexts &given, const NumberFormat &format,
    const Language &language = kBulgarian, const ExactForms *exact = nullptr);

// One step without its number, as it reads in the solution.
std::string stepText(const Step &step, const GivenTexts &given, const NumberFormat &format,
    const Language &language = kBulgarian, StepForms exact = {});

// The solution as plain text, one line each, for the clipboard and print.
std::string plainText(const SolutionText &text);

// The rest of a real triangle: numbered steps for its heights, medians,
// angle bisectors and inradius, and its kind by angles and by sides.
struct MoreText {
    std::vector<std::string> steps; // "1. Височина към страната a: h_a = 2S / a = …"
    // Empty, or which elements could not be computed with numbers this large
    // or small: "Не могат да се пресметнат при числа с такъв размер: m_a, l_a."
    std::string outOfRange;
    std::string kind;    // "Вид: правоъгълен, разностранен триъгълник."
    std::string heading; // "Още елементи:"
};

// `exact` as for the solution, whose steps come `firstStep` steps before these.
MoreText moreElementsText(const Triangle &record, const NumberFormat &format,
    const Language &language = kBulgarian, const ExactForms *exact = nullptr, std::size_t firstStep = 0);

// The section as plain text under its heading.
std::string plainText(const MoreText &text);

// The whole text of a solution as the window shows, copies and prints it:
// the worked solution and, for a real triangle, the rest of it.
std::string solutionDocument(const Solution &solution, const GivenTexts &given, const NumberFormat &format,
    const Language &language = kBulgarian, const ExactForms *exact = nullptr);

// For a page that wraps its lines (the window, the PDF, the web page): the
// blanks around each "=" and "≈" made unbreakable, so that no line ends
// between a value and its sign.
std::string withSignsKeptToTheirValues(std::string text);

// The name of a quantity in school notation: α, β, γ for the angles.
std::string symbolOf(Quantity q);

} // namespace triangle::wording
