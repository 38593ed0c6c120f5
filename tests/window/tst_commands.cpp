// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_commands.cpp - remove, search by price, clear, accept the grid's edits, and exit.
#include "windowtest.h"

#include "grid/stringgrid.h"
#include "window/refusedcells.h"
#include "window/textfield.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QUndoStack>

namespace {

const QStringList kBlankRow = {"", "", "", ""};

QList<QStringList> asRows(const QStringList& entries) {
    QList<QStringList> rows;
    for (const QString& e : entries)
        rows << e.split('|');
    return rows;
}

void fillRemoveRow(const WindowTest& w, const QString& description) {
    const QStringList f = description.split('|');
    w.type("Edit7", f[0]);
    w.type("Edit8", f[1]);
    w.type("Edit9", f[2]);
    w.type("Edit10", f[3]);
}

const QStringList kThree = {"A|a|10|700", "B|b|20|4000", "C|c|30|4000"};

/// Triggers the window's action named `name`, as its keys or its menu entry do.
void trigger(const WindowTest& w, const char* name) {
    auto* action = w.form()->findChild<QAction*>(QLatin1String(name));
    QVERIFY2(action, name);
    action->trigger();
}

/// Selects the grid's cells from (left, top) to (right, bottom), the first current.
void selectCells(const WindowTest& w, int left, int top, int right, int bottom) {
    grid::StringGrid* grid = w.grid();
    grid->setCurrentIndex(grid->cellIndex(left, top));
    grid->selectionModel()->select(
        QItemSelection(grid->cellIndex(left, top), grid->cellIndex(right, bottom)),
        QItemSelectionModel::ClearAndSelect);
}
const QStringList kNotFound = {"net", "takogo", "vinta"};

} // namespace

class tst_commands : public QObject {
    Q_OBJECT

private slots:
    void init() { w = std::make_unique<WindowTest>(); }
    void cleanup() { w.reset(); }

    void removeFirstMatch_data();
    void removeFirstMatch();
    void removeWithoutMatchKeepsRowsAndRepaints();

    void search_data();
    void search();
    void searchResultIsReadable_data();
    void searchResultIsReadable();
    void searchLeavesUnacceptedEditsOnScreen();

    void deleteRowsThenAcceptTakesOutThatEntry();
    void acceptEditedPriceIsFound();
    void listComesBackFromTheClipboard_data();
    void listComesBackFromTheClipboard();
    void acceptNamesEveryRefusedCellAtOnce();
    void cellsTheListDoesNotHoldAreNoted();
    void acceptTakesTheCellStillBeingEdited();
    void unacceptedEditsAreReplacedByTheNextCommand_data();
    void unacceptedEditsAreReplacedByTheNextCommand();

    void everyStepUndoesAndRedoes_data();
    void everyStepUndoesAndRedoes();

    void exitClosesTheWindowAndEndsTheLoop();

private:
    std::unique_ptr<WindowTest> w;
};

void tst_commands::removeFirstMatch_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("remaining");

    const QStringList twins = {"seagate|barracuda|80|4000", "sx|bq|80|4000"};
    QTest::newRow("first of two matches")
        << twins << "seagate|barracuda|80|4000" << QStringList{"sx|bq|80|4000"};
    QTest::newRow("first letters only") << twins << "sx|bq|80|4000" << QStringList{"sx|bq|80|4000"};
    QTest::newRow("head") << kThree << "A|a|10|700" << QStringList{kThree[1], kThree[2]};
    QTest::newRow("middle") << kThree << "B|b|20|4000" << QStringList{kThree[0], kThree[2]};
    QTest::newRow("tail") << kThree << "C|c|30|4000" << QStringList{kThree[0], kThree[1]};
    QTest::newRow("the only entry") << QStringList{kThree[0]} << "A|a|10|700" << QStringList{};
    QTest::newRow("Cyrillic first letter") << QStringList{"жёсткий|диск|1|2", "Жёсткий|диск|1|2"}
                                           << "Ж|д|1|2" << QStringList{"жёсткий|диск|1|2"};
}

