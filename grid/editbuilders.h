// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// editbuilders.h - the edits that a string grid's actions make, from its cells and a selection.
#pragma once

#include "gridedit.h"
#include "rowsort.h"
#include "stringgridmodel.h"

#include "clipboard/tableshape.h"

#include <QLocale>
#include <QRect>

#include <functional>
#include <optional>

namespace grid {

// Each builder reads the cells and a selection (a rectangle of grid columns and rows, null for
// none) and changes nothing: it gives the edit, none when there is nothing to do, or throws
// platform::Exception when it refuses. The heading row and column are never edited, and the
// blank last row (GridRows) stays last.

/// What the user calls column `col`: its heading, or its number.
QString columnName(const StringGridModel& cells, int col);

/// Blanks the selected cells; `name` says why ("Cut", "Delete").
std::optional<TextEdit> blankEdit(const StringGridModel& cells, const QRect& selection,
                                  const QString& name);

/// Writes the rows of a table of `shape` from the selection's top-left cell (the first cell
/// without one) rightwards and downwards, short rows padded with empty cells; rows that reach the
/// blank last row become entry rows above a new one. Refuses a grid grown past `maxRows`, and rows
/// wider than the columns left (naming the first widest by the cells it holds): by the shape,
/// before `readRows` builds a cell, and again by the rows it gives, which a lighter count may not
/// foresee.
std::optional<TextEdit> pasteEdit(const StringGridModel& cells, const QRect& selection,
                                  const clipboard::TableShape& shape,
                                  const std::function<QList<QStringList>()>& readRows, int maxRows);

/// As many blank rows as the selection spans, above its top row (never above the first entry
/// row). Refuses a grid grown past `maxRows`.
std::optional<RowInsertion> insertRowsEdit(const StringGridModel& cells, const QRect& selection,
                                           int maxRows);

/// Takes out every entry row that the selection touches, never the blank last row.
std::optional<RowRemoval> deleteRowsEdit(const StringGridModel& cells, const QRect& selection);

/// The entry rows sorted by their texts in column `col` (sortedOrder()); none outside the entries'
/// columns, or when no row moves.
std::optional<RowOrder> sortEdit(const StringGridModel& cells, int col,
                                 platform::ColumnContent content, Qt::SortOrder order,
                                 const QLocale& locale = QLocale());

} // namespace grid
