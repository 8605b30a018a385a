// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the form draws it: where each control sits, its colours and
// font, its size, where the focus starts and the order Tab visits the
// controls in, and what a screen reader calls them.

#include <algorithm>
#include <memory>
#include <set>

#include <QAbstractButton>
#include <QAccessible>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionButton>

#include "solver/answer/other_triangles.h"
#include "solver/answer/solution.h"
#include "solver/list/compute.h"
#include "solver/list/request_form.h"
#include "wording/solution_text.h"

#include "ui/design_placement.h"
#include "ui/form_design.h"
#include "ui/plane_in_qt.h"
#include "ui/triangle_picture.h"
#include "ui/window_font.h"
#include "ui/worksheet_dialog.h"
#include "window_test_support.h"

using namespace triangle::ui;

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_window = test::openWindow(); }
    void cleanup() { m_window.reset(); }

    void clientAreaIs481By450Pixels() { QCOMPARE(m_window->size(), QSize(481, 450)); }
    void theWindowKeepsItsSizeWhenAskedToShrinkOrGrow();

    void everyControlSitsWhereTheFormPutsIt_data();
    void everyControlSitsWhereTheFormPutsIt();
    void controlsShowTheirBackColours_data();
    void controlsShowTheirBackColours();
    void everyTextIsDrawnInASerifFontWithCyrillicLetters();
    void everySignTheProgramWritesIsInTheFontsItAsksFor();
    void givenQuantitiesCheckMarksStandOutFromTheirBoxes_data();
    void givenQuantitiesCheckMarksStandOutFromTheirBoxes();
    void theFocusStartsOnTheList();
    void tabVisitsTheControlsInTheFormsOrder();
    void tabVisitsThePracticeModeInReadingOrder();
    void eachAltLetterReachesOneControl_data();
    void eachAltLetterReachesOneControl();
    void screenReadersHearTheControlsByName_data();
    void screenReadersHearTheControlsByName();
    void theOtherTriangleButtonFillsFreeSpaceUnderThePicture();
    void whatAPersonReadsIsWholeOrMarkedAsCut_data();
    void whatAPersonReadsIsWholeOrMarkedAsCut();

private:
    QWidget *control(const QString &name) const
    {
        auto *widget = m_window->findChild<QWidget *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    void verifyStandsApartShowingItsCaption(QWidget &shown) const;
    void verifyNoteIsReadable(const PictureBox &picture) const;
    static void verifyCutIsMarked(ValueField &field);

    std::unique_ptr<TriangleWindow> m_window;
};

void WindowLayoutTest::everyControlSitsWhereTheFormPutsIt_data()
{
    // Twips as the form states them; Frame1's controls relative to the frame.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    const auto row = [](const char *name, int left, int top, int width, int height) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << QRect(left, top, width, height);
    };
    row("Label1(0)", 120, 0, 3510, 375);
    row("Label1(1)", 120, 480, 1575, 375);
    row("List1(0)", 120, 840, 1575, 2625);
    row("Label1(2)", 120, 3600, 1575, 855);
    row("Frame1", 1800, 480, 2535, 4095);
    row("Picture1", 4440, 480, 2670, 2670);
    row("Command1(0)", 4440, 3675, 1215, 375);
    row("Command1(1)", 5880, 3675, 1215, 375);
    row("Command1(2)", 5880, 4125, 1215, 375);
    row("List1(1)", 4440, 4140, 1335, 345);
    row("Command5", 3690, 15, 930, 345);
    row("Command4", 4680, 15, 1695, 345);
    row("Elements1", 120, 480, 4215, 4020);
    row("Practice1", 120, 480, 4215, 4020);
    row("Command6(0)", 4440, 3225, 1215, 375);
    row("Command6(1)", 5880, 3225, 1215, 375);
    row("Command6(2)", 4440, 3675, 1215, 375);
    row("Command6(3)", 5880, 3675, 1215, 375);
    row("Command6(4)", 4440, 4125, 2655, 375);
    row("Text1(0)", 120, 4560, 6975, 2055);
    // The motto box where the form puts it, ending inside the window.
    row("Text1(1)", 2160, 5400, 4680, 1230);
    row("Check1(0)", 120, 350, 855, 400);
    row("Check1(1)", 120, 750, 855, 400);
    row("Check1(2)", 120, 1150, 855, 400);
    row("Check1(3)", 120, 1550, 855, 400);
    row("Check1(4)", 120, 1960, 855, 400);
    row("Check1(5)", 120, 2350, 615, 400);
    row("Check1(6)", 120, 2750, 615, 400);
    row("Check1(7)", 120, 3150, 855, 400);
    row("Label2", 120, 3555, 855, 345);
    row("Text2(0)", 1080, 350, 1335, 400);
    row("Text2(1)", 1080, 750, 1335, 400);
    row("Text2(2)", 1080, 1150, 1335, 400);
    row("Text2(3)", 1080, 1550, 1335, 400);
    row("Text2(4)", 1080, 1950, 1335, 400);
    row("Text2(5)", 1080, 2350, 1335, 400);
    row("Text2(6)", 1080, 2750, 1335, 405);
    row("Text2(7)", 1080, 3120, 1335, 400);
    row("Text2(8)", 1080, 3480, 1335, 400);
}

