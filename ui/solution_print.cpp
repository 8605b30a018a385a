// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/solution_print.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/picture_object.h"
#include "ui/solution_lines.h"
#include "wording/solution_text.h"

namespace triangle::ui {

namespace {

constexpr double kPictureCentimetres = 7.0;

void insertTitle(QTextCursor &cursor, const SolutionPage &page)
{
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignHCenter);
    block.setBottomMargin(page.font.pointSizeF());
    QTextCharFormat characters;
    characters.setFontWeight(QFont::Bold);
    characters.setFontPointSize(page.font.pointSizeF() * 1.5);
    cursor.setBlockFormat(block);
    cursor.insertText(page.title, characters);
}

void insertPicture(QTextCursor &cursor, const SolutionPage &page)
{
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignHCenter);
    block.setBottomMargin(page.font.pointSizeF());
    cursor.insertBlock(block);
    QTextCharFormat picture;
    picture.setObjectType(PictureObject::kType);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), picture);
}

// Each line its own paragraph, a little apart, so that a step that wraps
// still reads as one.
void insertLines(QTextCursor &cursor, const SolutionPage &page)
{
    QTextBlockFormat block;
    block.setBottomMargin(page.font.pointSizeF() / 2);
    // Paper wraps the lines: none ends between a value and its sign.
    const QString text
        = QString::fromStdString(triangle::wording::withSignsKeptToTheirValues(page.text.toStdString()));
    writeSolutionLines(*cursor.document(), text.split(u'\n', Qt::SkipEmptyParts).join(u'\n'), block);
}

} // namespace

void printSolution(const SolutionPage &page, QPagedPaintDevice &device)
{
    // The picture outlives the document that draws it.
    std::optional<PictureObject> picture;
    QTextDocument document;
    document.setDefaultFont(page.font);
    if (page.picture) {
        picture.emplace(*page.picture, kPictureCentimetres, page.enlargedNote, page.marked);
        document.documentLayout()->registerHandler(PictureObject::kType, &*picture);
    }
    QTextCursor cursor(&document);
    insertTitle(cursor, page);
    if (picture)
        insertPicture(cursor, page);
    insertLines(cursor, page);
    document.print(&device);
}

} // namespace triangle::ui
