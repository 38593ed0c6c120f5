// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_columnwidths.cpp - how the grid's width is shared among its columns.
#include "grid/columnwidths.h"

#include <QTest>

#include <numeric>

class tst_columnwidths : public QObject {
    Q_OBJECT

private slots:
    void columnsFillTheGridExactly_data();
    void columnsFillTheGridExactly();
};

void tst_columnwidths::columnsFillTheGridExactly_data() {
    QTest::addColumn<int>("room");
    QTest::addColumn<std::vector<int>>("chosen"); // per column, 0 for none
    QTest::addColumn<std::vector<int>>("widths");
    // Least width 40, default 100.
    QTest::newRow("room to spare: defaults, the last takes the rest")
        << 500 << std::vector<int>{0, 0, 0, 0} << std::vector<int>{100, 100, 100, 200};
    QTest::newRow("narrow: shared evenly, the last takes the odd pixels")
        << 250 << std::vector<int>{0, 0, 0, 0} << std::vector<int>{62, 62, 62, 64};
    QTest::newRow("too narrow: the least width, and the grid scrolls")
        << 100 << std::vector<int>{0, 0, 0, 0} << std::vector<int>{40, 40, 40, 40};
    QTest::newRow("a column chosen by hand: the others share what it leaves")
        << 300 << std::vector<int>{150, 0, 0, 0} << std::vector<int>{150, 50, 50, 50};
    QTest::newRow("every column chosen: the last still fills the grid")
        << 300 << std::vector<int>{50, 50, 50, 50} << std::vector<int>{50, 50, 50, 150};
}

void tst_columnwidths::columnsFillTheGridExactly() {
    QFETCH(int, room);
    QFETCH(std::vector<int>, chosen);
    QFETCH(std::vector<int>, widths);
    grid::ColumnWidths columns;
    for (std::size_t i = 0; i < chosen.size(); ++i)
        if (chosen[i] > 0)
            columns.choose(int(i), chosen[i]);
    const std::vector<int> shared = columns.share(int(chosen.size()), room, 40, 100);
    QCOMPARE(shared, widths);
    const int total = std::accumulate(shared.begin(), shared.end(), 0);
    QVERIFY(total == room || (total > room && shared.back() == 40));
}

QTEST_MAIN(tst_columnwidths)
#include "tst_columnwidths.moc"
