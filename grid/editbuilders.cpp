// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// editbuilders.cpp - the edits that a string grid's actions make.
#include "editbuilders.h"

#include "gridrows.h"
#include "platform/counted.h"
#include "platform/exception.h"

#include <QCoreApplication>

#include <algorithm>

namespace grid {
namespace {

/// The entry rows that the selection touches: top and bottom, bottom above top for none.
std::pair<int, int> entryRowsIn(const StringGridModel& cells, const QRect& selection) {
    if (selection.isNull())
        return {0, -1};
    const GridRows rows = cells.rowRule();
    return {std::max(selection.top(), rows.firstEntryRow()),
            std::min(selection.bottom(), rows.lastEntryRow(cells.gridRowCount()))};
}

} // namespace

QString columnName(const StringGridModel& cells, int col) {
    return cells.fixedRows() > 0 && !cells.cells(col, 0).isEmpty() ? cells.cells(col, 0)
                                                                   : QString::number(col);
}

std::optional<TextEdit> blankEdit(const StringGridModel& cells, const QRect& selection,
                                  const QString& name) {
    if (selection.isNull())
        return std::nullopt;
    const QStringList blankRow(selection.width(), QString());
    return TextEdit{selection.left(), selection.top(),
                    QList<QStringList>(selection.height(), blankRow), cells.gridRowCount(), name};
}

namespace {

QPoint pasteCorner(const StringGridModel& cells, const QRect& selection) {
    return selection.isNull() ? QPoint(cells.fixedCols(), cells.fixedRows()) : selection.topLeft();
}

/// The row count after `lines` rows are pasted from row `top`: rows that reach the blank last row
/// become entry rows above a new one.
qsizetype rowCountAfterPaste(const StringGridModel& cells, int top, qsizetype lines) {
    const GridRows gridRows = cells.rowRule();
    const qsizetype lastRow = top + lines - 1;
    return lastRow < gridRows.blankRow(cells.gridRowCount()) ? cells.gridRowCount()
                                                             : gridRows.rowCountEndingAt(lastRow);
}

/// `n` with its digits grouped as the user's language groups them ("1,000,000").
QString grouped(qsizetype n) {
    return QLocale().toString(qlonglong(n));
}

/// How many rows the user sees as entries in a table of `rowCount` rows: neither the heading row
/// nor the blank last row.
qsizetype entryRows(const StringGridModel& cells, qsizetype rowCount) {
    return rowCount - cells.rowRule().firstEntryRow() - GridRows::kBlankRows;
}

/// Refuses a paste of a table of `shape` that does not fit, as pasteEdit() says.
void refuseOversized(const StringGridModel& cells, const QRect& selection,
                     const clipboard::TableShape& shape, int maxRows) {
    const QPoint topLeft = pasteCorner(cells, selection);
    const qsizetype rowCount = rowCountAfterPaste(cells, topLeft.y(), shape.rows);
    if (rowCount > maxRows)
        throw platform::Exception(
            QCoreApplication::translate(
                "grid", "The clipboard holds %1; pasted from row %2 they would make %3 entry "
                        "rows, and the table holds at most %4.")
                .arg(platform::counted("grid", shape.rows, QT_TRANSLATE_NOOP("grid", "1 line"),
                                       QT_TRANSLATE_N_NOOP("grid", "%Ln lines")),
                     grouped(topLeft.y()), grouped(entryRows(cells, rowCount)),
                     grouped(entryRows(cells, maxRows))));
    const int lastCol = cells.gridColCount() - 1;
    const int fit = lastCol + 1 - topLeft.x();
    if (shape.columns > fit)
        throw platform::Exception(
            QCoreApplication::translate("grid",
                                        "Line %1 of the clipboard holds %2 cells, but only %3 fit "
                                        "from column %4 to %5.")
                .arg(QString::number(shape.widestRow + 1), QString::number(shape.columns),
                     QString::number(fit), columnName(cells, topLeft.x()),
                     columnName(cells, lastCol)));
}

} // namespace

std::optional<TextEdit> pasteEdit(const StringGridModel& cells, const QRect& selection,
                                  const clipboard::TableShape& shape,
                                  const std::function<QList<QStringList>()>& readRows,
                                  int maxRows) {
    refuseOversized(cells, selection, shape, maxRows);
    QList<QStringList> rows = readRows();
    if (rows.isEmpty())
        return std::nullopt;
    const clipboard::TableShape read = clipboard::TableShape::of(rows);
    refuseOversized(cells, selection, read, maxRows);
    for (QStringList& row : rows)
        while (row.size() < read.columns)
            row << QString();
    const QPoint topLeft = pasteCorner(cells, selection);
    const int rowCount = int(rowCountAfterPaste(cells, topLeft.y(), rows.size()));
    return TextEdit{topLeft.x(), topLeft.y(), std::move(rows), rowCount,
                    QCoreApplication::translate("grid", "Paste")};
}

std::optional<RowInsertion> insertRowsEdit(const StringGridModel& cells, const QRect& selection,
                                           int maxRows) {
    if (selection.isNull())
        return std::nullopt;
    const int count = selection.height();
    const qsizetype rowCount = cells.gridRowCount() + qsizetype(count);
    if (rowCount > maxRows)
        throw platform::Exception(
            QCoreApplication::translate("grid", "%1 more would make %2 entry rows, and the table "
                                                "holds at most %3.")
                .arg(platform::counted("grid", count, QT_TRANSLATE_NOOP("grid", "1 row"),
                                       QT_TRANSLATE_N_NOOP("grid", "%Ln rows")),
                     grouped(entryRows(cells, rowCount)), grouped(entryRows(cells, maxRows))));
    const int top = std::max(selection.top(), cells.rowRule().firstEntryRow());
    return RowInsertion{top, QList<QStringList>(count, QStringList(cells.gridColCount())),
                        QCoreApplication::translate("grid", "Insert Rows")};
}

std::optional<RowRemoval> deleteRowsEdit(const StringGridModel& cells, const QRect& selection) {
    const auto [top, bottom] = entryRowsIn(cells, selection);
    if (bottom < top)
        return std::nullopt;
    return RowRemoval{top, bottom - top + 1, QCoreApplication::translate("grid", "Delete Rows")};
}

std::optional<RowOrder> sortEdit(const StringGridModel& cells, int col,
                                 platform::ColumnContent content, Qt::SortOrder order,
                                 const QLocale& locale) {
    const GridRows rows = cells.rowRule();
    if (col < cells.fixedCols() || col >= cells.gridColCount() ||
        !rows.hasEntryRows(cells.gridRowCount()))
        return std::nullopt;
    const int top = rows.firstEntryRow();
    const int bottom = rows.lastEntryRow(cells.gridRowCount());
    QStringList keys;
    keys.reserve(bottom - top + 1);
    for (int row = top; row <= bottom; ++row)
        keys << cells.cells(col, row);
    RowOrder edit{top, sortedOrder(keys, content, order, locale),
                  QCoreApplication::translate("grid", "Sort by %1").arg(cells.cells(col, 0))};
    if (std::is_sorted(edit.order.begin(), edit.order.end()))
        return std::nullopt; // no row moves
    return edit;
}

} // namespace grid
