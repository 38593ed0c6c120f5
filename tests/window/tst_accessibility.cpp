// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_accessibility.cpp - what assistive technology and the keyboard alone can do with the window.
#include "windowtest.h"

#include "grid/stringgrid.h"
#include "platform/announcer.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

namespace {
/// Presses `key` (Tab or Backtab) from the grid until `target` has the focus, as a keyboard user
/// does; true when it got there.
bool tabTo(WindowTest& w, QWidget* target, Qt::Key key) {
    w.grid()->setFocus();
    for (int presses = 0; presses < 20 && QApplication::focusWidget() != target; ++presses)
        QTest::keyClick(QApplication::focusWidget(), key);
    return QApplication::focusWidget() == target;
}

/// Whether a screen reader is told that the grid's current cell has the focus.
bool currentCellFocused(grid::StringGrid* grid) {
    const QModelIndex cell = grid->currentCell();
    return QAccessible::queryAccessibleInterface(grid)
        ->tableInterface()
        ->cellAt(cell.row(), cell.column())
        ->state()
        .focused;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    return a ? a->text(QAccessible::Name) : QString();
}
} // namespace

class tst_accessibility : public QObject {
    Q_OBJECT

private slots:
    void init() { w = std::make_unique<WindowTest>(); }
    void cleanup() { w.reset(); }

    void editsAreNamedByTheirCaptions_data();
    void editsAreNamedByTheirCaptions();
    void everyControlHasAName();
    void gridCellsAreReadable();
    void headingsStayInViewWhileScrolling();
    void keyboardNeverLandsOnAHeading_data();
    void keyboardNeverLandsOnAHeading();
    void buttonsWorkFromTheKeyboard_data();
    void buttonsWorkFromTheKeyboard();
    void gridIsEditableFromTheKeyboard();
    void historyFromTheKeyboard();
    void contextMenuFromMouseAndKeyboard_data();
    void contextMenuFromMouseAndKeyboard();
    void headingMenuSortsItsColumn();

private:
    std::unique_ptr<WindowTest> w;
};

void tst_accessibility::editsAreNamedByTheirCaptions_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    const struct {
        const char* edit;
        const char* label;
        const char* name;
    } rows[] = {
        {"Edit1", "Label1", "фирма (добавить)"},           {"Edit2", "Label2", "марка (добавить)"},
        {"Edit3", "Label3", "объем (добавить)"},           {"Edit4", "Label4", "цена (добавить)"},
        {"Edit6", "Label10", "на какое место (добавить)"}, {"Edit7", "Label11", "фирма (удалить)"},
        {"Edit8", "Label12", "марка (удалить)"},           {"Edit9", "Label13", "объем (удалить)"},
        {"Edit10", "Label14", "цена (удалить)"},           {"Edit5", "Label5", "цена (поиск)"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.edit) << row.edit << row.label << QString::fromUtf8(row.name);
}

void tst_accessibility::editsAreNamedByTheirCaptions() {
    QFETCH(QString, edit);
    QFETCH(QString, label);
    QFETCH(QString, name);
    QCOMPARE(w->label(label.toLatin1())->buddy(), w->edit(edit.toLatin1()));
    QCOMPARE(accessibleName(w->edit(edit.toLatin1())), name);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w->edit(edit.toLatin1()));
    QCOMPARE(a->role(), QAccessible::EditableText);
    // Screen readers name a field by its caption: its command follows, as its description.
    QCOMPARE(a->text(QAccessible::Description), name.section(u'(', 1).chopped(1));
}

void tst_accessibility::everyControlHasAName() {
    const auto controls = w->form()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 32);
    for (QWidget* control : controls) {
        // An empty caption with nothing to say: left unnamed, so nothing is read. The
        // announcer is named by what it says, nothing before a command.
        if (control->objectName() == "Label9" || control->objectName() == "announcer")
            continue;
        QVERIFY2(!accessibleName(control).trimmed().isEmpty(), qPrintable(control->objectName()));
    }
    QCOMPARE(accessibleName(w->grid()), "список дисков");
    QCOMPARE(QAccessible::queryAccessibleInterface(w->grid())->role(), QAccessible::Table);
    // What a command did is told through a notification named by it.
    w->click("Button3");
    auto* announcer = w->form()->findChild<platform::Announcer*>("announcer");
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(announcer);
    QCOMPARE(told->role(), QAccessible::Notification);
    QCOMPARE(told->text(QAccessible::Name), "net takogo vinta");
    QVERIFY(told->text(QAccessible::Description).isEmpty());
}

