// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// stringgridmodel.cpp - the cells of a string grid.
#include "stringgridmodel.h"

#include "platform/quoted.h"

#include <QBrush>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <iterator>
#include <utility>
#include <variant>

namespace grid {

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
        return platform::shortened(text, kShownLength);
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return text;
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole ||
        role == Qt::BackgroundRole) {
        QString noted = note(gridCol(index), gridRow(index));
        // A screen reader tells the blank last row from an entry's: it is where one is typed.
        if (role == Qt::AccessibleDescriptionRole && noted.isEmpty() &&
            gridRow(index) == rowRule().blankRow(rows))
            return QCoreApplication::translate("grid", "the row for a new entry");
        if (role != Qt::BackgroundRole)
            return noted;
        if (noted.isEmpty())
            return {};
        // A noted cell is tinted towards the highlight, in whatever palette the desktop has.
        const QPalette palette = QGuiApplication::palette();
        const QColor base = palette.color(QPalette::Base);
        const QColor tint = palette.color(QPalette::Highlight);
        return QBrush(QColor::fromRgbF(0.8f * base.redF() + 0.2f * tint.redF(),
                                       0.8f * base.greenF() + 0.2f * tint.greenF(),
                                       0.8f * base.blueF() + 0.2f * tint.blueF()));
    }
    return {};
}

QString StringGridModel::note(int col, int row) const {
    return noter && !isFixed(col, row) ? noter(col, row) : QString();
}

void StringGridModel::setNoter(std::function<QString(int col, int row)> newNoter) {
    noter = std::move(newNoter);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ToolTipRole, Qt::AccessibleDescriptionRole, Qt::BackgroundRole});
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

void StringGridModel::apply(const TextEdit& edit) {
    // Rows that the edit needs come first; rows that it drops go last.
    if (edit.rowCount > rows)
        setGridRowCount(edit.rowCount);
    {
        GridUpdate update(this);
        for (qsizetype r = 0; r < edit.texts.size(); ++r) {
            Q_ASSERT_X(edit.texts[r].size() == edit.texts[0].size(), "apply",
                       "the rows of a text edit are equally wide");
            for (qsizetype c = 0; c < edit.texts[r].size(); ++c)
                setCells(edit.col + int(c), edit.row + int(r), edit.texts[r][c]);
        }
    }
    setGridRowCount(edit.rowCount);
}

TextEdit StringGridModel::inverseOf(const TextEdit& edit) const {
    TextEdit before{edit.col, edit.row, {}, rows, edit.name};
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

void StringGridModel::apply(const RowOrder& edit) {
    const std::size_t n = edit.order.size();
    Q_ASSERT_X(edit.row >= fixedRowCount && edit.row + qsizetype(n) <= rows, "apply",
               "a row order moves rows of the grid's items");
    // place[from] is where row `edit.row + from` goes.
    std::vector<int> place(n, -1);
    for (std::size_t i = 0; i < n; ++i) {
        Q_ASSERT_X(edit.order[i] >= 0 && std::size_t(edit.order[i]) < n &&
                       place[std::size_t(edit.order[i])] < 0,
                   "apply", "a row order is a permutation");
        place[std::size_t(edit.order[i])] = int(i);
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<QString> moved;
    moved.reserve(n * std::size_t(columns));
    for (const int from : edit.order)
        for (int c = 0; c < columns; ++c)
            moved.push_back(std::move(at(c, edit.row + from)));
    std::move(moved.begin(), moved.end(), texts.begin() + std::ptrdiff_t(edit.row) * columns);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from) {
        const int offset = gridRow(index) - edit.row;
        to << (offset >= 0 && std::size_t(offset) < n
                   ? this->index(edit.row + place[std::size_t(offset)] - fixedRowCount,
                                 index.column())
                   : index);
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

RowOrder StringGridModel::inverseOf(const RowOrder& edit) const {
    RowOrder back{edit.row, std::vector<int>(edit.order.size()), edit.name};
    for (std::size_t i = 0; i < edit.order.size(); ++i)
        back.order[std::size_t(edit.order[i])] = int(i);
    return back;
}

void StringGridModel::apply(const RowInsertion& edit) {
    const int count = int(edit.texts.size());
    Q_ASSERT_X(edit.row >= fixedRowCount && edit.row <= rows, "apply",
               "rows are put in among the grid's items");
    if (count == 0)
        return;
    beginInsertRows({}, edit.row - fixedRowCount, edit.row - fixedRowCount + count - 1);
    std::vector<QString> added;
    added.reserve(std::size_t(count) * std::size_t(columns));
    for (const QStringList& row : edit.texts) {
        Q_ASSERT_X(row.size() == columns, "apply", "a row put in is as wide as the grid");
        added.insert(added.end(), row.begin(), row.end());
    }
    texts.insert(texts.begin() + std::ptrdiff_t(edit.row) * columns,
                 std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    rows += count;
    endInsertRows();
}

RowRemoval StringGridModel::inverseOf(const RowInsertion& edit) const {
    return {edit.row, int(edit.texts.size()), edit.name};
}

void StringGridModel::apply(const RowRemoval& edit) {
    Q_ASSERT_X(edit.row >= fixedRowCount && edit.count >= 0 && edit.row + edit.count <= rows,
               "apply", "rows taken out are among the grid's items");
    if (edit.count == 0)
        return;
    beginRemoveRows({}, edit.row - fixedRowCount, edit.row - fixedRowCount + edit.count - 1);
    const auto first = texts.begin() + std::ptrdiff_t(edit.row) * columns;
    texts.erase(first, first + std::ptrdiff_t(edit.count) * columns);
    rows -= edit.count;
    endRemoveRows();
}

RowInsertion StringGridModel::inverseOf(const RowRemoval& edit) const {
    RowInsertion back{edit.row, {}, edit.name};
    back.texts.reserve(edit.count);
    for (int row = edit.row; row < edit.row + edit.count; ++row)
        back.texts << rowTexts(row);
    return back;
}

void StringGridModel::apply(const GridEdit& edit) {
    std::visit([this](const auto& e) { apply(e); }, edit);
}

QStringList StringGridModel::rowTexts(int row) const {
    QStringList line;
    line.reserve(columns);
    for (int col = 0; col < columns; ++col)
        line << at(col, row);
    return line;
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

} // namespace grid
