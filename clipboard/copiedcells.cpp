// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// copiedcells.cpp - a rectangle of cells as a copy keeps it.
#include "copiedcells.h"

#include <utility>

namespace clipboard {

CopiedCells::CopiedCells(int width, std::vector<bool> numberColumns)
    : width(width), numberColumns(std::move(numberColumns)) {}

CopiedCells CopiedCells::of(const QList<QStringList>& rows, std::vector<bool> numberColumns) {
    CopiedCells cells(rows.isEmpty() ? 0 : int(rows.first().size()), std::move(numberColumns));
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

} // namespace clipboard