void tst_accessibility::gridCellsAreReadable() {
    w->add(QString::fromUtf8("жёсткий"), "barracuda", "80", "-4000", "0");
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(w->grid());
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table);
    // The heading row and column are the table's headers; the cells are the entries' rows.
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnCount(), 4);
    const QStringList headings = {"firma", "marka", "objom", "zena"};
    const QStringList expected[] = {{QString::fromUtf8("жёсткий"), "barracuda", "80", "-4000"},
                                    {"", "", "", ""}};
    for (int col = 0; col < 4; ++col) {
        QCOMPARE(table->columnDescription(col), headings[col]);
        // The first row of children, after the corner, holds the column headers.
        QCOMPARE(grid->child(1 + col)->role(), QAccessible::ColumnHeader);
        QCOMPARE(grid->child(1 + col)->text(QAccessible::Name), headings[col]);
        for (int row = 0; row < 2; ++row)
            QCOMPARE(table->cellAt(row, col)->text(QAccessible::Name), expected[row][col]);
    }
}

void tst_accessibility::headingsStayInViewWhileScrolling() {
    for (int i = 0; i < 20; ++i)
        w->add(QString::number(i), "m", "1", "2", "99");
    grid::StringGrid* grid = w->grid();
    grid->scrollToBottom();
    QVERIFY(grid->verticalScrollBar()->value() > 0);
    const QRect lastRow = grid->visualRect(grid->cellIndex(1, 20));
    QVERIFY(grid->viewport()->rect().contains(lastRow));
    // The headings sit above the scrolled cells, where they were.
    QHeaderView* headings = grid->horizontalHeader();
    QVERIFY(headings->isVisible());
    QCOMPARE(headings->mapTo(grid, QPoint(0, 0)).y(), grid->frameWidth());
    QCOMPARE(headings->model()->headerData(0, Qt::Horizontal).toString(), "firma");
    // Beside the vertical scroll bar the four columns still fit: nothing scrolls sideways.
    QCOMPARE(headings->length(), grid->viewport()->width());
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
    QVERIFY(grid->verticalHeader()->isVisible());
}

void tst_accessibility::keyboardNeverLandsOnAHeading_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QPoint>("cell");
    QTest::newRow("first focus") << QList<int>{} << QPoint(1, 1);
    QTest::newRow("up and left") << QList<int>{Qt::Key_Up, Qt::Key_Left} << QPoint(1, 1);
    QTest::newRow("down, away to a button and back")
        << QList<int>{Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backtab} << QPoint(1, 2);
}

void tst_accessibility::keyboardNeverLandsOnAHeading() {
    QFETCH(QList<int>, keys);
    QFETCH(QPoint, cell);
    w->add("a", "b", "1", "2", "0");
    grid::StringGrid* grid = w->grid();
    w->button("Button6")->setFocus();
    QTest::keyClick(w->button("Button6"), Qt::Key_Tab); // the last control hands on to the grid
    QCOMPARE(QApplication::focusWidget(), grid);
    for (int key : keys) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        // Only what has the focus says so: the current cell while the table has it.
        QCOMPARE(currentCellFocused(grid), QApplication::focusWidget() == grid);
    }
    QCOMPARE(grid->currentIndex(), grid->cellIndex(cell.x(), cell.y()));
}

void tst_accessibility::buttonsWorkFromTheKeyboard_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("entriesAfter");
    QTest::newRow("add, Space") << "Button1" << int(Qt::Key_Space) << 3;
    QTest::newRow("add, Enter") << "Button1" << int(Qt::Key_Return) << 3;
    QTest::newRow("remove, keypad Enter") << "Button2" << int(Qt::Key_Enter) << 1;
    QTest::newRow("search, Space") << "Button3" << int(Qt::Key_Space) << 2;
    QTest::newRow("clear, Enter") << "Button4" << int(Qt::Key_Return) << 0;
    QTest::newRow("accept, Space") << "Button6" << int(Qt::Key_Space) << 2;
    QTest::newRow("Enter in the add row adds") << "Edit6" << int(Qt::Key_Return) << 3;
    QTest::newRow("keypad Enter in the remove row removes") << "Edit9" << int(Qt::Key_Enter) << 1;
    QTest::newRow("Enter in the search field searches") << "Edit5" << int(Qt::Key_Return) << 2;
    QTest::newRow("Ctrl+Z on a button undoes the last add")
        << "Button4" << (Qt::CTRL | Qt::Key_Z).toCombined() << 1;
    QTest::newRow("Ctrl+Z in an edit undoes only its own typing")
        << "Edit6" << (Qt::CTRL | Qt::Key_Z).toCombined() << 2;
    QTest::newRow("Ctrl+Enter presses nothing")
        << "Button1" << (Qt::CTRL | Qt::Key_Return).toCombined() << 2;
}

