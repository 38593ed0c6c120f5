// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// htmltable.cpp - cells as an HTML table.
#include "htmltable.h"

#include "markupwriter.h"
#include "numberformat.h"
#include "platform/conversions.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <iterator>
#include <utility>

namespace clipboard {
namespace {
constexpr QChar kFrameStart(0xFDD0);
constexpr QChar kFrameEnd(0xFDD1);
} // namespace

namespace {

/// Whether an HTML reader would fold the spaces of `text`: a run of them, one at either end of a
/// line, or a tab. Only such a cell needs to say that its spaces are kept.
bool foldsSpaces(QStringView text) {
    if (text.isEmpty())
        return false;
    if (text.front() == u' ' || text.back() == u' ' || text.contains(u'\t'))
        return true;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = text[i + 1];
        if ((c == u' ' && (next == u' ' || next == u'\n')) || (c == u'\n' && next == u' '))
            return true;
    }
    return false;
}

} // namespace

QByteArray toHtmlTable(const CopiedCells& cells) {
    return MarkupWriter::written([&cells](MarkupWriter& html) {
        html.put(QLatin1StringView("<html><head><meta charset=\"utf-8\"></head><body><table>"));
        for (qsizetype row = 0; row < cells.rowCount(); ++row) {
            html.put(QLatin1StringView("<tr>"));
            for (qsizetype col = 0; col < cells.columnCount(); ++col) {
                const QStringView cell = cells.at(row, col);
                html.put(QLatin1StringView("<td"));
                // LibreOffice reads sdval as the cell's number and the format "@" as text, so that
                // neither a number nor a text that looks like one (007, 1E5, =1+1) changes.
                const std::optional<std::int32_t> number = cells.numberAt(row, col);
                if (number) {
                    html.put(QLatin1StringView(" sdval=\""));
                    html.put(platform::IntDigits(*number).view());
                    html.put(QLatin1StringView("\" sdnum=\"1033;\""));
                } else if (!cell.isEmpty()) {
                    html.put(QLatin1StringView(" sdnum=\"1033;0;@\""));
                }
                // Spaces kept as typed where a reader would fold them: by the style for browsers,
                // as entities for LibreOffice.
                const bool keepSpaces = foldsSpaces(cell);
                if (keepSpaces)
                    html.put(QLatin1StringView(" style=\"white-space:pre-wrap\""));
                // LibreOffice gives pasted cells the serif font of its HTML pages unless each cell
                // names one (it reads no style sheet for them): its own default for sheets.
                html.put(QLatin1StringView("><font face=\"Liberation Sans\">"));
                html.putEscaped(cell, QLatin1StringView("<br>"), keepSpaces);
                // A browser shows no last line break: one more for a text that ends with one.
                if (cell.endsWith(u'\n'))
                    html.put(QLatin1StringView("<br>"));
                html.put(QLatin1StringView("</font></td>"));
            }
            html.put(QLatin1StringView("</tr>"));
        }
        html.put(QLatin1StringView("</table></body></html>"));
    });
}

namespace {

/// The characters that an HTML reader keeps as they are but QTextDocument changes: every space
/// separator but the plain and the no-break, which a browser does not fold and QTextDocument folds
/// into a plain space, and the line and paragraph separators, which a browser shows as they are and
/// QTextDocument reads as a line break.
constexpr char16_t kKeptSpaces[] = {u'\u1680', u'\u2000', u'\u2001', u'\u2002', u'\u2003',
                                    u'\u2004', u'\u2005', u'\u2006', u'\u2007', u'\u2008',
                                    u'\u2009', u'\u200A', u'\u202F', u'\u205F', u'\u3000',
                                    u'\u2028', u'\u2029'};
/// Where a kept character waits while QTextDocument reads the HTML: noncharacters, which are not
/// for interchange (the reader takes one that arrives as U+FFFD).
constexpr char16_t kFirstStandIn = u'\uFDD2';

int keptSpaceIndex(char32_t c) {
    for (std::size_t i = 0; i < std::size(kKeptSpaces); ++i)
        if (kKeptSpaces[i] == c)
            return int(i);
    return -1;
}

/// The character that the entity at the start of `text` ("&#8201;", "&thinsp;") stands for, and
/// its length; none for an entity of anything but a kept space.
std::optional<std::pair<char32_t, qsizetype>> keptSpaceEntity(QStringView text) {
    const qsizetype end = text.left(12).indexOf(u';');
    if (end < 3)
        return std::nullopt;
    const QStringView name = text.sliced(1, end - 1);
    char32_t c = 0;
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        c = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok)
            return std::nullopt;
    } else if (name == u"ensp") {
        c = U'\u2002';
    } else if (name == u"emsp") {
        c = U'\u2003';
    } else if (name == u"thinsp") {
        c = U'\u2009';
    }
    if (keptSpaceIndex(c) < 0)
        return std::nullopt;
    return std::pair{c, end + 1};
}

