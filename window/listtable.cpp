// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// listtable.cpp - what the grid shows of a list.
#include "listtable.h"

#include "textfield.h"

#include "grid/rowsort.h"
#include "grid/stringgrid.h"
#include "grid/stringgridmodel.h"
#include "platform/conversions.h"
#include "platform/quoted.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

/// The grid's columns of an entry's fields, in field order: their headings, and how a cell shows
/// its field. Column 0 stays empty.
struct Column {
    int col;
    const char* heading;
    /// Whether `cell` already shows the field of `p`, found without building its text.
    bool (*isShownIn)(QStringView cell, const node& p);
    QString (*cellText)(const node& p);
    platform::ColumnContent content;
};
constexpr std::array<Column, 4> kColumns = {{
    {1, "firma", [](QStringView t, const node& p) { return isFieldText(t, p.firma); },
     [](const node& p) { return fieldText(p.firma); }, platform::ColumnContent::Text},
    {2, "marka", [](QStringView t, const node& p) { return isFieldText(t, p.marka); },
     [](const node& p) { return fieldText(p.marka); }, platform::ColumnContent::Text},
    {3, "objom", [](QStringView t, const node& p) { return platform::isIntText(t, p.objom); },
     [](const node& p) { return platform::IntToStr(p.objom); }, platform::ColumnContent::Integer},
    {4, "zena", [](QStringView t, const node& p) { return platform::isIntText(t, p.zena); },
     [](const node& p) { return platform::IntToStr(p.zena); }, platform::ColumnContent::Integer},
}};

/// Calls `differs(column, row, p)` for every cell below the headings whose text is not what the
/// list puts there: `p` is the entry of that row, or null where the row should be blank. Walks the
/// list once and builds no text.
template <typename Differs>
void forEachDifference(const grid::StringGrid* grid, const spisok& s, const Differs& differs) {
    const int rowCount = grid->RowCount();
    int row = grid->gridRows().firstEntryRow();
    for (const node* p = s.headNode(); p && row < rowCount; p = p->next, ++row)
        for (const Column& column : kColumns)
            if (!column.isShownIn(grid->Cells(column.col, row), *p))
                differs(column, row, p);
    for (; row < rowCount; ++row)
        for (const Column& column : kColumns)
            if (!grid->Cells(column.col, row).isEmpty())
                differs(column, row, nullptr);
}

} // namespace

grid::GridRows ListTable::rowRule() const {
    return grid->gridRows();
}

void ListTable::writeHeadings() const {
    for (const Column& column : kColumns) {
        grid->setCells(column.col, 0, QLatin1StringView(column.heading));
        grid->setColumnContent(column.col, column.content);
    }
}

void ListTable::show(const spisok& s) const {
    grid::GridUpdate update(grid->gridModel());
    // Only cells whose text changes are written, so a repaint after a change near the end costs
    // comparisons rather than new strings.
    forEachDifference(grid, s, [this](const Column& column, int row, const node* p) {
        grid->setCells(column.col, row, p ? column.cellText(*p) : QString());
    });
}

void ListTable::showOnly(const spisok& s) const {
    grid->setRowCount(rowRule().rowCountFor(s.size()));
    show(s);
}

TableEdits ListTable::editsOver(const spisok& s) const {
    TableEdits edits{grid->RowCount(), {}};
    forEachDifference(grid, s, [this, &edits](const Column& column, int row, const node*) {
        edits.cells.push_back({column.col, row, grid->Cells(column.col, row)});
    });
    return edits;
}

void ListTable::noteEditsOver(const spisok& s) const {
    // The notes are read as cells are drawn or read aloud, when the list may have changed since:
    // they compare with a copy of the entries' fields, and build a text only for a cell asked for.
    auto entries = std::make_shared<std::vector<node>>();
    entries->reserve(std::size_t(s.size()));
    for (const node* p = s.headNode(); p; p = p->next)
        entries->push_back(*p);
    grid->gridModel()->setNoter([grid = grid, entries](int col, int row) -> QString {
        const auto column = std::find_if(kColumns.begin(), kColumns.end(),
                                         [col](const Column& c) { return c.col == col; });
        const grid::GridRows rows = grid->gridRows();
        if (column == kColumns.end() || row < rows.firstEntryRow())
            return {};
        // A blank row is refused whole, whatever the list holds there.
        if (ListTable(grid).isBlankEntryRow(row))
            return QCoreApplication::translate(
                "TForm1", "a blank row, which accept refuses: fill it in, or take it out");
        const QString& cell = grid->Cells(col, row);
        const std::size_t index = std::size_t(rows.indexOf(row));
        if (index < entries->size()) {
            const node& p = (*entries)[index];
            if (column->isShownIn(cell, p))
                return {};
            const QString held = column->cellText(p);
            return QCoreApplication::translate("TForm1", "not accepted yet; the list holds %1")
                .arg(held.isEmpty() ? QCoreApplication::translate("TForm1", "nothing")
                                    : platform::visible(held));
        }
        if (cell.isEmpty())
            return {};
        return row == rows.blankRow(grid->RowCount())
                   ? QCoreApplication::translate(
                         "TForm1", "typed into the last row, which accept does not add")
                   : QCoreApplication::translate("TForm1", "a new row, not in the list yet");
    });
}

bool ListTable::showsOnly(const spisok& s, const TableEdits& edits) const {
    return edits.cells.empty() && edits.rowCount == rowRule().rowCountFor(s.size());
}

void ListTable::restore(const spisok& s, const TableEdits& edits) const {
    grid->setRowCount(edits.rowCount);
    show(s);
    grid::GridUpdate update(grid->gridModel());
    for (const TableEdits::Cell& cell : edits.cells)
        grid->setCells(cell.col, cell.row, cell.text);
}

std::array<EntryInput, 4> ListTable::entryInputs(int row) const {
    return {EntryInput(grid, kColumns[0].col, row), EntryInput(grid, kColumns[1].col, row),
            EntryInput(grid, kColumns[2].col, row), EntryInput(grid, kColumns[3].col, row)};
}

bool ListTable::isBlankEntryRow(int row) const {
    const grid::GridRows rows = rowRule();
    return row >= rows.firstEntryRow() && row < rows.blankRow(grid->RowCount()) &&
           std::all_of(kColumns.begin(), kColumns.end(), [this, row](const Column& column) {
               return grid->Cells(column.col, row).isEmpty();
           });
}

void ListTable::scrollToEntry(std::int32_t index) const {
    if (index >= 0)
        grid->scrollToRow(rowRule().rowOf(index));
}

void ListTable::selectEntry(std::int32_t index) const {
    if (index >= 0)
        grid->selectRowCells(rowRule().rowOf(index));
}
