// triangle-window: the triangle solver's window.
#include <QApplication>

#include "triangle_window.h"
#include "window_font.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(triangle::ui::windowFont());
    triangle::ui::TriangleWindow window;
    window.show();
    return QApplication::exec();
}
