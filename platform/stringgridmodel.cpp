// stringgridmodel.cpp - the cells of a string grid.
#include "stringgridmodel.h"

#include <algorithm>
#include <utility>

StringGridModel::StringGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows;
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!contains(index))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return at(index.column(), index.row());
    return {};
}

bool StringGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !contains(index) || isFixed(index))
        return false;
    setCell(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
    if (!contains(index))
        return Qt::NoItemFlags;
    if (isFixed(index))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool StringGridModel::contains(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < rows &&
           index.column() < columns;
}

bool StringGridModel::isFixed(const QModelIndex& index) const {
    return index.row() < fixedRows || index.column() < fixedCols;
}

const QString& StringGridModel::cell(int col, int row) const {
    static const QString outside;
    if (col < 0 || col >= columns || row < 0 || row >= rows)
        return outside;
    return at(col, row);
}

void StringGridModel::setCell(int col, int row, const QString& text) {
    if (col < 0 || col >= columns || row < 0 || row >= rows)
        return;
    at(col, row) = text;
    if (updateDepth > 0) {
        changedDuringUpdate = true;
        return;
    }
    const QModelIndex changed = index(row, col);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void StringGridModel::endUpdate() {
    if (--updateDepth > 0 || !std::exchange(changedDuringUpdate, false) || rows == 0)
        return;
    emit dataChanged(index(0, 0), index(rows - 1, columns - 1), {Qt::DisplayRole, Qt::EditRole});
}

void StringGridModel::setRows(int count) {
    count = std::max(count, 1);
    if (count > rows) {
        beginInsertRows({}, rows, count - 1);
        cells.resize(std::size_t(count) * std::size_t(columns));
        rows = count;
        endInsertRows();
    } else if (count < rows) {
        beginRemoveRows({}, count, rows - 1);
        cells.resize(std::size_t(count) * std::size_t(columns));
        rows = count;
        endRemoveRows();
    }
}

void StringGridModel::setColumns(int count) {
    count = std::max(count, 1);
    if (count == columns)
        return;
    beginResetModel();
    std::vector<QString> relaid(std::size_t(rows) * std::size_t(count));
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < std::min(columns, count); ++col)
            relaid[std::size_t(row) * std::size_t(count) + col] = std::move(at(col, row));
    cells = std::move(relaid);
    columns = count;
    endResetModel();
}
