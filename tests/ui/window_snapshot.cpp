// SPDX-License-Identifier: GPL-3.0-or-later
// window-snapshot: opens the window, solves one request the way a user
// would (by default combination 21, C, a, b, with 60, 5 and 8), and saves
// what the window shows as a PNG. Not a test: it makes the pictures of the
// window for the documentation.
//
//     window-snapshot OUTPUT.png [COMBINATION V1 V2 V3] [--other N] [--hold SECONDS]
//
// --other presses "Друг триъгълник" N times; --hold keeps the window open so
// that the screen can be captured as a whole.
#include <optional>

#include <QApplication>
#include <QTimer>

#include "window_font.h"
#include "window_test_support.h"

namespace {

struct Snapshot {
    QString output;
    int combination = 21;
    QStringList given = {"60", "5", "8"};
    int otherPresses = 0;
    int holdSeconds = 0;
};

std::optional<Snapshot> readArguments(QStringList arguments)
{
    Snapshot snapshot;
    arguments.removeFirst();
    if (arguments.isEmpty())
        return std::nullopt;
    snapshot.output = arguments.takeFirst();
    if (arguments.size() >= 4 && !arguments.first().startsWith("--")) {
        snapshot.combination = arguments.takeFirst().toInt();
        snapshot.given = arguments.mid(0, 3);
        arguments.remove(0, 3);
    }
    while (arguments.size() >= 2) {
        const QString option = arguments.takeFirst();
        const int value = arguments.takeFirst().toInt();
        if (option == "--other")
            snapshot.otherPresses = value;
        else if (option == "--hold")
            snapshot.holdSeconds = value;
        else
            return std::nullopt;
    }
    return arguments.isEmpty() ? std::optional(snapshot) : std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(triangle::ui::windowFont());
    const std::optional<Snapshot> snapshot = readArguments(QApplication::arguments());
    if (!snapshot) {
        qWarning("usage: window-snapshot OUTPUT.png [COMBINATION V1 V2 V3] [--other N] [--hold SECONDS]");
        return 2;
    }

    auto window = triangle::ui::test::openWindow(QLocale());
    window->move(0, 0);
    triangle::ui::test::solve(*window, snapshot->combination, snapshot->given);
    for (int press = 0; press < snapshot->otherPresses; ++press)
        triangle::ui::test::click(*window->Command2);
    QTest::qWait(200);
    if (!window->grab().save(snapshot->output))
        return 1;
    if (snapshot->holdSeconds > 0) {
        QTimer::singleShot(snapshot->holdSeconds * 1000, &app, &QApplication::quit);
        return QApplication::exec();
    }
    return 0;
}
