// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// stringgrid.h - a grid of editable texts with a fixed heading row and column.
#pragma once

#include <QTableView>

namespace platform {

class StringGridModel;

/// A table view over its own StringGridModel. Cells are addressed (column, row) over the whole
/// grid, the fixed heading row and column included, so the headings are written like any cell;
/// they are shown as the view's header sections, which stay in place while the cells scroll. The
/// other cells are edited in place by typing, F2 or a double click.
class StringGrid : public QTableView {
    Q_OBJECT
    Q_PROPERTY(int colCount READ ColCount WRITE setColCount)
    Q_PROPERTY(int rowCount READ RowCount WRITE setRowCount)
    Q_PROPERTY(int fixedCols READ fixedCols WRITE setFixedCols)
    Q_PROPERTY(int fixedRows READ fixedRows WRITE setFixedRows)
    Q_PROPERTY(int defaultColWidth READ defaultColWidth WRITE setDefaultColWidth)
    Q_PROPERTY(int defaultRowHeight READ defaultRowHeight WRITE setDefaultRowHeight)

public:
    explicit StringGrid(QWidget* parent = nullptr);

    /// The text at (column, row); empty outside the grid.
    const QString& Cells(int col, int row) const;
    void setCells(int col, int row, const QString& text);

    /// Rows of the grid, the heading row included.
    int RowCount() const;
    /// Growing adds blank rows at the bottom; shrinking drops rows from the bottom.
    void setRowCount(int rows);
    int ColCount() const;
    void setColCount(int columns);
    int fixedRows() const;
    /// None or one: the heading row.
    void setFixedRows(int rows);
    int fixedCols() const;
    /// None or one: the heading column.
    void setFixedCols(int columns);
    int defaultColWidth() const;
    void setDefaultColWidth(int width);
    int defaultRowHeight() const;
    void setDefaultRowHeight(int height);

    /// The view's index of cell (column, row); invalid for a fixed cell.
    QModelIndex cellIndex(int col, int row) const;
    /// Makes cell (column, row) current, scrolls it into view and gives the grid the focus.
    void goToCell(int col, int row);

    /// Writes the text of an open in-place editor into its cell and closes the editor, so that
    /// what the user typed is what the cells hold.
    void finishEditing();

    StringGridModel* gridModel() const { return cells; }

private:
    void showFixedCells();

    StringGridModel* cells;
};

} // namespace platform
