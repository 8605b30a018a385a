// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/worksheet_dialog.h"

#include <algorithm>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextDocument>
#include <QVBoxLayout>

#include "session/worksheet.h"
#include "ui/design_placement.h"
#include "ui/window_font.h"

namespace triangle::ui {

namespace {

constexpr double kMarginMillimetres = 18;
constexpr double kPaperPointSize = 12;
constexpr int kMostSeed = 999'999;

// A control with its caption over it, the caption's Alt letter taking the
// focus to it, and its name for a screen reader.
void addRow(QFormLayout &form, const wording::ControlWords &words, QWidget *control)
{
    auto *caption = new QLabel(captionOf(words));
    caption->setBuddy(control);
    control->setAccessibleName(utf8(words.caption));
    form.addRow(caption, control);
}

QSpinBox *spinBox(int least, int most, int value)
{
    auto *box = new QSpinBox;
    box->setRange(least, most);
    box->setValue(std::clamp(value, least, most));
    return box;
}

} // namespace

void printWorksheet(const QString &html, QPagedPaintDevice &device)
{
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    QTextDocument document;
    QFont font = windowFont();
    font.setPointSizeF(kPaperPointSize);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(&device);
}

WorksheetDialog::WorksheetDialog(
    NumberFormat format, const wording::Language &language, const WorksheetOptions &initial, QWidget *parent)
    : QDialog(parent), m_format(std::move(format)), m_language(&language)
{
    setWindowTitle(utf8(language.worksheet.title));
    createControls(initial);
}

void WorksheetDialog::createControls(const WorksheetOptions &initial)
{
    const wording::WorksheetWords &words = m_language->worksheet;
    const wording::PracticeModeWords &mode = m_language->practiceMode;
    auto *form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    m_types = new QListWidget;
    for (std::size_t t = 0; t < kProblemTypes.size(); ++t) {
        auto *item = new QListWidgetItem(utf8(mode.types.at(t)), m_types);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool chosen = initial.types.empty()
            || std::ranges::find(initial.types, kProblemTypes.at(t)) != initial.types.end();
        item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    }
    m_types->setCurrentRow(0);
    // Every type in view: the list is short, and a scroll bar would hide
    // the last ones from a glance.
    m_types->setMinimumHeight(m_types->sizeHintForRow(0) * m_types->count() + 2 * m_types->frameWidth() + 4);
    addRow(*form, words.types, m_types);
    m_level = new QComboBox;
    for (const std::string_view level : mode.levels)
        m_level->addItem(utf8(level));
    m_level->setCurrentIndex(initial.level == Level::Calculator ? 1 : 0);
    addRow(*form, mode.level, m_level);
    m_count = spinBox(1, kMostWorksheetProblems, initial.problems);
    addRow(*form, words.count, m_count);
    m_variants = spinBox(1, kMostWorksheetVariants, initial.variants);
    addRow(*form, words.variants, m_variants);
    m_seed = spinBox(1, kMostSeed, static_cast<int>(std::min<std::uint32_t>(initial.seed, kMostSeed)));
    addRow(*form, words.seed, m_seed);
    m_solutions = new QCheckBox(captionOf(words.withSolutions));
    m_solutions->setAccessibleName(utf8(words.withSolutions.caption));
    m_solutions->setChecked(initial.solutions);
    form->addRow(m_solutions);

    const wording::SolutionWindowWords &paper = m_language->solutionWindow;
    auto *buttons = new QDialogButtonBox;
    const auto button = [&](const wording::ControlWords &caption, QDialogButtonBox::ButtonRole role) {
        auto *pressed = buttons->addButton(captionOf(caption), role);
        pressed->setAccessibleName(utf8(caption.caption));
        return pressed;
    };
    connect(button(paper.print, QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
        &WorksheetDialog::print);
    connect(button(paper.savePdf, QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
        &WorksheetDialog::askAndSavePdf);
    connect(button(paper.close, QDialogButtonBox::RejectRole), &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_types->setFocus();
}

WorksheetOptions WorksheetDialog::options() const
{
    WorksheetOptions options;
    for (int row = 0; row < m_types->count(); ++row) {
        if (m_types->item(row)->checkState() == Qt::Checked)
            options.types.push_back(kProblemTypes.at(static_cast<std::size_t>(row)));
    }
    // Every type ticked is every type in turn, as none is.
    if (options.types.size() == kProblemTypes.size())
        options.types.clear();
    options.level = m_level->currentIndex() == 1 ? Level::Calculator : Level::NoCalculator;
    options.problems = m_count->value();
    options.variants = m_variants->value();
    options.seed = static_cast<std::uint32_t>(m_seed->value());
    options.solutions = m_solutions->isChecked();
    return options;
}

QString WorksheetDialog::markup() const
{
    return QString::fromStdString(session::worksheetMarkup(options(), m_format, *m_language));
}

bool WorksheetDialog::savePdf(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(utf8(m_language->worksheet.title));
        writer.setCreator(QGuiApplication::applicationDisplayName());
        printWorksheet(markup(), writer);
    }
    file.close();
    return file.error() == QFileDevice::NoError;
}

void WorksheetDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(utf8(m_language->worksheet.title));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printWorksheet(markup(), printer);
}

void WorksheetDialog::askAndSavePdf()
{
    const wording::SolutionWindowWords &paper = m_language->solutionWindow;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, utf8(paper.savePdf.caption),
        QDir(folder).filePath(utf8(m_language->worksheet.pdfFileName)), utf8(paper.pdfFilter));
    if (path.isEmpty())
        return;
    if (!savePdf(path))
        QMessageBox::warning(
            this, windowTitle(), utf8(paper.pdfNotSaved).arg(QDir::toNativeSeparators(path)));
}

} // namespace triangle::ui
