// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a screen reader meets it: every request announced, as an
// alert when it went wrong, the list's rows in words, and the picture
// described. Announcements are caught as the accessibility layer raises
// them.

#include <vector>

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "ui/announcer.h"
#include "window_test_support.h"

using namespace triangle::ui;

namespace {

struct Heard {
    bool alert = false;
    QString text;
};

// What the window announced since the list was last cleared: an alert
// raised as one, or a notification appearing.
std::vector<Heard> &heard()
{
    static std::vector<Heard> announcements;
    return announcements;
}

void listen(QAccessibleEvent *event)
{
    QAccessibleInterface *source = event->accessibleInterface();
    if (source == nullptr)
        return;
    if (event->type() == QAccessible::Alert)
        heard().push_back({true, source->text(QAccessible::Name)});
    else if (event->type() == QAccessible::ObjectShow && source->role() == QAccessible::Notification)
        heard().push_back({false, source->text(QAccessible::Name)});
}

const QLocale kBulgarian(QLocale::Bulgarian, QLocale::Bulgaria);

} // namespace

class WindowScreenReaderTest : public QObject {
    Q_OBJECT

private slots:
    // Qt raises accessibility events only while a screen reader listens;
    // the platform's bridge turns them on when one does, the test here.
    void initTestCase()
    {
        QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform != nullptr);
        QAccessible::installUpdateHandler(listen);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }

    void everyRequestIsAnnounced_data();
    void everyRequestIsAnnounced();
    void theListsRowsAreReadInWords_data();
    void theListsRowsAreReadInWords();
    void thePictureDescribesTheTriangleItShows_data();
    void thePictureDescribesTheTriangleItShows();
    void theModeFollowsTheToggleAction();
    void aChangeOfLanguageLeavesNoAnnouncementInTheOther();
};

// The last announcement was in the language left: a screen reader that
// reads the announcer again finds nothing rather than the other language.
void WindowScreenReaderTest::aChangeOfLanguageLeavesNoAnnouncementInTheOther()
{
    const auto window = test::openWindow(kBulgarian);
    test::solve(*window, 21, {"60", "5", "8"});
    const auto *announcer = window->findChild<Announcer *>();
    QVERIFY(announcer != nullptr && !announcer->text().isEmpty());
    window->setLanguage(triangle::wording::kEnglish);
    QVERIFY(announcer->text().isEmpty());
}

// A screen reader switches «Всякакви три елемента» by its toggle action,
// which changes the button's state without a click: the view follows it.
void WindowScreenReaderTest::theModeFollowsTheToggleAction()
{
    const auto window = test::openWindow(kBulgarian);
    QAccessibleInterface *mode = QAccessible::queryAccessibleInterface(window->Command4);
    QVERIFY(mode->actionInterface() != nullptr);
    for (const bool elements : {true, false}) {
        mode->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(window->Command4->isChecked(), elements);
        QCOMPARE(window->Elements1->isVisibleTo(window.get()), elements);
        QCOMPARE(window->List1[0]->isVisibleTo(window.get()), !elements);
    }
}

void WindowScreenReaderTest::everyRequestIsAnnounced_data()
{
    QTest::addColumn<int>("combination");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<bool>("alert");
    QTest::addColumn<QString>("text");
    QTest::newRow("solved: the computed sides, S, R and P")
        << 21 << QStringList {"60", "5", "8"} << false << "Решено: c = 7, S = 17,3205, R = 4,0415, P = 20";
    QTest::newRow("solved, and another triangle fits")
        << 24 << QStringList {"30", "5", "8"} << false
        << "Решено: c = 9,9282, S = 19,8564, R = 5, P = 22,9282. Данните допускат и друг триъгълник.";
    QTest::newRow("solved with sides of 1e154: in powers of ten")
        << 0 << QStringList {"60", "60", "1e154"} << false
        << "Решено: b = 1·10¹⁵⁴, c = 1·10¹⁵⁴, S = 4,3301·10³⁰⁷, R = 5,7735·10¹⁵³, P = 3·10¹⁵⁴";
    QTest::newRow("invalid input") << 0 << QStringList {"30", "60", ""} << true
                                   << "Грешно въведени входни данни!";
    QTest::newRow("an arithmetic fault")
        << 21 << QStringList {"60", "1e200", "1e200"} << true << "Грешка при изчислението: препълване.";
    QTest::newRow("no real triangle")
        << 24 << QStringList {"30", "1", "8"} << true
        << "Няма триъгълник с тези данни: стойностите са изчислени, но не описват реален триъгълник.";
    QTest::newRow("two given angles of 180° together")
        << 8 << QStringList {"90", "90", "10"} << true
        << "Няма триъгълник с тези данни: сборът на всеки два ъгъла на триъгълник е по-малък от 180°.";
}

