// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QWidget>

#include "session/practice_session.h"
#include "wording/language.h"

class QComboBox;
class QLabel;

namespace triangle::ui {

class ValueField;

// The practice mode's panel: the choice of the next problem's type and
// level, the number of the problem on view (typed, it brings that problem
// back), the problem's text, and a row for each asked value with its
// symbol, the field for the answer and, after «Провери», its mark.
class PracticePanel : public QWidget {
    Q_OBJECT

public:
    static constexpr std::size_t kMostAnswers = 4;

    explicit PracticePanel(QWidget *parent);

    void setLanguage(const wording::Language &language);
    void render(const session::PracticeView &view);

    // The next problem's type, none for every type in turn, and its level.
    std::optional<ProblemType> type() const;
    Level level() const;

    // The controls in the order Tab visits them.
    std::vector<QWidget *> tabStops() const;
    ValueField &answer(std::size_t k) const { return *m_answers.at(k); }
    ValueField &number() const { return *m_number; }
    // What the panel shows: the problem, and how many answers with their marks.
    QString problem() const;
    std::size_t answersShown() const { return std::min(m_asked.size(), kMostAnswers); }
    QString mark(std::size_t k) const;

signals:
    void edited(int answer, const QString &text);
    void enterPressed();
    void numberEntered(const QString &text);

private:
    QLabel *caption(const QRect &place);
    void createAnswerRows();

    QLabel *m_typeCaption = nullptr;
    QLabel *m_levelCaption = nullptr;
    QLabel *m_numberCaption = nullptr;
    QComboBox *m_type = nullptr;
    QComboBox *m_level = nullptr;
    ValueField *m_number = nullptr;
    QLabel *m_problem = nullptr;
    std::array<QLabel *, kMostAnswers> m_symbols {};
    std::array<ValueField *, kMostAnswers> m_answers {};
    std::array<QLabel *, kMostAnswers> m_marks {};
    const wording::Language *m_language = &wording::kBulgarian;
    std::vector<std::string> m_asked;
    QString m_problemText;
};

} // namespace triangle::ui
