// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// copiedcells.cpp - a rectangle of cells as a copy keeps it.
#include "copiedcells.h"

#include "platform/conversions.h"

#include <utility>

namespace clipboard {

CopiedCells::CopiedCells(int width, std::vector<platform::ColumnContent> columns)
    : width(width), columns(std::move(columns)) {}

CopiedCells CopiedCells::of(const QList<QStringList>& rows,
                            std::vector<platform::ColumnContent> columns) {
    CopiedCells cells(rows.isEmpty() ? 0 : int(rows.first().size()), std::move(columns));
    for (const QStringList& row : rows) {
        Q_ASSERT_X(row.size() == cells.width, "CopiedCells::of", "the rows are equally wide");
        for (const QString& text : row)
            cells.append(text);
    }
    return cells;
}

void CopiedCells::append(QStringView text) {
    buffer += text;
    ends.push_back(buffer.size());
}

QStringView CopiedCells::at(qsizetype row, qsizetype col) const {
    const std::size_t index = std::size_t(row * width + col);
    const qsizetype start = index == 0 ? 0 : ends[index - 1];
    return QStringView(buffer).sliced(start, ends[index] - start);
}

std::optional<std::int32_t> CopiedCells::numberAt(qsizetype row, qsizetype col) const {
    const bool integers = std::size_t(col) < columns.size() &&
                          columns[std::size_t(col)] == platform::ColumnContent::Integer;
    return integers ? platform::toInt(at(row, col)) : std::nullopt;
}

} // namespace clipboard
