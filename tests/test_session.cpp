// SPDX-License-Identifier: GPL-3.0-or-later
// The session without a face: sequences of the user's actions and what the
// view shows after the last of them. The window renders these views; its own
// tests check the rendering.
#include <QTest>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "session/session.h"

using triangle::session::Announcement;
using triangle::session::Session;
using triangle::session::View;

namespace {

// Runs actions written one a line: "choose 21", "compute 60 5 8" (the given
// fields' texts in field order), "next", "sample 0.25", "clear", "solution".
View play(const std::string &script)
{
    Session session(triangle::NumberFormat {","});
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string action;
        words >> action;
        if (action == "choose") {
            int combination = 0;
            words >> combination;
            session.choose(combination);
        } else if (action == "compute") {
            // The fields as they stand, the given ones typed over.
            std::array<std::string, triangle::kQuantityCount> typed;
            std::copy_n(session.view().fields.begin(), typed.size(), typed.begin());
            for (int position = 0; position < triangle::kQuantityCount; ++position) {
                if (triangle::isGiven(session.view().combination, triangle::quantityAt(position)))
                    words >> typed.at(position);
            }
            session.compute(typed);
        } else if (action == "next") {
            session.showNextTriangle();
        } else if (action == "sample") {
            float draw = 0;
            words >> draw;
            session.showSample(draw);
        } else if (action == "clear") {
            session.clear();
        } else if (action == "solution") {
            session.openSolution();
        }
    }
    return session.view();
}

QString fromStd(const std::string &text) { return QString::fromStdString(text); }

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void actionsLeaveTheViewTheUserSees_data();
    void actionsLeaveTheViewTheUserSees();
};

void SessionTest::actionsLeaveTheViewTheUserSees_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("fields"); // all nine
    QTest::addColumn<QString>("noteStart");
    QTest::addColumn<QString>("announced"); // "" for none; "!" starts an alert
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("other");
    QTest::addColumn<bool>("solution");
    const QString statement = "Да се състави проект";
    const QStringList empty(9, QString());
    QTest::newRow("start-up") << "" << empty << statement << "" << false << false << false;
    QTest::newRow("C = 60°, a = 5, b = 8: c = 7, S = 10√3, R = 7/√3")
        << "choose 21\ncompute 60 5 8"
        << QStringList {"38,2132", "81,7868", "60,0000", "5,0000", "8,0000", "7,0000", "17,3205", "4,0415",
               "20,0000"}
        << statement << "Решено: c = 7, S = 17,3205, R = 4,0415, P = 20" << true << false << true;
    QTest::newRow("two triangles: the second, shown by «Друг триъгълник»")
        << "choose 24\ncompute 30 5 8\nnext"
        << QStringList {"30,0000", "126,8699", "23,1301", "5,0000", "8,0000", "3,9282", "7,8564", "5,0000",
               "16,9282"}
        << "Данните допускат и друг триъгълник. Показан е 2 от 2."
        << "Показан е 2 от 2: c = 3,9282, S = 7,8564, R = 5, P = 16,9282" << true << true << true;
    QTest::newRow("and after the last one the first again")
        << "choose 24\ncompute 30 5 8\nnext\nnext"
        << QStringList {"30,0000", "53,1301", "96,8699", "5,0000", "8,0000", "9,9282", "19,8564", "5,0000",
               "22,9282"}
        << "Данните допускат и друг триъгълник. Показан е 1 от 2."
        << "Показан е 1 от 2: c = 9,9282" << true << true << true;
    QTest::newRow("invalid input keeps what was typed and what was solved")
        << "choose 21\ncompute 60 5 8\ncompute 60 0 8"
        << QStringList {"38,2132", "81,7868", "60", "0", "8", "7,0000", "17,3205", "4,0415", "20,0000"}
        << "Грешно въведени"
        << "!Грешно въведени входни данни!" << false << false << false;
    QTest::newRow("a sample solves nothing and ends the choice of triangles")
        << "choose 24\ncompute 30 5 8\nsample 0"
        << QStringList {"30", "60", "90", "10", "17,3205", "20", "86,6025", "10", "47,3205"} << statement
        << "" << true << false << false;
    QTest::newRow("another row empties its fields and keeps the perimeter")
        << "choose 21\ncompute 60 5 8\nchoose 0" << QStringList {"", "", "", "", "", "", "", "", "20,0000"}
        << statement << "" << false << false << false;
    QTest::newRow("«Изчисти» empties all nine")
        << "choose 21\ncompute 60 5 8\nclear" << empty << statement << "" << false << false << false;
    QTest::newRow("three sides that close no triangle change nothing")
        << "choose 51\ncompute 1 2 5" << QStringList {"", "", "", "1", "2", "5", "", "", ""}
        << "Няма триъгълник със страни"
        << "!Няма триъгълник със страни" << false << false << false;
}

void SessionTest::actionsLeaveTheViewTheUserSees()
{
    QFETCH(QString, script);
    QFETCH(QStringList, fields);
    QFETCH(QString, noteStart);
    QFETCH(QString, announced);
    QFETCH(bool, picture);
    QFETCH(bool, other);
    QFETCH(bool, solution);
    const View view = play(script.toStdString());

    QStringList shown;
    for (const std::string &field : view.fields)
        shown << fromStd(field);
    QCOMPARE(shown, fields);
    QVERIFY2(fromStd(view.note).startsWith(noteStart), qPrintable(fromStd(view.note)));
    QCOMPARE(view.announcement.has_value(), !announced.isEmpty());
    if (view.announcement) {
        const bool alert = announced.startsWith(u'!');
        QCOMPARE(view.announcement->kind == Announcement::Kind::Alert, alert);
        QVERIFY2(fromStd(view.announcement->text).startsWith(announced.mid(alert ? 1 : 0)),
            qPrintable(fromStd(view.announcement->text)));
    }
    QCOMPARE(view.picture.has_value(), picture);
    QCOMPARE(view.otherTriangleOffered, other);
    QCOMPARE(view.solutionOffered, solution);
}

QTEST_APPLESS_MAIN(SessionTest)
#include "test_session.moc"
