// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// copiedcells.h - a rectangle of cells as a copy keeps it for the clipboard's formats.
#pragma once

#include "platform/columncontent.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace clipboard {

/// The texts of a rectangle of cells, row by row, in one buffer, and what each of its columns
/// holds. A copy keeps this while the clipboard is its own, instead of a string per cell, so that
/// the cells it copied are not kept alive one by one when the grid moves on.
class CopiedCells {
public:
    /// An empty rectangle `width` cells wide whose columns hold `columns` (texts past its end).
    explicit CopiedCells(int width, std::vector<platform::ColumnContent> columns = {});
    /// `rows`, which are all as wide as the first.
    static CopiedCells of(const QList<QStringList>& rows,
                          std::vector<platform::ColumnContent> columns = {});

    /// Adds the next cell, filling the rows from left to right. Amortised constant.
    void append(QStringView text);

    qsizetype rowCount() const { return width > 0 ? qsizetype(ends.size()) / width : 0; }
    qsizetype columnCount() const { return width; }
    QStringView at(qsizetype row, qsizetype col) const;
    /// The number that cell (row, col) holds for other programs: in an Integer column, the
    /// integer its text reads as (toInt()); none for a text.
    std::optional<std::int32_t> numberAt(qsizetype row, qsizetype col) const;
    /// Every text, one after the other, for scanning them all at once.
    QStringView allTexts() const { return buffer; }

private:
    QString buffer;
    std::vector<qsizetype> ends; ///< where each cell's text ends in the buffer, row by row
    qsizetype width;
    std::vector<platform::ColumnContent> columns;
};

} // namespace clipboard
