// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_stringgridmodel.cpp - the grid's cells as a model: each edit and its inverse, announced as
// what it is, the notes served as roles, and Qt's model contract kept throughout.
#include "grid/stringgridmodel.h"

#include <QAbstractItemModelTester>
#include <QGuiApplication>
#include <QItemSelectionRange>
#include <QPersistentModelIndex>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <map>

using Rows = QList<QStringList>;

namespace {

/// Columns 1 and 2 of every row below the heading row.
Rows texts(const grid::StringGridModel& cells) {
    Rows rows;
    for (int row = 1; row < cells.gridRowCount(); ++row)
        rows << QStringList{cells.cells(1, row), cells.cells(2, row)};
    return rows;
}

} // namespace

class tst_stringgridmodel : public QObject {
    Q_OBJECT

private slots:
    void editsAreAnnouncedAsWhatTheyAre_data();
    void editsAreAnnouncedAsWhatTheyAre();
    void notesAreTheItemsRoles();
};

void tst_stringgridmodel::editsAreAnnouncedAsWhatTheyAre_data() {
    QTest::addColumn<grid::GridEdit>("edit");
    QTest::addColumn<Rows>("after");           // columns 1 and 2 of the rows below the heading
    QTest::addColumn<QByteArray>("announced"); // the signal that says what happened
    QTest::addColumn<int>("currentRow");       // where the current cell (grid row 2) is after it
    // The grid before each: a heading row and the rows "a", "b", "c", "" in column 1.
    QTest::newRow("texts written: the cells change, the current cell stays")
        << grid::GridEdit(grid::TextEdit{1, 2, {{"x", "y"}}, 5, "Paste"})
        << Rows{{"a", ""}, {"x", "y"}, {"c", ""}, {"", ""}} << QByteArray("dataChanged") << 2;
    QTest::newRow("texts written into the blank last row")
        << grid::GridEdit(grid::TextEdit{1, 4, {{"z", "w"}}, 5, "Paste"})
        << Rows{{"a", ""}, {"b", ""}, {"c", ""}, {"z", "w"}} << QByteArray("dataChanged") << 2;
    QTest::newRow("texts that grow the grid: rows inserted at the bottom")
        << grid::GridEdit(grid::TextEdit{1, 4, {{"d"}, {""}}, 6, "Paste"})
        << Rows{{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}, {"", ""}} << QByteArray("rowsInserted")
        << 2;
    QTest::newRow("a new order: the layout changes, the current cell goes with its row")
        << grid::GridEdit(grid::RowOrder{1, {2, 0, 1}, "Sort"})
        << Rows{{"c", ""}, {"a", ""}, {"b", ""}, {"", ""}} << QByteArray("layoutChanged") << 3;
    QTest::newRow("rows put in above: the current cell goes down with its row")
        << grid::GridEdit(grid::RowInsertion{1, {{"", "n", ""}, {"", "m", ""}}, "Insert Rows"})
        << Rows{{"n", ""}, {"m", ""}, {"a", ""}, {"b", ""}, {"c", ""}, {"", ""}}
        << QByteArray("rowsInserted") << 4;
    QTest::newRow("rows taken out above: the current cell goes up with its row")
        << grid::GridEdit(grid::RowRemoval{1, 1, "Delete Rows"})
        << Rows{{"b", ""}, {"c", ""}, {"", ""}} << QByteArray("rowsRemoved") << 1;
}

