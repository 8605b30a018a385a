// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/practice_panel.h"

#include <QComboBox>
#include <QLabel>

#include "ui/design_placement.h"
#include "ui/form_design.h"
#include "ui/value_field.h"
#include "wording/solution_markup.h"

namespace triangle::ui {

namespace {

constexpr int kMargin = 6;

} // namespace

PracticePanel::PracticePanel(QWidget *parent)
    : QWidget(parent), m_type(new QComboBox(this)), m_level(new QComboBox(this)),
      m_number(new ValueField(this)), m_problem(new QLabel(this))
{
    const int width = design::kPracticePanel.place.width / 15 - 2 * kMargin;
    const int fieldTop = design::kPracticeCaptionHeight + 4;
    m_typeCaption = caption(QRect(kMargin, 4, width, design::kPracticeCaptionHeight));
    m_type->setGeometry(kMargin, fieldTop, width, design::kPracticeFieldHeight);
    const int secondTop = fieldTop + design::kPracticeFieldHeight + 4;
    const int numberLeft = kMargin + design::kPracticeLevelWidth + 8;
    m_levelCaption
        = caption(QRect(kMargin, secondTop, design::kPracticeLevelWidth, design::kPracticeCaptionHeight));
    m_numberCaption
        = caption(QRect(numberLeft, secondTop, width - numberLeft + kMargin, design::kPracticeCaptionHeight));
    m_level->setGeometry(kMargin, secondTop + design::kPracticeCaptionHeight, design::kPracticeLevelWidth,
        design::kPracticeFieldHeight);
    m_number->setGeometry(numberLeft, secondTop + design::kPracticeCaptionHeight,
        width - numberLeft + kMargin, design::kPracticeFieldHeight);
    m_number->setTypingLimit(12);
    m_typeCaption->setBuddy(m_type);
    m_levelCaption->setBuddy(m_level);
    m_numberCaption->setBuddy(m_number);
    connect(m_number, &ValueField::enterPressed, this, [this] { emit numberEntered(m_number->text()); });

    m_problem->setGeometry(kMargin, design::kPracticeProblemTop, width, design::kPracticeProblemHeight);
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::RichText);
    m_problem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_problem->setFocusPolicy(Qt::StrongFocus);
    QFont problemFont = font();
    problemFont.setPointSizeF(design::kPracticeProblemPointSize);
    m_problem->setFont(problemFont);
    createAnswerRows();
}

QLabel *PracticePanel::caption(const QRect &place)
{
    auto *label = new QLabel(this);
    QFont small = font();
    small.setPointSizeF(design::kCommand4PointSize);
    label->setFont(small);
    label->setGeometry(place);
    return label;
}

void PracticePanel::createAnswerRows()
{
    QFont markFont = font();
    markFont.setPointSizeF(design::kPracticeMarkPointSize);
    const int fieldLeft = kMargin + design::kPracticeSymbolWidth;
    const int markLeft = fieldLeft + design::kPracticeAnswerWidth + 4;
    const int markWidth = design::kPracticePanel.place.width / 15 - markLeft - kMargin;
    for (std::size_t k = 0; k < kMostAnswers; ++k) {
        const int top = design::kPracticeAnswerTop + static_cast<int>(k) * design::kPracticeAnswerStep;
        auto *symbol = new QLabel(this);
        symbol->setGeometry(kMargin, top, design::kPracticeSymbolWidth - 2, design::kPracticeFieldHeight);
        symbol->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *field = new ValueField(this);
        field->setGeometry(fieldLeft, top, design::kPracticeAnswerWidth, design::kPracticeFieldHeight);
        field->setTypingLimit(design::kPracticeTypingLimit);
        symbol->setBuddy(field);
        auto *mark = new QLabel(this);
        mark->setFont(markFont);
        mark->setWordWrap(true);
        mark->setGeometry(markLeft, top - 3, markWidth, design::kPracticeAnswerStep);
        const int index = static_cast<int>(k);
        connect(field, &ValueField::textEdited, this,
            [this, index](const QString &text) { emit edited(index, text); });
        connect(field, &ValueField::enterPressed, this, &PracticePanel::enterPressed);
        m_symbols.at(k) = symbol;
        m_answers.at(k) = field;
        m_marks.at(k) = mark;
    }
}

