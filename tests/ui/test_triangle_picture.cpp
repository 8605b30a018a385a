// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's geometry: where the corners of a triangle with given sides
// go, and how the drawing fits the picture box: the whole circle inside (or,
// for a nearly flat triangle, the triangle enlarged to fill the box), A and B
// level with C above, letters clear of the corners, arcs never too small,
// whatever the shape of the triangle.

#include <cmath>
#include <optional>

#include <QRectF>
#include <QTest>

#include "geometry/picture_geometry.h"
#include "ui/plane_in_qt.h"

using namespace triangle::ui;
namespace geometry = triangle::geometry;

namespace {

// The inside of the picture box, within its 2-pixel border.
const QRectF kBox(2, 2, 174, 174);

double distance(QPointF p, QPointF q) { return std::hypot(p.x() - q.x(), p.y() - q.y()); }

bool near(double x, double y, double tolerance = 1e-6) { return std::abs(x - y) <= tolerance; }

// Twice the signed area; its sign tells on which side of p-q the point r is.
double turn(QPointF p, QPointF q, QPointF r)
{
    return (q.x() - p.x()) * (r.y() - p.y()) - (q.y() - p.y()) * (r.x() - p.x());
}

// A letter is a square of the layout's letter size round its centre.
QRectF letterBox(QPointF centre, double size)
{
    return {centre.x() - size / 2, centre.y() - size / 2, size, size};
}

QString where(QPointF p) { return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y()); }

geometry::PictureLayout laidOut(double a, double b, double c)
{
    return geometry::layoutPicture(fromQt(kBox), geometry::cornersFromSides(a, b, c));
}

// The triangles every layout check runs on: sides a, b, c, and whether the
// triangle is too flat to read inside its whole circle.
void addTriangleRows()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<bool>("enlarged");
    QTest::newRow("the start-up triangle") << 5.4 << 6.2 << 7.0 << false;
    QTest::newRow("a right triangle 3, 4, 5") << 3.0 << 4.0 << 5.0 << false;
    QTest::newRow("an equilateral triangle") << 2.0 << 2.0 << 2.0 << false;
    QTest::newRow("obtuse at A: 7, 3, 5") << 7.0 << 3.0 << 5.0 << false;
    QTest::newRow("obtuse at B: 5, 8, 3.9282") << 5.0 << 8.0 << 3.9282 << false;
    QTest::newRow("obtuse at C: 8, 8, 15.4548") << 8.0 << 8.0 << 15.4548 << false;
    QTest::newRow("a needle: 1, 100, 100") << 1.0 << 100.0 << 100.0 << false;
    QTest::newRow("flat, 176 degrees at C: 1, 1, 1.999") << 1.0 << 1.0 << 1.999 << true;
    QTest::newRow("flat, 179 degrees at A: 10, 5.0001, 5") << 10.0 << 5.0001 << 5.0 << true;
    QTest::newRow("flat, 179.99 degrees at C: 1, 1, 1.99999998")
        << 1.0 << 1.0 << 2 * std::sin(89.995 * std::acos(-1.0) / 180) << true;
}

} // namespace

class TrianglePictureTest : public QObject {
    Q_OBJECT

private slots:
    void cornersFollowFromTheSides_data();
    void cornersFollowFromTheSides();
    void theWholeCircleOrAFlatTriangleFillsTheBox_data() { addTriangleRows(); }
    void theWholeCircleOrAFlatTriangleFillsTheBox();
    void theDrawingKeepsTheTrianglesShapeWithABLevelAndCAbove_data() { addTriangleRows(); }
    void theDrawingKeepsTheTrianglesShapeWithABLevelAndCAbove();
    void lettersStayInsideClearOfCornersAndBeyondTheirSides_data() { addTriangleRows(); }
    void lettersStayInsideClearOfCornersAndBeyondTheirSides();
    void arcsNeverShrinkBelowALeastRadius_data() { addTriangleRows(); }
    void arcsNeverShrinkBelowALeastRadius();
    void everyShapeOnAGridOfAnglesKeepsItsLettersClear();
};

