// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QLocale>
#include <QPointer>
#include <QWidget>

#include "session/elements_session.h"
#include "session/practice_session.h"
#include "session/session.h"
#include "solver/list/catalogue.h"
#include "solver/practice/worksheet.h"

#include "ui/clock_random.h"
#include "ui/elements_panel.h"
#include "ui/picture_box.h"
#include "ui/practice_panel.h"
#include "ui/value_field.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace triangle::ui {

class Announcer;
class SolutionWindow;

// Controls with their tab index, gathered while the form is built.
using TabStops = std::vector<std::pair<int, QWidget *>>;

// The program's one window. Its controls keep the form's names and control
// arrays: an index of Text2 or Check1 is a field position (A, B, C, a, b, c,
// S, R, and 8 the perimeter), so loops run over positions.
class TriangleWindow : public QWidget {
    Q_OBJECT

public:
    // `locale` decides the decimal separator of results and samples (by
    // default the user's regional settings); `random` picks the sample
    // triangle (empty: a generator seeded from the clock at load).
    // `language`: the words it starts with.
    explicit TriangleWindow(const QLocale &locale = QLocale(), RandomSource random = {},
        const wording::Language &language = wording::kBulgarian, QWidget *parent = nullptr);

    // Every word of the window, the note and the picture in `language`.
    void setLanguage(const wording::Language &language);
    const wording::Language &language() const { return *m_language; }

    std::array<QLabel *, 3> Label1 {};
    QLabel *Label2 = nullptr;
    std::array<QListWidget *, 2> List1 {};
    QGroupBox *Frame1 = nullptr;
    PictureBox *Picture1 = nullptr;
    std::array<QPushButton *, 3> Command1 {};
    std::array<QPlainTextEdit *, 2> Text1 {};
    std::array<QCheckBox *, kQuantityCount> Check1 {};
    std::array<ValueField *, kFieldCount> Text2 {};
    // Shows the next triangle that fits the data; hidden while only one does.
    QPushButton *Command2 = nullptr;
    // Opens the worked solution of the triangle the fields show; shown after
    // every solved request.
    QPushButton *Command3 = nullptr;
    // The language of the window's words, beside the heading.
    QComboBox *Language = nullptr;
    // The mode of any three elements, down while it is on, and its fields
    // in place of the list and the frame.
    QPushButton *Command4 = nullptr;
    ElementsPanel *Elements1 = nullptr;
    // The practice mode: its button, down while it is on, left of that of
    // any three elements; its panel in place of the list and the frame; and
    // under the picture «Провери», «Подсказка», «Решение», «Нова задача»
    // and «Работен лист…».
    QPushButton *Command5 = nullptr;
    PracticePanel *Practice1 = nullptr;
    std::array<QPushButton *, 5> Command6 {};

signals:
    // The user chose a language: the program remembers it.
    void languageChosen(const triangle::wording::Language &language);

private:
    void createControls();
    void applyWords();
    static void nameButton(QPushButton &button, const wording::ControlWords &words);
    void createFrameControls(TabStops &tabStops);
    static void orderTabStops(TabStops &tabStops);
    void connectEvents();

    void Form_Load();
    void List1_Click(int Index);
    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click(int Index);
    void createPracticeControls(TabStops &tabStops);
    void connectPracticeEvents();
    enum class Mode { List, Elements, Practice };
    Mode mode() const;
    void showMode();
    void openSolution(const std::optional<triangle::session::SolutionPage> &page);
    triangle::session::PracticeSession &practice();
    triangle::NumberFormat numberFormat() const;

    std::array<std::string, kQuantityCount> fieldTexts() const;
    // Shows what the session's last action left: the fields, the marks,
    // the note, the picture, the buttons under it and the announcement.
    void render(const triangle::session::View &view);
    void render(const triangle::session::ElementsView &view);
    void render(const triangle::session::PracticeView &view);
    void announce(const std::optional<triangle::session::Announcement> &announcement);
    void renderPicture(
        const std::optional<triangle::session::PictureView> &picture, const QString &description);
    void showNote(const QString &note);

    triangle::session::Session m_session;
    triangle::session::ElementsSession m_elements;
    // Made when the mode is first chosen, its first problem drawn then.
    std::optional<triangle::session::PracticeSession> m_practice;
    WorksheetOptions m_worksheet;
    // The picture on view, so that a view that leaves it does not redraw it
    // or tell a screen reader of it again.
    std::optional<std::optional<triangle::session::PictureView>> m_drawn;
    QPointer<SolutionWindow> m_solutionWindow;
    Announcer *m_announcer = nullptr;
    const wording::Language *m_language;
    QLocale m_locale;
    RandomSource m_random;
};

} // namespace triangle::ui
