// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tabseparated.h - cells as spreadsheets put them on the clipboard: tab-separated lines.
#pragma once

#include "copiedcells.h"
#include "tableshape.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace clipboard {

/// UTF-8: one line per row, each ending with a newline, cells separated by tabs. A cell holding a
/// tab, a line break or a double quote is written in double quotes, its quotes doubled. Linear.
QByteArray toTabSeparated(const CopiedCells& cells);

/// The rows of tab-separated text: lines end with LF or CRLF, and one final line end adds no row;
/// a cell that starts with a double quote runs to the matching quote, tabs and line breaks
/// included, with doubled quotes read as one. The empty text has no rows. Linear.
QList<QStringList> fromTabSeparated(const QString& text);

/// The shape of the rows that fromTabSeparated() reads from `text`, found without building a
/// cell. Linear.
TableShape tabSeparatedShape(QStringView text);

} // namespace clipboard
