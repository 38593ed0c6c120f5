// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// fuzz_clipboard.cpp - the clipboard's readers fed what any program on the desktop may offer.
//
// Each input is offered as tab-separated text, as HTML, as Gnumeric's cells and as LibreOffice's
// text, one reader at a time and all at once, as a paste finds them. For any input a reader must
// not crash or hang, must build the rows it counted beforehand (HTML: in proportion to its bytes);
// and the cells that the text reader found must come back unchanged through every format a copy
// writes.
#include "fuzzcheck.h"

#include "clipboard/clipboardcells.h"
#include "clipboard/gnumericcells.h"
#include "clipboard/htmltable.h"
#include "clipboard/tabseparated.h"
#include "platform/conversions.h"

#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using Rows = QList<QStringList>;

/// Fails, printing the cells sent and those read back, when a format does not carry them.
void checkCarried(const char* format, const Rows& sent, const std::optional<Rows>& read) {
    if (read == sent)
        return;
    const auto print = [](const char* what, const Rows& rows) {
        std::fprintf(stderr, "%s:\n", what);
        for (const QStringList& row : rows) {
            for (const QString& cell : row) {
                std::fprintf(stderr, " [");
                for (const QChar c : cell)
                    std::fprintf(stderr,
                                 c.unicode() >= 0x20 && c.unicode() < 0x7F ? "%c" : "<%04X>",
                                 c.unicode());
                std::fprintf(stderr, "]");
            }
            std::fprintf(stderr, "\n");
        }
    };
    std::fprintf(stderr, "%s does not carry the cells\n", format);
    print("sent", sent);
    print("read back", read.value_or(Rows()));
    std::abort();
}

qsizetype widest(const Rows& rows) {
    return clipboard::TableShape::of(rows).columns;
}

/// What a paste counts before it builds a cell is what it then builds. HTML's tags are counted by
/// a lighter reader than the one that builds its cells, and may disagree where the markup is
/// broken: the paste checks the rows built once more, so there the rows built must only stay in
/// proportion to the bytes read, however the markup multiplies them.
void checkTable(const QMimeData& data, qsizetype bytes, bool exact) {
    const clipboard::ClipboardTable table(&data);
    // A paste refuses more rows than a table holds before it reads them.
    if (table.rowCount() > 1'000'000)
        return;
    const Rows rows = table.rows();
    if (exact) {
        FUZZ_CHECK(rows.size() == table.rowCount());
        FUZZ_CHECK(widest(rows) == table.columnCount());
        return;
    }
    qsizetype cells = 0;
    for (const QStringList& row : rows)
        cells += row.size();
    FUZZ_CHECK(cells <= 16 * bytes + 16);
}

/// `rows` padded to a rectangle, as a paste writes them.
Rows rectangle(Rows rows) {
    const qsizetype width = widest(rows);
    for (QStringList& row : rows)
        while (row.size() < width)
            row << QString();
    return rows;
}

/// What a copy of `rows` writes reads back as the same cells, in every format that carries them.
void checkRoundTrip(const Rows& rows) {
    if (rows.isEmpty() || widest(rows) == 0)
        return;
    std::vector<platform::ColumnContent> contents;
    for (qsizetype col = 0; col < rows.first().size(); ++col)
        contents.push_back(col % 2 ? platform::ColumnContent::Integer
                                   : platform::ColumnContent::Text);
    const std::unique_ptr<QMimeData> copy(
        clipboard::mimeDataOf(clipboard::CopiedCells::of(rows, contents)));
    checkCarried("own cells", rows, clipboard::ClipboardTable(copy.get()).rows());
    checkCarried("tab-separated text", rows, clipboard::fromTabSeparated(copy->text()));
    // An HTML reader reads a carriage return, a form feed and the other controls as spaces or
    // drops them, as the text and the copy's own cells never do; and it takes the noncharacters
    // it works with as U+FFFD.
    const bool controls = std::any_of(rows.begin(), rows.end(), [](const QStringList& row) {
        return std::any_of(row.begin(), row.end(), [](const QString& cell) {
            return std::any_of(cell.begin(), cell.end(), [](QChar c) {
                return (c.category() == QChar::Other_Control && c != u'\t' && c != u'\n') ||
                       (c >= u'\uFDD0' && c <= u'\uFDEF');
            });
        });
    });
    if (!controls)
        checkCarried("HTML", rows, clipboard::fromHtmlTable(copy->html()));
    if (copy->hasFormat(clipboard::kGnumericFormat)) {
        // Gnumeric holds a number as its value, and ends a row at its last cell that holds
        // something.
        Rows trimmed = rows;
        for (QStringList& row : trimmed) {
            for (qsizetype col = 1; col < row.size(); col += 2)
                if (const std::optional<std::int32_t> number = platform::toInt(row[col]))
                    row[col] = platform::IntToStr(*number);
            while (!row.isEmpty() && row.last().isEmpty())
                row.removeLast();
        }
        checkCarried("Gnumeric's cells", trimmed,
                     clipboard::fromGnumericCells(copy->data(clipboard::kGnumericFormat)));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // QTextDocument measures fonts: it needs a GUI application, which needs no display here.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray raw(reinterpret_cast<const char*>(bytes), qsizetype(size));
    const QString text = QString::fromUtf8(raw);

    QMimeData plain;
    plain.setText(text);
    checkTable(plain, raw.size(), true);
    QMimeData html;
    html.setHtml(text);
    html.setText(text);
    checkTable(html, raw.size(), !clipboard::htmlTableShape(text));
    QMimeData gnumeric;
    gnumeric.setData(clipboard::kGnumericFormat, raw);
    checkTable(gnumeric, raw.size(), true);
    // LibreOffice's text with its HTML, and everything at once: the HTML only lends cells
    // (numbers, dates as shown) to rows already counted.
    QMimeData libreOffice;
    libreOffice.setData(clipboard::kLibreOfficeCellsFormat, raw);
    libreOffice.setHtml(text);
    checkTable(libreOffice, raw.size(), true);
    QMimeData everything;
    everything.setData(clipboard::kGnumericFormat, raw);
    everything.setData(clipboard::kLibreOfficeCellsFormat, raw);
    everything.setHtml(text);
    everything.setText(text);
    checkTable(everything, raw.size(), true);

    checkRoundTrip(rectangle(clipboard::fromTabSeparated(text)));
    return 0;
}