void tst_stringgridmodel::editsAreAnnouncedAsWhatTheyAre() {
    QFETCH(grid::GridEdit, edit);
    QFETCH(Rows, after);
    QFETCH(QByteArray, announced);
    QFETCH(int, currentRow);
    grid::StringGridModel cells;
    QAbstractItemModelTester tester(&cells, QAbstractItemModelTester::FailureReportingMode::QtTest);
    cells.setGridColCount(3);
    cells.setGridRowCount(5);
    cells.setFixedRows(1);
    cells.setFixedCols(1);
    for (const auto& [row, text] : {std::pair{1, "a"}, {2, "b"}, {3, "c"}})
        cells.setCells(1, row, text);
    const Rows before = texts(cells);
    const QPersistentModelIndex current = cells.indexOfCell(2, 2);
    QSignalSpy dataChanged(&cells, &QAbstractItemModel::dataChanged);
    QSignalSpy rowsInserted(&cells, &QAbstractItemModel::rowsInserted);
    QSignalSpy rowsRemoved(&cells, &QAbstractItemModel::rowsRemoved);
    QSignalSpy layoutChanged(&cells, &QAbstractItemModel::layoutChanged);
    QSignalSpy reset(&cells, &QAbstractItemModel::modelReset);
    const std::map<QByteArray, QSignalSpy*> spies = {{"dataChanged", &dataChanged},
                                                     {"rowsInserted", &rowsInserted},
                                                     {"rowsRemoved", &rowsRemoved},
                                                     {"layoutChanged", &layoutChanged}};

    const grid::GridEdit inverse =
        std::visit([&cells](const auto& e) { return grid::GridEdit(cells.inverseOf(e)); }, edit);
    cells.apply(edit);
    QCOMPARE(texts(cells), after);
    for (const auto& [name, spy] : spies)
        QVERIFY2(name == announced ? spy->count() > 0 : name == "dataChanged" || spy->isEmpty(),
                 name.constData());
    // Every cell whose text changed in place is announced, the last row's too.
    for (int row = 0; row < std::min(before.size(), after.size()); ++row)
        for (int col = 0; col < 2; ++col) {
            if (before[row][col] == after[row][col] || announced != "dataChanged")
                continue;
            const QModelIndex cell = cells.indexOfCell(col + 1, row + 1);
            QVERIFY2(std::any_of(dataChanged.begin(), dataChanged.end(),
                                 [&cell](const QList<QVariant>& range) {
                                     return QItemSelectionRange(range[0].toModelIndex(),
                                                                range[1].toModelIndex())
                                         .contains(cell);
                                 }),
                     qPrintable(QStringLiteral("cell (%1, %2)").arg(col + 1).arg(row + 1)));
        }
    // Rows that move are no cells that change: their texts go with them.
    if (announced != "dataChanged" && announced != "rowsInserted")
        QCOMPARE(dataChanged.count(), 0);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(cells.gridRow(current), currentRow);
    QCOMPARE(current.column(), 1);
    // The inverse, taken before, puts every cell and the current cell back.
    cells.apply(inverse);
    QCOMPARE(texts(cells), before);
    QCOMPARE(cells.gridRow(current), 2);
}

void tst_stringgridmodel::notesAreTheItemsRoles() {
    grid::StringGridModel cells;
    cells.setGridColCount(3);
    cells.setGridRowCount(3);
    cells.setFixedRows(1);
    cells.setFixedCols(1);
    const QModelIndex noted = cells.indexOfCell(2, 1);
    const QModelIndex plain = cells.indexOfCell(1, 1);
    QSignalSpy changed(&cells, &QAbstractItemModel::dataChanged);
    cells.setNoter([](int col, int row) { return col == 2 && row == 1 ? "held: 5" : QString(); });
    // Every role that the new notes change is announced, for every item, and served.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), cells.index(0, 0));
    QCOMPARE(changed[0][1].toModelIndex(), cells.index(cells.rowCount() - 1, 1));
    const QList<int> roles = changed[0][2].value<QList<int>>();
    for (const int role : {Qt::ToolTipRole, Qt::AccessibleDescriptionRole, Qt::BackgroundRole}) {
        QVERIFY2(roles.contains(role), qPrintable(QString::number(role)));
        QVERIFY(cells.data(noted, role).isValid());
        QVERIFY(!cells.data(plain, role).isValid() || cells.data(plain, role).toString().isEmpty());
    }
    QCOMPARE(cells.data(noted, Qt::ToolTipRole).toString(), "held: 5");
    QCOMPARE(cells.data(noted, Qt::AccessibleDescriptionRole).toString(), "held: 5");
    QVERIFY(cells.data(noted, Qt::BackgroundRole).value<QBrush>().color() !=
            QGuiApplication::palette().color(QPalette::Base));
    // Notes gone: announced again, so that the tint is painted away.
    cells.setNoter({});
    QCOMPARE(changed.count(), 2);
    QVERIFY(!cells.data(noted, Qt::BackgroundRole).isValid());
}

QTEST_MAIN(tst_stringgridmodel)
#include "tst_stringgridmodel.moc"
