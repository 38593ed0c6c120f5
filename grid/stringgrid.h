// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// stringgrid.h - a grid of editable texts with a fixed heading row and column.
#pragma once

#include "columnwidths.h"
#include "currentcell.h"
#include "gridedit.h"
#include "gridrows.h"
#include "rowsort.h"
#include "stringgridmodel.h"

#include <QList>
#include <QTableView>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace grid {

/// A table view over its own StringGridModel, which holds the texts and their notes; what its
/// actions do to the cells is built by the edit builders (editbuilders.h), what they put on and
/// read from the clipboard by clipboardcells.h, and a cell is edited through CellDelegate. Cells
/// are addressed (column, row) over the whole grid, the fixed heading row and column included, so
/// the headings are written like any cell; they are shown as the view's header sections, which stay
/// in place while the cells scroll. The other cells are edited in place by typing, F2 or a double
/// click, and through the clipboard: cut, copy, paste, delete and select all, from the keyboard and
/// from the context menu. Whole rows are inserted and deleted from there too, and the entry rows
/// sorted by a column, from there or from a heading's own menu.
///
/// Its rows follow GridRows: the last row is the blank row of new entries; select all leaves it
/// out, and a paste that reaches it grows the grid so that one blank row stays last.
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
    /// Which row shows what: the heading row, the entry rows, the blank last row.
    GridRows gridRows() const { return cellModel->rowRule(); }
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
    /// The current cell, where typing, the keys, a paste and the sorts act, also while the focus
    /// is elsewhere; the view's own current index is then invalid (CurrentCell).
    QModelIndex currentCell() const;

    /// Writes the text of an open in-place editor into its cell and closes the editor, so that
    /// what the user typed is what the cells hold.
    void finishEditing();

    StringGridModel* gridModel() const { return cellModel; }

    /// Who carries out what the user does to the cells (typing, paste, cut, delete, rows put in,
    /// taken out or sorted); by default the model applies it. An empty handler restores that.
    void setEditHandler(std::function<void(const GridEdit&)> handler);
    /// Hands `edit` to the edit handler.
    void requestEdit(const GridEdit& edit);

    /// Scrolls grid row `row` into view; the current cell, the selection and the focus stay.
    void scrollToRow(int row);
    /// Selects the cells of grid row `row`, its first cell current, and scrolls it into view; with
    /// no such row, selects no cell. The focus stays where it is.
    void selectRowCells(int row);

    /// The narrowest a column gets when the grid is narrowed.
    static constexpr int kMinColWidth = 40;
    /// The most rows a paste may grow the grid to.
    static constexpr int kMaxRows = 1'000'000;

    /// The selected cells, or the current cell without a selection, on the clipboard in every
    /// format of mimeDataOf(), the integers of Integer columns as numbers.
    void copy();
    /// Copies, then blanks the selected cells.
    void cut();
    /// Writes the clipboard's cells (rowsOf()) from the current cell rightwards and downwards, and
    /// selects them. Throws platform::Exception, changing nothing, when it is wider than the
    /// columns left or would grow the grid past kMaxRows.
    void paste();
    /// Blanks the selected cells.
    void deleteSelection();
    /// Takes out every entry row that the selection, or the current cell, touches; the rows below
    /// move up. The heading row and the blank last row stay.
    void deleteRows();
    /// Puts as many blank rows as the selection spans above its top row. Throws
    /// platform::Exception, changing nothing, when the grid would grow past kMaxRows.
    void insertRowsAbove();
    /// Selects every cell of every row but the fixed and the last; with no such row, no cell, and
    /// none is current.
    void selectEntries();
    /// What column `col` holds, which decides how it sorts and whether copies tell other programs
    /// that its integers are numbers. Text unless set.
    void setColumnContent(int col, platform::ColumnContent content);
    platform::ColumnContent columnContent(int col) const;
    /// Reorders the entry rows, as one edit, by their texts in column `col` (sortEdit()); the
    /// heading row and the blank last row stay. A sort that moves no row is no edit.
    void sortRows(int col, Qt::SortOrder order);

    /// Puts `actions` above the clipboard's in the context menu (undo and redo, say), once.
    void setLeadingActions(const QList<QAction*>& actions);
    /// The context menu.
    QMenu* contextMenu() const { return menu; }
    /// The context menu of the column headings.
    QMenu* headingMenu() const { return headingsMenu; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void updateGeometries() override;

private:
    /// How the cells are shown, selected and edited.
    void setupView();
    /// The heading row and column: fixed sizes, no sorting by a click, columns that fit the view.
    void setupHeaders();
    void createActions();
    /// The context menus, built once; what they may do is decided as they are about to show.
    void createMenus();
    /// Keeps the actions in step with the selection, the rows and the clipboard.
    void connectActions();
    void showFixedCells();
    /// Tells screen readers the cell's heading, row and text.
    void announceCell(int col, int row);
    /// Tells them the current cell, once, after goToCell().
    void announceCurrentCell();
    /// Gives the columns the widths that ColumnWidths shares out of the viewport's, kMinColWidth
    /// the least.
    void fitColumns();
    /// An action of the grid's keys and context menu, named `name`, that runs `slot` with an open
    /// editor committed first, and shows what `slot` throws in the error dialog.
    QAction* makeAction(const char* name, const QString& text, const QList<QKeySequence>& keys,
                        void (StringGrid::*slot)());
    /// Enables the actions that can act on the cells as they are now.
    void updateActions();
    void updatePasteAction();
    void openMenu(const QPoint& globalPos);
    /// Readies the context menu's actions for the cells as they are now.
    void contextMenuAboutToShow();
    /// The headings' menu, for the column under `pos` of the heading row.
    void openHeadingMenu(const QPoint& pos);
    /// Points a pair of sort actions at column `col` (none outside the entries' columns): their
    /// texts name its heading, and they are enabled when there are rows to reorder.
    void aimSorts(QAction* ascending, QAction* descending, int col) const;
    /// The current cell's grid column; -1 without one.
    int currentColumn() const;
    void sortAscending();
    void sortDescending();
    /// The smallest rectangle of cells that holds the selection, or the current cell; empty when
    /// there is neither. In grid columns and rows.
    QRect selectedRect() const;
    void blankSelection(const QString& name);
    /// Selects a rectangle of cells, in grid columns and rows, its top-left cell current; the focus
    /// stays where it is.
    void selectCells(const QRect& rect);

    StringGridModel* cellModel;
    /// Goes before the view does: it asks the view of the focus, which changes as the view goes.
    std::unique_ptr<CurrentCell> current;
    std::function<void(const GridEdit&)> editHandler;
    QAction* cutAction = nullptr;
    QAction* copyAction = nullptr;
    QAction* pasteAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* selectAllAction = nullptr;
    QAction* insertRowsAction = nullptr;
    QAction* deleteRowsAction = nullptr;
    QAction* sortAscendingAction = nullptr;
    QAction* sortDescendingAction = nullptr;
    /// The column whose heading's menu was opened last.
    int headingColumn = -1;
    std::vector<platform::ColumnContent> columnContents;
    QMenu* menu = nullptr;
    QMenu* headingsMenu = nullptr;
    ColumnWidths columnWidths;
    bool fitting = false;
    bool cellToAnnounce = false; ///< goToCell() waits for the focus to say its cell
};

} // namespace grid