void tst_accessibility::buttonsWorkFromTheKeyboard() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(int, entriesAfter);
    w->click("Button1");
    w->add("sx", "bq", "1", "700", "9");
    QWidget* target = w->form()->findChild<QWidget*>(focused);
    QVERIFY(tabTo(*w, target, Qt::Key_Tab));
    const QKeyCombination combination = QKeyCombination::fromCombined(key);
    QTest::keyClick(target, combination.key(),
                    combination.keyboardModifiers() |
                        (combination.key() == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier));
    QVERIFY(w->errors.isEmpty());
    QCOMPARE(drives.size(), entriesAfter);
    if (focused == "Button3" || focused == "Edit5")
        QCOMPARE(w->label("Label6")->text(), "sx");
}

void tst_accessibility::gridIsEditableFromTheKeyboard() {
    w->add("seagate", "barracuda", "80", "4000", "0");
    grid::StringGrid* grid = w->grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->cellIndex(1, 1));
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Right); // to the price cell
    QTest::keyClick(grid->viewport(), Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "3500");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(grid->Cells(4, 1), "3500");
    QVERIFY(tabTo(*w, w->button("Button6"), Qt::Key_Backtab));
    QTest::keyClick(w->button("Button6"), Qt::Key_Space);
    QCOMPARE(drives.headNode()->zena, 3500);
}

void tst_accessibility::historyFromTheKeyboard() {
    w->add("a", "b", "1", "2", "0");
    w->add("c", "d", "3", "4", "0");
    grid::StringGrid* grid = w->grid();
    QVERIFY(tabTo(*w, grid, Qt::Key_Tab));
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Z,
                                       Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z})
        QTest::keyClick(grid, keys.key(), keys.keyboardModifiers());
    QCOMPARE(w->state().list, QList<QStringList>({{"c", "d", "3", "4"}, {"a", "b", "1", "2"}}));
    // Inside a cell's editor the keys undo the typing there, not the window's steps.
    QTest::keyClick(grid->viewport(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, "xy");
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->text(), grid->Cells(1, 1));
    QCOMPARE(drives.size(), 2);
}

void tst_accessibility::contextMenuFromMouseAndKeyboard_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("right click") << 0;
    QTest::newRow("Menu key") << int(Qt::Key_Menu);
    QTest::newRow("Shift+F10") << (Qt::SHIFT | Qt::Key_F10).toCombined();
}

void tst_accessibility::contextMenuFromMouseAndKeyboard() {
    QFETCH(int, key);
    QGuiApplication::clipboard()->clear();
    w->add("a", "b", "1", "2", "0");
    w->add("c", "d", "3", "4", "1");
    grid::StringGrid* grid = w->grid();
    QVERIFY(tabTo(*w, grid, Qt::Key_Tab));
    const QPoint cell = grid->visualRect(grid->cellIndex(2, 1)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, cell, grid->viewport()->mapToGlobal(cell));
    if (key == 0)
        QApplication::sendEvent(grid->viewport(), &click);
    else
        QTest::keyClick(grid, QKeyCombination::fromCombined(key).key(),
                        QKeyCombination::fromCombined(key).keyboardModifiers());
    QMenu* menu = grid->contextMenu();
    QVERIFY(menu && menu->isVisible());
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text() + (action->isEnabled() ? " " : " (off) ") +
                     action->shortcut().toString();
    // The clipboard is empty, and there is nothing to redo.
    QCOMPARE(items, QStringList({"&Undo Add Ctrl+Z", "R&edo (off) Ctrl+Shift+Z", " ", "Cu&t Ctrl+X",
                                 "&Copy Ctrl+C", "&Paste (off) Ctrl+V", "&Delete Del", " ",
                                 "Select &All Ctrl+A", " ", "&Insert Rows Above Ctrl++",
                                 "Delete &Rows Ctrl+-", " ", "&Sort by firma, Ascending ",
                                 "S&ort by firma, Descending "}));
    // A screen reader finds its items.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
    QCOMPARE(accessible->childCount(), int(items.size()));
    QCOMPARE(accessible->child(3)->text(QAccessible::Name), "Cut");
    menu->close();
}

void tst_accessibility::headingMenuSortsItsColumn() {
    w->addAll({"a|b|1|2", "c|d|3|4"});
    QHeaderView* headings = w->grid()->horizontalHeader();
    const QPoint zena(headings->sectionViewportPosition(3) + 5, headings->height() / 2);
    QContextMenuEvent click(QContextMenuEvent::Mouse, zena, headings->mapToGlobal(zena));
    QApplication::sendEvent(headings->viewport(), &click);
    QMenu* menu = w->grid()->headingMenu();
    QVERIFY(menu && menu->isVisible());
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text();
    QCOMPARE(items, QStringList({"&Sort by zena, Ascending", "S&ort by zena, Descending"}));
    QCOMPARE(QAccessible::queryAccessibleInterface(menu)->childCount(), 2);
    menu->close();
}

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
