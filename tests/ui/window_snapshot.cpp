// SPDX-License-Identifier: GPL-3.0-or-later
// window-snapshot: opens the window, solves one request the way a user
// would (by default combination 21, C, a, b, with 60, 5 and 8), and saves
// what the window shows as a PNG. Not a test: it makes the pictures of the
// window for the documentation.
//
//     window-snapshot OUTPUT.png [COMBINATION V1 V2 V3 | N1=V1 N2=V2 N3=V3] [--other N] [--compute N]
//                     [--tooltip FIELD] [--solution] [--hold SECONDS] [--lang CODE]
//                     [--practice NUMBER [--answer TEXT]... [--check] [--hint]] [--worksheet SEED]
//                     [--sheet-settings]
//
// --other presses "Друг триъгълник" N times; --compute presses "Изчисли" N
// more times; --tooltip shows the tooltip of value field FIELD (0 to 8) and
// takes it into the picture, which needs a real screen (xvfb-run);
// --solution presses "Решение" and saves the solution window instead, or
// with OUTPUT.pdf the solution as PDF; --hold keeps the window open so that
// the screen can be captured as a whole; --lang shows the window in that
// language (bg, en). --practice turns the practice mode on and types the
// problem's NUMBER; each --answer types the next answer, --check and --hint
// press «Провери» and «Подсказка». --worksheet saves, with OUTPUT.pdf, the
// worksheet of that seed with the settings' defaults; --sheet-settings saves
// the worksheet's settings as «Работен лист…» opens them.
#include <optional>

#include <QApplication>
#include <algorithm>

#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include "ui/solution_window.h"
#include "ui/window_font.h"
#include "ui/worksheet_dialog.h"
#include "window_test_support.h"

namespace {

struct Snapshot {
    QString output;
    int combination = 21;
    QStringList given = {"60", "5", "8"};
    // NAME=VALUE three times: the mode of any three elements instead.
    QStringList named;
    int otherPresses = 0;
    int computePresses = 0;
    int tooltipField = -1;
    bool solution = false;
    int holdSeconds = 0;
    const triangle::wording::Language *language = &triangle::wording::kBulgarian;
    QString practice; // a problem's number: the practice mode
    QStringList answers;
    bool check = false;
    bool hint = false;
    int worksheetSeed = 0;
    bool sheetSettings = false;
};

std::optional<Snapshot> readArguments(QStringList arguments)
{
    Snapshot snapshot;
    arguments.removeFirst();
    if (arguments.isEmpty())
        return std::nullopt;
    snapshot.output = arguments.takeFirst();
    if (arguments.size() >= 3 && arguments.first().contains('=')) {
        snapshot.named = arguments.mid(0, 3);
        arguments.remove(0, 3);
    } else if (arguments.size() >= 4 && !arguments.first().startsWith("--")) {
        snapshot.combination = arguments.takeFirst().toInt();
        snapshot.given = arguments.mid(0, 3);
        arguments.remove(0, 3);
    }
    while (!arguments.isEmpty()) {
        const QString option = arguments.takeFirst();
        if (option == "--sheet-settings") {
            snapshot.sheetSettings = true;
            continue;
        }
        if (option == "--solution" || option == "--check" || option == "--hint") {
            (option == "--solution"       ? snapshot.solution
                    : option == "--check" ? snapshot.check
                                          : snapshot.hint)
                = true;
            continue;
        }
        if (arguments.isEmpty())
            return std::nullopt;
        if (option == "--lang") {
            snapshot.language = triangle::wording::languageFor(arguments.takeFirst().toStdString());
            if (snapshot.language == nullptr)
                return std::nullopt;
            continue;
        }
        if (option == "--practice" || option == "--answer") {
            (option == "--practice" ? snapshot.practice : snapshot.answers.emplaceBack())
                = arguments.takeFirst();
            continue;
        }
        const int value = arguments.takeFirst().toInt();
        if (option == "--other")
            snapshot.otherPresses = value;
        else if (option == "--compute")
            snapshot.computePresses = value;
        else if (option == "--tooltip" && value >= 0 && value < triangle::kFieldCount)
            snapshot.tooltipField = value;
        else if (option == "--hold")
            snapshot.holdSeconds = value;
        else if (option == "--worksheet" && value > 0)
            snapshot.worksheetSeed = value;
        else
            return std::nullopt;
    }
    return snapshot;
}

// Presses "Решение" and saves the window it opens, as a picture or as PDF.
bool saveSolution(const triangle::ui::TriangleWindow &window, const QString &output)
{
    triangle::ui::test::click(*window.Command3);
    auto *solution = window.findChild<triangle::ui::SolutionWindow *>();
    if (solution == nullptr || !QTest::qWaitForWindowExposed(solution))
        return false;
    solution->move(window.frameGeometry().topRight());
    QTest::qWait(200);
    if (output.endsWith(".pdf"))
        return solution->savePdf(output);
    return solution->grab().save(output);
}

// The window, and the tooltip of one of its fields where it shows on the
// screen, as the screen shows them.
QPixmap withToolTip(const triangle::ui::TriangleWindow &window, int field)
{
    const triangle::ui::ValueField &shown = *window.Text2.at(field);
    QToolTip::showText(shown.mapToGlobal(QPoint(0, shown.height())), shown.toolTip(), nullptr);
    QTest::qWait(500);
    QRect area = window.frameGeometry();
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->inherits("QTipLabel"))
            area = area.united(widget->geometry());
    }
    return window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

