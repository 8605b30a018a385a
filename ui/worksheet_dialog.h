// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "solver/numbers/number_format.h"
#include "solver/practice/worksheet.h"
#include "wording/language.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPagedPaintDevice;
class QSpinBox;

namespace triangle::ui {

// Lays a worksheet's HTML out on A4 pages of a printer or a PDF writer.
void printWorksheet(const QString &html, QPagedPaintDevice &device);

// The settings of a worksheet for a class — the problem types, how many
// problems in how many variants, the sheet's number, the level, whether the
// solutions follow the key — and the worksheet printed or saved as PDF with
// the dialogs the solution window uses.
class WorksheetDialog : public QDialog {
    Q_OBJECT

public:
    WorksheetDialog(NumberFormat format, const wording::Language &language, const WorksheetOptions &initial,
        QWidget *parent);

    WorksheetOptions options() const;

    // Writes the worksheet to a PDF file at `path`; false when the file
    // cannot be written.
    bool savePdf(const QString &path) const;

private:
    void createControls(const WorksheetOptions &initial);
    QString markup() const;
    void print();
    void askAndSavePdf();

    NumberFormat m_format;
    const wording::Language *m_language;
    QListWidget *m_types = nullptr;
    QSpinBox *m_count = nullptr;
    QSpinBox *m_variants = nullptr;
    QSpinBox *m_seed = nullptr;
    QComboBox *m_level = nullptr;
    QCheckBox *m_solutions = nullptr;
};

} // namespace triangle::ui