void WindowScreenReaderTest::everyRequestIsAnnounced()
{
    QFETCH(int, combination);
    QFETCH(QStringList, given);
    QFETCH(bool, alert);
    QFETCH(QString, text);
    const auto window = test::openWindow(kBulgarian);
    test::selectCombination(*window, combination);
    heard().clear();

    test::solve(*window, combination, given);

    QCOMPARE(heard().size(), std::size_t {1});
    QCOMPARE(heard().front().alert, alert);
    QCOMPARE(heard().front().text, text);
}

void WindowScreenReaderTest::theListsRowsAreReadInWords_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("words");
    QTest::newRow("row 0") << 0 << " 0: A,B,a,"
                           << "ъгъл A, ъгъл B, страна a";
    QTest::newRow("row 21") << 21 << " 21: C,a,b,"
                            << "ъгъл C, страна a, страна b";
    QTest::newRow("row 36") << 36 << " 36: a,S,R,"
                            << "страна a, лице S, радиус R";
}

void WindowScreenReaderTest::theListsRowsAreReadInWords()
{
    QFETCH(int, row);
    QFETCH(QString, label);
    QFETCH(QString, words);
    const auto window = test::openWindow();
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(window->List1[0]);
    QVERIFY(list && list->childCount() == triangle::kCombinationCount);

    QCOMPARE(window->List1[0]->item(row)->text(), label);
    QCOMPARE(list->child(row)->text(QAccessible::Name), words);
}

void WindowScreenReaderTest::thePictureDescribesTheTriangleItShows_data()
{
    QTest::addColumn<int>("combination");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QString>("description");
    QTest::newRow("at start-up") << -1 << QStringList()
                                 << "Триъгълник ABC, вписан в окръжност: страна c отдолу, върхът C отгоре";
    QTest::newRow("a solved triangle")
        << 21 << QStringList {"60", "5", "8"}
        << "Триъгълник със страни 5, 8 и 7 и ъгли 38,2°, 81,8° и 60°, вписан в окръжност с център O";
    // 1.38815 is a hair below itself as a double, which rounds to 1,3881.
    QTest::newRow("a typed halfway side, said as its field shows it")
        << 51 << QStringList {"1,38815", "2", "2"}
        << "Триъгълник със страни 1,38815, 2 и 2 и ъгли 40,6°, 69,7° и 69,7°, вписан в окръжност с център O";
    QTest::newRow("a nearly flat triangle, enlarged")
        << 21 << QStringList {"179", "5", "8"}
        << "Триъгълник със страни 5, 8 и 12,9995 и ъгли 0,4°, 0,6° и 179°, вписан в окръжност с център O. "
           "Увеличен, окръжността се вижда отчасти";
}

void WindowScreenReaderTest::thePictureDescribesTheTriangleItShows()
{
    QFETCH(int, combination);
    QFETCH(QStringList, given);
    QFETCH(QString, description);
    const auto window = test::openWindow(kBulgarian);

    if (combination >= 0)
        test::solve(*window, combination, given);

    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(window->Picture1);
    QCOMPARE(picture->role(), QAccessible::Graphic);
    QCOMPARE(picture->text(QAccessible::Name), "Чертеж");
    QCOMPARE(picture->text(QAccessible::Description), description);
    QCOMPARE(window->Picture1->isEnlarged(), description.contains("Увеличен"));
}

TRIANGLE_WINDOW_TEST_MAIN(WindowScreenReaderTest)
#include "test_window_screen_reader.moc"