void WindowLayoutTest::everyControlSitsWhereTheFormPutsIt()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const QRect pixels = control(name)->geometry();
    QVERIFY2(
        QRect(QPoint(0, 0), m_window->size()).contains(pixels), qPrintable(name + " lies inside the window"));
    // Fifteen twips to the pixel, each measure within half a pixel.
    const auto near = [](int pixels, int twips) { return std::abs(pixels * 15 - twips) <= 7; };
    QVERIFY2(near(pixels.x(), twips.x()) && near(pixels.y(), twips.y()) && near(pixels.width(), twips.width())
            && near(pixels.height(), twips.height()),
        qPrintable(QStringLiteral("at %1,%2 %3x%4 px")
                       .arg(pixels.x())
                       .arg(pixels.y())
                       .arg(pixels.width())
                       .arg(pixels.height())));
}

void WindowLayoutTest::controlsShowTheirBackColours_data()
{
    // A point of each control that no text or border covers.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("the window is lavender") << QString() << QPoint(2, 440) << QColor(192, 192, 255);
    QTest::newRow("the title label is peach") << "Label1(0)" << QPoint(2, 23) << QColor(255, 192, 128);
    QTest::newRow("the frame is periwinkle") << "Frame1" << QPoint(164, 150) << QColor(128, 128, 255);
    QTest::newRow("an angle indicator is lavender") << "Check1(0)" << QPoint(54, 2) << QColor(192, 192, 255);
    QTest::newRow("a side indicator is periwinkle") << "Check1(3)" << QPoint(54, 2) << QColor(128, 128, 255);
    QTest::newRow("the compute button is green") << "Command1(0)" << QPoint(5, 12) << QColor(0, 255, 0);
    QTest::newRow("the clear button is red") << "Command1(1)" << QPoint(5, 12) << QColor(255, 0, 0);
    QTest::newRow("the sample button is orange") << "Command1(2)" << QPoint(5, 12) << QColor(255, 128, 0);
}

void WindowLayoutTest::controlsShowTheirBackColours()
{
    QFETCH(QString, name);
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    QWidget *widget = name.isEmpty() ? m_window.get() : control(name);
    const QImage image = widget->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    // The style may tint a frame's inside a shade; an unpainted control
    // would show the style's own grey instead.
    const QColor shown(image.pixel(point * scale));
    const auto close = [](int x, int y) { return std::abs(x - y) <= 4; };
    QVERIFY2(close(shown.red(), colour.red()) && close(shown.green(), colour.green())
            && close(shown.blue(), colour.blue()),
        qPrintable(shown.name()));
}

