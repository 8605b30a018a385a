// SPDX-License-Identifier: GPL-3.0-or-later
// One verdict on every face: the window's session, the page's session and
// the command line say alike whether the data make a triangle, no triangle,
// invalid input or a fault, on a sweep of every combination at angles in
// multiples of 15° (0° to 375°) and at the verdict's boundaries. (The
// page's own arithmetic, in WebAssembly, is compared with the command line
// by web/tests/compare-with-native.sh.)
#include <QTest>

#include <array>
#include <string>

#include "session/session.h"
#include "solver/list/catalogue.h"
#include "tools/request_line.h"

namespace {

using triangle::session::Session;

// How a request ended, as each face shows it.
QString fromCommandLine(int combination, const std::array<std::string, 3> &texts)
{
    triangle::cli::Request request;
    request.combination = combination;
    request.texts = texts;
    const std::string line = triangle::cli::answer(request);
    const std::string kind = line.substr(0, line.find('\t'));
    if (kind != "solved")
        return QString::fromStdString(kind);
    return line.ends_with("\tno-triangle") ? "no-triangle" : "triangle";
}

QString fromSession(Session &session, int combination, const std::array<std::string, 3> &texts)
{
    session.choose(combination);
    std::array<std::string, triangle::kQuantityCount> typed {};
    std::size_t next = 0;
    for (int position = 0; position < triangle::kQuantityCount; ++position) {
        if (triangle::isGiven(combination, triangle::quantityAt(position)))
            typed.at(static_cast<std::size_t>(position)) = texts.at(next++);
    }
    const QString note = QString::fromStdString(session.compute(typed).note);
    if (note.startsWith("Грешно въведени"))
        return "invalid";
    if (note.startsWith("Грешка при изчислението"))
        return "fault";
    if (note.contains("Няма триъгълник"))
        return "no-triangle";
    return "triangle";
}

// The three faces' verdicts on one request, or what differs.
QString disagreement(Session &window, Session &page, int combination, const std::array<std::string, 3> &texts)
{
    const QString line = fromCommandLine(combination, texts);
    const QString inWindow = fromSession(window, combination, texts);
    const QString onPage = fromSession(page, combination, texts);
    if (line == inWindow && line == onPage)
        return {};
    return QString("%1 %2 %3 %4: command line %5, window %6, page %7")
        .arg(combination)
        .arg(QString::fromStdString(texts[0]), QString::fromStdString(texts[1]),
            QString::fromStdString(texts[2]))
        .arg(line, inWindow, onPage);
}

} // namespace

class VerdictsAcrossFacesTest : public QObject {
    Q_OBJECT

private slots:
    void theSweepGetsOneVerdictOnEveryFace()
    {
        Session window(triangle::NumberFormat(","), triangle::session::kWindowFace);
        Session page(triangle::NumberFormat(","), triangle::session::kPageFace);
        int requests = 0;
        QStringList failures;
        for (int combination = 0; combination < triangle::kCombinationCount; ++combination) {
            std::array<bool, 3> angle {};
            std::size_t next = 0;
            for (int position = 0; position < triangle::kQuantityCount; ++position) {
                const auto q = triangle::quantityAt(position);
                if (triangle::isGiven(combination, q))
                    angle.at(next++) = triangle::isAngle(q);
            }
            const auto values = [&](std::size_t k) {
                return angle.at(k) ? std::vector<std::string> {"0", "15", "30", "45", "60", "75", "90", "105",
                           "120", "135", "150", "165", "180", "195", "270", "360", "375"}
                                   : std::vector<std::string> {"1", "2", "5"};
            };
            for (const std::string &x : values(0)) {
                for (const std::string &y : values(1)) {
                    for (const std::string &z : values(2)) {
                        ++requests;
                        if (const QString fault = disagreement(window, page, combination, {x, y, z});
                            !fault.isEmpty())
                            failures << fault;
                    }
                }
            }
        }
        for (const QString &failure : failures.mid(0, 20))
            qWarning("%s", qPrintable(failure));
        QCOMPARE(requests, 17406); // every combination, 17 angles or 3 lengths a field
        QCOMPARE(failures.size(), 0);
    }

    // The verdict's boundaries, each with the verdict every face must give.
    void theBoundariesGetTheirVerdict_data()
    {
        QTest::addColumn<int>("combination");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("verdict");
        const auto row = [](const char *name, int combination, QStringList texts, const char *verdict) {
            QTest::newRow(name) << combination << texts << QString(verdict);
        };
        row("two angles summing to exactly 180°", 0, {"90", "90", "10"}, "no-triangle");
        row("and in decimals that binary rounding splits", 0, {"60,1", "119,9", "5"}, "no-triangle");
        row("a hair below 180°", 0, {"60,1", "119,8999999", "5"}, "triangle");
        row("a hair above", 0, {"60,1", "119,9000001", "5"}, "no-triangle");
        row("a given angle of 180°", 21, {"180", "5", "8"}, "no-triangle");
        row("a given angle of 360°", 21, {"360", "5", "8"}, "no-triangle");
        row("a given angle of 375°", 21, {"375", "5", "8"}, "no-triangle");
        row("a given angle just below 180°", 21, {"179,9999", "5", "8"}, "triangle");
        row("a side the sum of the other two", 51, {"1", "0,4", "0,6"}, "no-triangle");
        row("and in halves", 51, {"1", "0,5", "0,5"}, "no-triangle");
        row("a hair shorter", 51, {"0,9999999", "0,4", "0,6"}, "triangle");
        row("a right angle with the area", 11, {"90", "45", "4"}, "triangle");
    }

    void theBoundariesGetTheirVerdict()
    {
        QFETCH(int, combination);
        QFETCH(QStringList, texts);
        QFETCH(QString, verdict);
        Session window(triangle::NumberFormat(","), triangle::session::kWindowFace);
        Session page(triangle::NumberFormat(","), triangle::session::kPageFace);
        const std::array<std::string, 3> typed
            = {texts[0].toStdString(), texts[1].toStdString(), texts[2].toStdString()};
        QCOMPARE(disagreement(window, page, combination, typed), QString());
        QCOMPARE(fromSession(window, combination, typed), verdict);
    }
};

QTEST_GUILESS_MAIN(VerdictsAcrossFacesTest)
#include "test_verdicts_across_faces.moc"
