// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_spisok.cpp - the drive list: positions, matching, removal, search and ownership.
#include "exhaustedheap.h"
#include "listtesting.h"

#include "list/nodeallocator.h"

#include <QTest>

#include <cstring>
#include <limits>
#include <new>

namespace {
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

QStringList letters(const QString& text) {
    return text.split(QString(), Qt::SkipEmptyParts);
}

} // namespace

class tst_spisok : public QObject {
    Q_OBJECT

private slots:
    void atClamps_data();
    void atClamps();
    void nextAndPrevSaturate();
    void insertPositions_data();
    void insertPositions();
    void indexOfNeverComparesTheLastNode_data();
    void indexOfNeverComparesTheLastNode();
    void removeFirstMatch_data();
    void removeFirstMatch();
    void removeThenAppend_data();
    void removeThenAppend();
    void findByPrice_data();
    void findByPrice();
    void firstCopiesTheHead();
    void clearEmptiesAndAllowsReuse_data();
    void clearEmptiesAndAllowsReuse();
    void fieldsNeverOverflow();
    void failedAllocationLeavesTheListIntact();
};

void tst_spisok::atClamps_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected"); // empty: null

    QTest::newRow("empty list, 0") << "" << 0 << "";
    QTest::newRow("empty list, 5") << "" << 5 << "";
    QTest::newRow("-5 gives the head") << "ABC" << -5 << "A";
    QTest::newRow("0 gives the head") << "ABC" << 0 << "A";
    QTest::newRow("1 gives the middle") << "ABC" << 1 << "B";
    QTest::newRow("count - 1 gives the tail") << "ABC" << 2 << "C";
    QTest::newRow("count + 3 gives the tail") << "ABC" << 6 << "C";
    QTest::newRow("smallest index") << "ABC" << kMin << "A";
    QTest::newRow("largest index") << "ABC" << kMax << "C";
    QTest::newRow("one element, 3") << "A" << 3 << "A";
}

void tst_spisok::atClamps() {
    QFETCH(QString, list);
    QFETCH(int, n);
    QFETCH(QString, expected);
    spisok l;
    appendNamed(l, letters(list));
    const node* p = l.at(n);
    QCOMPARE(p ? QString::fromLatin1(p->firma) : QString(), expected);
}

void tst_spisok::nextAndPrevSaturate() {
    spisok l;
    appendNamed(l, {"A", "B", "C"});
    QCOMPARE(l.nextAt(0)->firma, "B");
    QCOMPARE(l.prevAt(2)->firma, "B");
    QCOMPARE(l.nextAt(kMax), l.tailNode());
    QCOMPARE(l.prevAt(kMin), l.headNode());
    QCOMPARE(l.prevAt(0), l.headNode());
}

void tst_spisok::insertPositions_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty, 0") << "" << 0 << "C";
    QTest::newRow("empty, 7") << "" << 7 << "C";
    QTest::newRow("empty, -1") << "" << -1 << "C";
    QTest::newRow("one, 0 prepends") << "A" << 0 << "CA";
    QTest::newRow("one, 1 appends") << "A" << 1 << "AC";
    QTest::newRow("one, 5 appends") << "A" << 5 << "AC";
    QTest::newRow("one, -3 appends") << "A" << -3 << "AC";
    QTest::newRow("two, 0 prepends") << "AB" << 0 << "CAB";
    QTest::newRow("two, 1 goes between") << "AB" << 1 << "ACB";
    QTest::newRow("two, 2 appends") << "AB" << 2 << "ABC";
    QTest::newRow("two, 9 appends") << "AB" << 9 << "ABC";
    QTest::newRow("two, -1 appends") << "AB" << -1 << "ABC";
    QTest::newRow("two, smallest appends") << "AB" << kMin << "ABC";
    QTest::newRow("two, largest appends") << "AB" << kMax << "ABC";
    QTest::newRow("three, 1") << "ABD" << 1 << "ACBD";
    QTest::newRow("three, count - 1 goes before the tail") << "ABD" << 2 << "ABCD";
    QTest::newRow("three, count appends") << "ABD" << 3 << "ABDC";
    QTest::newRow("three, -2 appends") << "ABD" << -2 << "ABDC";
}

void tst_spisok::insertPositions() {
    QFETCH(QString, list);
    QFETCH(int, pos);
    QFETCH(QString, expected);
    spisok l;
    appendNamed(l, letters(list));
    l.insert(entry("C", "c", 1, 2), pos);
    QCOMPARE(firmas(l).join(QString()), expected);
    QCOMPARE(l.size(), expected.size());
    CHECK_CHAIN(l);
    // The chain still ends where appending continues it.
    l.insert(entry("Z", "z", 1, 2), kMax);
    QCOMPARE(firmas(l).join(QString()), expected + "Z");
    CHECK_CHAIN(l);
}

