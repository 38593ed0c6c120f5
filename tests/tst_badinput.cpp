// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_badinput.cpp - every class of input in every field and cell of every command: either the
// documented result or one clear error, and after an error nothing at all has changed.
#include "inputclasses.h"
#include "windowtest.h"

#include "platform/stringgrid.h"
#include "window/textfield.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QStringList kThree = {"sx|bq|10|700", "seagate|barracuda|2147483647|-2147483648",
                            "abcdefghi|abcdefghi|30|4000"};

/// A number as the list stores it: its digits, without the separators of their groups.
QString digits(const QString& number) {
    return QString(number).remove(QRegularExpression("[^-0-9]"));
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

QTEST_MAIN(tst_badinput)
#include "tst_badinput.moc"
