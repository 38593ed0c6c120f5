// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// clipboardcells.h - cells as they travel through the clipboard, in every format offered or read.
#pragma once

#include <QLatin1StringView>
#include <QList>
#include <QStringList>

class QMimeData;

namespace platform {

/// The cells exactly as this program copied them, read first when pasting into it: an HTML table
/// cannot hold every text (a carriage return, say).
inline constexpr QLatin1StringView kOwnCellsFormat("application/x-drivelist-cells");

/// Rows of cells as the clipboard carries them: tab-separated text (toTabSeparated()), an HTML
/// table (toHtmlTable()) and this program's own cells. Linear in the texts; the caller owns it.
QMimeData* mimeDataOf(const QList<QStringList>& rows);

/// The rows a paste writes, from the best format offered: this program's own cells, or else the
/// first table of the HTML, or else the tab-separated text. Read in two steps, so that a paste too
/// large is refused before any cell is built: how many rows, then the rows. Each format is taken
/// from the clipboard once.
class ClipboardTable {
public:
    explicit ClipboardTable(const QMimeData* data);

    /// How many rows rows() gives, counted without building a cell. Linear.
    qsizetype rowCount() const { return count; }
    /// The rows; none from none.
    QList<QStringList> rows() const;

private:
    enum class Format { None, OwnCells, Html, Text };
    Format format = Format::None;
    QString text; ///< the own cells or the plain text, tab-separated
    QString html;
    qsizetype count = 0;
};

/// Whether a paste of `data` would find anything to write. Cheap: reads no text but the plain.
bool offersCells(const QMimeData* data);

} // namespace platform