// Turns the mode of any three elements on and types NAME=VALUE into each
// named field, as a user would, then computes.
bool typeElements(triangle::ui::TriangleWindow &window, const QStringList &named)
{
    triangle::ui::test::click(*window.Command4);
    for (const QString &item : named) {
        const auto tag = std::find(
            triangle::kAllTags.begin(), triangle::kAllTags.end(), item.section('=', 0, 0).toStdString());
        if (tag == triangle::kAllTags.end())
            return false;
        auto *field
            = window.Elements1->fields().at(static_cast<std::size_t>(tag - triangle::kAllTags.begin()));
        field->setFocus();
        QTest::keyClicks(field, item.section('=', 1));
    }
    triangle::ui::test::click(*window.Command1[0]);
    return true;
}

// Turns the practice mode on, types the problem's number and the answers,
// and presses «Провери» and «Подсказка» as asked.
void practise(triangle::ui::TriangleWindow &window, const Snapshot &snapshot)
{
    triangle::ui::test::click(*window.Command5);
    triangle::ui::ValueField &number = window.Practice1->number();
    number.setFocus();
    number.selectAll();
    QTest::keyClicks(&number, snapshot.practice);
    QTest::keyClick(&number, Qt::Key_Return);
    for (qsizetype k = 0; k < snapshot.answers.size(); ++k) {
        triangle::ui::ValueField &answer = window.Practice1->answer(static_cast<std::size_t>(k));
        answer.setFocus();
        triangle::ui::test::typeText(answer, snapshot.answers.at(k));
    }
    if (snapshot.check)
        triangle::ui::test::click(*window.Command6[0]);
    if (snapshot.hint)
        triangle::ui::test::click(*window.Command6[1]);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(triangle::ui::windowFont());
    const std::optional<Snapshot> snapshot = readArguments(QApplication::arguments());
    if (!snapshot) {
        qWarning("usage: window-snapshot OUTPUT.png [COMBINATION V1 V2 V3 | N1=V1 N2=V2 N3=V3] [--other N] "
                 "[--compute N]"
                 " [--tooltip FIELD] [--solution] [--hold SECONDS] [--lang CODE]"
                 " [--practice NUMBER [--answer TEXT]... [--check] [--hint]] [--worksheet SEED] "
                 "[--sheet-settings]");
        return 2;
    }

    if (snapshot->worksheetSeed > 0) {
        triangle::WorksheetOptions options;
        options.seed = static_cast<std::uint32_t>(snapshot->worksheetSeed);
        const triangle::ui::WorksheetDialog dialog(
            triangle::NumberFormat {","}, *snapshot->language, options, nullptr);
        return dialog.savePdf(snapshot->output) ? 0 : 1;
    }
    if (snapshot->sheetSettings) {
        triangle::ui::WorksheetDialog dialog(triangle::NumberFormat {","}, *snapshot->language, {}, nullptr);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return 1;
        QTest::qWait(200);
        return dialog.grab().save(snapshot->output) ? 0 : 1;
    }
    auto window = triangle::ui::test::openWindow(QLocale());
    window->setLanguage(*snapshot->language);
    window->move(0, 0);
    if (snapshot->named.isEmpty())
        triangle::ui::test::solve(*window, snapshot->combination, snapshot->given);
    else if (!typeElements(*window, snapshot->named))
        return 2;
    if (!snapshot->practice.isEmpty())
        practise(*window, *snapshot);
    for (int press = 0; press < snapshot->otherPresses; ++press)
        triangle::ui::test::click(*window->Command2);
    for (int press = 0; press < snapshot->computePresses; ++press)
        triangle::ui::test::click(*window->Command1[0]);
    QTest::qWait(200);
    if (snapshot->solution)
        return saveSolution(*window, snapshot->output) ? 0 : 1;
    const QPixmap picture
        = snapshot->tooltipField >= 0 ? withToolTip(*window, snapshot->tooltipField) : window->grab();
    if (!picture.save(snapshot->output))
        return 1;
    if (snapshot->holdSeconds > 0) {
        QTimer::singleShot(snapshot->holdSeconds * 1000, &app, &QApplication::quit);
        return QApplication::exec();
    }
    return 0;
}
