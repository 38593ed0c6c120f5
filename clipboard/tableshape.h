// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tableshape.h - how large a table on the clipboard is, counted before a cell of it is built.
#pragma once

#include <QList>
#include <QStringList>

namespace clipboard {

/// The rows of a table and its widest row, so that a paste too large is refused before it is read.
struct TableShape {
    qsizetype rows = 0;
    qsizetype columns = 0;    ///< the cells of the widest row
    qsizetype widestRow = -1; ///< the first row that wide, from 0; -1 without rows

    /// Counts the next `count` rows, each `width` cells wide. Constant.
    void addRows(qsizetype count, qsizetype width) {
        if (count <= 0)
            return;
        if (widestRow < 0 || width > columns) {
            columns = width;
            widestRow = rows;
        }
        rows += count;
    }
    void addRow(qsizetype width) { addRows(1, width); }
    /// The shape of rows already built. Linear in the rows.
    static TableShape of(const QList<QStringList>& rows) {
        TableShape shape;
        for (const QStringList& row : rows)
            shape.addRow(row.size());
        return shape;
    }
    bool operator==(const TableShape&) const = default;
};

} // namespace clipboard
