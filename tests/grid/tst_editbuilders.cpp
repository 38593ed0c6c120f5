// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_editbuilders.cpp - the edits that the table's actions make from its cells and a selection:
// what each writes, moves, puts in or takes out, and what each refuses.
#include "grid/editbuilders.h"
#include "platform/exception.h"

#include <QTest>

using Rows = QList<QStringList>;

namespace {

/// A grid with the heading row "h1".."h4", `entries` entry rows "e<row>" in column 1, and the
/// blank last row.
void fill(grid::StringGridModel& cells, int entries) {
    cells.setGridColCount(5);
    cells.setFixedCols(1);
    cells.setFixedRows(1);
    cells.setGridRowCount(entries + 2);
    for (int col = 1; col < 5; ++col)
        cells.setCells(col, 0, QString("h%1").arg(col));
    for (int row = 1; row <= entries; ++row)
        cells.setCells(1, row, QString("e%1").arg(row));
}

QRect rows(int top, int bottom) {
    return QRect(QPoint(1, top), QPoint(4, bottom));
}

} // namespace

class tst_editbuilders : public QObject {
    Q_OBJECT

private slots:
    void pasteWritesFromTheSelection_data();
    void pasteWritesFromTheSelection();
    void rowEditsKeepTheHeadingAndTheBlankLastRow_data();
    void rowEditsKeepTheHeadingAndTheBlankLastRow();
    void sortMovesOnlyTheEntryRows_data();
    void sortMovesOnlyTheEntryRows();
};

void tst_editbuilders::pasteWritesFromTheSelection_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<Rows>("clipboard");
    QTest::addColumn<QPoint>("at");    // the edit's top-left cell
    QTest::addColumn<Rows>("texts");   // what it writes
    QTest::addColumn<int>("rowCount"); // rows after it; -1: refused
    QTest::addColumn<QString>("refusal");
    QTest::newRow("without a selection, at the first cell")
        << 2 << QRect() << Rows{{"a"}} << QPoint(1, 1) << Rows{{"a"}} << 4 << "";
    QTest::newRow("short lines padded to the widest")
        << 2 << QRect(2, 1, 1, 1) << Rows{{"a"}, {"b", "c"}} << QPoint(2, 1)
        << Rows{{"a", ""}, {"b", "c"}} << 4 << "";
    QTest::newRow("reaching the blank last row grows the table under it")
        << 2 << QRect(1, 3, 1, 1) << Rows{{"a"}, {"b"}} << QPoint(1, 3) << Rows{{"a"}, {"b"}} << 6
        << "";
    QTest::newRow("the row above the blank one grows nothing")
        << 2 << QRect(1, 2, 1, 1) << Rows{{"a"}} << QPoint(1, 2) << Rows{{"a"}} << 4 << "";
    QTest::newRow("too wide: the widest line and the columns named")
        << 2 << QRect(3, 1, 1, 1) << Rows{{"a"}, {"b", "c", "d"}} << QPoint() << Rows{} << -1
        << "Line 2 of the clipboard holds 3 cells, but only 2 fit from column h3 to h4.";
    QTest::newRow("one row past the bound")
        << 2 << QRect(1, 3, 1, 1) << Rows(7, {"x"}) << QPoint() << Rows{} << -1
        << "The clipboard holds 7 lines; pasted from row 3 they would make 9 entry rows, and the "
           "table holds at most 8.";
    QTest::newRow("one line past the bound, counted as one")
        << 8 << QRect(1, 9, 1, 1) << Rows{{"x"}} << QPoint() << Rows{} << -1
        << "The clipboard holds 1 line; pasted from row 9 they would make 9 entry rows, and the "
           "table holds at most 8.";
    QTest::newRow("up to the bound")
        << 2 << QRect(1, 3, 1, 1) << Rows(6, {"x"}) << QPoint(1, 3) << Rows(6, {"x"}) << 10 << "";
    QTest::newRow("an empty clipboard: no edit")
        << 2 << QRect(1, 1, 1, 1) << Rows{} << QPoint() << Rows{} << 4 << "";
}

