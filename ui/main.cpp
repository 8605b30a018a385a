// triangle-window: the triangle solver's window.
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "triangle_window.h"
#include "version.h"
#include "window_font.h"

namespace {

// With --quit-after-first-paint the program ends as soon as the window has
// painted once: the start-up benchmark times exactly that.
class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QString::fromLatin1(triangle::kVersion));
    // Ties the running window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.TriangleSolver"));
    QApplication::setFont(triangle::ui::windowFont());

    triangle::ui::TriangleWindow window;
    QuitAfterFirstPaint quitter;
    if (QApplication::arguments().contains(QStringLiteral("--quit-after-first-paint")))
        window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