void TrianglePictureTest::cornersFollowFromTheSides_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QPointF>("expectedC");
    QTest::newRow("right angle at C: 3, 4, 5") << 3.0 << 4.0 << 5.0 << QPointF(3.2, 2.4);
    QTest::newRow("equilateral: C above the middle of AB")
        << 2.0 << 2.0 << 2.0 << QPointF(1.0, std::sqrt(3.0));
    QTest::newRow("120 degrees at A: C left of A")
        << 7.0 << 3.0 << 5.0 << QPointF(-1.5, 1.5 * std::sqrt(3.0));
    QTest::newRow("right angle at A: C straight above A") << 5.0 << 4.0 << 3.0 << QPointF(0.0, 4.0);
    QTest::newRow("a needle: C just above B's end")
        << 1.0 << 100.0 << 100.0 << QPointF(99.995, 0.99998749992);
    QTest::newRow("sides that close no triangle lie flat") << 10.0 << 1.0 << 1.0 << QPointF(-1.0, 0.0);
}

void TrianglePictureTest::cornersFollowFromTheSides()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QPointF, expectedC);

    const geometry::TriangleCorners corners = geometry::cornersFromSides(a, b, c);
    const QPointF A = toQt(corners.A);
    const QPointF B = toQt(corners.B);
    const QPointF C = toQt(corners.C);

    QCOMPARE(A, QPointF(0, 0));
    QCOMPARE(B, QPointF(c, 0));
    QVERIFY2(near(C.x(), expectedC.x(), 1e-9) && near(C.y(), expectedC.y(), 1e-9), qPrintable(where(C)));
    if (b + c > a) {
        QVERIFY(near(distance(B, C), a, 1e-9));
        QVERIFY(near(distance(A, C), b, 1e-9));
    }
}

void TrianglePictureTest::theWholeCircleOrAFlatTriangleFillsTheBox()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(bool, enlarged);

    const geometry::PictureLayout layout = laidOut(a, b, c);

    const QPolygonF corners = toQt(layout.corners);
    const QPointF centre = toQt(layout.centre);
    QVERIFY(layout.hasCircle);
    QCOMPARE(layout.enlarged, enlarged);
    if (enlarged) {
        // Wide as the box, within its margins and below the strip that says
        // so; the corners still lie on the circle, and no letter in the strip.
        const QRectF noteStrip = toQt(layout.noteStrip);
        const QRectF below = kBox.adjusted(0, noteStrip.height(), 0, 0);
        QVERIFY(noteStrip.top() == kBox.top() && noteStrip.height() >= 2 * layout.letterSize);
        QVERIFY2(corners[1].x() - std::min(corners[0].x(), corners[2].x()) >= 0.75 * kBox.width(),
            qPrintable(where(corners[0]) + where(corners[1])));
        for (const QPointF corner : corners) {
            QVERIFY2(below.contains(corner), qPrintable(where(corner)));
            QVERIFY(near(distance(corner, centre), layout.radius, 1e-6 * layout.radius));
        }
        for (const auto &letters : {layout.cornerLetters, layout.sideLetters}) {
            for (const QPointF letter : toQt(letters))
                QVERIFY2(
                    !letterBox(letter, layout.letterSize).intersects(noteStrip), qPrintable(where(letter)));
        }
        return;
    }
    const QRectF circle(
        centre.x() - layout.radius, centre.y() - layout.radius, 2 * layout.radius, 2 * layout.radius);
    QVERIFY2(kBox.contains(circle), qPrintable(where(circle.topLeft()) + where(circle.bottomRight())));
    // Centred, and no smaller than three quarters of the box.
    QVERIFY(near(centre.x(), kBox.center().x()) && near(centre.y(), kBox.center().y()));
    QVERIFY2(2 * layout.radius >= 0.75 * kBox.width(), qPrintable(QString::number(layout.radius)));
    for (const QPointF corner : corners) {
        QVERIFY2(kBox.contains(corner), qPrintable(where(corner)));
        QVERIFY(near(distance(corner, centre), layout.radius, 1e-6 * layout.radius));
    }
    // Every bisector runs from the circle's centre or from a side to the circle.
    for (const std::optional<geometry::Segment> &bisector : layout.bisectors) {
        QVERIFY(bisector);
        QVERIFY(near(distance(toQt(bisector->to), centre), layout.radius, 1e-6 * layout.radius));
    }
}

