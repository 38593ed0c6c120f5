// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// stringgridmodel.cpp - the cells of a string grid.
#include "stringgridmodel.h"

#include "quoted.h"

#include <algorithm>
#include <utility>

namespace platform {

StringGridModel::StringGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(rows - fixedRowCount, 0);
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(columns - fixedColCount, 0);
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!contains(index))
        return {};
    const QString& text = at(gridCol(index), gridRow(index));
    // No cell is wide enough to show a page; laying one out to shorten it would take long.
    if (role == Qt::DisplayRole && text.size() > kShownLength)
        return shortened(text, kShownLength);
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return text;
    if (role == Qt::AccessibleDescriptionRole)
        return note(gridCol(index), gridRow(index));
    return {};
}

QString StringGridModel::note(int col, int row) const {
    return noter && !isFixed(col, row) ? noter(col, row) : QString();
}

void StringGridModel::setNoter(std::function<QString(int col, int row)> newNoter) {
    noter = std::move(newNoter);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::AccessibleDescriptionRole, Qt::BackgroundRole});
}

bool StringGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !contains(index))
        return false;
    setCells(gridCol(index), gridRow(index), value.toString());
    return true;
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Horizontal && fixedRowCount > 0)
        return cells(section + fixedColCount, 0);
    if (orientation == Qt::Vertical && fixedColCount > 0)
        return cells(0, section + fixedRowCount);
    return {};
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
    if (!contains(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool StringGridModel::contains(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < rowCount() &&
           index.column() < columnCount();
}

const QString& StringGridModel::cells(int col, int row) const {
    static const QString outside;
    if (col < 0 || col >= columns || row < 0 || row >= rows)
        return outside;
    return at(col, row);
}

QModelIndex StringGridModel::indexOfCell(int col, int row) const {
    if (col >= columns || row >= rows || isFixed(col, row))
        return {};
    return index(row - fixedRowCount, col - fixedColCount);
}

void StringGridModel::setCells(int col, int row, const QString& text) {
    if (col < 0 || col >= columns || row < 0 || row >= rows)
        return;
    at(col, row) = text;
    if (row < fixedRowCount && col >= fixedColCount) {
        emit headerDataChanged(Qt::Horizontal, col - fixedColCount, col - fixedColCount);
    } else if (col < fixedColCount && row >= fixedRowCount) {
        emit headerDataChanged(Qt::Vertical, row - fixedRowCount, row - fixedRowCount);
    } else if (!isFixed(col, row)) {
        if (updateDepth > 0) {
            changedDuringUpdate = true;
            return;
        }
        const QModelIndex changed = indexOfCell(col, row);
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
    }
}

void StringGridModel::endUpdate() {
    if (--updateDepth > 0 || !std::exchange(changedDuringUpdate, false) || rowCount() == 0 ||
        columnCount() == 0)
        return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                     {Qt::DisplayRole, Qt::EditRole});
}

void StringGridModel::setGridRowCount(int count) {
    count = std::max(count, 1);
    const int itemRows = rowCount();
    const int newItemRows = std::max(count - fixedRowCount, 0);
    const auto resize = [this, count] {
        texts.resize(std::size_t(count) * std::size_t(columns));
        rows = count;
    };
    if (newItemRows > itemRows) {
        beginInsertRows({}, itemRows, newItemRows - 1);
        resize();
        endInsertRows();
    } else if (newItemRows < itemRows) {
        beginRemoveRows({}, newItemRows, itemRows - 1);
        resize();
        endRemoveRows();
    } else {
        resize(); // only fixed rows come or go, and they are no items
    }
}

void StringGridModel::apply(const CellEdit& edit) {
    // Rows that the edit needs come first; rows that it drops go last.
    if (edit.rowCount > rows)
        setGridRowCount(edit.rowCount);
    {
        GridUpdate update(this);
        if (!edit.rowOrder.empty())
            moveRows(edit.col, edit.row, edit.rowOrder);
        for (qsizetype r = 0; r < edit.texts.size(); ++r)
            for (qsizetype c = 0; c < edit.texts[r].size(); ++c)
                setCells(edit.col + int(c), edit.row + int(r), edit.texts[r][c]);
    }
    setGridRowCount(edit.rowCount);
}

void StringGridModel::moveRows(int col, int row, const std::vector<int>& order) {
    const int width = columns - col;
    std::vector<QString> moved;
    moved.reserve(order.size() * std::size_t(width));
    for (const int from : order)
        for (int c = col; c < columns; ++c)
            moved.push_back(std::move(at(c, row + from)));
    auto next = moved.begin();
    for (std::size_t i = 0; i < order.size(); ++i)
        for (int c = col; c < columns; ++c)
            at(c, row + int(i)) = std::move(*next++);
    changedDuringUpdate = true;
}

CellEdit StringGridModel::inverseOf(const CellEdit& edit) const {
    CellEdit before{edit.col, edit.row, {}, rows, edit.name, {}};
    if (!edit.rowOrder.empty()) {
        before.rowOrder.resize(edit.rowOrder.size());
        for (std::size_t i = 0; i < edit.rowOrder.size(); ++i)
            before.rowOrder[std::size_t(edit.rowOrder[i])] = int(i);
    }
    before.texts.reserve(edit.texts.size());
    for (qsizetype r = 0; r < edit.texts.size(); ++r) {
        QStringList row;
        row.reserve(edit.texts[r].size());
        for (qsizetype c = 0; c < edit.texts[r].size(); ++c)
            row << cells(edit.col + int(c), edit.row + int(r));
        before.texts << row;
    }
    return before;
}

void StringGridModel::setGridColCount(int count) {
    count = std::max(count, 1);
    if (count == columns)
        return;
    beginResetModel();
    std::vector<QString> relaid(std::size_t(rows) * std::size_t(count));
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < std::min(columns, count); ++col)
            relaid[std::size_t(row) * std::size_t(count) + col] = std::move(at(col, row));
    texts = std::move(relaid);
    columns = count;
    endResetModel();
}

void StringGridModel::setFixedRows(int count) {
    setFixed(fixedRowCount, count);
}

void StringGridModel::setFixedCols(int count) {
    setFixed(fixedColCount, count);
}

void StringGridModel::setFixed(int& fixedCount, int count) {
    count = std::clamp(count, 0, 1);
    if (count == fixedCount)
        return;
    // Items turn into headers or back: every index changes.
    beginResetModel();
    fixedCount = count;
    endResetModel();
}

} // namespace platform