void tst_commands::removeFirstMatch() {
    QFETCH(QStringList, entries);
    QFETCH(QString, description);
    QFETCH(QStringList, remaining);
    w->addAll(entries);
    fillRemoveRow(*w, description);
    w->click("Button2");
    QVERIFY2(w->errors.isEmpty(), qPrintable(w->errors.join('\n')));
    QCOMPARE(w->rows(), asRows(remaining) << kBlankRow);
    QCOMPARE(drives.size(), remaining.size());
}

void tst_commands::removeWithoutMatchKeepsRowsAndRepaints() {
    w->addAll(kThree);
    const WindowState before = w->state();
    w->typeIntoCell(1, 2, "edited"); // not accepted, so the repaint puts B back
    for (const char* description : {"a|a|10|700", "A|A|10|700", "A|a|11|700", "A|a|10|701"}) {
        fillRemoveRow(*w, description);
        w->click("Button2");
        QVERIFY(w->state() == before);
    }
    QVERIFY(w->errors.isEmpty());
}

void tst_commands::search_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QStringList>("labels");

    QTest::newRow("first of two with the price") << kThree << "4000" << QStringList{"B", "b", "20"};
    QTest::newRow("the head") << kThree << "700" << QStringList{"A", "a", "10"};
    QTest::newRow("only the last has it")
        << QStringList{"A|a|10|1", "B|b|20|2", "C|c|-30|3"} << "3" << QStringList{"C", "c", "-30"};
    QTest::newRow("no entry has it") << kThree << "1" << kNotFound;
    QTest::newRow("empty list") << QStringList{} << "700" << kNotFound;
    QTest::newRow("empty list, price 0") << QStringList{} << "0" << kNotFound;
    QTest::newRow("initial 700 without one")
        << QStringList{"seagate|barracuda|80|4000"} << "700" << kNotFound;
}

void tst_commands::search() {
    QFETCH(QStringList, entries);
    QFETCH(QString, price);
    QFETCH(QStringList, labels);
    w->addAll(entries);
    const QList<QStringList> rows = w->rows();
    w->type("Edit5", price);
    w->click("Button3");
    QVERIFY(w->errors.isEmpty());
    QCOMPARE(w->state().labels, labels);
    QCOMPARE(w->rows(), rows);
}

void tst_commands::searchResultIsReadable_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("short texts, shown whole") << "A|a|10|5" << false;
    QTest::newRow("the default entry, read whole") << "seagate|barracuda|80|5" << false;
    QTest::newRow("a long model pushes the capacity") << "A|barracuda|80|5" << false;
    QTest::newRow("long texts, shortened") << "ЩЩЩЩЩЩЩЩЩ|Барракуда|-2147483648|5" << true;
    QTest::newRow("nine wide letters twice, the capacity whole")
        << "ЖЖЖЖЖЖЖЖЖ|ШШШШШШШШШ|-2147483648|5" << true;
    QTest::newRow("markup, shown as typed") << "<b>ab</b>|<br>x|500|5" << false;
    QTest::newRow("markup, shortened") << "ЩЩЩЩЩЩЩЩЩ|<i>ЩЩЩЩЩЩ|-2147483648|5" << true;
}

void tst_commands::searchResultIsReadable() {
    QFETCH(QString, entry);
    QFETCH(bool, shortened);
    w->addAll({entry});
    w->type("Edit5", "5");
    w->click("Button3");
    const QStringList typed = entry.split('|').mid(0, 3);
    QCOMPARE(w->state().labels, typed); // as a screen reader reads them
    const QWidget* next[] = {w->label("Label7"), w->label("Label8"), w->grid()};
    const int storedX[] = {240, 288}; // where Label7 and Label8 stand until pushed
    bool anyShortened = false;
    for (int i = 0; i < 3; ++i) {
        const QLabel* label = w->label(QByteArray("Label") + char('6' + i));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->x() + label->width() <= next[i]->x());
        const int advance = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY(advance <= label->width());
        // A pushed label starts a space's width after the text before it, as words do.
        if (i < 2 && next[i]->x() > storedX[i])
            QVERIFY(next[i]->x() >=
                    label->x() + advance + label->fontMetrics().horizontalAdvance(u' '));
        const bool whole = label->text() == typed[i];
        QCOMPARE(whole,
                 label->fontMetrics().horizontalAdvance(typed[i]) <= next[i]->x() - label->x());
        anyShortened |= !whole;
        if (!whole) {
            QVERIFY(label->text().endsWith(QStringLiteral("…")));
            QCOMPARE(QTextDocumentFragment::fromHtml(label->toolTip()).toPlainText(), typed[i]);
        }
    }
    QCOMPARE(anyShortened, shortened);
    QCOMPARE(w->label("Label8")->text(), typed[2]); // a number is never shortened
}

