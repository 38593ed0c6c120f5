// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// stringgridmodel.h - the cells of a string grid: a rectangle of texts with a fixed heading row
// and column.
#pragma once

#include "gridedit.h"
#include "gridrows.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace grid {

/// Holds every cell's text, row by row, addressed (column, row) over the whole grid. The first
/// `fixedRows()` rows and `fixedCols()` columns (none or one of each) are fixed: they are not items
/// of the model but its header data (row 0 the horizontal header, column 0 the vertical one), so
/// that a view keeps them in place while it scrolls and nobody can edit, select or land on them.
/// The model's items are the other cells: item (r, c) is cell (c + fixedCols, r + fixedRows).
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit StringGridModel(QObject* parent = nullptr);

    /// The most characters of a cell's text that a view is given to show; an editor and a
    /// screen reader get the whole text.
    static constexpr qsizetype kShownLength = 1000;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// The text at (column, row) of the grid; empty outside it.
    const QString& cells(int col, int row) const;
    /// Sets the text at (column, row) of the grid; a cell outside it is ignored.
    void setCells(int col, int row, const QString& text);
    /// The item of cell (column, row); invalid for a fixed cell or one outside the grid.
    QModelIndex indexOfCell(int col, int row) const;
    /// The grid row and column of an item of this model.
    int gridRow(const QModelIndex& index) const { return index.row() + fixedRowCount; }
    int gridCol(const QModelIndex& index) const { return index.column() + fixedColCount; }

    /// Rows and columns of the grid, the fixed ones included.
    int gridRowCount() const { return rows; }
    int gridColCount() const { return columns; }
    /// Grows with blank rows at the bottom or drops rows from the bottom; never below one row.
    void setGridRowCount(int count);
    /// Grows with blank columns at the right or drops columns from the right; never below one.
    void setGridColCount(int count);
    int fixedRows() const { return fixedRowCount; }
    int fixedCols() const { return fixedColCount; }
    /// Which row shows what: the heading row, the entry rows, the blank last row.
    GridRows rowRule() const { return GridRows{fixedRowCount}; }
    /// One fixed row at most: it is shown as the one header row.
    void setFixedRows(int count);
    /// One fixed column at most: it is shown as the one header column.
    void setFixedCols(int count);

    /// A note on cell (column, row) that its text is not what it stands for yet. data() serves it
    /// as the item's tooltip and accessible description, and a tint of the palette's highlight as
    /// its background. Empty for none.
    QString note(int col, int row) const;
    /// Who writes the notes, asked for a cell's as it is drawn or read; empty for no notes. Every
    /// item's note, tooltip and background are announced as changed.
    void setNoter(std::function<QString(int col, int row)> noter);

    /// Carries an edit out, announcing it as what it is: texts as changed data (rows that come or
    /// go at the bottom as inserted or removed), a new order as a layout change that moves the
    /// persistent indexes with their rows, rows put in or taken out as inserted or removed rows.
    void apply(const TextEdit& edit);
    void apply(const RowOrder& edit);
    void apply(const RowInsertion& edit);
    void apply(const RowRemoval& edit);
    void apply(const GridEdit& edit);
    /// What undoes an edit, from the cells as they are now: the texts it overwrites and the row
    /// count; the order back; the rows put in taken out; the rows taken out put back with their
    /// texts (which copies them).
    TextEdit inverseOf(const TextEdit& edit) const;
    RowOrder inverseOf(const RowOrder& edit) const;
    RowRemoval inverseOf(const RowInsertion& edit) const;
    RowInsertion inverseOf(const RowRemoval& edit) const;

    /// Between beginUpdate() and the matching endUpdate() cell writes announce nothing; the last
    /// endUpdate() announces every cell as changed at once. For repainting many cells cheaply.
    void beginUpdate() { ++updateDepth; }
    void endUpdate();

private:
    /// The cells of whole grid row `row`, the fixed column included.
    QStringList rowTexts(int row) const;
    void setFixed(int& fixedCount, int count);
    bool contains(const QModelIndex& index) const;
    bool isFixed(int col, int row) const { return row < fixedRowCount || col < fixedColCount; }
    QString& at(int col, int row) { return texts[std::size_t(row) * std::size_t(columns) + col]; }
    const QString& at(int col, int row) const {
        return texts[std::size_t(row) * std::size_t(columns) + col];
    }

    // texts holds rows * columns cells, row-major, the fixed ones included.
    std::vector<QString> texts;
    int rows = 0;
    int columns = 0;
    int fixedRowCount = 0; // 0 or 1
    int fixedColCount = 0; // 0 or 1
    std::function<QString(int, int)> noter;
    int updateDepth = 0;
    bool changedDuringUpdate = false;
};

/// Keeps a model's cell writes quiet for as long as it lives, then announces them at once.
class GridUpdate {
public:
    explicit GridUpdate(StringGridModel* model) : model(model) { model->beginUpdate(); }
    ~GridUpdate() { model->endUpdate(); }
    GridUpdate(const GridUpdate&) = delete;
    GridUpdate& operator=(const GridUpdate&) = delete;

private:
    StringGridModel* model;
};

} // namespace grid