void WindowLayoutTest::everyTextIsDrawnInASerifFontWithCyrillicLetters()
{
    const QFontInfo resolved(m_window->font());
    QVERIFY2(resolved.family() == "Times New Roman" || resolved.family() == "Liberation Serif",
        qPrintable(resolved.family()));
    QCOMPARE(resolved.pointSize(), 12);
    QVERIFY(!resolved.fixedPitch());

    QStringList texts = {m_window->windowTitle(), m_window->Frame1->title(), m_window->Label2->text()};
    for (const QLabel *label : m_window->Label1)
        texts << label->text();
    for (const QPushButton *button : m_window->Command1)
        texts << button->text();
    for (const QPlainTextEdit *box : m_window->Text1)
        texts << box->toPlainText();
    const QFontMetrics metrics(m_window->font());
    for (const QString &text : texts) {
        for (const QChar letter : text) {
            if (letter == u'\n')
                continue;
            QVERIFY2(
                metrics.inFont(letter), qPrintable(QStringLiteral("%1 in \"%2\"").arg(letter).arg(text)));
        }
    }
}

namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The worked solutions of every combination, given the values of the
// triangle C = 60°, a = 5, b = 8 with a decimal comma, of both triangles of
// A = 30°, a = 5, b = 8, and of data that fit no triangle for each reason.
QStringList solutionTexts()
{
    const triangle::NumberFormat comma {","};
    const auto solve = [&](int combination, const std::array<std::string, 3> &texts) {
        triangle::RequestForm form(combination, {texts[0], texts[1], texts[2]});
        triangle::Triangle record;
        return std::pair {triangle::Compute(record, form, comma), record};
    };
    const auto document
        = [&](const triangle::Outcome &outcome, const std::array<std::string, 3> &texts, unsigned branches) {
              return QString::fromStdString(
                  triangle::wording::solutionDocument(triangle::solutionOf(outcome, branches, true),
                      triangle::wording::givenTextsOf(outcome.combination, texts), comma));
          };

    triangle::RequestForm reference(21, {"60", "5", "8"});
    triangle::Triangle referenceRecord;
    triangle::Compute(referenceRecord, reference, comma);
    using Request = std::pair<int, std::array<std::string, 3>>;
    std::vector<Request> requests;
    for (int combination = 0; combination < triangle::kCombinationCount; ++combination) {
        Request &request = requests.emplace_back(combination, std::array<std::string, 3> {});
        std::size_t next = 0;
        for (int field = 0; field < triangle::kQuantityCount; ++field) {
            if (triangle::isGiven(combination, triangle::quantityAt(field)))
                request.second.at(next++) = reference.text(triangle::quantityAt(field));
        }
    }
    requests.push_back({24, {"30", "5", "8"}});   // two triangles
    requests.push_back({0, {"100", "100", "5"}}); // the angles exceed 180°
    requests.push_back({24, {"30", "3", "8"}});   // a sine above 1
    requests.push_back({30, {"5", "8", "100"}});  // S and R disagree

    QStringList texts;
    for (const auto &[combination, given] : requests) {
        const auto [outcome, record] = solve(combination, given);
        if (outcome.status != triangle::Outcome::Status::Solved)
            continue;
        texts << document(outcome, given, 0);
        for (const triangle::FittingTriangle &other : triangle::otherTriangles(outcome, record))
            texts << document(outcome, given, other.branches);
    }
    return texts;
}

// The program's own words in every language, and the Bulgarian alphabet,
// since any word may come to stand in a note.
QStringList designTexts()
{
    QStringList texts = {QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯабвгдежзийклмнопрстуфхцчшщъьюя")};
    for (const triangle::wording::Language *language : triangle::wording::kLanguages) {
        for (const triangle::wording::NamedText &text : triangle::wording::allTexts(*language))
            texts << fromView(text.text);
    }
    return texts;
}

} // namespace

