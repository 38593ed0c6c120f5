// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// listtable.h - what the grid shows of a list: its four columns, the entries' texts, and the
// edits that the table holds beyond the list.
#pragma once

#include "entryinput.h"

#include "grid/gridrows.h"
#include "list/spisok.h"

#include <QString>

#include <array>
#include <vector>

namespace grid {
class StringGrid;
}

/// What a table shows beyond a list: the texts typed or pasted and not accepted yet, and its row
/// count. Only the cells that differ from the list's own texts are kept.
struct TableEdits {
    struct Cell {
        int col;
        int row;
        QString text;
    };
    int rowCount = 0;
    std::vector<Cell> cells;
};

/// The grid as the view of a list of entries: the headings "firma", "marka", "objom" and "zena"
/// in the heading row, each entry in its row (grid::GridRows) with its four fields in columns
/// 1 to 4, numbers in decimal, and the blank last row. Holds only the grid, so it is copied freely.
class ListTable {
public:
    explicit ListTable(grid::StringGrid* grid) : grid(grid) {}

    grid::GridRows rowRule() const;

    /// Writes the four headings, and has the number columns sort as integers.
    void writeHeadings() const;
    /// Repaints every row below the headings: a row shows its entry of `s`, a row beyond the list
    /// is blank. The row count stays; entries beyond the last row are not shown. Walks the list
    /// once and writes only the cells whose text changes.
    void show(const spisok& s) const;
    /// Gives the table one row per entry of `s` and the blank last row, then shows `s`.
    void showOnly(const spisok& s) const;

    /// What the table shows beyond `s`. Linear in the cells; builds a text only for a cell that
    /// differs.
    TableEdits editsOver(const spisok& s) const;
    /// Whether a table that shows `edits` beyond `s` shows just `s`: one row per entry, the blank
    /// last row, nothing typed.
    bool showsOnly(const spisok& s, const TableEdits& edits) const;
    /// Notes every cell whose text is not what `s` puts there, for the user: what the list holds
    /// there, or that the row is new, or that the last row is not added. Copies the entries'
    /// fields, linear in the entries; a cell's note is found, and written, when it is asked for.
    void noteEditsOver(const spisok& s) const;
    /// Puts back the table that showed `edits` beyond `s`.
    void restore(const spisok& s, const TableEdits& edits) const;

    /// The four cells of row `row`, in field order, to read an entry from.
    std::array<EntryInput, 4> entryInputs(int row) const;
    /// Whether grid row `row` is an entry row (not the heading, not the blank last row) whose four
    /// cells are empty: a row that accept refuses as a whole. Constant.
    bool isBlankEntryRow(int row) const;
    /// Scrolls the row of the entry at `index` into view; a negative index scrolls nowhere.
    void scrollToEntry(std::int32_t index) const;
    /// Selects the row of the entry at `index` and scrolls it into view; with no such row in the
    /// table, selects no cell.
    void selectEntry(std::int32_t index) const;

private:
    grid::StringGrid* grid;
};
