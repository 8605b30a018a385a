// window-snapshot: opens the window, solves combination 21 (C, a, b) with 60,
// 5 and 8 the way a user would, and saves what the window shows as a PNG.
// Not a test: it makes the picture of the window for the documentation, and
// with --hold stays open so the screen can be captured as a whole.
#include <QApplication>
#include <QTimer>

#include "window_font.h"
#include "window_test_support.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(triangle::ui::windowFont());
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        qWarning("usage: window-snapshot OUTPUT.png [--hold SECONDS]");
        return 2;
    }

    auto window = triangle::ui::test::openWindow(QLocale());
    window->move(0, 0);
    triangle::ui::test::solve(*window, 21, {"60", "5", "8"});
    QTest::qWait(200);
    if (!window->grab().save(arguments[1]))
        return 1;
    if (arguments.size() >= 4 && arguments[2] == "--hold") {
        QTimer::singleShot(arguments[3].toInt() * 1000, &app, &QApplication::quit);
        return QApplication::exec();
    }
    return 0;
}