// Every character the window, the solution, its PDF and the picture can
// write has a glyph in one of the installed families the window asks for,
// so that none draws as a box or a blank whatever else a machine has.
void WindowLayoutTest::everySignTheProgramWritesIsInTheFontsItAsksFor()
{
    std::vector<QRawFont> fonts;
    for (const QString &family : windowFont().families()) {
        if (QFontDatabase::hasFamily(family))
            fonts.push_back(QRawFont::fromFont(QFont(family, 12)));
    }
    QVERIFY(!fonts.empty());

    QStringList texts = designTexts() + solutionTexts();
    for (QWidget *widget : m_window->findChildren<QWidget *>())
        texts << widget->accessibleName() << widget->toolTip() << widget->property("text").toString()
              << widget->property("plainText").toString() << widget->property("title").toString();
    std::set<char32_t> missing;
    for (const QString &text : texts) {
        for (const char32_t sign : text.toUcs4()) {
            if (sign < 0x20)
                continue;
            const bool drawn = std::ranges::any_of(
                fonts, [&](const QRawFont &font) { return font.supportsCharacter(sign); });
            if (!drawn)
                missing.insert(sign);
        }
    }
    QString names;
    for (const char32_t sign : missing)
        names += QStringLiteral(" U+%1 %2")
                     .arg(uint(sign), 4, 16, QChar(u'0'))
                     .arg(QString::fromUcs4(&sign, 1));
    QVERIFY2(missing.empty(), qPrintable("no glyph in " + windowFont().families().join(", ") + ":" + names));
}

void WindowLayoutTest::theWindowKeepsItsSizeWhenAskedToShrinkOrGrow()
{
    for (const QSize asked : {QSize(300, 200), QSize(800, 700)}) {
        m_window->resize(asked);
        QCOMPARE(m_window->size(), QSize(481, 450));
    }
}

namespace {

// WCAG's relative luminance of an sRGB colour.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &x, const QColor &y)
{
    const double first = luminance(x);
    const double second = luminance(y);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace

void WindowLayoutTest::givenQuantitiesCheckMarksStandOutFromTheirBoxes_data()
{
    // Combination 0, selected at start-up, gives A, B and a.
    QTest::addColumn<int>("position");
    QTest::newRow("an angle's mark on lavender") << 0;
    QTest::newRow("a side's mark on periwinkle") << 3;
}

// Inside the box, within its border: the colour most pixels have is the
// box's, the darkest one the mark's.
void WindowLayoutTest::givenQuantitiesCheckMarksStandOutFromTheirBoxes()
{
    QFETCH(int, position);
    QCheckBox &indicator = *m_window->Check1[position];
    QVERIFY(indicator.isChecked() && !indicator.isEnabled());
    QStyleOptionButton option;
    option.initFrom(&indicator);
    const QRect box = indicator.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &indicator);
    const QImage image = indicator.grab(box.adjusted(2, 2, -2, -2)).toImage();

    QMap<QRgb, int> counts;
    QColor darkest = Qt::white;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            ++counts[colour.rgb()];
            if (luminance(colour) < luminance(darkest))
                darkest = colour;
        }
    }
    const QColor background(std::ranges::max(counts.keys(), {}, [&](QRgb rgb) { return counts[rgb]; }));
    QVERIFY2(contrast(darkest, background) >= 4.5,
        qPrintable(QStringLiteral("%1 on %2: %3")
                       .arg(darkest.name(), background.name())
                       .arg(contrast(darkest, background))));
}

void WindowLayoutTest::theFocusStartsOnTheList()
{
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), m_window->List1[0]);
}

