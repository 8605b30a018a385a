// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/triangle_window.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
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

#include "session/spoken.h"
#include "ui/accessible_roles.h"
#include "ui/announcer.h"
#include "ui/combination_list.h"
#include "ui/design_placement.h"
#include "ui/form_design.h"
#include "ui/solution_window.h"
#include "ui/window_font.h"
#include "ui/worksheet_dialog.h"

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
    auto *label = placed(new QLabel(parent), control, tabStops);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton *createButton(QWidget *parent, const design::Control &control, TabStops &tabStops)
{
    auto *button = placed(new QPushButton(parent), control, tabStops);
    paintButton(*button, *control.backColour);
    return button;
}

// Locked, with a vertical scroll bar that is always there.
QPlainTextEdit *createTextBox(QWidget *parent, const design::Control &control, TabStops &tabStops)
{
    auto *box = placed(new QPlainTextEdit(parent), control, tabStops);
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
    auto *indicator = placed(new QCheckBox(parent), control, tabStops);
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
geometry::TriangleCorners startUpTriangle()
{
    const auto &[a, b, c] = design::kPictureSides;
    return geometry::cornersFromSides(a, b, c);
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

TriangleWindow::TriangleWindow(
    const QLocale &locale, RandomSource random, const wording::Language &language, QWidget *parent)
    : QWidget(parent),
      m_session(triangle::NumberFormat {locale.decimalPoint().toStdString()}, session::kWindowFace, language),
      m_elements(triangle::NumberFormat {locale.decimalPoint().toStdString()}, language),
      m_language(&language), m_locale(locale), m_random(std::move(random))
{
    // Before any control is asked how a screen reader should see it.
    installAccessibleRoles();
    createControls();
    applyWords();
    connectEvents();
    Form_Load();
}

void TriangleWindow::setLanguage(const wording::Language &language)
{
    if (&language == m_language)
        return;
    m_language = &language;
    applyWords();
    m_announcer->clear();
    const triangle::NumberFormat format = numberFormat();
    const auto &list = m_session.setLanguage(language, format);
    const auto &elements = m_elements.setLanguage(language, format);
    if (m_practice)
        m_practice->setLanguage(language, format);
    switch (mode()) {
    case Mode::List: render(list); break;
    case Mode::Elements: render(elements); break;
    case Mode::Practice: render(m_practice->view()); break;
    }
}

triangle::NumberFormat TriangleWindow::numberFormat() const
{
    return triangle::NumberFormat {m_locale.decimalPoint().toStdString()};
}

// Every caption, name and Alt letter in the window's language.
void TriangleWindow::applyWords()
{
    const wording::WindowWords &words = m_language->window;
    setWindowTitle(utf8(words.title));
    for (int k = 0; k < 3; ++k)
        Label1[k]->setText(utf8(words.label1.at(k).caption));
    Label2->setText(utf8(words.label2.caption));
    for (int k = 0; k < 2; ++k)
        List1[k]->setAccessibleName(utf8(words.list1.at(k).accessibleName));
    Frame1->setTitle(utf8(words.frame1.caption));
    Picture1->setAccessibleName(utf8(words.picture1.accessibleName));
    Picture1->setLanguage(*m_language);
    for (int k = 0; k < 3; ++k)
        nameButton(*Command1[k], words.command1.at(k));
    Text1[0]->setAccessibleName(utf8(words.text1[0].accessibleName));
    Text1[1]->setAccessibleName(utf8(words.text1[1].accessibleName));
    Text1[1]->setPlainText(utf8(words.text1[1].caption));
    nameButton(*Command2, words.command2);
    // After the caption, which would set the shortcut to its Alt letter.
    Command2->setShortcut(QKeySequence(utf8(design::kCommand2Shortcut)));
    Command2->setToolTip(QStringLiteral("%1 (%2)").arg(Command2->text(), utf8(design::kCommand2Shortcut)));
    nameButton(*Command3, words.command3);
    nameButton(*Command4, m_language->elements.mode);
    Elements1->setLanguage(*m_language);
    const wording::PracticeModeWords &practiceWords = m_language->practiceMode;
    nameButton(*Command5, practiceWords.mode);
    Practice1->setLanguage(*m_language);
    for (const auto &[button, words] : {std::pair {Command6[0], &practiceWords.check},
             std::pair {Command6[1], &practiceWords.hint}, std::pair {Command6[2], &practiceWords.solution},
             std::pair {Command6[3], &practiceWords.newProblem},
             std::pair {Command6[4], &practiceWords.worksheet}})
        nameButton(*button, *words);
    for (int i = 0; i < kQuantityCount; ++i)
        Check1[i]->setText(utf8(words.check1.at(i).caption));
    for (int i = 0; i < kFieldCount; ++i)
        Text2[i]->setAccessibleName(utf8(words.text2.at(i).accessibleName));
    Language->setAccessibleName(utf8(words.language.accessibleName));
    Language->setToolTip(utf8(words.language.accessibleName));
    Language->setCurrentIndex(
        static_cast<int>(std::ranges::find(wording::kLanguages, m_language) - wording::kLanguages.begin()));
    for (int row = 0; row < List1[0]->count(); ++row)
        List1[0]->item(row)->setData(Qt::AccessibleTextRole,
            QString::fromStdString(triangle::session::combinationWords(*m_language, row)));
}

// The caption with its Alt letter underlined; the name without the mark.
void TriangleWindow::nameButton(QPushButton &button, const wording::ControlWords &words)
{
    button.setText(captionOf(words));
    button.setAccessibleName(utf8(words.accessibleName.empty() ? words.caption : words.accessibleName));
}

void TriangleWindow::createControls()
{
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
    Frame1 = placed(new QGroupBox(this), design::kFrame1, tabStops);
    createFrameControls(tabStops);
    Picture1 = placed(new PictureBox(startUpTriangle(), this), design::kPicture1, tabStops);
    for (int k = 0; k < 3; ++k)
        Command1[k] = createButton(this, design::kCommand1[k], tabStops);
    List1[1] = placed(new QListWidget(this), design::kList1[1], tabStops);
    List1[1]->addItems(combinationStrings());
    for (int k = 0; k < 2; ++k)
        Text1[k] = createTextBox(this, design::kText1[k], tabStops);
    // The motto's three lines fit its box: nothing to scroll.
    Text1[1]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Command2 = createButton(this, design::kCommand2, tabStops);
    Command2->hide();
    Command3 = createButton(this, design::kCommand3, tabStops);
    // Enter opens the solution as Space does: the button's whole purpose is
    // a window to read.
    Command3->setAutoDefault(true);
    Command3->hide();
    QFont underPicture = font();
    underPicture.setPointSizeF(design::kUnderPicturePointSize);
    Command2->setFont(underPicture);
    Command3->setFont(underPicture);
    Command5 = createButton(this, design::kCommand5, tabStops);
    Command4 = createButton(this, design::kCommand4, tabStops);
    QFont modeFont = font();
    modeFont.setPointSizeF(design::kModePointSize);
    for (QPushButton *modeButton : {Command4, Command5}) {
        modeButton->setCheckable(true);
        modeButton->setFont(modeFont);
    }
    Elements1 = placed(new ElementsPanel(this), design::kElementsPanel, tabStops);
    Elements1->hide();
    createPracticeControls(tabStops);
    Language = placed(new QComboBox(this), design::kLanguage, tabStops);
    for (const wording::Language *language : wording::kLanguages) {
        Language->addItem(utf8(language->code).toUpper());
        Language->setItemData(
            Language->count() - 1, utf8(language->page.languageName), Qt::AccessibleTextRole);
        Language->setItemData(Language->count() - 1, utf8(language->page.languageName), Qt::ToolTipRole);
    }
    m_announcer = new Announcer(this);
    orderTabStops(tabStops);
    // Each mode's controls follow its button; hidden, Tab passes them over.
    QWidget *previous = Command4;
    for (ValueField *field : Elements1->fields()) {
        QWidget::setTabOrder(previous, field);
        previous = field;
    }
    previous = Command5;
    std::vector<QWidget *> practiceStops = Practice1->tabStops();
    practiceStops.insert(practiceStops.end(), Command6.begin(), Command6.end());
    for (QWidget *stop : practiceStops) {
        QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

void TriangleWindow::createPracticeControls(TabStops &tabStops)
{
    Practice1 = placed(new PracticePanel(this), design::kPracticePanel, tabStops);
    paintBackground(*Practice1, *design::kPracticePanel.backColour);
    Practice1->hide();
    QFont underPicture = font();
    underPicture.setPointSizeF(design::kUnderPicturePointSize);
    for (std::size_t k = 0; k < Command6.size(); ++k) {
        Command6.at(k) = createButton(this, design::kCommand6.at(k), tabStops);
        Command6.at(k)->setFont(underPicture);
        Command6.at(k)->hide();
    }
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
    // Stable: controls that share a tab index keep the order they were created in.
    std::ranges::stable_sort(tabStops, {}, &TabStops::value_type::first);
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
    // Toggled, not clicked: a screen reader's toggle action changes the
    // state without a click. One mode at a time: the other's button rises.
    connect(Command4, &QPushButton::toggled, this, [this](bool on) {
        if (on) {
            const QSignalBlocker quiet(Command5);
            Command5->setChecked(false);
        }
        Command4_Click();
    });
    connect(Command5, &QPushButton::toggled, this, [this](bool on) {
        if (on) {
            const QSignalBlocker quiet(Command4);
            Command4->setChecked(false);
        }
        Command5_Click();
    });
    connectPracticeEvents();
    connect(Elements1, &ElementsPanel::edited, this, [this](int field, const QString &text) {
        render(m_elements.edit(static_cast<std::size_t>(field), text.toStdString()));
    });
    connect(Elements1, &ElementsPanel::enterPressed, this, [this] { Command1_Click(0); });
    for (ValueField *field : Text2)
        connect(field, &ValueField::enterPressed, this, [this] { Command1_Click(0); });
    connect(Language, &QComboBox::activated, this, [this](int index) {
        const wording::Language &chosen = *wording::kLanguages.at(static_cast<std::size_t>(index));
        setLanguage(chosen);
        emit languageChosen(chosen);
    });
}

void TriangleWindow::connectPracticeEvents()
{
    for (int k = 0; k < static_cast<int>(Command6.size()); ++k)
        connect(Command6.at(k), &QPushButton::clicked, this, [this, k] { Command6_Click(k); });
    connect(Practice1, &PracticePanel::edited, this, [this](int answer, const QString &text) {
        render(practice().edit(static_cast<std::size_t>(answer), text.toStdString()));
    });
    connect(Practice1, &PracticePanel::enterPressed, this, [this] { Command6_Click(0); });
    connect(Practice1, &PracticePanel::numberEntered, this,
        [this](const QString &text) { render(practice().openNumber(text.trimmed().toStdString())); });
}

void TriangleWindow::Form_Load()
{
    if (!m_random)
        m_random = clockSeededRandom();
    render(m_session.clear());
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
            row->setData(Qt::AccessibleTextRole,
                QString::fromStdString(triangle::session::combinationWords(*m_language, i)));
        }
    }
    List1[0]->setCurrentRow(0);
    // Work starts with a choice: the first control Tab visits is the note
    // box, eight stops before the list.
    List1[0]->setFocus();
}

void TriangleWindow::List1_Click(int Index)
{
    if (Index == 0 && List1[0]->currentRow() >= 0)
        render(m_session.choose(List1[0]->currentRow()));
}

void TriangleWindow::Command1_Click(int Index)
{
    if (Command4->isChecked()) {
        if (Index == 0)
            render(m_elements.compute());
        else if (Index == 1)
            render(m_elements.clear());
        return;
    }
    switch (Index) {
    case 0: render(m_session.compute(fieldTexts())); break;
    case 1: render(m_session.clear()); break;
    case 2: render(m_session.showSample(m_random())); break;
    default: break;
    }
}

void TriangleWindow::Command2_Click()
{
    if (Command4->isChecked())
        render(m_elements.showNextTriangle());
    else
        render(m_session.showNextTriangle());
}

// The list's mode or that of any three elements: each keeps its own fields,
// note and picture while another is on view.
void TriangleWindow::Command4_Click()
{
    showMode();
    if (Command4->isChecked()) {
        render(m_elements.view());
        Elements1->fields().front()->setFocus();
    } else if (!Command5->isChecked()) {
        render(m_session.view());
        List1[0]->setFocus();
    }
}

// The practice mode keeps its problem, answers and count while another
// mode is on view.
void TriangleWindow::Command5_Click()
{
    showMode();
    if (Command5->isChecked()) {
        render(practice().view());
        Practice1->answer(0).setFocus();
    } else if (!Command4->isChecked()) {
        render(m_session.view());
        List1[0]->setFocus();
    }
}

void TriangleWindow::Command6_Click(int Index)
{
    switch (Index) {
    case 0: render(practice().check()); break;
    case 1: render(practice().hint()); break;
    case 2: openSolution(practice().openSolution()); break;
    case 3:
        render(practice().newProblem(Practice1->type(), Practice1->level()));
        Practice1->answer(0).setFocus();
        break;
    case 4: {
        WorksheetDialog dialog(numberFormat(), *m_language, m_worksheet, this);
        dialog.exec();
        m_worksheet = dialog.options();
        break;
    }
    default: break;
    }
}

triangle::session::PracticeSession &TriangleWindow::practice()
{
    // The first problem's seed is drawn as the sample is, so that two
    // windows seldom start with the same problem.
    if (!m_practice) {
        const auto seed = 1 + static_cast<std::uint32_t>(m_random() * 1'000'000.0F);
        m_practice.emplace(numberFormat(), *m_language, seed);
    }
    return *m_practice;
}

TriangleWindow::Mode TriangleWindow::mode() const
{
    if (Command5->isChecked())
        return Mode::Practice;
    return Command4->isChecked() ? Mode::Elements : Mode::List;
}

void TriangleWindow::showMode()
{
    const Mode shown = mode();
    for (QWidget *listMode :
        std::initializer_list<QWidget *> {Label1[1], List1[0], Label1[2], Frame1, List1[1], Command1[2]})
        listMode->setVisible(shown == Mode::List);
    Elements1->setVisible(shown == Mode::Elements);
    const bool practising = shown == Mode::Practice;
    Practice1->setVisible(practising);
    for (QPushButton *button : Command6)
        button->setVisible(practising);
    // The practice mode computes nothing, and its hints need the whole
    // note box: the motto steps aside.
    for (QWidget *computing : std::initializer_list<QWidget *> {Command1[0], Command1[1], Text1[1]})
        computing->setVisible(!practising);
    if (practising) {
        Command2->hide();
        Command3->hide();
    }
}

// The solution of the triangle on screen: the first that fits the data, or
// the one «Друг триъгълник» went on to. One solution window at a time.
void TriangleWindow::Command3_Click()
{
    const bool elements = Command4->isChecked();
    openSolution(elements ? m_elements.openSolution() : m_session.openSolution());
}

void TriangleWindow::openSolution(const std::optional<triangle::session::SolutionPage> &page)
{
    if (m_solutionWindow)
        m_solutionWindow->close();
    if (!page) {
        // The session's note says why.
        switch (mode()) {
        case Mode::List: render(m_session.view()); break;
        case Mode::Elements: render(m_elements.view()); break;
        case Mode::Practice: render(practice().view()); break;
        }
        return;
    }
    m_solutionWindow = new SolutionWindow(*page, m_locale, *m_language, this);
    m_solutionWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_solutionWindow->show();
}

std::array<std::string, kQuantityCount> TriangleWindow::fieldTexts() const
{
    std::array<std::string, kQuantityCount> texts;
    for (int position = 0; position < kQuantityCount; ++position)
        texts.at(position) = Text2[position]->text().toStdString();
    return texts;
}

void TriangleWindow::render(const triangle::session::View &view)
{
    for (int position = 0; position < kFieldCount; ++position) {
        const QString text = QString::fromStdString(view.fields.at(position));
        if (Text2[position]->text() != text)
            Text2[position]->showText(text);
    }
    for (int position = 0; position < kQuantityCount; ++position) {
        const bool given = triangle::isGiven(view.combination, triangle::quantityAt(position));
        Check1[position]->setChecked(given);
        Text2[position]->setReadOnly(!given);
    }
    Command2->setVisible(view.otherTriangleOffered);
    Command3->setVisible(view.solutionOffered);
    showNote(QString::fromStdString(view.note));
    renderPicture(view.picture, QString::fromStdString(view.pictureDescription));
    announce(view.announcement);
}

void TriangleWindow::render(const triangle::session::ElementsView &view)
{
    Elements1->render(view);
    Command2->setVisible(view.otherTriangleOffered);
    Command3->setVisible(view.solutionOffered);
    showNote(QString::fromStdString(view.note));
    renderPicture(view.picture, QString::fromStdString(view.pictureDescription));
    announce(view.announcement);
}

void TriangleWindow::render(const triangle::session::PracticeView &view)
{
    Practice1->render(view);
    Command6[2]->setVisible(view.solutionOffered);
    showNote(QString::fromStdString(view.note));
    // The figure hides the answer's measures: a screen reader hears the
    // problem, which says what the figure marks.
    const QString description = QString::fromStdString(view.problem);
    m_drawn.reset();
    Picture1->setMarks(view.figureMarks);
    if (view.picture) {
        Picture1->showMeasuredTriangle({view.picture->sides, view.picture->angles, view.marked}, description);
    } else {
        Picture1->showTriangle(startUpTriangle(), view.marked);
        Picture1->setAccessibleDescription(description);
    }
    announce(view.announcement);
}

void TriangleWindow::announce(const std::optional<triangle::session::Announcement> &announcement)
{
    if (!announcement)
        return;
    using Kind = triangle::session::Announcement::Kind;
    m_announcer->announce(QString::fromStdString(announcement->text),
        announcement->kind == Kind::Alert ? Announcer::Kind::Alert : Announcer::Kind::Status);
}

// A triangle to scale, from its three sides, and in words; or the start-up
// drawing.
void TriangleWindow::renderPicture(
    const std::optional<triangle::session::PictureView> &picture, const QString &description)
{
    if (m_drawn.has_value() && *m_drawn == picture
        && Picture1->accessibleDescription().startsWith(description))
        return;
    m_drawn = picture;
    Picture1->setMarks({});
    if (picture) {
        Picture1->showMeasuredTriangle({picture->sides, picture->angles, picture->marked}, description);
        return;
    }
    Picture1->showTriangle(startUpTriangle());
    Picture1->setAccessibleDescription(description);
}

// Rewriting the same text would scroll the note box back to its top.
void TriangleWindow::showNote(const QString &note)
{
    if (Text1[0]->toPlainText() != note)
        Text1[0]->setPlainText(note);
}

} // namespace triangle::ui
