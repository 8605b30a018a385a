// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

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
    // "Отговор: α ≈ 38,2132°, …", or for data that fit no triangle
    // "Отговор: Няма триъгълник с тези данни: " and why.
    std::string answer;
};

// The exact forms one step's text may show: what it found, what it found
// on the way, and the values found before it.
struct StepForms {
    const ExactForm *result = nullptr;
    const ExactForm *intermediate = nullptr;
    const ExactForms *all = nullptr;
    const ExactForm *secondIntermediate = nullptr;

    const ExactForm *valueOf(Quantity q) const;
    // An angle's exact cosine where its degrees have no exact form (11/14).
    const ExactForm *cosineOf(Quantity angle) const;
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
