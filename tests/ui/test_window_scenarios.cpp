// SPDX-License-Identifier: GPL-3.0-or-later
// The session's scenarios, played on the window: sequences of the user's
// actions and what the window shows after the last of them. The web page's
// tests play the same table in a browser.
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>

#include "session/spoken.h"
#include "ui/announcer.h"
#include "ui/design_placement.h"
#include "ui/picture_box.h"

#include "window_test_support.h"

using namespace triangle::ui;
using namespace triangle::ui::test;

namespace {

QJsonArray scenarios()
{
    QFile file(QStringLiteral(TRIANGLE_SESSION_SCENARIOS));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", TRIANGLE_SESSION_SCENARIOS);
    return QJsonDocument::fromJson(file.readAll()).array();
}

QStringList strings(const QJsonValue &value)
{
    QStringList texts;
    for (const QJsonValue &text : value.toArray())
        texts << text.toString();
    return texts;
}

// "choose 21", "compute 60 5 8" (the given fields' new texts in field
// order), "next", "sample 0", "clear", "solution", "language en": as a
// user does them.
void play(TriangleWindow &window, const QString &action)
{
    const QStringList words = action.split(u' ');
    const QString &verb = words.first();
    if (verb == "choose") {
        selectCombination(window, words.at(1).toInt());
    } else if (verb == "compute") {
        qsizetype next = 1;
        for (ValueField *field : window.Text2) {
            if (!field->isReadOnly() && next < words.size()) {
                QTest::mouseClick(field, Qt::LeftButton);
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(field, words.at(next++));
            }
        }
        click(*window.Command1[0]);
    } else if (verb == "next") {
        click(*window.Command2);
    } else if (verb == "sample") {
        click(*window.Command1[2]);
    } else if (verb == "clear") {
        click(*window.Command1[1]);
    } else if (verb == "solution") {
        click(*window.Command3);
    } else if (verb == "practice") {
        if (!window.Command5->isChecked())
            click(*window.Command5);
        ValueField &number = window.Practice1->number();
        number.setFocus();
        number.selectAll();
        typeText(number, words.at(1));
        QTest::keyClick(&number, Qt::Key_Return);
    } else if (verb == "answer") {
        ValueField &answer = window.Practice1->answer(words.at(1).toUInt());
        answer.setFocus();
        typeText(answer, action.section(u' ', 2));
    } else if (verb == "check") {
        click(*window.Command6[0]);
    } else if (verb == "hint") {
        click(*window.Command6[1]);
    } else if (verb == "language") {
        const int index = window.Language->findText(words.at(1).toUpper());
        window.Language->setCurrentIndex(index);
        emit window.Language->activated(index);
    }
}

// The practice mode's problem, its answers' names and marks, the note and
// what was said.
void verifyPractice(const TriangleWindow &window, const Announcer &announcer, const QJsonObject &expected)
{
    const PracticePanel &panel = *window.Practice1;
    QCOMPARE(panel.problem(), expected["problem"].toString());
    const QStringList asked = strings(expected["asked"]);
    const QStringList marks = strings(expected["marks"]);
    QCOMPARE(panel.answersShown(), static_cast<std::size_t>(asked.size()));
    const QString answerName = utf8(window.language().practiceMode.answer);
    for (qsizetype k = 0; k < asked.size(); ++k) {
        const auto at = static_cast<std::size_t>(k);
        QCOMPARE(panel.answer(at).accessibleName(), answerName.arg(asked.at(k)));
        QCOMPARE(panel.mark(at), marks.at(k));
        QCOMPARE(panel.answer(at).accessibleDescription(), marks.at(k));
    }
    const QString note = window.Text1[0]->toPlainText();
    QVERIFY2(note.startsWith(expected["note"].toString()), qPrintable(note));
    const QString announced = expected["announced"].toString();
    QCOMPARE(announcer.text().isEmpty(), announced.isEmpty());
    QVERIFY2(announced.isEmpty() || announcer.text().startsWith(announced), qPrintable(announcer.text()));
}

} // namespace

class WindowScenariosTest : public QObject {
    Q_OBJECT

private slots:
    void actionsLeaveTheViewTheUserSees_data();
    void actionsLeaveTheViewTheUserSees();
};

void WindowScenariosTest::actionsLeaveTheViewTheUserSees_data()
{
    QTest::addColumn<QJsonObject>("scenario");
    for (const QJsonValue &scenario : scenarios())
        QTest::newRow(qPrintable(scenario["name"].toString())) << scenario.toObject();
}

void WindowScenariosTest::actionsLeaveTheViewTheUserSees()
{
    QFETCH(QJsonObject, scenario);
    // The sample drawn by 0 is the one the table expects.
    const auto window = openWindow(QLocale(QLocale::Bulgarian, QLocale::Bulgaria), 0.0F);
    auto *announcer = window->findChild<Announcer *>();
    QVERIFY(announcer != nullptr);
    const QStringList actions = strings(scenario["actions"]);
    for (qsizetype k = 0; k < actions.size(); ++k) {
        if (k + 1 == actions.size()) // only what the last action says
            announcer->announce({}, Announcer::Kind::Status);
        play(*window, actions.at(k));
    }

    if (scenario.contains("practice")) {
        verifyPractice(*window, *announcer, scenario["practice"].toObject());
        return;
    }
    QCOMPARE(fieldTexts(*window), strings(scenario["fields"]));
    const QString note = window->Text1[0]->toPlainText();
    QVERIFY2(note.startsWith(scenario["note"].toString()), qPrintable(note));
    const QString announced = scenario["announced"].toString();
    const bool alert = announced.startsWith(u'!');
    QCOMPARE(announcer->text().isEmpty(), announced.isEmpty());
    if (!announced.isEmpty()) {
        QVERIFY2(announcer->text().startsWith(announced.mid(alert ? 1 : 0)), qPrintable(announcer->text()));
        QCOMPARE(announcer->kind() == Announcer::Kind::Alert, alert);
    }
    const bool pictured = window->Picture1->accessibleDescription()
        != QString::fromStdString(triangle::session::startUpPictureDescription(window->language()));
    QCOMPARE(pictured, scenario["picture"].toBool());
    QCOMPARE(window->Command2->isVisible(), scenario["other"].toBool());
    QCOMPARE(window->Command3->isVisible(), scenario["solution"].toBool());
}

TRIANGLE_WINDOW_TEST_MAIN(WindowScenariosTest)
#include "test_window_scenarios.moc"