void tst_commands::searchLeavesUnacceptedEditsOnScreen() {
    w->addAll(kThree);
    w->typeIntoCell(2, 1, "typed");
    w->type("Edit5", "700");
    w->click("Button3");
    QCOMPARE(w->grid()->Cells(2, 1), "typed");
    QCOMPARE(w->state().labels, QStringList({"A", "a", "10"})); // the list itself is unchanged
}

void tst_commands::listComesBackFromTheClipboard_data() {
    QTest::addColumn<QString>("format");
    QTest::newRow("as copied") << "";
    QTest::newRow("as an HTML table alone, as spreadsheets give it back") << "text/html";
    QTest::newRow("as tab-separated text alone") << "text/plain";
}

void tst_commands::listComesBackFromTheClipboard() {
    QFETCH(QString, format);
    // Select all, copy, clear, click the first entry cell, paste, accept: the same list.
    const QStringList entries = {"seagate|barracuda|80|4000", "Сигейт|Барракуда|-1|-2147483648",
                                 "abcdefghi|ЁёЖжЩщЪъЫ|2147483647|0", "||0|0", "x\"y|%1|7|-7"};
    grid::StringGrid* grid = w->grid();
    w->form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w->form()));
    grid->setFocus();
    // With no entries there is nothing to select, and nothing to copy over what was copied.
    QGuiApplication::clipboard()->setText("copied elsewhere");
    w->typeIntoCell(1, 1, "typed");
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "copied elsewhere");
    w->addAll(entries);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    w->click("Button4");
    QCOMPARE(drives.size(), 0);
    if (!format.isEmpty()) {
        auto* alone = new QMimeData;
        alone->setData(format, QGuiApplication::clipboard()->mimeData()->data(format));
        QGuiApplication::clipboard()->setMimeData(alone);
    }
    const QPoint first = grid->visualRect(grid->cellIndex(1, 1)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    w->click("Button6");
    QVERIFY(w->errors.isEmpty());
    QCOMPARE(w->state().list, asRows(entries));
    QCOMPARE(w->rows(), asRows(entries) << kBlankRow);
    // A spreadsheet's cell with a line break stays one cell, which accept refuses by name.
    auto* sheet = new QMimeData;
    sheet->setHtml("<table><tr><td>P300<br>x</td><td>m</td><td>1</td><td>2</td></tr></table>");
    QGuiApplication::clipboard()->setMimeData(sheet);
    grid->goToCell(1, 6);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->grid()->Cells(1, 6), "P300\nx");
    w->click("Button6");
    QCOMPARE(w->errors.size(), 1);
    QVERIFY2(w->errors[0].startsWith("Row 6, column 1 (firma)"), qPrintable(w->errors[0]));
}

void tst_commands::deleteRowsThenAcceptTakesOutThatEntry() {
    w->addAll(kThree);
    grid::StringGrid* grid = w->grid();
    w->form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w->form()));
    grid->setFocus();
    selectCells(*w, 1, 2, 4, 2);
    QTest::keyClick(grid, Qt::Key_Minus, Qt::ControlModifier);
    w->click("Button6");
    QVERIFY(w->errors.isEmpty());
    QCOMPARE(w->state().list, asRows({kThree[0], kThree[2]}));
    trigger(*w, "undo"); // the accept
    trigger(*w, "undo"); // the deleted row
    QCOMPARE(w->rows(), asRows(kThree) << kBlankRow);
}