void tst_editbuilders::pasteWritesFromTheSelection() {
    QFETCH(int, entries);
    QFETCH(QRect, selection);
    QFETCH(Rows, clipboard);
    QFETCH(QPoint, at);
    QFETCH(Rows, texts);
    QFETCH(int, rowCount);
    QFETCH(QString, refusal);
    grid::StringGridModel cells;
    fill(cells, entries);
    const clipboard::TableShape shape = clipboard::TableShape::of(clipboard);
    // A paste too large is refused by the shape counted, before a cell is read.
    int reads = 0;
    const auto read = [&reads, &clipboard] {
        ++reads;
        return clipboard;
    };
    std::optional<grid::TextEdit> edit;
    try {
        edit = grid::pasteEdit(cells, selection, shape, read, 10);
        QVERIFY2(rowCount >= 0, "not refused");
    } catch (const platform::Exception& e) {
        QCOMPARE(e.Message(), refusal);
        QCOMPARE(reads, 0);
        return;
    }
    QCOMPARE(reads, 1);
    QCOMPARE(edit.has_value(), !texts.isEmpty());
    if (!edit)
        return;
    QCOMPARE(QPoint(edit->col, edit->row), at);
    QCOMPARE(edit->texts, texts);
    QCOMPARE(edit->rowCount, rowCount);
}

void tst_editbuilders::rowEditsKeepTheHeadingAndTheBlankLastRow_data() {
    // Four entry rows (1 to 4) and the blank last row 5.
    QTest::addColumn<QString>("action");
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<int>("row");   // where rows go in or come out; -1: no edit
    QTest::addColumn<int>("count"); // how many
    QTest::newRow("delete: the rows selected") << "delete" << rows(2, 3) << 2 << 2;
    QTest::newRow("delete: one cell takes its row") << "delete" << QRect(3, 4, 1, 1) << 4 << 1;
    QTest::newRow("delete: the blank last row is spared") << "delete" << rows(3, 5) << 3 << 2;
    QTest::newRow("delete: the blank last row alone, no edit") << "delete" << rows(5, 5) << -1 << 0;
    QTest::newRow("delete: nothing selected, no edit") << "delete" << QRect() << -1 << 0;
    QTest::newRow("insert: as many rows as selected, above them")
        << "insert" << rows(2, 4) << 2 << 3;
    QTest::newRow("insert: above the blank last row") << "insert" << rows(5, 5) << 5 << 1;
    QTest::newRow("insert: nothing selected, no edit") << "insert" << QRect() << -1 << 0;
    QTest::newRow("insert: up to the bound") << "insert" << rows(1, 4) << 1 << 4;
    QTest::newRow("insert: past the bound, refused") << "insert" << rows(1, 5) << -2 << 0;
}

void tst_editbuilders::rowEditsKeepTheHeadingAndTheBlankLastRow() {
    QFETCH(QString, action);
    QFETCH(QRect, selection);
    QFETCH(int, row);
    QFETCH(int, count);
    grid::StringGridModel cells;
    fill(cells, 4);
    if (action == "delete") {
        const std::optional<grid::RowRemoval> edit = grid::deleteRowsEdit(cells, selection);
        QCOMPARE(edit ? edit->row : -1, row);
        QCOMPARE(edit ? edit->count : 0, count);
        return;
    }
    const int maxRows = 10;
    if (row == -2) {
        QVERIFY_THROWS_EXCEPTION(platform::Exception,
                                 grid::insertRowsEdit(cells, selection, maxRows - 5));
        return;
    }
    const std::optional<grid::RowInsertion> edit = grid::insertRowsEdit(cells, selection, maxRows);
    QCOMPARE(edit ? edit->row : -1, row);
    QCOMPARE(edit ? edit->texts : Rows{}, Rows(count, QStringList(5)));
}

void tst_editbuilders::sortMovesOnlyTheEntryRows_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("entries");
    QTest::addColumn<std::vector<int>>("order"); // empty: no edit
    QTest::newRow("by column 1, descending") << 1 << 3 << std::vector<int>{2, 1, 0};
    QTest::newRow("one entry: nothing moves") << 1 << 1 << std::vector<int>{};
    QTest::newRow("already in order: no edit") << 2 << 3 << std::vector<int>{};
    QTest::newRow("the heading column: no edit") << 0 << 3 << std::vector<int>{};
    QTest::newRow("past the last column: no edit") << 5 << 3 << std::vector<int>{};
}

void tst_editbuilders::sortMovesOnlyTheEntryRows() {
    QFETCH(int, col);
    QFETCH(int, entries);
    QFETCH(std::vector<int>, order);
    grid::StringGridModel cells;
    fill(cells, entries);
    cells.setCells(3, entries + 1, "0"); // the blank last row's text never moves
    const std::optional<grid::RowOrder> edit = grid::sortEdit(
        cells, col, platform::ColumnContent::Text, Qt::DescendingOrder, QLocale::c());
    QCOMPARE(edit ? edit->order : std::vector<int>{}, order);
    if (edit) {
        QCOMPARE(edit->row, 1);
        QCOMPARE(edit->name, "Sort by h1");
    }
}

QTEST_MAIN(tst_editbuilders)
#include "tst_editbuilders.moc"
