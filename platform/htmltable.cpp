// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// htmltable.cpp - cells as an HTML table.
#include "htmltable.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace platform {
namespace {
constexpr QChar kFrameStart(0xFDD0);
constexpr QChar kFrameEnd(0xFDD1);
} // namespace

QString toHtmlTable(const QList<QStringList>& rows) {
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>");
    for (const QStringList& row : rows) {
        html += QLatin1String("<tr>");
        for (const QString& cell : row) {
            // Spaces kept as typed; a line break is a line break inside the cell.
            html += QLatin1String("<td style=\"white-space:pre-wrap\">");
            html += cell.toHtmlEscaped().replace(u'\n', QLatin1String("<br>"));
            html += QLatin1String("</td>");
        }
        html += QLatin1String("</tr>");
    }
    return html + QLatin1String("</table></body></html>");
}

std::optional<QList<QStringList>> fromHtmlTable(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QTextTable* table = nullptr;
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if ((table = qobject_cast<QTextTable*>(frame)))
            break;
    if (!table)
        return std::nullopt;
    QList<QStringList> rows(table->rows(), QStringList(table->columns()));
    for (int r = 0; r < table->rows(); ++r)
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue; // covered by a cell that spans it
            QTextCursor text = cell.firstCursorPosition();
            text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            // Paragraphs and line breaks come as U+2029 and U+2028; a table inside the cell is
            // framed by U+FDD0 before each of its cells and U+FDD1 after it.
            QString read = text.selectedText();
            const bool framed = read.startsWith(kFrameStart);
            read.remove(kFrameEnd)
                .replace(kFrameStart, u'\n')
                .replace(QChar::ParagraphSeparator, u'\n')
                .replace(QChar::LineSeparator, u'\n');
            if (framed)
                read.remove(0, 1);
            rows[r][c] = read;
        }
    return rows;
}

} // namespace platform
