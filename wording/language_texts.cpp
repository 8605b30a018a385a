// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/language.h"

namespace triangle::wording {

namespace {

// Gathers the texts of a table under the names of their places.
class Gatherer {
public:
    void add(std::string name, std::string_view text) { m_texts.push_back({std::move(name), text}); }

    void add(const std::string &name, const ControlWords &words)
    {
        add(name + ".caption", words.caption);
        add(name + ".accessibleName", words.accessibleName);
        add(name + ".mnemonic", words.mnemonic);
    }

    template <typename Item, std::size_t N>
    void add(const std::string &name, const std::array<Item, N> &items)
    {
        for (std::size_t i = 0; i < N; ++i)
            add(name + '[' + std::to_string(i) + ']', items.at(i));
    }

    std::vector<NamedText> texts() && { return std::move(m_texts); }

private:
    std::vector<NamedText> m_texts;
};

void addWindow(Gatherer &all, const WindowWords &w)
{
    all.add("window.title", w.title);
    all.add("window.label1", w.label1);
    all.add("window.label2", w.label2);
    all.add("window.list1", w.list1);
    all.add("window.frame1", w.frame1);
    all.add("window.picture1", w.picture1);
    all.add("window.command1", w.command1);
    all.add("window.text1", w.text1);
    all.add("window.command2", w.command2);
    all.add("window.command3", w.command3);
    all.add("window.check1", w.check1);
    all.add("window.text2", w.text2);
    all.add("window.language", w.language);
    all.add("window.enlargedPicture", w.enlargedPicture);
}

void addNotes(Gatherer &all, const NoteWords &n)
{
    all.add("notes.invalidInput", n.invalidInput);
    all.add("notes.divisionByZero", n.divisionByZero);
    all.add("notes.overflow", n.overflow);
    all.add("notes.invalidArgument", n.invalidArgument);
    all.add("notes.noTriangle", n.noTriangle);
    all.add("notes.angleNotBelow180", n.angleNotBelow180);
    all.add("notes.anglesReachTheSum", n.anglesReachTheSum);
    all.add("notes.sidesCloseNoTriangle", n.sidesCloseNoTriangle);
    all.add("notes.oneOtherTriangle", n.oneOtherTriangle);
    all.add("notes.moreOtherTriangles", n.moreOtherTriangles);
    all.add("notes.shownTriangle", n.shownTriangle);
    all.add("notes.howToSwitch", n.howToSwitch);
    all.add("notes.readAs", n.readAs);
    all.add("notes.exact", n.exact);
}

void addSpokenAndSolutionWindow(Gatherer &all, const SpokenWords &s, const SolutionWindowWords &w)
{
    all.add("spoken.quantities", s.quantities);
    all.add("spoken.solved", s.solved);
    all.add("spoken.triangle", s.triangle);
    all.add("spoken.startUpPicture", s.startUpPicture);
    all.add("spoken.cevians", s.cevians);
    all.add("spoken.markedOne", s.markedOne);
    all.add("spoken.markedSeveral", s.markedSeveral);
    all.add("solutionWindow.title", w.title);
    all.add("solutionWindow.textName", w.textName);
    all.add("solutionWindow.pictureName", w.pictureName);
    all.add("solutionWindow.copy", w.copy);
    all.add("solutionWindow.print", w.print);
    all.add("solutionWindow.savePdf", w.savePdf);
    all.add("solutionWindow.close", w.close);
    all.add("solutionWindow.pdfFileName", w.pdfFileName);
    all.add("solutionWindow.pdfFilter", w.pdfFilter);
    all.add("solutionWindow.pdfNotSaved", w.pdfNotSaved);
}

void addSolution(Gatherer &all, const SolutionWords &s)
{
    for (const auto &[name, text] : std::initializer_list<std::pair<const char *, std::string_view>> {
             {"given", s.given}, {"sought", s.sought}, {"heading", s.heading}, {"answer", s.answer},
             {"more", s.more}, {"angleSum", s.angleSum}, {"lawOfSines", s.lawOfSines},
             {"lawOfCosines", s.lawOfCosines}, {"area", s.area}, {"fromArea", s.fromArea},
             {"fromAreaAndLawOfCosines", s.fromAreaAndLawOfCosines},
             {"fromPerimeterAndArea", s.fromPerimeterAndArea}, {"rootsOf", s.rootsOf},
             {"perimeter", s.perimeter}, {"heron", s.heron}, {"heightTo", s.heightTo},
             {"medianTo", s.medianTo}, {"bisectorOf", s.bisectorOf}, {"inradius", s.inradius},
             {"circumradius", s.circumradius}, {"orWord", s.orWord}, {"andWord", s.andWord},
             {"whence", s.whence}, {"branchTaken", s.branchTaken}, {"obtuse", s.obtuse}, {"acute", s.acute},
             {"sidesSwapped", s.sidesSwapped}, {"rejected", s.rejected},
             {"alternativeFails", s.alternativeFails}, {"rootNotPositive", s.rootNotPositive},
             {"zeroAngle", s.zeroAngle}, {"negativeAngle", s.negativeAngle}, {"sineAboveOne", s.sineAboveOne},
             {"negativeSquare", s.negativeSquare}, {"notPositive", s.notPositive},
             {"outOfRange", s.outOfRange}, {"kind", s.kind}, {"noTriangle", s.noTriangle},
             {"anglesFillTheSum", s.anglesFillTheSum}, {"anglesLeaveNoRoom", s.anglesLeaveNoRoom},
             {"lawOfSinesSineAboveOne", s.lawOfSinesSineAboveOne}, {"areaSineAboveOne", s.areaSineAboveOne},
             {"areaTooLargeForSides", s.areaTooLargeForSides}, {"sizeNotPositive", s.sizeNotPositive},
             {"lawOfSinesFails", s.lawOfSinesFails}, {"areaDoesNotMatch", s.areaDoesNotMatch},
             {"angleNotBelow180", s.angleNotBelow180}, {"unroundedValues", s.unroundedValues}})
        all.add(std::string("solution.") + name, text);
    all.add("solution.byAngles", s.byAngles);
    all.add("solution.bySides", s.bySides);
    const ElementStepWords &e = s.elements;
    for (const auto &[name, text] : std::initializer_list<std::pair<const char *, std::string_view>> {
             {"medians", e.medians}, {"heights", e.heights}, {"medianTriangle", e.medianTriangle},
             {"medianFormula", e.medianFormula}, {"rightTriangle", e.rightTriangle},
             {"bisectorFormula", e.bisectorFormula}, {"feet", e.feet}, {"heightFeet", e.heightFeet},
             {"longerSide", e.longerSide}, {"tangents", e.tangents}, {"areaByInradius", e.areaByInradius},
             {"areaAndPerimeter", e.areaAndPerimeter}, {"tangent", e.tangent}, {"numerical", e.numerical},
             {"heronWhere", e.heronWhere}, {"numericalAgain", e.numericalAgain}})
        all.add(std::string("solution.elements.") + name, text);
}

} // namespace

std::vector<NamedText> allTexts(const Language &language)
{
    Gatherer all;
    all.add("code", language.code);
    all.add("decimalSeparator", language.decimalSeparator);
    addWindow(all, language.window);
    addNotes(all, language.notes);
    addSpokenAndSolutionWindow(all, language.spoken, language.solutionWindow);
    addSolution(all, language.solution);
    all.add("page.noScript", language.page.noScript);
    all.add("page.notLoaded", language.page.notLoaded);
    all.add("page.languageName", language.page.languageName);
    all.add("page.title", language.page.title);
    all.add("page.shortName", language.page.shortName);
    all.add("page.legend", language.page.legend);
    all.add("page.link", language.page.link);
    all.add("page.copy", language.page.copy);
    all.add("page.linkCopied", language.page.linkCopied);
    all.add("page.textCopied", language.page.textCopied);
    all.add("page.notCopied", language.page.notCopied);
    all.add("page.wholeNumber", language.page.wholeNumber);
    all.add("elements.mode", language.elements.mode);
    all.add("elements.groups", language.elements.groups);
    all.add("elements.names", language.elements.names);
    all.add("elements.statement", language.elements.statement);
    all.add("elements.notThree", language.elements.notThree);
    all.add("elements.dependent", language.elements.dependent);
    all.add("elements.broken", language.elements.broken);
    all.add("elements.rightFamily", language.elements.rightFamily);
    all.add("elements.isoscelesFamily", language.elements.isoscelesFamily);
    all.add("elements.atMost", language.elements.atMost);
    all.add("elements.atLeast", language.elements.atLeast);
    all.add("elements.scaleFree", language.elements.scaleFree);
    all.add("elements.noTriangle", language.elements.noTriangle);
    all.add("elements.solved", language.elements.solved);
    all.add("commandLineHelp", language.commandLineHelp);
    const CommandLineErrors &errors = language.commandLineErrors;
    all.add("commandLineErrors.index", errors.index);
    all.add("commandLineErrors.namedWord", errors.namedWord);
    all.add("commandLineErrors.givenTwice", errors.givenTwice);
    all.add("commandLineErrors.namedCount", errors.namedCount);
    all.add("commandLineErrors.indexedCount", errors.indexedCount);
    all.add("commandLineErrors.tooLong", errors.tooLong);
    const PracticeWords &practice = language.practice;
    all.add("practice.data", practice.data);
    all.add("practice.find", practice.find);
    all.add("practice.howMany", practice.howMany);
    all.add("practice.length", practice.length);
    all.add("practice.area", practice.area);
    all.add("practice.count", practice.count);
    all.add("practice.right", practice.right);
    all.add("practice.unsimplified", practice.unsimplified);
    all.add("practice.rounded", practice.rounded);
    all.add("practice.wrong", practice.wrong);
    all.add("practice.counter", practice.counter);
    all.add("practice.hint", practice.hint);
    const PracticeModeWords &mode = language.practiceMode;
    all.add("practiceMode.mode", mode.mode);
    all.add("practiceMode.type", mode.type);
    all.add("practiceMode.anyType", mode.anyType);
    all.add("practiceMode.types", mode.types);
    all.add("practiceMode.level", mode.level);
    all.add("practiceMode.levels", mode.levels);
    all.add("practiceMode.problem", mode.problem);
    all.add("practiceMode.answer", mode.answer);
    all.add("practiceMode.number", mode.number);
    all.add("practiceMode.check", mode.check);
    all.add("practiceMode.hint", mode.hint);
    all.add("practiceMode.solution", mode.solution);
    all.add("practiceMode.newProblem", mode.newProblem);
    all.add("practiceMode.worksheet", mode.worksheet);
    all.add("practiceMode.noSuchProblem", mode.noSuchProblem);
    all.add("practiceMode.statement", mode.statement);
    const WorksheetWords &sheet = language.worksheet;
    all.add("worksheet.title", sheet.title);
    all.add("worksheet.pupil", sheet.pupil);
    all.add("worksheet.variant", sheet.variant);
    all.add("worksheet.letters", sheet.letters);
    all.add("worksheet.key", sheet.key);
    all.add("worksheet.solutions", sheet.solutions);
    all.add("worksheet.problem", sheet.problem);
    all.add("worksheet.noTriangle", sheet.noTriangle);
    all.add("worksheet.types", sheet.types);
    all.add("worksheet.count", sheet.count);
    all.add("worksheet.variants", sheet.variants);
    all.add("worksheet.seed", sheet.seed);
    all.add("worksheet.withSolutions", sheet.withSolutions);
    all.add("worksheet.pdfFileName", sheet.pdfFileName);
    return std::move(all).texts();
}

} // namespace triangle::wording
