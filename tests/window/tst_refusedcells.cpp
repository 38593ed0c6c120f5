// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_refusedcells.cpp - every refused cell of one accept in one message: the first twenty named,
// the rest counted.
#include "window/refusedcells.h"

#include <QTest>

class tst_refusedcells : public QObject {
    Q_OBJECT

private slots:
    void theFirstTwentyAreNamed_data();
    void theFirstTwentyAreNamed();
};

void tst_refusedcells::theFirstTwentyAreNamed_data() {
    QTest::addColumn<int>("refusals");
    QTest::addColumn<int>("blankRows");     // how many of them are blank rows, the first ones
    QTest::addColumn<QStringList>("lines"); // the first and the last line of the message
    QTest::newRow("none: nothing thrown") << 0 << 0 << QStringList{};
    QTest::newRow("one: as it is") << 1 << 0 << QStringList{"cell 1", "cell 1"};
    QTest::newRow("two: counted above")
        << 2 << 0 << QStringList{"2 cells cannot be accepted:", "cell 2"};
    QTest::newRow("exactly twenty: all named, none counted")
        << 20 << 0 << QStringList{"20 cells cannot be accepted:", "cell 20"};
    QTest::newRow("twenty-one: one counted")
        << 21 << 0 << QStringList{"21 cells cannot be accepted:", "and 1 more."};
    QTest::newRow("blank rows counted as rows")
        << 2 << 2 << QStringList{"2 blank rows cannot be accepted:", "cell 2"};
    QTest::newRow("cells and blank rows counted apart")
        << 3 << 1 << QStringList{"2 cells and 1 blank row cannot be accepted:", "cell 3"};
    QTest::newRow("one cell and blank rows")
        << 3 << 2 << QStringList{"1 cell and 2 blank rows cannot be accepted:", "cell 3"};
}

void tst_refusedcells::theFirstTwentyAreNamed() {
    QFETCH(int, refusals);
    QFETCH(int, blankRows);
    QFETCH(QStringList, lines);
    RefusedCells refused;
    int ledBackTo = 0;
    for (int i = 1; i <= refusals; ++i) {
        const platform::Exception refusal(QString("cell %1").arg(i),
                                          [&ledBackTo, i] { ledBackTo = i; });
        i <= blankRows ? refused.addBlankRow(refusal) : refused.add(refusal);
    }
    QCOMPARE(refused.empty(), refusals == 0);
    try {
        refused.throwIfAny();
        QVERIFY(lines.isEmpty());
    } catch (const platform::Exception& e) {
        const QStringList message = e.Message().split('\n');
        QCOMPARE(QStringList({message.first(), message.last()}), lines);
        QCOMPARE(message.size(), refusals == 1 ? 1 : 1 + std::min(refusals, 20) + (refusals > 20));
        e.leadBack()();
        QCOMPARE(ledBackTo, 1); // back to the first refused cell
    }
}

QTEST_MAIN(tst_refusedcells)
#include "tst_refusedcells.moc"
