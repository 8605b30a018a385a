// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/solution_window.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBlockFormat>
#include <QVBoxLayout>

#include "session/elements_session.h"
#include "session/spoken.h"
#include "solver/list/verdict.h"

#include "ui/design_placement.h"
#include "ui/form_design.h"
#include "ui/picture_box.h"
#include "ui/solution_lines.h"
#include "ui/window_font.h"

namespace triangle::ui {

namespace {

// The main window's picture box is 178 pixels square; here there is room
// for more. The text gets room for a dozen wrapped lines.
constexpr int kPictureSide = 240;
constexpr int kWindowWidth = 640;
constexpr int kTextHeight = 300;

QPushButton *createButton(const wording::ControlWords &words, QWidget *parent)
{
    auto *button = new QPushButton(withMnemonic(words.caption, words.mnemonic), parent);
    button->setAccessibleName(utf8(words.caption));
    return button;
}

} // namespace

SolutionWindow::SolutionWindow(const triangle::session::SolutionPage &page, const QLocale &locale,
    const triangle::wording::Language &language, QWidget *parent)
    : QDialog(parent), m_language(&language)
{
    const triangle::Solution &solution = page.solution;
    m_page.title = utf8(words().title);
    m_page.text = QString::fromStdString(page.document);
    m_page.font = windowFont();
    m_page.enlargedNote = utf8(language.window.enlargedPicture);
    if (solution.verdict == triangle::Verdict::RealTriangle) {
        const auto &[a, b, c] = measuresOf(solution.record).sides;
        m_page.picture = geometry::cornersFromSides(a, b, c);
        m_page.marked = triangle::session::givenCevians(solution.givenElements);
    }
    createControls(solution, locale);
}

void SolutionWindow::createControls(const triangle::Solution &solution, const QLocale &locale)
{
    setWindowTitle(m_page.title);
    setFont(m_page.font);
    auto *layout = new QVBoxLayout(this);

    // Values that make no real triangle have nothing to draw.
    if (m_page.picture) {
        m_picture = new PictureBox(*m_page.picture, this);
        m_picture->setFixedSize(kPictureSide, kPictureSide);
        m_picture->setAccessibleName(utf8(words().pictureName));
        m_picture->setLanguage(*m_language);
        TriangleMeasures measures = measuresOf(solution.record);
        measures.marked = m_page.marked;
        m_picture->showMeasuredTriangle(measures,
            QString::fromStdString(triangle::session::pictureDescription(*m_language,
                {measures.sides, measures.angles, measures.marked}, locale.decimalPoint().toStdString())));
        layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    }

    // Read-only, yet it takes the focus: a screen reader reads it, and the
    // keyboard selects and copies from it.
    m_text = new QPlainTextEdit(this);
    writeSolutionLines(*m_text->document(), m_page.text, QTextBlockFormat());
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text->setTabChangesFocus(true);
    m_text->setAccessibleName(utf8(words().textName));
    layout->addWidget(m_text, 1);

    auto *buttons = new QHBoxLayout;
    QPushButton *copy = createButton(words().copy, this);
    QPushButton *print = createButton(words().print, this);
    QPushButton *save = createButton(words().savePdf, this);
    QPushButton *close = createButton(words().close, this);
    connect(copy, &QPushButton::clicked, this, &SolutionWindow::copyText);
    connect(print, &QPushButton::clicked, this, &SolutionWindow::print);
    connect(save, &QPushButton::clicked, this, &SolutionWindow::askAndSavePdf);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton *button : {copy, print, save})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    m_text->setMinimumHeight(kTextHeight);
    resize(kWindowWidth, sizeHint().height());
    m_text->setMinimumHeight(0);

    m_text->setFocus();
}

bool SolutionWindow::savePdf(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(m_page.title);
        writer.setCreator(QGuiApplication::applicationDisplayName());
        writer.setPageSize(QPageSize(QPageSize::A4));
        printSolution(m_page, writer);
    }
    file.close();
    return file.error() == QFileDevice::NoError;
}

void SolutionWindow::copyText() const { QGuiApplication::clipboard()->setText(m_page.text); }

void SolutionWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_page.title);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printSolution(m_page, printer);
}

void SolutionWindow::askAndSavePdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, utf8(words().savePdf.caption),
        QDir(folder).filePath(utf8(words().pdfFileName)), utf8(words().pdfFilter));
    if (path.isEmpty())
        return;
    if (!savePdf(path)) {
        QMessageBox::warning(
            this, m_page.title, utf8(words().pdfNotSaved).arg(QDir::toNativeSeparators(path)));
    }
}

} // namespace triangle::ui
