// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_badinput.cpp - every class of input in every field and cell of every command: either the
// documented result or one clear error, and after an error nothing at all has changed.
#include "tests/platform/inputclasses.h"
#include "windowtest.h"

#include "grid/stringgrid.h"
#include "window/textfield.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

namespace {

const QStringList kThree = {"sx|bq|10|700", "seagate|barracuda|2147483647|-2147483648",
                            "abcdefghi|abcdefghi|30|4000"};

/// A number as the list stores it: its digits, without the separators of their groups.
QString digits(const QString& number) {
    return QString(number).replace(u'\u2212', u'-').remove(QRegularExpression("[^-0-9]"));
}

/// Every row of the grid below the heading matches the list, and one blank row ends it.
bool gridShowsTheList(const WindowTest& w) {
    QList<QStringList> expected;
    for (const node* p = drives.headNode(); p; p = p->next)
        expected << QStringList{fieldText(p->firma), fieldText(p->marka), QString::number(p->objom),
                                QString::number(p->zena)};
    expected << QStringList{"", "", "", ""};
    return w.rows() == expected;
}

void addMatrixRows(const QList<const char*>& numberFields, const QList<const char*>& textFields) {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    for (const char* field : numberFields)
        for (const TypedInput& input : numberInputs())
            QTest::addRow("%s %s", field, input.name) << field << input.text << input.valid;
    for (const char* field : textFields)
        for (const TypedInput& input : textInputs())
            QTest::addRow("%s %s", field, input.name) << field << input.text << input.valid;
}

} // namespace

class tst_badinput : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { w.reset(); }

    void add_data() { addMatrixRows({"Edit3", "Edit4", "Edit6"}, {"Edit1", "Edit2"}); }
    void add();
    void remove_data() { addMatrixRows({"Edit9", "Edit10"}, {"Edit7", "Edit8"}); }
    void remove();
    void search_data() { addMatrixRows({"Edit5"}, {}); }
    void search();
    void accept_data() { addMatrixRows({"3", "4"}, {"1", "2"}); }
    void accept();
    void messageNamesTheFaultAndLeadsBack_data();
    void messageNamesTheFaultAndLeadsBack();

private:
    /// Runs a command after one input was typed: an invalid input must show exactly one error
    /// and leave everything as it was; a valid one shows none.
    void expectOutcome(const char* button, bool valid, const WindowState& before);

    std::unique_ptr<WindowTest> w;
};

void tst_badinput::init() {
    w = std::make_unique<WindowTest>();
    w->addAll(kThree);
    QVERIFY(w->errors.isEmpty());
}

void tst_badinput::expectOutcome(const char* button, bool valid, const WindowState& before) {
    w->click(button);
    if (valid) {
        QVERIFY2(w->errors.isEmpty(), qPrintable(w->errors.join('\n')));
    } else {
        QCOMPARE(w->errors.size(), 1);
        QVERIFY(!w->errors[0].isEmpty());
        QVERIFY(w->state() == before);
    }
}

void tst_badinput::add() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    w->fillAddRow("new", "entry", "1", "2", "1");
    w->type(field.toLatin1(), text);
    QCOMPARE(w->edit(field.toLatin1())->text(), text);
    const WindowState before = w->state();
    expectOutcome("Button1", valid, before);
    if (!valid)
        return;
    QCOMPARE(drives.size(), 4);
    QVERIFY(gridShowsTheList(*w));
    const int row = field == "Edit6" ? 4 : 2; // position 1 is row 2; extreme positions append
    const int col = QStringList{"", "Edit1", "Edit2", "Edit3", "Edit4"}.indexOf(field);
    if (col > 0)
        QCOMPARE(w->grid()->Cells(col, row), col <= 2 ? text : digits(text));
    QCOMPARE(w->grid()->Cells(1, row), field == "Edit1" ? text : "new");
}