void tst_spisok::indexOfNeverComparesTheLastNode_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty list") << ""
                                << "A" << -1;
    QTest::newRow("one element, no match") << "A"
                                           << "X" << 0;
    QTest::newRow("first matches") << "ABC"
                                   << "A" << 0;
    QTest::newRow("middle matches") << "ABC"
                                    << "B" << 1;
    QTest::newRow("only the last matches") << "ABC"
                                           << "C" << 2;
    QTest::newRow("nothing matches") << "ABC"
                                     << "X" << 2;
}

void tst_spisok::indexOfNeverComparesTheLastNode() {
    QFETCH(QString, list);
    QFETCH(QString, wanted);
    QFETCH(int, expected);
    spisok l;
    appendNamed(l, letters(list));
    const int at = std::max(0, int(list.indexOf(wanted)));
    const QByteArray name = wanted.toLatin1();
    QCOMPARE(l.indexOf(entry(name, name, 80, 100 * (at + 1))), expected);
}

void tst_spisok::removeFirstMatch_data() {
    QTest::addColumn<QString>("firma");
    QTest::addColumn<QString>("marka");
    QTest::addColumn<int>("objom");
    QTest::addColumn<int>("zena");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("remaining");

    // The list: seagate/barracuda 80/4000, sx/bq 80/4000, wd/caviar 120/700, maxtor/"" 40/500.
    QTest::newRow("first of two equal matches")
        << "seagate"
        << "barracuda" << 80 << 4000 << true << "sx,wd,maxtor";
    QTest::newRow("first letters only") << "sx"
                                        << "bq" << 80 << 4000 << true << "sx,wd,maxtor";
    QTest::newRow("manufacturer case matters")
        << "Sx"
        << "bq" << 80 << 4000 << false << "seagate,sx,wd,maxtor";
    QTest::newRow("model case matters") << "sx"
                                        << "Bq" << 80 << 4000 << false << "seagate,sx,wd,maxtor";
    QTest::newRow("capacity must be equal") << "s"
                                            << "b" << 81 << 4000 << false << "seagate,sx,wd,maxtor";
    QTest::newRow("price must be equal") << "s"
                                         << "b" << 80 << 4001 << false << "seagate,sx,wd,maxtor";
    QTest::newRow("middle") << "w"
                            << "c" << 120 << 700 << true << "seagate,sx,maxtor";
    QTest::newRow("tail with an empty model") << "m"
                                              << "" << 40 << 500 << true << "seagate,sx,wd";
    QTest::newRow("empty model matches only empty")
        << "w"
        << "" << 120 << 700 << false << "seagate,sx,wd,maxtor";
}

void tst_spisok::removeFirstMatch() {
    QFETCH(QString, firma);
    QFETCH(QString, marka);
    QFETCH(int, objom);
    QFETCH(int, zena);
    QFETCH(bool, removed);
    QFETCH(QString, remaining);
    spisok l;
    l.insert(entry("seagate", "barracuda", 80, 4000), 0);
    l.insert(entry("sx", "bq", 80, 4000), 9);
    l.insert(entry("wd", "caviar", 120, 700), 9);
    l.insert(entry("maxtor", "", 40, 500), 9);
    QCOMPARE(l.remove(entry(firma.toLatin1(), marka.toLatin1(), objom, zena)), removed);
    QCOMPARE(firmas(l).join(','), remaining);
    CHECK_CHAIN(l);
}

void tst_spisok::removeThenAppend_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("head") << "ABC"
                          << "A"
                          << "BCZ";
    QTest::newRow("middle") << "ABC"
                            << "B"
                            << "ACZ";
    QTest::newRow("tail") << "ABC"
                          << "C"
                          << "ABZ";
    QTest::newRow("the only entry") << "A"
                                    << "A"
                                    << "Z";
    QTest::newRow("on an empty list") << ""
                                      << "A"
                                      << "Z";
}

