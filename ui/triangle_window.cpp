// SPDX-License-Identifier: GPL-3.0-or-later
#include "triangle_window.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <compute.h>
#include <number_formatting.h>
#include <number_reading.h>
#include <other_triangles.h>
#include <solution.h>

#include "accessible_roles.h"
#include "announcer.h"
#include "combination_list.h"
#include "design_placement.h"
#include "form_design.h"
#include "outcome_note.h"
#include "solution_window.h"
#include "spoken_texts.h"
#include "widget_form.h"
#include "window_font.h"

namespace triangle::ui {

namespace {

template <typename Widget>
Widget *placed(Widget *widget, const design::Control &control, TabStops &tabStops)
{
    placeControl(*widget, control);
    tabStops.emplace_back(control.tabIndex, widget);
    return widget;
}

QLabel *createLabel(QWidget *parent, const design::Control &control, TabStops &tabStops)
{
    auto *label = placed(new QLabel(utf8(control.caption), parent), control, tabStops);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton *createButton(QWidget *parent, const design::Control &control, TabStops &tabStops)
{
    auto *button = placed(new QPushButton(utf8(control.caption), parent), control, tabStops);
    button->setAccessibleName(button->text());
    paintButton(*button, *control.backColour);
    return button;
}

// Locked, with a vertical scroll bar that is always there.
QPlainTextEdit *createTextBox(QWidget *parent, const design::Control &control, TabStops &tabStops)
{
    auto *box = placed(new QPlainTextEdit(utf8(control.caption), parent), control, tabStops);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

// The indicators only show which quantities are given, so they are always
// disabled; their captions still name the fields beside them and their
// marks still tell the given ones, and both must stay readable.
QCheckBox *createIndicator(QWidget *parent, const design::Control &control, TabStops &tabStops)
{
    auto *indicator = placed(new QCheckBox(utf8(control.caption), parent), control, tabStops);
    const auto &[red, green, blue] = design::kIndicatorCaptionColour;
    QPalette palette = indicator->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(red, green, blue));
    indicator->setPalette(palette);
    indicator->setEnabled(false);
    return indicator;
}

// Locked until a selection makes the field a given one; a locked field still
// takes the focus, so that its value can be read and copied by keyboard.
ValueField *createValueField(QWidget *parent, const design::Control &control, TabStops &tabStops)
{
    auto *field = placed(new ValueField(parent), control, tabStops);
    field->setReadOnly(true);
    field->setTypingLimit(design::kTypingLimit);
    return field;
}

// The picture of start-up, and of every moment without a solved triangle.
TriangleCorners startUpTriangle()
{
    const auto &[a, b, c] = design::kPictureSides;
    return cornersFromSides(a, b, c);
}

// The picture's triangle, small enough for a title bar.
QIcon triangleIcon()
{
    QPixmap pixmap(32, 32);
    QPainter painter(&pixmap);
    paintTriangle(painter, QRectF(pixmap.rect()), startUpTriangle());
    return QIcon(pixmap);
}

} // namespace

TriangleWindow::TriangleWindow(const QLocale &locale, RandomSource random, QWidget *parent)
    : QWidget(parent), m_locale(locale), m_numberFormat {locale.decimalPoint().toStdString()},
      m_random(std::move(random))
{
    // Before any control is asked how a screen reader should see it.
    installAccessibleRoles();
    createControls();
    connectEvents();
    Form_Load();
}

void TriangleWindow::createControls()
{
    setWindowTitle(utf8(design::kWindow.caption));
    setWindowIcon(triangleIcon());
    setFont(windowFont());
    paintBackground(*this, design::kWindow.backColour);
    // Smaller, the form would crop its buttons; larger, it would only add
    // empty space.
    setFixedSize(toPixels(design::kWindow.clientArea).size());

    // Created in the design's order: where controls overlap, the later one
    // lies on top.
    TabStops tabStops;
    Label1[0] = createLabel(this, design::kLabel1[0], tabStops);
    Label1[1] = createLabel(this, design::kLabel1[1], tabStops);
    List1[0] = placed(new CombinationList(this), design::kList1[0], tabStops);
    Label1[2] = createLabel(this, design::kLabel1[2], tabStops);
    Frame1 = placed(new QGroupBox(utf8(design::kFrame1.caption), this), design::kFrame1, tabStops);
    createFrameControls(tabStops);
    Picture1 = placed(new PictureBox(startUpTriangle(), this), design::kPicture1, tabStops);
    for (int k = 0; k < 3; ++k) {
        Command1[k] = createButton(this, design::kCommand1[k], tabStops);
        Command1[k]->setText(withMnemonic(design::kCommand1[k].caption, design::kCommand1Mnemonics.at(k)));
    }
    List1[1] = placed(new QListWidget(this), design::kList1[1], tabStops);
    List1[1]->addItems(combinationStrings());
    for (int k = 0; k < 2; ++k)
        Text1[k] = createTextBox(this, design::kText1[k], tabStops);
    Command2 = createButton(this, design::kCommand2, tabStops);
    Command2->setShortcut(QKeySequence(utf8(design::kCommand2Shortcut)));
    Command2->setToolTip(QStringLiteral("%1 (%2)").arg(Command2->text(), utf8(design::kCommand2Shortcut)));
    Command2->hide();
    Command3 = createButton(this, design::kCommand3, tabStops);
    Command3->setText(withMnemonic(design::kCommand3.caption, design::kCommand3Mnemonic));
    // Enter opens the solution as Space does: the button's whole purpose is
    // a window to read.
    Command3->setAutoDefault(true);
    Command3->hide();
    QFont underPicture = font();
    underPicture.setPointSizeF(design::kUnderPicturePointSize);
    Command2->setFont(underPicture);
    Command3->setFont(underPicture);
    m_announcer = new Announcer(this);
    orderTabStops(tabStops);
}

void TriangleWindow::createFrameControls(TabStops &tabStops)
{
    for (int i = 0; i < kQuantityCount; ++i)
        Check1[i] = createIndicator(Frame1, design::kCheck1[i], tabStops);
    Label2 = createLabel(Frame1, design::kLabel2, tabStops);
    for (int i = 0; i < kFieldCount; ++i)
        Text2[i] = createValueField(Frame1, design::kText2[i], tabStops);
}

// Tab visits the controls by their tab index; controls that take no focus
// (labels, the frame, the picture) and disabled ones are passed over.
void TriangleWindow::orderTabStops(TabStops &tabStops)
{
    std::ranges::sort(tabStops, {}, &TabStops::value_type::first);
    QWidget *previous = nullptr;
    for (const auto &[tabIndex, widget] : tabStops) {
        if ((widget->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void TriangleWindow::connectEvents()
{
    for (int k = 0; k < 2; ++k)
        connect(List1[k], &QListWidget::currentRowChanged, this, [this, k] { List1_Click(k); });
    for (int k = 0; k < 3; ++k)
        connect(Command1[k], &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    for (ValueField *field : Text2)
        connect(field, &ValueField::enterPressed, this, [this] { Command1_Click(0); });
}

void TriangleWindow::Form_Load()
{
    if (!m_random)
        m_random = clockSeededRandom();
    ClearAll();
    // Start-up limits the angle and side fields itself, whatever the design
    // says of them.
    for (int i = 0; i < 6; ++i)
        Text2[i]->setTypingLimit(design::kTypingLimit);

    // Filling the list is not a selection: only the final choice of row 0
    // prepares the fields. A screen reader reads each row in words.
    const int n = List1[1]->count();
    {
        const QSignalBlocker quiet(List1[0]);
        List1[0]->clear();
        for (int i = 0; i < n; ++i) {
            auto *row = new QListWidgetItem(QString::fromStdString(triangle::combinationLabel(i)), List1[0]);
            row->setData(Qt::AccessibleTextRole, combinationWords(i));
        }
    }
    List1[0]->setCurrentRow(0);
    // Work starts with a choice: the first control Tab visits is the note
    // box, eight stops before the list.
    List1[0]->setFocus();
}

void TriangleWindow::List1_Click(int Index)
{
    if (Index == 0)
        PrepareSelection();
}

void TriangleWindow::Command1_Click(int Index)
{
    switch (Index) {
    case 0: Compute(); break;
    case 1: ClearAll(); break;
    case 2: ShowExample(); break;
    default: break;
    }
}

// Shows the next triangle that fits the data, after the last one the first
// again: its nine values, its picture and its number in the note.
void TriangleWindow::Command2_Click()
{
    if (m_fitting.empty())
        return;
    m_shown = (m_shown + 1) % m_fitting.size();
    m_record = m_fitting[m_shown].record;
    WidgetForm form(*List1[0], Check1, Text2);
    triangle::writeOutput(m_record, form, m_numberFormat);
    keepGivenValues();
    showNote(otherTrianglesNote(m_shown + 1, m_fitting.size()));
    showRecordPicture();
}

// The solution of the triangle on screen: the first that fits the data, or
// the one «Друг триъгълник» went on to. One solution window at a time.
void TriangleWindow::Command3_Click()
{
    const unsigned branches = m_fitting.empty() ? 0U : m_fitting[m_shown].branches;
    if (m_solutionWindow)
        m_solutionWindow->close();
    try {
        m_solutionWindow
            = new SolutionWindow(triangle::solutionOf(m_solved, branches), m_givenTexts, m_locale, this);
    } catch (const triangle::ArithmeticFault &fault) {
        // A step of the solution left the numbers' range where the request
        // did not: the note says so, and the window stays as it is.
        triangle::Outcome faulted = m_solved;
        faulted.status = triangle::Outcome::Status::Fault;
        faulted.fault = fault.kind;
        showNote(noteFor(faulted));
        announce(faulted);
        return;
    }
    m_solutionWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_solutionWindow->show();
}

// Marks the chosen combination's given quantities and unlocks their fields;
// the perimeter field keeps the last result.
void TriangleWindow::PrepareSelection()
{
    endOtherTriangles();
    Command3->hide();
    showStartUpPicture();
    for (int i = 0; i < kQuantityCount; ++i) {
        Check1[i]->setEnabled(false);
        Check1[i]->setChecked(false);
        Text2[i]->showText({});
        Text2[i]->setReadOnly(true);
    }
    const QListWidgetItem *item = List1[1]->item(List1[0]->currentRow());
    const QString combination = item ? item->text() : QString();
    const auto positions = std::min<qsizetype>(kQuantityCount, combination.size());
    for (int p = 0; p < positions; ++p) {
        if (combination[p] == u'1') {
            Check1[p]->setChecked(true);
            Text2[p]->setReadOnly(false);
        }
    }
}

// Empties the nine fields and zeroes the record; the selection, the marks and
// the unlocked fields stay, ready for new values.
void TriangleWindow::ClearAll()
{
    endOtherTriangles();
    Command3->hide();
    showStartUpPicture();
    for (ValueField *field : Text2)
        field->showText({});
    m_record.clearQuantities();
    showNote(problemStatement());
}

// Writes one of the two worked triangles into the eight input fields, locked
// or not, and shows its picture and its perimeter; it solves nothing.
// Decimals follow the locale, without grouping, in the shortest form that
// reads back as the same number.
void TriangleWindow::ShowExample()
{
    // The fields no longer show the solved triangle: there is nothing to
    // switch, and no solution to show until «Изчисли» solves the sample.
    endOtherTriangles();
    Command3->hide();
    const SampleTriangle &sample = sampleFor(m_random());
    QLocale plain = m_locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    for (int i = 0; i < kQuantityCount; ++i)
        Text2[i]->showText(plain.toString(sample[i], 'f', QLocale::FloatingPointShortest));
    const Real::Value perimeter = (Real::Value {sample[3]} + sample[4]) + sample[5];
    Text2[8]->showText(QString::fromStdString(triangle::formatResult(perimeter, m_numberFormat)));
    showSamplePicture(sample);
}

void TriangleWindow::Compute()
{
    const std::array<QString, kQuantityCount> typed = fieldTexts();
    WidgetForm form(*List1[0], Check1, Text2);
    const triangle::Outcome outcome = triangle::Compute(m_record, form, m_numberFormat);
    m_fitting.clear();
    m_shown = 0;
    const bool solved = outcome.status == triangle::Outcome::Status::Solved;
    if (solved) {
        m_givenTexts = typedGivenTexts(outcome.combination, typed);
        m_solved = outcome;
        keepGivenValues();
    }
    Command3->setVisible(solved);
    if (outcome.status == triangle::Outcome::Status::Solved && outcome.realTriangle) {
        offerOtherTriangles(outcome);
        showRecordPicture();
    } else {
        showStartUpPicture();
    }
    Command2->setVisible(!m_fitting.empty());
    showNote(m_fitting.empty() ? noteFor(outcome) : otherTrianglesNote(1, m_fitting.size()));
    announce(outcome);
}

// The output step writes four decimals; a given field shows again exactly
// the value solved, or the next press would solve a rounded one: in as
// many decimals as it takes, or as typed where no double holds it (1e23).
void TriangleWindow::keepGivenValues()
{
    for (int position = 0; position < kQuantityCount; ++position) {
        if (!triangle::isGiven(m_solved.combination, triangle::quantityAt(position)))
            continue;
        const triangle::Real value = m_solved.givenValues.at(position);
        const std::string lossless = triangle::formatFixed4Lossless(value.toDouble(), m_numberFormat);
        const bool readsBack = triangle::readNumber(lossless, m_numberFormat) == value;
        Text2[position]->showText(QString::fromStdString(readsBack ? lossless : m_givenTexts.at(position)));
    }
}

// The solution quotes given values as they were typed, "5" rather than the
// "5.0000" the field shows after solving. A field that still shows what the
// last solved request kept in it (pressed again, or after «Друг
// триъгълник») keeps the text typed for it then.
triangle::wording::GivenTexts TriangleWindow::typedGivenTexts(
    int combination, const std::array<QString, kQuantityCount> &shown) const
{
    triangle::wording::GivenTexts texts;
    for (int position = 0; position < kQuantityCount; ++position) {
        const triangle::Quantity q = triangle::quantityAt(position);
        if (!triangle::isGiven(combination, q))
            continue;
        const bool kept = triangle::isGiven(m_solved.combination, q)
            && shown.at(position).toStdString()
                == triangle::formatFixed4Lossless(
                    m_solved.givenValues.at(position).toDouble(), m_numberFormat);
        texts.at(position) = kept ? m_givenTexts.at(position) : shown.at(position).trimmed().toStdString();
    }
    return texts;
}

std::array<QString, kQuantityCount> TriangleWindow::fieldTexts() const
{
    std::array<QString, kQuantityCount> texts;
    for (int position = 0; position < kQuantityCount; ++position)
        texts.at(position) = Text2[position]->text();
    return texts;
}

// The fields change without the focus moving, so a screen reader would
// say nothing of them.
void TriangleWindow::announce(const triangle::Outcome &outcome)
{
    if (outcome.status != triangle::Outcome::Status::Solved || !outcome.realTriangle) {
        m_announcer->announce(noteFor(outcome), Announcer::Kind::Alert);
        return;
    }
    std::array<QString, kFieldCount> shown;
    for (int position = 0; position < kFieldCount; ++position)
        shown.at(position) = Text2[position]->text();
    QString status = solvedStatus(outcome.combination, shown, m_locale.decimalPoint());
    if (!m_fitting.empty())
        status += QStringLiteral(". ") + otherTrianglesFit(m_fitting.size());
    m_announcer->announce(status, Announcer::Kind::Status);
}

// The fields show the solved triangle, the first of those that fit.
void TriangleWindow::offerOtherTriangles(const triangle::Outcome &outcome)
{
    const std::vector<triangle::FittingTriangle> others = triangle::otherTriangles(outcome, m_record);
    if (others.empty())
        return;
    m_fitting.push_back({m_record, 0});
    m_fitting.insert(m_fitting.end(), others.begin(), others.end());
}

// A note that offered the other triangles goes back to the problem statement.
void TriangleWindow::endOtherTriangles()
{
    if (m_fitting.empty())
        return;
    m_fitting.clear();
    m_shown = 0;
    Command2->hide();
    showNote(problemStatement());
}

// The record's triangle to scale, from its three sides, and in words.
void TriangleWindow::showRecordPicture() const
{
    Picture1->showMeasuredTriangle(measuresOf(m_record), m_locale);
}

void TriangleWindow::showSamplePicture(const SampleTriangle &sample) const
{
    Picture1->showMeasuredTriangle(
        {{sample[3], sample[4], sample[5]}, {sample[0], sample[1], sample[2]}}, m_locale);
}

void TriangleWindow::showStartUpPicture() const
{
    Picture1->showTriangle(startUpTriangle());
    Picture1->setAccessibleDescription(utf8(design::kSpoken.startUpPicture));
}

// Rewriting the same text would scroll the note box back to its top.
void TriangleWindow::showNote(const QString &note)
{
    if (Text1[0]->toPlainText() != note)
        Text1[0]->setPlainText(note);
}

} // namespace triangle::ui
