// SPDX-License-Identifier: GPL-3.0-or-later
// The picture box follows the requests: a solved triangle is drawn to scale
// in place of the start-up drawing, which comes back whenever there is no
// solved triangle to show; a sample is drawn from its sides.

#include <cmath>
#include <functional>
#include <numbers>

#include <QPainter>

#include "ui/triangle_picture.h"
#include "window_test_support.h"

using namespace triangle::ui;

namespace {

using Step = std::function<void(TriangleWindow &)>;

constexpr double kDegree = std::numbers::pi / 180;

QImage picture(const TriangleWindow &window) { return window.Picture1->grab().toImage(); }

// What the picture box shows inside its border for a triangle with these
// sides, drawn here on an image of the same size and in the box's font.
QImage drawnInside(const TriangleWindow &window, double a, double b, double c)
{
    const QRect inside = window.Picture1->contentsRect();
    QImage image(inside.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(window.Picture1->font());
    paintTriangle(
        painter, QRectF(QPointF(0, 0), QSizeF(inside.size())), triangle::geometry::cornersFromSides(a, b, c));
    return image;
}

// Pixels whose colour differs by more than a shade of antialiasing.
int differentPixels(const QImage &shown, const QImage &expected)
{
    const QImage x = shown.convertToFormat(QImage::Format_ARGB32);
    const QImage y = expected.convertToFormat(QImage::Format_ARGB32);
    int different = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QColor p = x.pixelColor(column, row);
            const QColor q = y.pixelColor(column, row);
            if (std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue())
                > 24)
                ++different;
        }
    }
    return different;
}

} // namespace

Q_DECLARE_METATYPE(Step)

class WindowPictureTest : public QObject {
    Q_OBJECT

private slots:
    void theSolvedTriangleIsDrawnToScale_data();
    void theSolvedTriangleIsDrawnToScale();
    void theStartUpDrawingReturnsWhenThereIsNoSolvedTriangle_data();
    void theStartUpDrawingReturnsWhenThereIsNoSolvedTriangle();
    void aSampleShowsItsOwnTriangleAndPerimeter_data();
    void aSampleShowsItsOwnTriangleAndPerimeter();
};

void WindowPictureTest::theSolvedTriangleIsDrawnToScale_data()
{
    QTest::addColumn<int>("combination");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::newRow("acute: C = 60, a = 5, b = 8") << 21 << QStringList {"60", "5", "8"} << 5.0 << 8.0 << 7.0;
    QTest::newRow("obtuse: A = 30, B = 30, a = 5")
        << 0 << QStringList {"30", "30", "5"} << 5.0 << 5.0 << 5 * std::sqrt(3.0);
    QTest::newRow("right: A = 30, B = 60, a = 10")
        << 0 << QStringList {"30", "60", "10"} << 10.0 << 10 * std::sqrt(3.0) << 20.0;
    QTest::newRow("a needle: A = 1, B = 89, a = 1")
        << 0 << QStringList {"1", "89", "1"} << 1.0 << std::sin(89 * kDegree) / std::sin(kDegree)
        << 1 / std::sin(kDegree);
}

void WindowPictureTest::theSolvedTriangleIsDrawnToScale()
{
    QFETCH(int, combination);
    QFETCH(QStringList, given);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    const auto window = test::openWindow();
    const QImage startUp = picture(*window);

    test::solve(*window, combination, given);

    const QImage shown = picture(*window).copy(window->Picture1->contentsRect());
    QCOMPARE(differentPixels(shown, drawnInside(*window, a, b, c)), 0);
    // Not the start-up drawing, and not the triangle with sides a and c swapped.
    QVERIFY(differentPixels(shown, startUp.copy(window->Picture1->contentsRect())) > 100);
    QVERIFY(differentPixels(shown, drawnInside(*window, c, b, a)) > 100);
}

void WindowPictureTest::theStartUpDrawingReturnsWhenThereIsNoSolvedTriangle_data()
{
    QTest::addColumn<Step>("then");
    QTest::addColumn<bool>("startUpDrawing");
    QTest::newRow("clear brings it back")
        << Step([](TriangleWindow &w) { test::click(*w.Command1[1]); }) << true;
    QTest::newRow("choosing a combination brings it back")
        << Step([](TriangleWindow &w) { test::selectCombination(w, 5); }) << true;
    QTest::newRow("a result that is no triangle brings it back") << Step([](TriangleWindow &w) {
        test::solve(w, 0, {"100", "100", "5"});
    }) << true;
    QTest::newRow("invalid input brings it back") << Step([](TriangleWindow &w) {
        ValueField &sideA = *w.Text2[3];
        QTest::mouseClick(&sideA, Qt::LeftButton);
        QTest::keyClick(&sideA, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&sideA, Qt::Key_Delete);
        test::click(*w.Command1[0]);
    }) << true;
    QTest::newRow("an arithmetic fault brings it back") << Step([](TriangleWindow &w) {
        test::solve(w, 8, {"90", "90", "10"});
    }) << true;
    QTest::newRow("solving it again leaves it drawn")
        << Step([](TriangleWindow &w) { test::click(*w.Command1[0]); }) << false;
}

void WindowPictureTest::theStartUpDrawingReturnsWhenThereIsNoSolvedTriangle()
{
    QFETCH(Step, then);
    QFETCH(bool, startUpDrawing);
    const auto window = test::openWindow();
    const QImage startUp = picture(*window);
    test::solve(*window, 21, {"60", "5", "8"});
    const QImage solved = picture(*window);
    QVERIFY(solved != startUp);

    then(*window);

    QCOMPARE(picture(*window), startUpDrawing ? startUp : solved);
}

void WindowPictureTest::aSampleShowsItsOwnTriangleAndPerimeter_data()
{
    QTest::addColumn<float>("random");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QString>("perimeter");
    QTest::newRow("the right triangle") << 0.0f << 10.0 << 17.3205 << 20.0 << "47.3205";
    QTest::newRow("the equilateral triangle") << 0.001f << 10.0 << 10.0 << 10.0 << "30.0000";
}

// The sample replaces what the fields showed: the picture and the perimeter
// follow it, and no solution is offered until «Изчисли» solves it.
void WindowPictureTest::aSampleShowsItsOwnTriangleAndPerimeter()
{
    QFETCH(float, random);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QString, perimeter);
    const auto window = test::openWindow(QLocale::c(), random);
    test::solve(*window, 21, {"60", "5", "8"});
    QVERIFY(window->Command3->isVisibleTo(window.get()));

    test::click(*window->Command1[2]);

    const QImage shown = picture(*window).copy(window->Picture1->contentsRect());
    QCOMPARE(differentPixels(shown, drawnInside(*window, a, b, c)), 0);
    QCOMPARE(window->Text2[8]->text(), perimeter);
    QVERIFY(!window->Command3->isVisibleTo(window.get()));
}

TRIANGLE_WINDOW_TEST_MAIN(WindowPictureTest)
#include "test_window_picture.moc"