void PracticePanel::setLanguage(const wording::Language &language)
{
    m_language = &language;
    const wording::PracticeModeWords &words = language.practiceMode;
    m_typeCaption->setText(captionOf(words.type));
    m_levelCaption->setText(captionOf(words.level));
    m_numberCaption->setText(captionOf(words.number));
    m_type->setAccessibleName(utf8(words.type.caption));
    m_level->setAccessibleName(utf8(words.level.caption));
    m_number->setAccessibleName(utf8(words.number.caption));
    m_problem->setAccessibleName(utf8(words.problem.caption));
    const int type = std::max(0, m_type->currentIndex());
    const int level = std::max(0, m_level->currentIndex());
    m_type->clear();
    m_type->addItem(utf8(words.anyType));
    for (const std::string_view name : words.types)
        m_type->addItem(utf8(name));
    m_type->setCurrentIndex(type);
    m_level->clear();
    for (const std::string_view name : words.levels)
        m_level->addItem(utf8(name));
    m_level->setCurrentIndex(level);
    for (std::size_t k = 0; k < m_asked.size() && k < kMostAnswers; ++k)
        m_answers.at(k)->setAccessibleName(utf8(wording::filled(words.answer, {m_asked.at(k)})));
}

void PracticePanel::render(const session::PracticeView &view)
{
    m_asked = view.asked;
    // h_a with its index set as a subscript; a screen reader hears "h a".
    const QString problem = QString::fromStdString(view.problem);
    if (m_problemText != problem) {
        m_problemText = problem;
        m_problem->setText(QString::fromStdString(wording::paperMarkup(view.problem)));
        m_problem->setAccessibleDescription(QString(problem).replace(u'_', u' '));
    }
    const QString number = QString::number(view.problemId);
    // A number that brought no problem stays as typed, to be mended.
    const bool refused = view.announcement && view.announcement->kind == session::Announcement::Kind::Alert;
    if (!refused && m_number->text() != number)
        m_number->showText(number);
    for (std::size_t k = 0; k < kMostAnswers; ++k) {
        const bool shown = k < view.asked.size();
        m_symbols.at(k)->setVisible(shown);
        m_answers.at(k)->setVisible(shown);
        m_marks.at(k)->setVisible(shown);
        if (!shown)
            continue;
        m_symbols.at(k)->setText(
            symbolMarkup(QString::fromStdString(view.asked.at(k))) + QStringLiteral(" ="));
        const QString typed = QString::fromStdString(view.answers.at(k));
        if (m_answers.at(k)->text() != typed)
            m_answers.at(k)->showText(typed);
        const QString mark = QString::fromStdString(view.marks.at(k));
        m_marks.at(k)->setText(mark);
        m_answers.at(k)->setAccessibleName(
            utf8(wording::filled(m_language->practiceMode.answer, {view.asked.at(k)})));
        m_answers.at(k)->setAccessibleDescription(mark);
    }
}

QString PracticePanel::problem() const { return m_problemText; }

QString PracticePanel::mark(std::size_t k) const { return m_marks.at(k)->text(); }

std::optional<ProblemType> PracticePanel::type() const
{
    const int index = m_type->currentIndex();
    if (index <= 0)
        return std::nullopt;
    return kProblemTypes.at(static_cast<std::size_t>(index - 1));
}

Level PracticePanel::level() const
{
    return m_level->currentIndex() == 1 ? Level::Calculator : Level::NoCalculator;
}

std::vector<QWidget *> PracticePanel::tabStops() const
{
    std::vector<QWidget *> stops = {m_type, m_level, m_number, m_problem};
    stops.insert(stops.end(), m_answers.begin(), m_answers.end());
    return stops;
}

} // namespace triangle::ui