void tst_badinput::remove() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    // The description of the second entry, with one field replaced.
    w->type("Edit7", "seagate");
    w->type("Edit8", "barracuda");
    w->type("Edit9", "2147483647");
    w->type("Edit10", "-2147483648");
    w->type(field.toLatin1(), text);
    const WindowState before = w->state();
    expectOutcome("Button2", valid, before);
    if (!valid)
        return;
    QVERIFY(gridShowsTheList(*w));
    // Only the texts that still begin as the second entry's do, and the original numbers, match.
    const bool stillMatches = (field == "Edit9" && digits(text) == "2147483647") ||
                              (field == "Edit10" && digits(text) == "-2147483648");
    QCOMPARE(drives.size(), stillMatches ? 2 : 3);
}

void tst_badinput::search() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    w->type("Edit5", text);
    const WindowState before = w->state();
    expectOutcome("Button3", valid, before);
    if (!valid)
        return;
    const QStringList expected =
        digits(text) == "-2147483648" ? QStringList{"seagate", "barracuda", "2147483647"}
        : digits(text) == "4000"      ? QStringList{"abcdefghi", "abcdefghi", "30"}
                                      : QStringList{"net", "takogo", "vinta"};
    QCOMPARE(w->state().labels, expected);
    QCOMPARE(w->state().grid, before.grid);
}

void tst_badinput::accept() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const int col = field.toInt();
    w->typeIntoCell(col, 2, text);
    QCOMPARE(w->grid()->Cells(col, 2), text);
    const WindowState before = w->state();
    expectOutcome("Button6", valid, before);
    if (!valid)
        return;
    QCOMPARE(drives.size(), 3);
    QVERIFY(gridShowsTheList(*w));
    QCOMPARE(w->grid()->Cells(col, 2), col <= 2 ? text : digits(text));
}

void tst_badinput::messageNamesTheFaultAndLeadsBack_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field"); // an edit's name, or the column of a cell in row 2
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString notInteger = QStringLiteral("%1: '\u2068%2\u2069' is not a valid integer value");
    const QString tooLong =
        QStringLiteral("%1: '\u2068%2\u2069' is %3 characters long; at most 9 fit.");
    const QString notStored = QStringLiteral(
        "%1: '\u2068%2\u2069' holds '\u2068%3\u2069' (%4), which cannot be stored. Latin and "
        "Cyrillic letters, digits and common signs can.");
    const auto add = [](const char* name, const char* button, const char* field,
                        const QString& text, const QString& message) {
        QTest::newRow(name) << button << field << text << message;
    };
    add("add: capacity 8O", "Button1", "Edit3", "8O", notInteger.arg("объем", "8O"));
    add("add: empty capacity", "Button1", "Edit3", "", "объем: the number is empty");
    add("add: price too large", "Button1", "Edit4", "2147483648",
        "цена: '\u20682147483648\u2069' is out of range: whole numbers run from -2147483648 to "
        "2147483647");
    add("add: position with a plus", "Button1", "Edit6", "+1",
        notInteger.arg("на какое место", "+1"));
    add("add: placeholders quoted, not filled in", "Button1", "Edit1", "%1%1%1%1%1",
        tooLong.arg("фирма", "%1%1%1%1%1", "10"));
    add("add: a pasted page quoted briefly", "Button1", "Edit1", QString(10000, 'x'),
        tooLong.arg("фирма", QString(30, 'x') + "…", "10000"));
    add("add: ten Cyrillic characters", "Button1", "Edit2", "барракудаа",
        tooLong.arg("марка", "барракудаа", "10"));
    add("add: emoji", "Button1", "Edit2", QString::fromUtf8("disk\U0001F600"),
        notStored.arg("марка", QString::fromUtf8("disk\U0001F600"), QString::fromUtf8("\U0001F600"),
                      "U+1F600"));
    add("add: a control character by its code", "Button1", "Edit1", "a\tb",
        "фирма: '\u2068a<U+0009>b\u2069' holds the control character U+0009, which cannot be "
        "stored. Type letters, digits and signs only.");
    add("add: a right-to-left override by its code", "Button1", "Edit2", "ab\u202Ecd",
        notStored.arg("марка", "ab<U+202E>cd", "<U+202E>", "U+202E"));
    add("remove: a bad number even on an empty list", "Button2", "Edit9", "8O",
        notInteger.arg("объем", "8O"));
    add("remove: empty price", "Button2", "Edit10", "", "цена: the number is empty");
    add("remove: over-long model", "Button2", "Edit8", "abcdefghij",
        tooLong.arg("марка", "abcdefghij", "10"));
    add("search: a currency sign, the last result kept", "Button3", "Edit5", "4000$",
        notInteger.arg("цена", "4000$"));
    add("search: empty, the last result kept", "Button3", "Edit5", "", "цена: the number is empty");
    add("accept: emptied capacity", "Button6", "3", "",
        "Row 2, column 3 (objom): the number is empty");
    add("accept: price with letters", "Button6", "4", "4k",
        notInteger.arg("Row 2, column 4 (zena)", "4k"));
    add("accept: over-long manufacturer", "Button6", "1", "0123456789",
        tooLong.arg("Row 2, column 1 (firma)", "0123456789", "10"));
    add("accept: model outside the code page", "Button6", "2", "\u00C5ngstr",
        notStored.arg("Row 2, column 2 (marka)", "\u00C5ngstr", "\u00C5", "U+00C5"));
    add("accept: a wholly blank row, once", "Button6", "1-4", "",
        "Row 2 is blank: fill it in, or take it out with Delete Rows.");
}

