// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// clipboardcells.h - cells as they travel through the clipboard, in every format offered or read.
#pragma once

#include "copiedcells.h"
#include "tableshape.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <QStringList>

class QMimeData;

namespace clipboard {

/// The cells exactly as this program copied them, read first when pasting into it: an HTML table
/// cannot hold every text (a carriage return, say).
inline constexpr QLatin1StringView kOwnCellsFormat("application/x-drivelist-cells");

/// LibreOffice's own text of cells: tab-separated, each text as the sheet shows it, quoted where it
/// holds a line break.
inline constexpr QLatin1StringView kLibreOfficeCellsFormat("application/x-libreoffice-tsvc");

/// Cells as the clipboard carries them: tab-separated text (toTabSeparated()), an HTML table
/// (toHtmlTable()), Gnumeric's cells (toGnumericCells()) and this program's own cells, the integers
/// of number columns as numbers. Each format is written when it is first asked for (by a paste
/// here or in another program), so copying costs only the cells. The caller owns it.
QMimeData* mimeDataOf(CopiedCells cells);

/// The rows a paste writes, from the most exact formats offered: this program's own cells, or
/// else Gnumeric's (with its HTML for the numbers it shows as dates), or else LibreOffice's own
/// text (with its HTML for the numbers' values), or else the first table of the HTML (with the
/// values LibreOffice writes there), or else the tab-separated text. Read in two steps, so that a
/// paste too large is refused before any cell is built: how many rows, then the rows. Each format
/// is taken from the clipboard once.
class ClipboardTable {
public:
    explicit ClipboardTable(const QMimeData* data);

    /// How many rows rows() gives, and how wide the widest, counted without building a cell.
    const TableShape& shape() const { return counted; }
    qsizetype rowCount() const { return counted.rows; }
    qsizetype columnCount() const { return counted.columns; }
    /// The rows, exactly as many and as wide as counted; none from none.
    QList<QStringList> rows() const;

private:
    enum class Format { None, OwnCells, Gnumeric, LibreOffice, Html, Text };
    Format format = Format::None;
    QString text; ///< the own cells, LibreOffice's or the plain text, tab-separated
    QString html; ///< the HTML offered, whatever the format read
    QByteArray gnumeric;
    TableShape counted;
};

/// Whether `data` offers a format that a paste reads, told by the formats alone: nothing of it is
/// read, so nothing another program holds is fetched before the user pastes.
bool offersCells(const QMimeData* data);

} // namespace clipboard
