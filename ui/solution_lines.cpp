// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/solution_lines.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "wording/solution_markup.h"

namespace triangle::ui {

void writeSolutionLines(QTextDocument &document, const QString &plain, const QTextBlockFormat &block)
{
    // The unseen "_" of an index: a speck too small to see, yet in the text
    // of a PDF, which leaves out what is transparent.
    document.setDefaultStyleSheet(QStringLiteral(".%1 { font-size: 1px; }")
                                      .arg(QString::fromUtf8(triangle::wording::kUnseenClass.data(),
                                          static_cast<qsizetype>(triangle::wording::kUnseenClass.size()))));
    const QString markup = QString::fromStdString(triangle::wording::solutionMarkup(plain.toStdString()));
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    bool first = document.isEmpty();
    for (const QString &line : markup.split(u'\n')) {
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, QTextCharFormat());
        first = false;
        if (!line.isEmpty())
            cursor.insertHtml(line);
    }
}

} // namespace triangle::ui
