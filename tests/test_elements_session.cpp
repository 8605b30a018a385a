// SPDX-License-Identifier: GPL-3.0-or-later
// The session of any three elements, as the window and the page drive it:
// which fields stay open, what a request, a switch and an edit leave.
#include <QTest>

#include <algorithm>

#include "session/elements_session.h"
#include "solver/elements/element_set.h"

namespace {

using triangle::session::ElementsSession;
using triangle::session::ElementsView;

// The field of an element by its name on the `more` line.
std::size_t fieldOf(const QString &name)
{
    const auto tag = std::find(triangle::kAllTags.begin(), triangle::kAllTags.end(), name.toStdString());
    return static_cast<std::size_t>(tag - triangle::kAllTags.begin());
}

// Plays "NAME=TEXT" (typed into that field), "compute", "next" and "clear".
const ElementsView &play(ElementsSession &session, const QString &script)
{
    for (const QString &action : script.split(' ', Qt::SkipEmptyParts)) {
        if (action == "compute")
            session.compute();
        else if (action == "next")
            session.showNextTriangle();
        else if (action == "clear")
            session.clear();
        else
            session.edit(fieldOf(action.section('=', 0, 0)), action.section('=', 1).toStdString());
    }
    return session.view();
}

} // namespace

class ElementsSessionTest : public QObject {
    Q_OBJECT

private slots:
    // Each row: what the user does; how many fields are open and hold text
    // after it; whether another triangle is offered; words the note holds.
    void actionsLeaveTheirView_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("open");
        QTest::addColumn<int>("filled");
        QTest::addColumn<bool>("other");
        QTest::addColumn<QString>("note");
        QTest::newRow("fewer than three typed: every field open") << "A=60 a=7" << 19 << 2 << false << "";
        QTest::newRow("three typed: the others close") << "A=60 a=7 h_a=5" << 3 << 3 << false << "";
        QTest::newRow("a request fills all nineteen and offers the mirror triangle")
            << "A=60 a=7 h_a=5 compute" << 3 << 19 << true << "2";
        QTest::newRow("editing a given value takes the results away")
            << "A=60 a=7 h_a=5 compute h_a=4" << 3 << 3 << false << "";
        QTest::newRow("emptying one opens the others again")
            << "A=60 a=7 h_a=5 compute h_a=" << 19 << 2 << false << "";
        QTest::newRow("a dependent set names its relation")
            << "a=7 h_a=3 S=10,5 compute" << 3 << 3 << false << "S = a·h_a / 2";
        QTest::newRow("no triangle has a median over half the sides' sum")
            << "a=3 b=4 m_c=4 compute" << 3 << 3 << false << "";
        QTest::newRow("two typed values are no request") << "a=3 b=4 compute" << 19 << 2 << false << "(";
        QTest::newRow("clear empties and opens every field")
            << "A=60 a=7 h_a=5 compute clear" << 19 << 0 << false << "";
    }

    void actionsLeaveTheirView()
    {
        QFETCH(QString, script);
        QFETCH(int, open);
        QFETCH(int, filled);
        QFETCH(bool, other);
        QFETCH(QString, note);
        ElementsSession session(triangle::NumberFormat(",", " "));
        const ElementsView &view = play(session, script);
        QCOMPARE(std::count(view.open.begin(), view.open.end(), true), open);
        QCOMPARE(
            std::count_if(view.fields.begin(), view.fields.end(), [](const auto &f) { return !f.empty(); }),
            filled);
        QCOMPARE(view.otherTriangleOffered, other);
        QVERIFY2(QString::fromStdString(view.note).contains(note), view.note.c_str());
        QCOMPARE(view.picture.has_value(), filled == 19);
    }

    // «Друг триъгълник» shows the mirror image: b and c, β and γ swap.
    void theNextTriangleIsTheMirrorImage()
    {
        ElementsSession session(triangle::NumberFormat(",", " "));
        const ElementsView first = play(session, "A=60 a=7 h_a=5 compute");
        const ElementsView &second = play(session, "next");
        QCOMPARE(second.fields.at(fieldOf("b")), first.fields.at(fieldOf("c")));
        QCOMPARE(second.fields.at(fieldOf("B")), first.fields.at(fieldOf("C")));
        QCOMPARE(second.fields.at(fieldOf("m_b")), first.fields.at(fieldOf("m_c")));
        QVERIFY(second.fields.at(fieldOf("b")) != first.fields.at(fieldOf("b")));
    }
};

QTEST_GUILESS_MAIN(ElementsSessionTest)
#include "test_elements_session.moc"
