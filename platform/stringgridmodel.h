// stringgridmodel.h - the cells of a string grid: a rectangle of texts with fixed rows and columns.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

/// Holds every cell's text, row by row. Cells in the first `FixedRows` rows or the first
/// `FixedCols` columns are fixed: shown as headings, never editable or selectable.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit StringGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// The text at (column, row); empty outside the grid.
    const QString& cell(int col, int row) const;
    /// Sets the text at (column, row); a cell outside the grid is ignored.
    void setCell(int col, int row, const QString& text);

    /// Grows with blank rows at the bottom or drops rows from the bottom; never below one row.
    void setRows(int rows);
    /// Grows with blank columns at the right or drops columns from the right; never below one.
    void setColumns(int columns);
    void setFixedRows(int rows) { fixedRows = rows; }
    void setFixedCols(int columns) { fixedCols = columns; }
    int FixedRows() const { return fixedRows; }
    int FixedCols() const { return fixedCols; }
    bool isFixed(const QModelIndex& index) const;

    /// Between beginUpdate() and the matching endUpdate() cell writes announce nothing; the last
    /// endUpdate() announces every cell as changed at once. For repainting many cells cheaply.
    void beginUpdate() { ++updateDepth; }
    void endUpdate();

private:
    bool contains(const QModelIndex& index) const;
    QString& at(int col, int row) { return cells[std::size_t(row) * std::size_t(columns) + col]; }
    const QString& at(int col, int row) const {
        return cells[std::size_t(row) * std::size_t(columns) + col];
    }

    // cells holds rows * columns texts, row-major.
    std::vector<QString> cells;
    int rows = 0;
    int columns = 0;
    int fixedRows = 0;
    int fixedCols = 0;
    int updateDepth = 0;
    bool changedDuringUpdate = false;
};