/// `html` with every kept character, written or as an entity, in its stand-in, and the
/// noncharacters that QTextDocument and the stand-ins use as U+FFFD.
QString standInKeptSpaces(const QString& html) {
    QString out;
    out.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        if (html[i] >= u'\uFDD0' && html[i] <= u'\uFDEF') {
            out += QChar::ReplacementCharacter;
        } else if (const int kept = keptSpaceIndex(html[i].unicode()); kept >= 0) {
            out += QChar(kFirstStandIn + kept);
        } else if (html[i] == u'&') {
            if (const auto entity = keptSpaceEntity(QStringView(html).sliced(i))) {
                out += QChar(kFirstStandIn + keptSpaceIndex(entity->first));
                i += entity->second - 1;
            } else {
                out += u'&';
            }
        } else {
            out += html[i];
        }
    }
    return out;
}

/// A cell's text as QTextDocument holds it, as the cell reads: paragraphs and line breaks (U+2029,
/// U+2028) as line breaks, a nested table's cells on lines of their own, the kept spaces back,
/// and no line break at the end, which a browser does not show either.
QString shownText(QString read) {
    // A table inside the cell is framed by U+FDD0 before each of its cells and U+FDD1 after it.
    const bool framed = read.startsWith(kFrameStart);
    read.remove(kFrameEnd)
        .replace(kFrameStart, u'\n')
        .replace(QChar::ParagraphSeparator, u'\n')
        .replace(QChar::LineSeparator, u'\n');
    if (framed)
        read.remove(0, 1);
    for (QChar& c : read)
        if (c.unicode() >= kFirstStandIn && c.unicode() < kFirstStandIn + std::size(kKeptSpaces))
            c = QChar(kKeptSpaces[c.unicode() - kFirstStandIn]);
    if (read.endsWith(u'\n'))
        read.chop(1);
    return read;
}

