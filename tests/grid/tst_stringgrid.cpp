// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_stringgrid.cpp - the string grid and its model: cells, fixed headings, row and column counts,
// editing.
#include "grid/celldelegate.h"
#include "grid/rowsort.h"
#include "grid/stringgrid.h"
#include "grid/stringgridmodel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolTip>

class tst_stringgrid : public QObject {
    Q_OBJECT

private slots:
    void gridModelRefusesWhatIsNotItsCell();
    void gridRowCountKeepsCells();
    void gridFixedCellsAreHeadings();
    void gridBatchUpdateAnnouncesOnce();
    void gridModelKeepsItsContract();
    void gridFinishEditingCommitsTypedText();
    void shortenedCellShowsItsTextAsTooltip_data();
    void shortenedCellShowsItsTextAsTooltip();
    void aNotedCellIsMarkedByContrast_data();
    void aNotedCellIsMarkedByContrast();
    void withoutACellTheClipboardAndRowActionsDoNothing();
};

void tst_stringgrid::gridModelRefusesWhatIsNotItsCell() {
    grid::StringGrid grid;
    grid.setCells(1, 1, "x");
    grid::StringGridModel* model = grid.gridModel();
    const QModelIndex cell = model->index(1, 1);
    QCOMPARE(model->rowCount(cell), 0);
    QCOMPARE(model->columnCount(cell), 0);
    QVERIFY(!model->data(cell, Qt::DecorationRole).isValid());
    QVERIFY(!model->data(QModelIndex(), Qt::DisplayRole).isValid());
    QCOMPARE(model->flags(QModelIndex()), Qt::NoItemFlags);
    QStandardItemModel other(3, 3);
    QVERIFY(!model->setData(other.index(1, 1), "y", Qt::EditRole));
    QCOMPARE(grid.Cells(1, 1), "x");
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    grid.setColCount(grid.ColCount());
    QCOMPARE(reset.count(), 0);
    QCOMPARE(grid.Cells(-1, 1), "");
    QCOMPARE(grid.Cells(1, -1), "");
}

void tst_stringgrid::gridRowCountKeepsCells() {
    grid::StringGrid grid;
    grid.setRowCount(3);
    grid.setCells(1, 0, "head");
    grid.setCells(2, 2, "kept");
    grid.setRowCount(6);
    QCOMPARE(grid.RowCount(), 6);
    QCOMPARE(grid.Cells(2, 2), "kept");
    QCOMPARE(grid.Cells(2, 5), "");
    grid.setRowCount(2);
    QCOMPARE(grid.Cells(1, 0), "head");
    QCOMPARE(grid.Cells(2, 2), ""); // dropped with its row
    grid.setRowCount(3);
    QCOMPARE(grid.Cells(2, 2), ""); // and comes back blank
    grid.setCells(9, 9, "outside");
    grid.setCells(-1, 0, "outside");
    QCOMPARE(grid.Cells(9, 9), "");
    QCOMPARE(grid.ColCount(), 5);
    // Columns come and go at the right; the cells of the others stay where they were.
    grid.setCells(4, 2, "right");
    grid.setColCount(7);
    QCOMPARE(grid.Cells(1, 0), "head");
    QCOMPARE(grid.Cells(4, 2), "right");
    QCOMPARE(grid.Cells(6, 2), "");
    grid.setColCount(4);
    QCOMPARE(grid.Cells(1, 0), "head");
    QCOMPARE(grid.Cells(4, 2), ""); // dropped with its column
}