void tst_commands::acceptEditedPriceIsFound() {
    w->addAll({"A|a|10|700", "B|b|20|4000", "C|c|30|900"});
    w->typeIntoCell(4, 2, "3500");
    w->click("Button6");
    QVERIFY(w->errors.isEmpty());
    w->type("Edit5", "3500");
    w->click("Button3");
    QCOMPARE(w->state().labels, QStringList({"B", "b", "20"}));
}

void tst_commands::acceptNamesEveryRefusedCellAtOnce() {
    // 25 rows pasted, each with an empty price, and one with a bad capacity as well.
    QString sheet;
    for (int i = 0; i < 25; ++i)
        sheet += QString("m%1\tx\t%2\t\n").arg(i).arg(i == 1 ? "8O" : "1");
    QGuiApplication::clipboard()->setText(sheet);
    w->grid()->goToCell(1, 1);
    trigger(*w, "paste");
    const WindowState pasted = w->state();
    w->click("Button6");
    QCOMPARE(w->errors.size(), 1);
    const QStringList lines = w->errors[0].split('\n');
    QCOMPARE(lines.size(), 1 + RefusedCells::kNamed + 1);
    QCOMPARE(lines[0], "26 cells cannot be accepted:");
    QCOMPARE(lines[1], "Row 1, column 4 (zena): the number is empty");
    QCOMPARE(lines[2], "Row 2, column 3 (objom): '\u20688O\u2069' is not a valid integer value");
    QCOMPARE(lines.last(), "and 6 more.");
    QVERIFY(w->state() == pasted);
    QCOMPARE(w->grid()->currentIndex(), w->grid()->cellIndex(4, 1));
}

void tst_commands::cellsTheListDoesNotHoldAreNoted() {
    w->addAll(kThree);
    grid::StringGrid* grid = w->grid();
    // As a screen reader reads the cell.
    const auto description = [grid](int col, int row) {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(row - 1, col - 1);
        return cell->text(QAccessible::Description);
    };
    w->typeIntoCell(4, 2, "5555");
    w->typeIntoCell(1, 4, "new");
    QCOMPARE(description(4, 2), "not accepted yet; the list holds 4000");
    QCOMPARE(description(1, 4), "typed into the last row, which accept does not add");
    QCOMPARE(description(3, 2), "");
    w->click("Button6");
    QCOMPARE(description(4, 2), "");
    trigger(*w, "undo"); // the accept: the table shows 5555 again, the list holds 4000
    QCOMPARE(description(4, 2), "not accepted yet; the list holds 4000");
}

void tst_commands::acceptTakesTheCellStillBeingEdited() {
    w->addAll(kThree);
    grid::StringGrid* grid = w->grid();
    const QModelIndex cell = grid->cellIndex(4, 3);
    grid->setFocus();
    grid->setCurrentIndex(cell);
    QTest::keyClick(grid->viewport(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
    QVERIFY(editor);
    editor->setText("1234");       // typed, but neither Enter nor a click elsewhere yet
    w->button("Button6")->click(); // as a shortcut or the accessibility bus presses it: no focus
    QVERIFY(QApplication::focusWidget() != w->button("Button6"));
    QVERIFY(w->errors.isEmpty());
    QCOMPARE(drives.tailNode()->zena, 1234);
    QCOMPARE(grid->Cells(4, 3), "1234");
    QVERIFY(!grid->indexWidget(cell));
}

void tst_commands::unacceptedEditsAreReplacedByTheNextCommand_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("add") << "Button1";
    QTest::newRow("remove") << "Button2";
    QTest::newRow("clear") << "Button4";
}

void tst_commands::unacceptedEditsAreReplacedByTheNextCommand() {
    QFETCH(QString, button);
    w->addAll(kThree);
    w->typeIntoCell(1, 1, "typed");
    fillRemoveRow(*w, "X|x|0|0");
    w->click(button.toLatin1());
    QVERIFY(w->errors.isEmpty());
    QVERIFY(w->grid()->Cells(1, 1) != "typed");
    QCOMPARE(w->grid()->Cells(1, 1),
             drives.empty() ? QString() : fieldText(drives.headNode()->firma));
}

void tst_commands::everyStepUndoesAndRedoes_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("pending");
    const QStringList steps =
        QString("add at the front|add in the middle|add at the end|remove the head|"
                "remove a middle entry|remove the tail|clear|accept|type into a cell|"
                "paste that grows the table|cut|delete|delete rows|insert rows above|sort")
            .split('|');
    for (const bool pending : {false, true})
        for (const QString& step : steps)
            QTest::addRow("%s%s", qPrintable(step), pending ? ", edits pending" : "")
                << step << pending;
}

