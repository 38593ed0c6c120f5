// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_rowsort.cpp - the order of rows sorted by a column: numbers, texts in the user's language,
// stable both ways.
#include "grid/rowsort.h"

#include <QTest>

class tst_rowsort : public QObject {
    Q_OBJECT

private slots:
    void sortIsStableBothWays_data();
    void sortIsStableBothWays();
};

void tst_rowsort::sortIsStableBothWays_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("integers");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<std::vector<int>>("order"); // the old rows, in their new order

    const QStringList numbers = {"5", "x", "-2147483648", "", "5", "2147483648", "10", "+1", "-0"};
    QTest::newRow("integers, the lowest first, the rest after in their order")
        << numbers << true << false << "en" << std::vector<int>{2, 8, 0, 4, 6, 1, 3, 5, 7};
    QTest::newRow("integers descending, equal ones in their order, the rest still after")
        << numbers << true << true << "en" << std::vector<int>{6, 0, 4, 8, 2, 1, 3, 5, 7};
    const QStringList texts = {"b", "A", "", "a", "B", "ab"};
    QTest::newRow("texts ignore case, the empty first")
        << texts << false << false << "en" << std::vector<int>{2, 1, 3, 5, 0, 4};
    QTest::newRow("texts descending keep equal ones in their order")
        << texts << false << true << "en" << std::vector<int>{0, 4, 5, 1, 3, 2};
    QTest::newRow("texts ignore case in the C locale too")
        << texts << false << false << "C" << std::vector<int>{2, 1, 3, 5, 0, 4};
    QTest::newRow("Cyrillic in the Russian order")
        << QStringList{"ж", "Е", "ё", "е", "я", "а"} << false << false << "ru"
        << std::vector<int>{5, 1, 3, 2, 0, 4};
    // Past sixteen rows a plain sort is no insertion sort any more, and no longer stable: 40 rows
    // of three keys, each key's rows in their old order, the keys 2, 1, 0 descending.
    QStringList many;
    std::vector<int> byKey[3];
    for (int i = 0; i < 40; ++i) {
        many << QString::number((i * 7) % 3);
        byKey[(i * 7) % 3].push_back(i);
    }
    for (const bool descending : {false, true}) {
        std::vector<int> order;
        for (int k = 0; k < 3; ++k) {
            const std::vector<int>& rows = byKey[descending ? 2 - k : k];
            order.insert(order.end(), rows.begin(), rows.end());
        }
        QTest::addRow("40 rows of three keys, %s", descending ? "descending" : "ascending")
            << many << true << descending << "en" << order;
    }
}

void tst_rowsort::sortIsStableBothWays() {
    QFETCH(QStringList, keys);
    QFETCH(bool, integers);
    QFETCH(bool, descending);
    QFETCH(QString, locale);
    QFETCH(std::vector<int>, order);
    QCOMPARE(grid::sortedOrder(
                 keys, integers ? platform::ColumnContent::Integer : platform::ColumnContent::Text,
                 descending ? Qt::DescendingOrder : Qt::AscendingOrder, QLocale(locale)),
             order);
}

QTEST_MAIN(tst_rowsort)
#include "tst_rowsort.moc"