void tst_stringgrid::gridFixedCellsAreHeadings() {
    grid::StringGrid grid;
    grid.setRowCount(3);
    grid.setCells(2, 0, "heading");
    grid.setCells(0, 2, "side");
    grid::StringGridModel* model = grid.gridModel();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->columnCount(), 4);
    QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "heading");
    QCOMPARE(model->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), "side");
    QVERIFY(!grid.cellIndex(2, 0).isValid());
    QVERIFY(!grid.cellIndex(0, 2).isValid());
    const QModelIndex cell = grid.cellIndex(1, 1);
    QCOMPARE(cell, model->index(0, 0));
    QVERIFY(model->flags(cell) & Qt::ItemIsEditable);
    QVERIFY(!model->setData(cell, "typed", Qt::DisplayRole));
    QVERIFY(model->setData(cell, "typed", Qt::EditRole));
    QCOMPARE(grid.Cells(1, 1), "typed");
    QVERIFY(!model->headerData(1, Qt::Horizontal, Qt::DecorationRole).isValid());
    QSignalSpy headings(model, &QAbstractItemModel::headerDataChanged);
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    grid.setCells(0, 0, "corner"); // neither a heading nor an item: nothing to announce
    grid.setCells(3, 0, "objom");
    QCOMPARE(grid.Cells(0, 0), "corner");
    QCOMPARE(headings.count(), 1);
    QCOMPARE(changed.count(), 0);
    grid.setFixedRows(0);
    grid.setFixedCols(0);
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(grid.cellIndex(2, 0), model->index(0, 2));
    QVERIFY(!model->headerData(0, Qt::Horizontal, Qt::DisplayRole).isValid());
    QVERIFY(!model->headerData(0, Qt::Vertical, Qt::DisplayRole).isValid());
}

void tst_stringgrid::gridBatchUpdateAnnouncesOnce() {
    grid::StringGrid grid;
    grid::StringGridModel* model = grid.gridModel();
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    model->beginUpdate();
    for (int row = 0; row < grid.RowCount(); ++row)
        grid.setCells(1, row, "x");
    QCOMPARE(changed.count(), 0);
    model->endUpdate();
    QCOMPARE(changed.count(), 1);
    grid.setCells(2, 1, "y");
    QCOMPARE(changed.count(), 2);
}

void tst_stringgrid::gridModelKeepsItsContract() {
    grid::StringGrid grid;
    QAbstractItemModelTester tester(grid.gridModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.setRowCount(10);
    grid.setCells(3, 4, "a");
    grid.setRowCount(1);
    grid.setRowCount(0); // never below one row
    QCOMPARE(grid.RowCount(), 1);
    grid.setColCount(3);
    grid.setRowCount(4);
    grid.setColCount(6);
    QCOMPARE(grid.ColCount(), 6);
}

void tst_stringgrid::gridFinishEditingCommitsTypedText() {
    grid::StringGrid grid;
    grid.setRowCount(3);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setCurrentIndex(grid.cellIndex(3, 2));
    QTest::keyClick(grid.viewport(), '5'); // typing starts the in-place editor
    auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(grid.currentIndex()));
    QVERIFY(editor);
    QTest::keyClicks(editor, "12");
    QCOMPARE(grid.Cells(3, 2), ""); // not yet written back
    grid.finishEditing();
    QCOMPARE(grid.Cells(3, 2), "512");
    QVERIFY(!grid.indexWidget(grid.currentIndex()));
    grid.finishEditing(); // nothing open: nothing happens
    QCOMPARE(grid.Cells(3, 2), "512");
}

void tst_stringgrid::shortenedCellShowsItsTextAsTooltip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("note");
    QTest::newRow("noted: the note") << "short"
                                     << "not accepted"
                                     << "not accepted";
    QTest::newRow("fits: none") << "short"
                                << ""
                                << "";
    QTest::newRow("shortened: the whole text") << QString(40, u'W') << QString(40, u'W') << "";
    QTest::newRow("shortened markup: as typed")
        << "<b>" + QString(40, u'W') << "<b>" + QString(40, u'W') << QString();
    QTest::newRow("a pasted page: its first 300 characters")
        << QString(2'000'000, u'W') << QString(300, u'W') + "…" << QString();
}