void tst_commands::everyStepUndoesAndRedoes() {
    QFETCH(QString, step);
    QFETCH(bool, pending);
    // The head and the middle entry begin with the same letters; only the numbers tell them apart.
    w->addAll({"seagate|barracuda|80|4000", "samsung|bigfoot|120|5000", "maxtor|diamond|40|900"});
    if (step == "accept")
        w->typeIntoCell(4, 2, "5500"); // what the step takes into the list
    if (pending)
        w->typeIntoCell(1, 4, "typed"); // in the blank last row, not accepted
    const WindowState before = w->state();
    const int steps = w->form()->undoStack()->count();
    if (step.startsWith("add")) {
        w->add("new", "entry", "1", "2",
               step.endsWith("front")    ? "0"
               : step.endsWith("middle") ? "1"
                                         : "99");
    } else if (step.startsWith("remove")) {
        // Described by other texts than the entry's own, with its first letters and numbers.
        fillRemoveRow(*w, step.endsWith("head")   ? "sq|bq|80|4000"
                          : step.endsWith("tail") ? "mq|dq|40|900"
                                                  : "sx|bx|120|5000");
        w->click("Button2");
    } else if (step == "clear" || step == "accept") {
        w->click(step == "clear" ? "Button4" : "Button6");
    } else if (step == "type into a cell") {
        w->typeIntoCell(2, 2, "typed");
    } else if (step.endsWith("rows") || step.endsWith("above")) {
        selectCells(*w, 2, 2, 2, 3); // rows 2 and 3: taken out, or two blank rows above them
        trigger(*w, step.endsWith("rows") ? "deleteRows" : "insertRows");
    } else if (step == "sort") {
        selectCells(*w, 4, 2, 4, 2); // by zena: 900, 4000, 5000
        trigger(*w, "sortAscending");
    } else if (step == "cut" || step == "delete") {
        selectCells(*w, 1, 1, 2, 2);
        trigger(*w, step.toLatin1());
    } else {
        QGuiApplication::clipboard()->setText("P1\tp1\t1\t1\nP2\tp2\t2\t2\n");
        selectCells(*w, 1, 4, 1, 4);
        trigger(*w, "paste");
    }
    QVERIFY2(w->errors.isEmpty(), qPrintable(w->errors.join('\n')));
    QCOMPARE(w->form()->undoStack()->count(), steps + 1);
    const WindowState after = w->state();
    QVERIFY(after.grid != before.grid || after.list != before.list);
    trigger(*w, "undo");
    QCOMPARE(w->state().list, before.list);
    QCOMPARE(w->state().grid, before.grid);
    trigger(*w, "redo");
    QCOMPARE(w->state().list, after.list);
    QCOMPARE(w->state().grid, after.grid);
}

void tst_commands::exitClosesTheWindowAndEndsTheLoop() {
    bool timedOut = false;
    QTimer::singleShot(0, this, [this] { w->click("Button5"); });
    QTimer::singleShot(5000, this, [&timedOut] {
        timedOut = true;
        QCoreApplication::quit();
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!timedOut);
    QVERIFY(!w->form()->isVisible());
}

QTEST_MAIN(tst_commands)
#include "tst_commands.moc"
