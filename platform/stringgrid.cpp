// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// stringgrid.cpp - a grid of editable texts with a fixed heading row and column.
#include "stringgrid.h"

#include "stringgridmodel.h"

#include <QHeaderView>

namespace platform {

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), cells(new StringGridModel(this)) {
    setModel(cells);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        // Headings, not controls: they neither sort, select, resize nor light up.
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    // Tab leaves the grid for the next control, as everywhere else in the window.
    setTabKeyNavigation(false);
    // A grid that no stored layout configures: five columns, five rows, one fixed of each, as
    // the string grid this one stands in for starts.
    setColCount(5);
    setRowCount(5);
    setFixedCols(1);
    setFixedRows(1);
    setDefaultColWidth(64);
    setDefaultRowHeight(24);
}

const QString& StringGrid::Cells(int col, int row) const {
    return cells->cells(col, row);
}

void StringGrid::setCells(int col, int row, const QString& text) {
    cells->setCells(col, row, text);
}

int StringGrid::RowCount() const {
    return cells->gridRowCount();
}

void StringGrid::setRowCount(int rows) {
    cells->setGridRowCount(rows);
}

int StringGrid::ColCount() const {
    return cells->gridColCount();
}

void StringGrid::setColCount(int columns) {
    cells->setGridColCount(columns);
}

int StringGrid::fixedRows() const {
    return cells->fixedRows();
}

void StringGrid::setFixedRows(int rows) {
    cells->setFixedRows(rows);
    showFixedCells();
}

int StringGrid::fixedCols() const {
    return cells->fixedCols();
}

void StringGrid::setFixedCols(int columns) {
    cells->setFixedCols(columns);
    showFixedCells();
}

int StringGrid::defaultColWidth() const {
    return horizontalHeader()->defaultSectionSize();
}

void StringGrid::setDefaultColWidth(int width) {
    horizontalHeader()->setDefaultSectionSize(width);
    showFixedCells();
}

int StringGrid::defaultRowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

void StringGrid::setDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    showFixedCells();
}

void StringGrid::showFixedCells() {
    // The heading row is a row and the heading column a column: same sizes as the cells.
    horizontalHeader()->setVisible(fixedRows() > 0);
    horizontalHeader()->setFixedHeight(defaultRowHeight());
    verticalHeader()->setVisible(fixedCols() > 0);
    verticalHeader()->setFixedWidth(defaultColWidth());
}

QModelIndex StringGrid::cellIndex(int col, int row) const {
    return cells->indexOfCell(col, row);
}

void StringGrid::goToCell(int col, int row) {
    const QModelIndex cell = cellIndex(col, row);
    if (!cell.isValid())
        return;
    setCurrentIndex(cell);
    scrollTo(cell);
    setFocus(Qt::OtherFocusReason);
}

void StringGrid::finishEditing() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

} // namespace platform