void tst_stringgrid::shortenedCellShowsItsTextAsTooltip() {
    QFETCH(QString, text);
    QFETCH(QString, tooltip);
    QFETCH(QString, note);
    grid::StringGrid grid;
    grid.setRowCount(3);
    grid.setCells(2, 1, text);
    if (!note.isEmpty())
        grid.gridModel()->setNoter(
            [note](int col, int row) { return col == 2 && row == 1 ? note : QString(); });
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QPoint at = grid.visualRect(grid.cellIndex(2, 1)).center();
    QHelpEvent help(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid.viewport(), &help);
    QCOMPARE(QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText(), tooltip);
    QToolTip::hideText();
}

void tst_stringgrid::aNotedCellIsMarkedByContrast_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("selected");
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    dark.setColor(QPalette::Text, QColor(0xdd, 0xdd, 0xdd));
    dark.setColor(QPalette::Highlight, QColor(0x1d, 0x3d, 0x5c)); // barely lighter than the cells
    dark.setColor(QPalette::HighlightedText, Qt::white);
    QTest::newRow("light") << QApplication::style()->standardPalette() << false;
    QTest::newRow("light, selected") << QApplication::style()->standardPalette() << true;
    QTest::newRow("dark, its highlight as dark as its cells") << dark << false;
    QTest::newRow("dark, selected") << dark << true;
}

void tst_stringgrid::aNotedCellIsMarkedByContrast() {
    QFETCH(QPalette, palette);
    QFETCH(bool, selected);
    QApplication::setPalette(palette);
    grid::StringGrid grid;
    grid.setRowCount(3);
    grid.gridModel()->setNoter([](int col, int row) { return col == 2 && row == 1 ? "n" : ""; });
    grid.goToCell(4, 1);
    if (selected)
        grid.selectionModel()->select(grid.cellIndex(2, 1), QItemSelectionModel::ClearAndSelect);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage shot = grid.viewport()->grab().toImage();
    QApplication::setPalette(QPalette());
    // The mark, in the top right corner, against the cell beside it; an unnoted cell bears none.
    for (const int col : {2, 3}) {
        const QRect cell = grid.visualRect(grid.cellIndex(col, 1));
        const double ratio =
            grid::contrastRatio(shot.pixelColor(cell.right() - 1, cell.top() + 1),
                                shot.pixelColor(cell.left() + 1, cell.bottom() - 1));
        QVERIFY2(col == 2 ? ratio >= 3.0 : ratio == 1.0, qPrintable(QString::number(ratio)));
    }
}

void tst_stringgrid::withoutACellTheClipboardAndRowActionsDoNothing() {
    grid::StringGrid grid;
    grid.setCells(1, 1, "kept");
    QGuiApplication::clipboard()->setText("copied elsewhere");
    grid.copy();
    grid.cut();
    grid.deleteSelection();
    grid.deleteRows();
    grid.insertRowsAbove();
    QCOMPARE(QGuiApplication::clipboard()->text(), "copied elsewhere");
    QCOMPARE(grid.Cells(1, 1), "kept");
    QCOMPARE(grid.RowCount(), 5);
    // A paste with no cell chosen starts at the first one; an empty clipboard pastes nothing.
    grid.paste();
    QCOMPARE(grid.Cells(1, 1), "copied elsewhere");
    QGuiApplication::clipboard()->clear();
    grid.paste();
    QCOMPARE(grid.Cells(1, 1), "copied elsewhere");
    // Sorts outside the entries' columns, and a row the grid does not have, change nothing.
    grid.setCells(1, 2, "a");
    grid.setColumnContent(-1, platform::ColumnContent::Integer);
    for (const int col : {-1, 0, 5})
        grid.sortRows(col, Qt::AscendingOrder);
    QCOMPARE(grid.Cells(1, 1), "copied elsewhere");
    QCOMPARE(grid.columnContent(99), platform::ColumnContent::Text);
    grid.selectEntries();
    grid.selectRowCells(99);
    QVERIFY(!grid.selectionModel()->hasSelection());
}

QTEST_MAIN(tst_stringgrid)
#include "tst_stringgrid.moc"
