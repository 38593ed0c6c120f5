// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tabseparated.cpp - tab-separated lines.
#include "tabseparated.h"

#include "markupwriter.h"

#include <utility>

namespace clipboard {
namespace {

bool needsQuotes(QStringView cell) {
    for (const QChar c : cell)
        if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'"')
            return true;
    return false;
}

} // namespace

QByteArray toTabSeparated(const CopiedCells& cells) {
    return MarkupWriter::written([&cells](MarkupWriter& text) {
        for (qsizetype row = 0; row < cells.rowCount(); ++row) {
            for (qsizetype col = 0; col < cells.columnCount(); ++col) {
                if (col > 0)
                    text.put(QLatin1StringView("\t"));
                const QStringView cell = cells.at(row, col);
                if (!needsQuotes(cell)) {
                    text.put(cell);
                    continue;
                }
                text.put(QLatin1StringView("\""));
                qsizetype from = 0;
                for (qsizetype i = 0; i < cell.size(); ++i)
                    if (cell[i] == u'"') {
                        text.put(cell.sliced(from, i + 1 - from)); // the quote, then its double
                        from = i;
                    }
                text.put(cell.sliced(from));
                text.put(QLatin1StringView("\""));
            }
            text.put(QLatin1StringView("\n"));
        }
    });
}

namespace {

/// Where the quoted cell that starts at `open` ends: its closing quote, the first quote not
/// doubled, when a tab, a line end or the end of the text follows it; -1 when it is not so closed.
/// Linear in the distance to that quote.
qsizetype quotedCellEnd(QStringView text, qsizetype open) {
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text[i] != u'"')
            continue;
        if (i + 1 < text.size() && text[i + 1] == u'"') {
            ++i;
            continue;
        }
        const QStringView after = text.sliced(i + 1);
        return after.isEmpty() || after.front() == u'\t' || after.front() == u'\n' ||
                       after.startsWith(u"\r\n")
                   ? i
                   : -1;
    }
    return -1;
}

/// Walks tab-separated text as fromTabSeparated() reads it, telling `sink` each piece of a cell's
/// text (`text(view)`), each cell's end (`endCell()`) and each row's end (`endRow()`); a sink that
/// ignores the pieces builds nothing.
template <typename Sink> void walkTabSeparated(QStringView text, Sink& sink) {
    if (text.isEmpty())
        return;
    const qsizetype end = text.size();
    qsizetype i = 0;
    while (true) {
        // At the start of a cell. It is quoted when its closing quote ends it, as LibreOffice
        // writes a cell that holds a line break; a cell such as "q" x is read as it stands.
        if (const qsizetype close = i < end && text[i] == u'"' ? quotedCellEnd(text, i) : -1;
            close >= 0) {
            qsizetype start = ++i;
            for (; i < close; ++i)
                if (text[i] == u'"') {
                    sink.text(text.sliced(start, i + 1 - start)); // a doubled quote is one
                    start = ++i + 1;
                }
            if (start < close)
                sink.text(text.sliced(start, close - start));
            i = close + 1;
        }
        // The rest of the cell, read as it stands.
        const qsizetype start = i;
        while (i < end && text[i] != u'\t' && text[i] != u'\n' &&
               !(text[i] == u'\r' && i + 1 < end && text[i + 1] == u'\n'))
            ++i;
        if (i > start)
            sink.text(text.sliced(start, i - start));
        sink.endCell();
        if (i == end) {
            sink.endRow();
            return;
        }
        if (text[i] == u'\t') {
            ++i;
            continue;
        }
        i += text[i] == u'\r' ? 2 : 1;
        sink.endRow();
        if (i == end)
            return; // one final line end adds no row
    }
}

} // namespace

QList<QStringList> fromTabSeparated(const QString& text) {
    struct Builder {
        QList<QStringList> rows;
        QStringList row;
        QString cell;
        void text(QStringView piece) { cell += piece; }
        void endCell() { row << std::exchange(cell, QString()); }
        void endRow() { rows << std::exchange(row, QStringList()); }
    } builder;
    walkTabSeparated(text, builder);
    return std::move(builder.rows);
}

TableShape tabSeparatedShape(QStringView text) {
    struct Counter {
        TableShape shape;
        qsizetype cells = 0;
        void text(QStringView) {}
        void endCell() { ++cells; }
        void endRow() { shape.addRow(std::exchange(cells, 0)); }
    } counter;
    walkTabSeparated(text, counter);
    return counter.shape;
}

} // namespace clipboard