void tst_badinput::messageNamesTheFaultAndLeadsBack() {
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const bool cell = button == "Button6";
    if (QTest::currentDataTag() == QByteArray("remove: a bad number even on an empty list"))
        w->click("Button4");
    if (button == "Button1")
        w->fillAddRow("new", "entry", "1", "2", "1");
    if (button == "Button2")
        for (const auto& [edit, valid] :
             {std::pair{"Edit7", "sx"}, {"Edit8", "bq"}, {"Edit9", "10"}, {"Edit10", "700"}})
            w->type(edit, valid);
    if (button == "Button3") {
        w->type("Edit5", "4000"); // the result that a refused search must keep
        w->click("Button3");
    }
    // "1-4": every cell of the row.
    const QList<int> cols = field == "1-4" ? QList<int>{1, 2, 3, 4} : QList<int>{field.toInt()};
    if (cell) {
        w->typeIntoCell(4, 1, "1"); // an edit above the bad row is not taken either
        for (const int col : cols)
            w->typeIntoCell(col, 2, text);
    } else {
        w->type(field.toLatin1(), text);
    }
    const WindowState before = w->state();
    w->click(button.toLatin1());
    QCOMPARE(w->errors, QStringList{message});
    QVERIFY(w->state() == before);
    // Once the message is read, the refused field has the focus with its text selected, or the
    // refused cell is current.
    if (cell) {
        QCOMPARE(w->grid()->currentIndex(), w->grid()->cellIndex(cols.first(), 2));
        QCOMPARE(QApplication::focusWidget(), w->grid());
    } else {
        QCOMPARE(QApplication::focusWidget(), w->edit(field.toLatin1()));
        QCOMPARE(w->edit(field.toLatin1())->selectedText(), text);
    }
    // The window goes on: mended, the command runs.
    const QString mended =
        QHash<QString, QString>{{"Edit1", "ok"},   {"Edit2", "ok"}, {"Edit6", "0"}, {"Edit8", "bq"},
                                {"Edit10", "700"}, {"1", "ok"},     {"2", "ok"}}
            .value(field, "25");
    if (cell)
        for (const int col : cols)
            w->typeIntoCell(col, 2, col <= 2 ? "ok" : mended);
    else
        w->type(field.toLatin1(), mended);
    w->click(button.toLatin1());
    QCOMPARE(w->errors.size(), 1);
    if (cell)
        QCOMPARE(w->row(1)[3], "1");
}

QTEST_MAIN(tst_badinput)
#include "tst_badinput.moc"
