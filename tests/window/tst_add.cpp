// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_add.cpp - the add command: positions, every refused input, and an exhausted heap.
#include "windowtest.h"

#include "grid/stringgrid.h"
#include "list/nodeallocator.h"
#include "tests/list/exhaustedheap.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

QStringList gridFirmas(const WindowTest& w) {
    QStringList result;
    for (int r = 1; r < w.grid()->RowCount() - 1; ++r)
        result << w.grid()->Cells(1, r);
    return result;
}

} // namespace

class tst_add : public QObject {
    Q_OBJECT

private slots:
    void init() { w = std::make_unique<WindowTest>(); }
    void cleanup() { w.reset(); }

    void addPutsTheEntryAtItsPosition_data();
    void addPutsTheEntryAtItsPosition();
    void cyrillicTextRoundTrips();
    void failedAllocationShowsAnErrorAndChangesNothing();

private:
    std::unique_ptr<WindowTest> w;
};

void tst_add::addPutsTheEntryAtItsPosition_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("firmas");

    QTest::newRow("into an empty list at 7") << QStringList{"A|a|1|2|7"} << QStringList{"A"};
    QTest::newRow("A, B, C at 1 give A, C, B")
        << QStringList{"A|a|1|2|1", "B|b|1|2|1", "C|c|1|2|1"} << QStringList{"A", "C", "B"};
    QTest::newRow("0 puts it first")
        << QStringList{"A|a|1|2|9", "B|b|1|2|9", "C|c|1|2|0"} << QStringList{"C", "A", "B"};
    QTest::newRow("50 on three puts it last")
        << QStringList{"A|a|1|2|9", "B|b|1|2|9", "C|c|1|2|9", "D|d|1|2|50"}
        << QStringList{"A", "B", "C", "D"};
    QTest::newRow("a negative position appends")
        << QStringList{"A|a|1|2|9", "B|b|1|2|9", "C|c|1|2|9", "D|d|1|2|-1"}
        << QStringList{"A", "B", "C", "D"};
    QTest::newRow("the smallest position appends")
        << QStringList{"A|a|1|2|9", "B|b|1|2|9", "C|c|1|2|-2147483648"}
        << QStringList{"A", "B", "C"};
}

void tst_add::addPutsTheEntryAtItsPosition() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, firmas);
    w->addAll(steps);
    QVERIFY2(w->errors.isEmpty(), qPrintable(w->errors.join('\n')));
    QCOMPARE(gridFirmas(*w), firmas);
    QCOMPARE(w->grid()->RowCount(), firmas.size() + 2);
    QCOMPARE(w->row(w->grid()->RowCount() - 1), QStringList({"", "", "", ""}));
    QCOMPARE(drives.size(), firmas.size());
}

void tst_add::cyrillicTextRoundTrips() {
    const QString firma = QString::fromUtf8("ЙЦУКЕНГШЩ"); // nine: the most a field holds
    const QString marka = QString::fromUtf8("жёсткий");
    w->add(firma, marka, "-5", "007", "0");
    QVERIFY2(w->errors.isEmpty(), qPrintable(w->errors.join('\n')));
    QCOMPARE(w->row(1), QStringList({firma, marka, "-5", "7"}));
    QCOMPARE(QByteArray(drives.headNode()->marka), QByteArray("\xE6\xB8\xF1\xF2\xEA\xE8\xE9"));
}

void tst_add::failedAllocationShowsAnErrorAndChangesNothing() {
    w->addAll({"A|a|1|2|9"});
    const WindowState before = w->state();
    const NodeAllocator previous = setNodeAllocator(&exhaustedHeap);
    w->add("B", "b", "1", "2", "9");
    setNodeAllocator(previous);
    QCOMPARE(w->errors, QStringList{"Out of memory: the command was not carried out."});
    QVERIFY(w->state() == before);
    w->click("Button1");
    QCOMPARE(gridFirmas(*w), QStringList({"A", "B"}));
}

QTEST_MAIN(tst_add)
#include "tst_add.moc"
