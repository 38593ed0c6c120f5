// stringgrid.h - a grid of editable texts with a fixed heading row and column.
#pragma once

#include <QTableView>

class StringGridModel;

/// A table view over its own StringGridModel. Fixed cells are drawn as headings; the others are
/// edited in place by typing, F2 or a double click. Cells are addressed (column, row), row 0 and
/// column 0 included, so the headings are cells like any other.
class StringGrid : public QTableView {
    Q_OBJECT
    Q_PROPERTY(int colCount READ ColCount WRITE setColCount)
    Q_PROPERTY(int rowCount READ RowCount WRITE setRowCount)
    Q_PROPERTY(int fixedCols READ FixedCols WRITE setFixedCols)
    Q_PROPERTY(int fixedRows READ FixedRows WRITE setFixedRows)
    Q_PROPERTY(int defaultColWidth READ DefaultColWidth WRITE setDefaultColWidth)
    Q_PROPERTY(int defaultRowHeight READ DefaultRowHeight WRITE setDefaultRowHeight)

public:
    explicit StringGrid(QWidget* parent = nullptr);

    /// The text at (column, row); empty outside the grid.
    const QString& Cells(int col, int row) const;
    void setCells(int col, int row, const QString& text);

    int RowCount() const;
    /// Growing adds blank rows at the bottom; shrinking drops rows from the bottom.
    void setRowCount(int rows);
    int ColCount() const;
    void setColCount(int columns);
    int FixedRows() const;
    void setFixedRows(int rows);
    int FixedCols() const;
    void setFixedCols(int columns);
    int DefaultColWidth() const;
    void setDefaultColWidth(int width);
    int DefaultRowHeight() const;
    void setDefaultRowHeight(int height);

    /// Writes the text of an open in-place editor into its cell and closes the editor, so that
    /// what the user typed is what the cells hold.
    void finishEditing();

    StringGridModel* gridModel() const { return cells; }

private:
    StringGridModel* cells;
};
