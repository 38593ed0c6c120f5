// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_add.cpp - the add command: positions, every refused input, and an exhausted heap.
#include "windowtest.h"

#include "exhaustedheap.h"
#include "list/nodeallocator.h"
#include "platform/stringgrid.h"

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
    void badAddInputChangesNothing_data();
    void badAddInputChangesNothing();
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

void tst_add::badAddInputChangesNothing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString notInteger = QStringLiteral("%1: '\u2068%2\u2069' is not a valid integer value");
    const QString outOfRange = QStringLiteral(
        "%1: '\u2068%2\u2069' is out of range: whole numbers run from -2147483648 to 2147483647");
    QTest::newRow("capacity 8O") << "Edit3"
                                 << "8O" << notInteger.arg("объем", "8O");
    QTest::newRow("empty capacity") << "Edit3"
                                    << "" << QString("объем: the number is empty");
    QTest::newRow("price too large") << "Edit4"
                                     << "2147483648" << outOfRange.arg("цена", "2147483648");
    QTest::newRow("price with letters") << "Edit4"
                                        << "abc" << notInteger.arg("цена", "abc");
    QTest::newRow("position with a plus") << "Edit6"
                                          << "+1" << notInteger.arg("на какое место", "+1");
    QTest::newRow("placeholders are quoted, not filled in")
        << "Edit1"
        << "%1%1%1%1%1"
        << "фирма: '\u2068%1%1%1%1%1\u2069' is 10 characters long; at most 9 fit.";
    QTest::newRow("a pasted page is quoted briefly")
        << "Edit1" << QString(10000, 'x')
        << "фирма: '\u2068" + QString(30, 'x') +
               "…\u2069' is 10000 characters long; at most 9 fit.";
    QTest::newRow("ten Latin characters")
        << "Edit1"
        << "seagate-xx"
        << "фирма: '\u2068seagate-xx\u2069' is 10 characters long; at most 9 fit.";
    QTest::newRow("ten Cyrillic characters")
        << "Edit2"
        << "барракудаа"
        << "марка: '\u2068барракудаа\u2069' is 10 characters long; at most 9 fit.";
    QTest::newRow("emoji")
        << "Edit2" << QString::fromUtf8("disk\U0001F600")
        << QString::fromUtf8("марка: '\u2068disk\U0001F600\u2069' holds '\u2068\U0001F600\u2069' "
                             "(U+1F600), which cannot be stored. Latin and "
                             "Cyrillic letters, digits and common signs can.");
    // Named by its code, in the quoted text too, which is isolated from the message around it.
    const QString control = QStringLiteral("%1: '\u2068%2\u2069' holds the control character "
                                           "%3, which cannot be stored. Type letters, digits and "
                                           "signs only.");
    QTest::newRow("control character")
        << "Edit1" << QString("a\tb") << control.arg("фирма", "a<U+0009>b", "U+0009");
    QTest::newRow("a right-to-left override")
        << "Edit2" << QString::fromUtf8("ab\u202Ecd")
        << QString::fromUtf8("марка: '\u2068ab<U+202E>cd\u2069' holds '\u2068<U+202E>\u2069' "
                             "(U+202E), which cannot be stored. Latin and Cyrillic letters, "
                             "digits and common signs can.");
}

void tst_add::badAddInputChangesNothing() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    w->addAll({"A|a|1|2|9", "B|b|3|4|9"});
    const WindowState before = w->state();
    w->fillAddRow("C", "c", "5", "6", "0");
    w->type(field.toLatin1(), text);
    w->click("Button1");
    QCOMPARE(w->errors, QStringList{message});
    QVERIFY(w->state() == before);
    QCOMPARE(w->grid()->RowCount(), 4);
    // Once the message is read, the refused field has the focus and its text is selected.
    QCOMPARE(QApplication::focusWidget(), w->edit(field.toLatin1()));
    QCOMPARE(w->edit(field.toLatin1())->selectedText(), text);
    // The window goes on: mending the field and adding again works.
    w->type(field.toLatin1(), field == "Edit6" ? "0" : field <= "Edit2" ? "ok" : "7");
    w->click("Button1");
    QCOMPARE(w->errors.size(), 1);
    QCOMPARE(drives.size(), 3);
    QCOMPARE(w->grid()->RowCount(), 5);
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