void WindowLayoutTest::tabVisitsTheControlsInTheFormsOrder()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->Text1[0]->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), m_window->Text1[0]);

    // The indicators are disabled and the labels, frame and picture take no
    // focus; locked value fields do.
    const QStringList expected = {"Text1(1)", "Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)", "Text2(4)",
        "Text2(5)", "Command5", "Command4", "List1(0)", "Command1(0)", "Command1(1)", "List1(1)", "Text2(6)",
        "Text2(7)", "Command1(2)", "Text2(8)", "Language", "Text1(0)"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

// From the mode's button: the choice of the next problem, the problem, the
// answers shown, then the buttons under the picture; hidden answer rows and
// the other modes' controls are passed over.
void WindowLayoutTest::tabVisitsThePracticeModeInReadingOrder()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    test::click(*m_window->Command5);
    m_window->Command5->setFocus();
    // The problem drawn first has its own symbols: the answers' names are
    // the panel's.
    QStringList expected = {"Вид задача", "Ниво", "Номер на задачата", "Задача"};
    for (std::size_t k = 0; k < m_window->Practice1->answersShown(); ++k)
        expected << m_window->Practice1->answer(k).accessibleName();
    expected << "Провери"
             << "Подсказка"
             << "Решение"
             << "Нова задача"
             << "Работен лист"
             << "Всякакви три елемента";
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->accessibleName();
    }
    QCOMPARE(visited, expected);
}

void WindowLayoutTest::eachAltLetterReachesOneControl_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("mode"); // 0 the list, 1 any three elements, 2 practice, 3 the worksheet's settings
    for (const QString language : {"bg", "en"}) {
        for (int mode = 0; mode < 4; ++mode)
            QTest::addRow("%s, mode %d", qPrintable(language), mode) << language << mode;
    }
}

// The letters Alt takes in what is on view: no two controls share one.
void WindowLayoutTest::eachAltLetterReachesOneControl()
{
    QFETCH(QString, language);
    QFETCH(int, mode);
    m_window->setLanguage(*triangle::wording::languageFor(language.toStdString()));
    if (mode == 1)
        test::click(*m_window->Command4);
    if (mode == 2)
        test::click(*m_window->Command5);
    std::unique_ptr<WorksheetDialog> dialog;
    QWidget *shown = m_window.get();
    if (mode == 3) {
        dialog = std::make_unique<WorksheetDialog>(
            triangle::NumberFormat {","}, m_window->language(), triangle::WorksheetOptions {}, nullptr);
        dialog->show();
        shown = dialog.get();
    }
    std::set<QString> letters;
    for (QWidget *widget : shown->findChildren<QWidget *>()) {
        QString text;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            text = button->text();
        else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            text = label->text();
        const auto mark = text.indexOf(u'&');
        if (!widget->isVisibleTo(shown) || mark < 0 || mark + 1 >= text.size())
            continue;
        QVERIFY2(letters.insert(text.mid(mark + 1, 1).toLower()).second, qPrintable(text));
    }
    QVERIFY(letters.size() >= 3);
}

void WindowLayoutTest::screenReadersHearTheControlsByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    const QStringList fieldNames = {"ъгъл BAC", "ъгъл ABC", "ъгъл ACB", "страна a", "страна b", "страна c",
        "лице S", "радиус R", "периметър P"};
    for (int i = 0; i < fieldNames.size(); ++i)
        QTest::addRow("value field %d", i) << QStringLiteral("Text2(%1)").arg(i) << fieldNames[i];
    QTest::newRow("compute button") << "Command1(0)"
                                    << "Изчисли";
    QTest::newRow("clear button") << "Command1(1)"
                                  << "Изчисти";
    QTest::newRow("sample button") << "Command1(2)"
                                   << "Провери";
    QTest::newRow("other-triangle button") << "Command2"
                                           << "Друг триъгълник";
    QTest::newRow("combination list") << "List1(0)"
                                      << "Стойности за:";
    QTest::newRow("combination strings") << "List1(1)"
                                         << "Низове на комбинациите";
    QTest::newRow("note box") << "Text1(0)"
                              << "Бележка";
    QTest::newRow("motto box") << "Text1(1)"
                               << "Мото";
    QTest::newRow("picture") << "Picture1"
                             << "Чертеж";
    QTest::newRow("practice mode") << "Command5"
                                   << "Упражнение";
    QTest::newRow("check button") << "Command6(0)"
                                  << "Провери";
    QTest::newRow("hint button") << "Command6(1)"
                                 << "Подсказка";
    QTest::newRow("practice solution button") << "Command6(2)"
                                              << "Решение";
    QTest::newRow("new problem button") << "Command6(3)"
                                        << "Нова задача";
    QTest::newRow("worksheet button") << "Command6(4)"
                                      << "Работен лист";
    // Qt's own combo box on Linux would say its current text, "BG".
    QTest::newRow("language choice") << "Language"
                                     << "Език / Language";
}

