// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// htmltable.h - cells as spreadsheets and browsers also put them on the clipboard: an HTML table.
#pragma once

#include "copiedcells.h"
#include "tableshape.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace clipboard {

/// An HTML document (UTF-8) holding one table: a <tr> per row, a <td> per cell, the texts escaped,
/// their spaces kept and their line breaks written as <br> (one more where a text ends with one,
/// which a browser would not show). A cell of a number column that holds an integer (toInt()) says
/// it is that number, every other cell that it is text, as LibreOffice reads them (sdval, sdnum).
/// Linear in the texts.
QByteArray toHtmlTable(const CopiedCells& cells);

/// The cells of the first table of an HTML document, read by Qt's own HTML reader
/// (QTextDocument) as a browser shows them: each table cell is one cell, its text without markup,
/// entities read, runs of plain spaces folded, other spaces kept, its line breaks and paragraphs as
/// line breaks but for one at its end; a cell that spans others leaves them empty. Each row holds
/// its own cells, not the padding of the widest. None when the document holds no table.
std::optional<QList<QStringList>> fromHtmlTable(const QString& html);

/// How many cells each row of the document's first table holds (a cell spanning n columns counts
/// n), read from its tags alone, without building any text; none without a table. Linear.
std::optional<std::vector<int>> htmlTableRowWidths(QStringView html);

/// A number that a cell of the document's first table holds, as LibreOffice writes it beside the
/// text it shows: the cell's place, as fromHtmlTable() reads it, and its value.
struct HeldNumber {
    qsizetype row = 0;
    qsizetype column = 0;
    QString value; ///< as written (sdval), "100000" where the cell shows "1.00E+05"
};

/// The numbers that the first table's cells hold (sdval) where their format (sdnum) shows them as
/// numbers (showsAsNumber()), read from the tags alone; none from a table whose cells span rows,
/// which the tags alone do not place. Linear.
std::vector<HeldNumber> htmlTableNumbers(QStringView html);

/// The shape of the table that fromHtmlTable() reads from `html`, from its tags alone; none
/// without a table. Linear.
std::optional<TableShape> htmlTableShape(QStringView html);

} // namespace clipboard
