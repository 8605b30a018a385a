// SPDX-License-Identifier: GPL-3.0-or-later
// The language tables: every text of one is in the other, with the same
// places to fill in; and no word for the user is left in the code of the
// window, the page or the command-line tool, where only one language would
// have it.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "wording/language.h"

using triangle::wording::allTexts;
using triangle::wording::kBulgarian;
using triangle::wording::kEnglish;

namespace {

// "%1", "%2", … in the text, in order.
QStringList placesToFill(std::string_view text)
{
    static const QRegularExpression place(QStringLiteral("%[1-9]"));
    QStringList places;
    for (const auto &match : place.globalMatch(QString::fromUtf8(text.data(), qsizetype(text.size()))))
        places << match.captured();
    places.sort();
    return places;
}

// The lines of the file's code with a Cyrillic letter inside quotes, its
// comments set aside.
QStringList cyrillicLiterals(const QString &path)
{
    static const QRegularExpression literal(
        QStringLiteral("[\"'`][^\"'`]*[\\x{0400}-\\x{04FF}][^\"'`]*[\"'`]"));
    static const QRegularExpression comment(QStringLiteral("^\\s*(//|\\*|/\\*|#|<!--)|\\s//\\s.*$"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {path + ": cannot read"};
    QStringList found;
    int number = 0;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        ++number;
        if (line.contains(comment) && !line.contains(QRegularExpression(QStringLiteral("\"[^\"]*//"))))
            continue;
        if (line.contains(literal))
            found << QStringLiteral("%1:%2: %3").arg(path).arg(number).arg(line.trimmed());
    }
    return found;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextIsInEveryLanguage()
    {
        const auto bulgarian = allTexts(kBulgarian);
        const auto english = allTexts(kEnglish);
        QCOMPARE(english.size(), bulgarian.size());
        for (std::size_t i = 0; i < bulgarian.size(); ++i) {
            const QString name = QString::fromStdString(bulgarian[i].name);
            QCOMPARE(QString::fromStdString(english[i].name), name);
            QVERIFY2(bulgarian[i].text.empty() == english[i].text.empty(), qPrintable(name));
            QVERIFY2(placesToFill(bulgarian[i].text) == placesToFill(english[i].text), qPrintable(name));
        }
    }

    void noWordForTheUserIsOutsideTheTables()
    {
        QStringList found;
        for (const char *folder : {"ui", "web/site", "tools", "session", "web"}) {
            QDirIterator files(QStringLiteral(TRIANGLE_SOURCE_DIR "/") + folder,
                {"*.cpp", "*.h", "*.js", "*.html.in"}, QDir::Files);
            while (files.hasNext())
                found << cyrillicLiterals(files.next());
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }
};

QTEST_APPLESS_MAIN(LanguagesTest)
#include "test_languages.moc"