void WindowLayoutTest::screenReadersHearTheControlsByName()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control(name));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), spoken);
}

// It is shown only for data that fit more than one triangle, and then must
// hide no control of the form.
void WindowLayoutTest::theOtherTriangleButtonFillsFreeSpaceUnderThePicture()
{
    const QRect button = control("Command2")->geometry();
    QVERIFY(m_window->rect().contains(button));
    for (QWidget *child : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName() != "Command2" && !child->isWindow() && child->isVisible())
            QVERIFY2(!child->geometry().intersects(button), qPrintable(child->objectName()));
    }
    QVERIFY(button.top() >= control("Picture1")->geometry().bottom());
    QVERIFY(button.bottom() < control("Command1(0)")->geometry().top());
    QVERIFY(button.height() >= 18);
}

void WindowLayoutTest::whatAPersonReadsIsWholeOrMarkedAsCut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("combination");
    QTest::addColumn<QStringList>("given");
    // A = 30°, a = 5, b = 8 fit two triangles: every button is shown.
    const QStringList twoTriangles = {"30", "5", "8"};
    QTest::newRow("«Друг триъгълник»") << "Command2" << 24 << twoTriangles;
    QTest::newRow("«Решение»") << "Command3" << 24 << twoTriangles;
    QTest::newRow("«Изчисли»") << "Command1(0)" << 24 << twoTriangles;
    QTest::newRow("«Изчисти»") << "Command1(1)" << 24 << twoTriangles;
    QTest::newRow("«Провери»") << "Command1(2)" << 24 << twoTriangles;
    QTest::newRow("the combination string") << "List1(1)" << 24 << twoTriangles;
    QTest::newRow("the note in a flat triangle's enlarged picture")
        << "Picture1" << 0 << QStringList {"1", "1", "5"};
    QTest::newRow("a side of 101 digits") << "Text2(4)" << 0 << QStringList {"60", "60", "1e100"};
    QTest::newRow("«Упражнение»") << "Command5" << 24 << twoTriangles;
    QTest::newRow("«Всякакви три елемента»") << "Command4" << 24 << twoTriangles;
    // -1: the practice mode, its buttons under the picture.
    QTest::newRow("practice: «Провери»") << "Command6(0)" << -1 << QStringList {};
    QTest::newRow("practice: «Подсказка»") << "Command6(1)" << -1 << QStringList {};
    QTest::newRow("practice: «Решение»") << "Command6(2)" << -1 << QStringList {};
    QTest::newRow("practice: «Нова задача»") << "Command6(3)" << -1 << QStringList {};
    QTest::newRow("practice: «Работен лист…»") << "Command6(4)" << -1 << QStringList {};
}

// Buttons and the one-row list stand apart from every other control, their
// captions whole inside them; the note of an enlarged picture is in a
// readable size inside its strip; a result cut at the field's edge says so.
void WindowLayoutTest::whatAPersonReadsIsWholeOrMarkedAsCut()
{
    QFETCH(QString, name);
    QFETCH(int, combination);
    QFETCH(QStringList, given);
    if (combination < 0)
        test::click(*m_window->Command5);
    else
        test::solve(*m_window, combination, given);
    QWidget &shown = *control(name);
    QVERIFY(shown.isVisible());

    if (auto *field = qobject_cast<ValueField *>(&shown))
        verifyCutIsMarked(*field);
    else if (const auto *picture = qobject_cast<PictureBox *>(&shown))
        verifyNoteIsReadable(*picture);
    else
        verifyStandsApartShowingItsCaption(shown);
}

