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

namespace {

/// Whether an HTML reader would fold the spaces of `text`: a run of them, one at either end, or a
/// tab. Only such a cell needs to say that its spaces are kept.
bool foldsSpaces(QStringView text) {
    if (text.isEmpty())
        return false;
    if (text.front() == u' ' || text.back() == u' ')
        return true;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\t' || (text[i] == u' ' && i + 1 < text.size() && text[i + 1] == u' '))
            return true;
    return false;
}

/// What a character is written as: itself (empty), an entity, or <br> for a line break.
QLatin1StringView escapeOf(QChar c) {
    switch (c.unicode()) {
    case u'<':
        return QLatin1StringView("&lt;");
    case u'>':
        return QLatin1StringView("&gt;");
    case u'&':
        return QLatin1StringView("&amp;");
    case u'"':
        return QLatin1StringView("&quot;");
    case u'\n':
        return QLatin1StringView("<br>");
    default:
        return {};
    }
}

/// Writes HTML into a buffer sized beforehand: a first pass with `out` null only counts.
class HtmlWriter {
public:
    explicit HtmlWriter(char16_t* out) : out(out) {}
    void put(QLatin1StringView markup) {
        if (out)
            for (qsizetype i = 0; i < markup.size(); ++i)
                out[length + i] = char16_t(uchar(markup.data()[i]));
        length += markup.size();
    }
    /// `text`, its markup characters escaped and its line breaks as <br>.
    void putEscaped(QStringView text) {
        for (const QChar c : text) {
            if (const QLatin1StringView escape = escapeOf(c); !escape.isEmpty())
                put(escape);
            else if (out)
                out[length++] = c.unicode();
            else
                ++length;
        }
    }
    qsizetype size() const { return length; }

private:
    char16_t* out;
    qsizetype length = 0;
};

void writeTable(HtmlWriter& html, const QList<QStringList>& rows) {
    html.put(QLatin1StringView("<html><head><meta charset=\"utf-8\"></head><body><table>"));
    for (const QStringList& row : rows) {
        html.put(QLatin1StringView("<tr>"));
        for (const QString& cell : row) {
            // Spaces kept as typed where a reader would fold them.
            html.put(foldsSpaces(cell) ? QLatin1StringView("<td style=\"white-space:pre-wrap\">")
                                       : QLatin1StringView("<td>"));
            html.putEscaped(cell);
            html.put(QLatin1StringView("</td>"));
        }
        html.put(QLatin1StringView("</tr>"));
    }
    html.put(QLatin1StringView("</table></body></html>"));
}

} // namespace

QString toHtmlTable(const QList<QStringList>& rows) {
    HtmlWriter counter(nullptr);
    writeTable(counter, rows);
    QString html(counter.size(), Qt::Uninitialized);
    HtmlWriter writer(reinterpret_cast<char16_t*>(html.data()));
    writeTable(writer, rows);
    return html;
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
