// The floor for the window's start-up: a bare Qt window with one button,
// measured the same way as the program (--quit-after-first-paint).
#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

namespace {

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
    QPushButton button(QStringLiteral("OK"));
    QuitAfterFirstPaint quitter;
    button.installEventFilter(&quitter);
    button.show();
    return QApplication::exec();
}