void WindowLayoutTest::verifyStandsApartShowingItsCaption(QWidget &shown) const
{
    constexpr int kLeastGap = 4;
    const QRect place = shown.geometry();
    QVERIFY(m_window->rect().contains(place));
    const QRect withGap = place.marginsAdded(QMargins(kLeastGap, kLeastGap, kLeastGap, kLeastGap));
    for (QWidget *other : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        // A control of another mode is hidden and may share the place.
        if (other != &shown && !other->isWindow() && other->isVisible())
            QVERIFY2(!other->geometry().intersects(withGap), qPrintable(other->objectName()));
    }
    if (auto *list = qobject_cast<QListWidget *>(&shown)) {
        QVERIFY(list->sizeHintForRow(0) <= list->viewport()->height());
        QVERIFY(list->sizeHintForColumn(0) <= list->viewport()->width());
        return;
    }
    auto &button = dynamic_cast<QPushButton &>(shown);
    // Tall enough for its caption's line and the style's borders.
    QVERIFY2(
        button.height() >= button.fontMetrics().height() + 6, qPrintable(QString::number(button.height())));
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect inside = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const int captionWidth = button.fontMetrics().horizontalAdvance(QString(button.text()).remove(u'&'));
    QVERIFY2(captionWidth <= inside.width(),
        qPrintable(QStringLiteral("%1 > %2").arg(captionWidth).arg(inside.width())));
}

// At least three quarters of the window's text, all its words, within the
// strip and its margins.
void WindowLayoutTest::verifyNoteIsReadable(const PictureBox &picture) const
{
    const triangle::geometry::PictureLayout layout = picture.pictureLayout();
    QVERIFY(layout.enlarged);
    const QRectF strip = toQt(layout.noteStrip);
    const QString text = utf8(m_window->language().window.enlargedPicture);
    const StripNote note = enlargedNote(text, picture.font(), strip, layout.letterSize);
    const QFontMetricsF metrics(note.font);
    QVERIFY2(note.font.pixelSize() * 4 >= QFontInfo(m_window->font()).pixelSize() * 3,
        qPrintable(QString::number(note.font.pixelSize())));
    QCOMPARE(note.lines.join(u' '), text);
    QVERIFY(note.lines.size() * metrics.lineSpacing() <= strip.height() - 1);
    for (const QString &line : note.lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= strip.width() - 4, qPrintable(line));
}

namespace {

// How tall the dark ink of the text's last `width` pixels stands: a digit
// fills the line's height, an ellipsis' dots only its foot.
int inkHeightAtTheEnd(ValueField &field, int width)
{
    const QImage image = field.grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const int frame = static_cast<int>(3 * scale);
    const QRect inside = image.rect().adjusted(frame, frame, -frame, -frame);
    int last = -1;
    int top = image.height();
    int bottom = -1;
    for (int x = inside.right(); x >= inside.left(); --x) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) >= 96)
                continue;
            last = last < 0 ? x : last;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        if (last >= 0 && x <= last - width * scale)
            break;
    }
    return static_cast<int>((bottom - top + 1) / scale);
}

} // namespace

// While another control has the focus an ellipsis ends the cut text; with
// the focus the field shows its digits to the edge.
void WindowLayoutTest::verifyCutIsMarked(ValueField &field)
{
    QVERIFY(!field.textFits());
    QVERIFY(!field.hasFocus());
    const int ellipsis = field.fontMetrics().boundingRect(QChar(0x2026)).width();
    const int lineHeight = field.fontMetrics().height();
    const int unfocused = inkHeightAtTheEnd(field, ellipsis);
    QVERIFY2(unfocused > 0 && unfocused <= lineHeight / 4, qPrintable(QString::number(unfocused)));

    field.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(field.window()));
    field.setFocus();
    QTRY_VERIFY(field.hasFocus());
    QVERIFY(inkHeightAtTheEnd(field, ellipsis) >= lineHeight / 2);
}

TRIANGLE_WINDOW_TEST_MAIN(WindowLayoutTest)
#include "test_window_layout.moc"