void TrianglePictureTest::theDrawingKeepsTheTrianglesShapeWithABLevelAndCAbove()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);

    const geometry::PictureLayout layout = laidOut(a, b, c);
    const QPolygonF corners = toQt(layout.corners);
    const QPointF A = corners[0];
    const QPointF B = corners[1];
    const QPointF C = corners[2];

    QVERIFY(near(A.y(), B.y()));
    QVERIFY(A.x() < B.x());
    QVERIFY(C.y() < A.y()); // the screen's y grows downwards
    // One scale for all three sides.
    const double scale = distance(A, B) / c;
    QVERIFY(near(distance(B, C) / a, scale, 1e-6 * scale));
    QVERIFY(near(distance(A, C) / b, scale, 1e-6 * scale));
}

void TrianglePictureTest::lettersStayInsideClearOfCornersAndBeyondTheirSides()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);

    const geometry::PictureLayout layout = laidOut(a, b, c);

    QVERIFY(layout.letterSize >= 10);
    const QPolygonF corners = toQt(layout.corners);
    const QPolygonF sideLetters = toQt(layout.sideLetters);
    const QPolygonF letters = toQt(layout.cornerLetters) + sideLetters;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const QRectF box = letterBox(letters[i], layout.letterSize);
        QVERIFY2(kBox.contains(box), qPrintable(where(letters[i])));
        for (const QPointF corner : corners)
            QVERIFY2(!box.contains(corner), qPrintable(where(letters[i]) + " covers " + where(corner)));
        for (qsizetype j = 0; j < i; ++j) {
            const QRectF other = letterBox(letters[j], 0.8 * layout.letterSize);
            QVERIFY2(!letterBox(letters[i], 0.8 * layout.letterSize).intersects(other),
                qPrintable(where(letters[i]) + " meets " + where(letters[j])));
        }
    }
    // A side's letter lies beyond its side, away from the opposite corner.
    for (qsizetype i = 0; i < 3; ++i) {
        const QPointF p = corners[(i + 1) % 3];
        const QPointF q = corners[(i + 2) % 3];
        QVERIFY2(turn(p, q, sideLetters[i]) * turn(p, q, corners[i]) < 0,
            qPrintable(QStringLiteral("side %1").arg(i)));
    }
}

void TrianglePictureTest::arcsNeverShrinkBelowALeastRadius()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);

    const geometry::PictureLayout layout = laidOut(a, b, c);

    for (const double radius : layout.arcRadii) {
        QVERIFY2(radius >= 6.0, qPrintable(QString::number(radius)));
        QVERIFY2(radius <= 0.1 * kBox.width() + 1e-9, qPrintable(QString::number(radius)));
    }
}

void TrianglePictureTest::everyShapeOnAGridOfAnglesKeepsItsLettersClear()
{
    // Angles A and B from 1 to 178 degrees in steps of 7, sides by the law of sines.
    int shapes = 0;
    for (int alpha = 1; alpha < 179; alpha += 7) {
        for (int beta = 1; alpha + beta < 179; beta += 7) {
            const double degree = std::acos(-1.0) / 180;
            const double gamma = 180 - alpha - beta;
            const geometry::PictureLayout layout
                = laidOut(std::sin(alpha * degree), std::sin(beta * degree), std::sin(gamma * degree));
            const QString shape = QStringLiteral("A = %1, B = %2").arg(alpha).arg(beta);
            for (const auto &letters : {layout.cornerLetters, layout.sideLetters}) {
                for (const QPointF letter : toQt(letters)) {
                    const QRectF box = letterBox(letter, layout.letterSize);
                    QVERIFY2(kBox.contains(box), qPrintable(shape));
                    for (const QPointF corner : toQt(layout.corners))
                        QVERIFY2(!box.contains(corner), qPrintable(shape));
                }
            }
            ++shapes;
        }
    }
    QCOMPARE(shapes, 351);
}

QTEST_APPLESS_MAIN(TrianglePictureTest)
#include "test_triangle_picture.moc"