/// The value of the attribute `name` in a tag's text, its entities of quotes and ampersands read;
/// null without one. Looks for the name alone, as a light reader may.
QString attributeValue(QStringView tag, QStringView name) {
    const qsizetype at = tag.indexOf(name, 0, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    qsizetype i = at + name.size();
    while (i < tag.size() && tag[i] == u' ')
        ++i;
    if (i >= tag.size() || tag[i] != u'=')
        return QString::fromLatin1(""); // there, without a value
    ++i;
    while (i < tag.size() && tag[i] == u' ')
        ++i;
    const QChar quote = i < tag.size() && (tag[i] == u'"' || tag[i] == u'\'') ? tag[i] : QChar();
    if (!quote.isNull())
        ++i;
    qsizetype end = i;
    while (end < tag.size() && (quote.isNull() ? tag[end] != u' ' : tag[end] != quote))
        ++end;
    return tag.sliced(i, end - i)
        .toString()
        .replace(QLatin1StringView("&quot;"), QLatin1StringView("\""))
        .replace(QLatin1StringView("&#39;"), QLatin1StringView("'"))
        .replace(QLatin1StringView("&amp;"), QLatin1StringView("&"));
}

/// How many columns or rows a cell's tag says it spans (colspan, rowspan); 1 without a number.
int span(QStringView tag, QStringView name) {
    const QString value = attributeValue(tag, name);
    qsizetype digits = 0;
    while (digits < value.size() && value[digits].isDigit())
        ++digits;
    return std::max(1, QStringView(value).left(digits).toInt());
}

/// Walks the tags of the document's first table as a light reader sees them, without building a
/// text: `sink.row()` at each of its rows, `sink.cell(tag)` at each of its cells (the tag's text),
/// not those of a table nested in one. False when the document holds no table. Linear.
template <typename Sink> bool walkTableTags(QStringView html, Sink& sink) {
    int depth = 0;
    bool seen = false;
    bool inRow = false;
    qsizetype i = 0;
    while ((i = html.indexOf(u'<', i)) >= 0) {
        if (html.sliced(i).startsWith(u"<!--")) {
            const qsizetype end = html.indexOf(u"-->", i + 4);
            if (end < 0)
                break;
            i = end + 3;
            continue;
        }
        const qsizetype close = html.indexOf(u'>', i);
        if (close < 0)
            break;
        QStringView tag = html.sliced(i + 1, close - i - 1);
        i = close + 1;
        const bool ending = tag.startsWith(u'/');
        if (ending)
            tag = tag.sliced(1);
        qsizetype nameEnd = 0;
        while (nameEnd < tag.size() && tag[nameEnd].isLetterOrNumber())
            ++nameEnd;
        const QStringView name = tag.left(nameEnd);
        const auto is = [name](const char16_t* tagName) {
            return name.compare(QStringView(tagName), Qt::CaseInsensitive) == 0;
        };
        if (is(u"table")) {
            if (!ending) {
                seen = true;
                ++depth;
            } else if (depth > 0 && --depth == 0) {
                return true;
            }
            continue;
        }
        if (depth != 1 || ending)
            continue;
        if (is(u"tr")) {
            sink.row();
            inRow = true;
        } else if (is(u"td") || is(u"th")) {
            if (!inRow) // a cell before any row opens one
                sink.row();
            inRow = true;
            sink.cell(tag);
        }
    }
    return seen;
}

} // namespace

std::optional<std::vector<int>> htmlTableRowWidths(QStringView html) {
    struct Widths {
        std::vector<int> widths;
        void row() { widths.push_back(0); }
        void cell(QStringView tag) { widths.back() += span(tag, u"colspan"); }
    } counter;
    if (!walkTableTags(html, counter))
        return std::nullopt;
    return std::move(counter.widths);
}

std::vector<HeldNumber> htmlTableNumbers(QStringView html) {
    struct Numbers {
        std::vector<HeldNumber> numbers;
        qsizetype at = -1; ///< the row being read
        qsizetype column = 0;
        bool spansRows = false;
        void row() {
            ++at;
            column = 0;
        }
        void cell(QStringView tag) {
            spansRows = spansRows || span(tag, u"rowspan") > 1;
            QString value = attributeValue(tag, u"sdval");
            if (!value.isNull()) {
                // sdnum is the language, a system number, then the format's code
                const QString format = attributeValue(tag, u"sdnum");
                const qsizetype first = format.indexOf(u';');
                const qsizetype second = first < 0 ? -1 : format.indexOf(u';', first + 1);
                const QStringView code =
                    second < 0 ? QStringView() : QStringView(format).sliced(second + 1);
                if (showsAsNumber(code))
                    numbers.push_back({at, column, std::move(value)});
            }
            column += span(tag, u"colspan");
        }
    } reader;
    walkTableTags(html, reader);
    if (reader.spansRows)
        return {};
    return std::move(reader.numbers);
}

std::optional<TableShape> htmlTableShape(QStringView html) {
    const std::optional<std::vector<int>> widths = htmlTableRowWidths(html);
    if (!widths)
        return std::nullopt;
    TableShape shape;
    for (const int width : *widths)
        shape.addRow(width);
    return shape;
}

std::optional<QList<QStringList>> fromHtmlTable(const QString& html) {
    QTextDocument document;
    document.setHtml(standInKeptSpaces(html));
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
            rows[r][c] = shownText(text.selectedText());
        }
    // The reader pads every row to the widest; a row keeps only the cells it holds itself, so that
    // a row too wide is told by its own cells.
    const std::optional<std::vector<int>> widths = htmlTableRowWidths(html);
    if (widths && widths->size() == std::size_t(rows.size()))
        for (qsizetype r = 0; r < rows.size(); ++r)
            while (rows[r].size() > (*widths)[std::size_t(r)] && rows[r].last().isEmpty())
                rows[r].removeLast();
    return rows;
}

} // namespace clipboard
