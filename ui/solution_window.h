// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLocale>

#include "session/solution_page.h"
#include "solver/answer/solution.h"
#include "wording/language.h"
#include "wording/solution_text.h"

#include "ui/solution_print.h"

class QPlainTextEdit;

namespace triangle::ui {

class PictureBox;

// The worked solution of one triangle in a window of its own beside the
// main one: the picture at the top, then the given values, the numbered
// steps, the answer and, where the values make no real triangle, the
// verdict. The text can be copied, printed and saved as PDF. Esc closes it.
class SolutionWindow : public QDialog {
    Q_OBJECT

public:
    // The session's page; `locale` decides the decimal separator of the
    // picture's description, as in the main window; `language` the words.
    SolutionWindow(const triangle::session::SolutionPage &page, const QLocale &locale,
        const triangle::wording::Language &language, QWidget *parent);

    QPlainTextEdit *textBox() const { return m_text; }

    // Writes the picture and the solution to a PDF file at `path`; false when
    // the file cannot be written.
    bool savePdf(const QString &path) const;

private:
    void createControls(const triangle::Solution &solution, const QLocale &locale);

    const triangle::wording::Language *m_language;
    const triangle::wording::SolutionWindowWords &words() const { return m_language->solutionWindow; }
    void copyText() const;
    void print();
    void askAndSavePdf();

    SolutionPage m_page;
    PictureBox *m_picture = nullptr;
    QPlainTextEdit *m_text = nullptr;
};

} // namespace triangle::ui
