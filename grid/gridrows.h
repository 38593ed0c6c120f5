// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// gridrows.h - the rows of a table of entries: the heading rows, one row per entry, one blank row.
#pragma once

#include <QtGlobal>

namespace grid {

/// The one rule for which row of a table shows what: first `headingRows` heading rows, then one
/// row per entry in order, then one blank last row where a new entry is typed. Every row number
/// counts from the top, the heading rows included.
struct GridRows {
    int headingRows = 1;
    static constexpr int kBlankRows = 1;

    /// The row of the entry at 0-based `index`.
    constexpr int rowOf(int index) const { return headingRows + index; }
    /// The entry index that row `row` shows.
    constexpr int indexOf(int row) const { return row - headingRows; }
    constexpr int firstEntryRow() const { return headingRows; }
    /// How many rows a table of `entries` entries has.
    constexpr int rowCountFor(int entries) const { return headingRows + entries + kBlankRows; }
    /// The blank last row of a table of `rowCount` rows.
    constexpr int blankRow(int rowCount) const { return rowCount - kBlankRows; }
    /// The last entry row of a table of `rowCount` rows; before the first when there is none.
    constexpr int lastEntryRow(int rowCount) const { return blankRow(rowCount) - 1; }
    /// How many rows a table has whose last entry row is `row`.
    constexpr qsizetype rowCountEndingAt(qsizetype row) const { return row + 1 + kBlankRows; }
    /// Whether a table of `rowCount` rows holds an entry row.
    constexpr bool hasEntryRows(int rowCount) const {
        return lastEntryRow(rowCount) >= firstEntryRow();
    }
};

} // namespace grid