void tst_spisok::removeThenAppend() {
    QFETCH(QString, list);
    QFETCH(QString, removed);
    QFETCH(QString, expected);
    spisok l;
    appendNamed(l, letters(list));
    const QByteArray name = removed.toLatin1();
    const int price = 100 * (int(list.indexOf(removed)) + 1);
    QCOMPARE(l.remove(entry(name, name, 80, price)), !list.isEmpty());
    CHECK_CHAIN(l);
    if (list.size() == 1)
        QVERIFY(l.headNode() == nullptr && l.tailNode() == nullptr);
    l.insert(entry("Z", "z", 1, 1), 50);
    QCOMPARE(firmas(l).join(QString()), expected);
    QCOMPARE(l.tailNode()->firma, "Z");
    CHECK_CHAIN(l);
}

void tst_spisok::findByPrice_data() {
    QTest::addColumn<int>("price");
    QTest::addColumn<QString>("firma");
    QTest::addColumn<int>("zena");

    // The list: A 700, B 4000, C 4000, D 900.
    QTest::newRow("first of two") << 4000 << "B" << 4000;
    QTest::newRow("the head") << 700 << "A" << 700;
    QTest::newRow("only the tail has it") << 900 << "D" << 900;
    QTest::newRow("none falls back to the tail") << 1 << "D" << 900;
}

void tst_spisok::findByPrice() {
    QFETCH(int, price);
    QFETCH(QString, firma);
    QFETCH(int, zena);
    spisok l;
    l.insert(entry("A", "a", 1, 700), 9);
    l.insert(entry("B", "b", 2, 4000), 9);
    l.insert(entry("C", "c", 3, 4000), 9);
    l.insert(entry("D", "d", 4, 900), 9);
    const node found = l.findByPrice(price);
    QCOMPARE(found.firma, firma.toLatin1());
    QCOMPARE(found.zena, zena);
    spisok empty;
    QCOMPARE(empty.findByPrice(price).zena, 0);
}

void tst_spisok::firstCopiesTheHead() {
    spisok l;
    QVERIFY(l.first().next == nullptr); // value-initialised on an empty list
    l.insert(entry("A", "a", 10, 20), 0);
    l.insert(entry("B", "b", 30, 40), 1);
    const node copy = l.first();
    QCOMPARE(copy.firma, "A");
    QCOMPARE(copy.marka, "a");
    QCOMPARE(copy.objom, 10);
    QCOMPARE(copy.zena, 20);
    QCOMPARE(copy.next, l.headNode()->next);
}

void tst_spisok::clearEmptiesAndAllowsReuse_data() {
    QTest::addColumn<QString>("list");
    QTest::newRow("three entries") << "ABC";
    QTest::newRow("empty list") << "";
}

void tst_spisok::clearEmptiesAndAllowsReuse() {
    QFETCH(QString, list);
    spisok l;
    appendNamed(l, letters(list));
    l.clear();
    QVERIFY(l.empty());
    QCOMPARE(l.size(), 0);
    CHECK_CHAIN(l);
    appendNamed(l, {"X", "Y"});
    QCOMPARE(firmas(l), QStringList({"X", "Y"}));
    CHECK_CHAIN(l);
}

void tst_spisok::fieldsNeverOverflow() {
    vint r{};
    std::memset(r.firma, 'f', sizeof r.firma); // no terminating NUL at all
    std::memset(r.marka, 'm', sizeof r.marka);
    spisok l;
    l.insert(r, 0);
    QCOMPARE(l.headNode()->firma, "fffffffff");
    QCOMPARE(l.headNode()->marka, "mmmmmmmmm");
    QCOMPARE(entry("0123456789abc", "", 0, 0).firma, "012345678");
    char field[kTextFieldSize];
    std::memset(field, 'x', sizeof field);
    copyFieldBytes(field, nullptr);
    QCOMPARE(QByteArray(field, sizeof field), QByteArray(sizeof field, '\0'));
}

void tst_spisok::failedAllocationLeavesTheListIntact() {
    spisok l;
    appendNamed(l, {"A", "B", "C"});
    setNodeAllocator(&exhaustedHeap);
    for (const std::int32_t pos : {0, 1, 3, -1}) {
        QVERIFY_THROWS_EXCEPTION(std::bad_alloc, l.insert(entry("X", "x", 1, 1), pos));
        QCOMPARE(firmas(l), QStringList({"A", "B", "C"}));
        CHECK_CHAIN(l);
    }
    QVERIFY(setNodeAllocator(nullptr) == &exhaustedHeap); // null brings back the heap
    l.insert(entry("X", "x", 1, 1), 1);
    QCOMPARE(firmas(l), QStringList({"A", "X", "B", "C"}));
    CHECK_CHAIN(l);
}

QTEST_APPLESS_MAIN(tst_spisok)
#include "tst_spisok.moc"
