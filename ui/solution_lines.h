// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextBlockFormat;
class QTextDocument;

namespace triangle::ui {

// Writes the solution's plain text into `document` as the window and paper
// show it: one paragraph a line in `block`'s format, the indices of h_a, m_a,
// l_a as subscripts. The document's plain text, which a screen reader reads
// and a copy takes, stays the solution's plain text.
void writeSolutionLines(QTextDocument &document, const QString &plain, const QTextBlockFormat &block);

} // namespace triangle::ui
