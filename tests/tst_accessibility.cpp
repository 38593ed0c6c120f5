// tst_accessibility.cpp - what assistive technology and the keyboard alone can do with the window.
#include "windowtest.h"

#include "platform/stringgrid.h"

#include <QAccessible>
#include <QAccessibleInterface>
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
    void buttonsWorkFromTheKeyboard_data();
    void buttonsWorkFromTheKeyboard();
    void gridIsEditableFromTheKeyboard();

private:
    std::unique_ptr<WindowTest> w;
};

void tst_accessibility::editsAreNamedByTheirCaptions_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    QTest::newRow("Edit1") << "Edit1"
                           << "Label1"
                           << "фирма";
    QTest::newRow("Edit2") << "Edit2"
                           << "Label2"
                           << "марка";
    QTest::newRow("Edit3") << "Edit3"
                           << "Label3"
                           << "объем";
    QTest::newRow("Edit4") << "Edit4"
                           << "Label4"
                           << "цена";
    QTest::newRow("Edit6") << "Edit6"
                           << "Label10"
                           << "на какое место";
    QTest::newRow("Edit7") << "Edit7"
                           << "Label11"
                           << "фирма";
    QTest::newRow("Edit8") << "Edit8"
                           << "Label12"
                           << "марка";
    QTest::newRow("Edit9") << "Edit9"
                           << "Label13"
                           << "объем";
    QTest::newRow("Edit10") << "Edit10"
                            << "Label14"
                            << "цена";
    QTest::newRow("Edit5") << "Edit5"
                           << "Label5"
                           << "цена";
}

void tst_accessibility::editsAreNamedByTheirCaptions() {
    QFETCH(QString, edit);
    QFETCH(QString, label);
    QFETCH(QString, name);
    QCOMPARE(w->label(label.toLatin1())->buddy(), w->edit(edit.toLatin1()));
    QCOMPARE(accessibleName(w->edit(edit.toLatin1())), name);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w->edit(edit.toLatin1()));
    QCOMPARE(a->role(), QAccessible::EditableText);
}

void tst_accessibility::everyControlHasAName() {
    const auto controls = w->form()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 31);
    for (QWidget* control : controls) {
        if (control->objectName() == "Label9")
            continue; // an empty caption with nothing to say: left unnamed, so nothing is read
        QVERIFY2(!accessibleName(control).trimmed().isEmpty(), qPrintable(control->objectName()));
    }
    QCOMPARE(accessibleName(w->grid()), "список дисков");
    QCOMPARE(QAccessible::queryAccessibleInterface(w->grid())->role(), QAccessible::Table);
}

void tst_accessibility::gridCellsAreReadable() {
    w->add(QString::fromUtf8("жёсткий"), "barracuda", "80", "-4000", "0");
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(w->grid());
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->columnCount(), 5);
    const QStringList expected[] = {{"", "firma", "marka", "objom", "zena"},
                                    {"", QString::fromUtf8("жёсткий"), "barracuda", "80", "-4000"},
                                    {"", "", "", "", ""}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 5; ++col)
            QCOMPARE(table->cellAt(row, col)->text(QAccessible::Name), expected[row][col]);
}

void tst_accessibility::buttonsWorkFromTheKeyboard_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("entriesAfter");
    QTest::newRow("add") << "Button1" << 3;
    QTest::newRow("remove") << "Button2" << 1;
    QTest::newRow("search") << "Button3" << 2;
    QTest::newRow("clear") << "Button4" << 0;
    QTest::newRow("accept") << "Button6" << 2;
}

void tst_accessibility::buttonsWorkFromTheKeyboard() {
    QFETCH(QString, button);
    QFETCH(int, entriesAfter);
    w->click("Button1");
    w->add("sx", "bq", "1", "700", "9");
    QPushButton* target = w->button(button.toLatin1());
    QVERIFY(tabTo(*w, target, Qt::Key_Tab));
    QTest::keyClick(target, Qt::Key_Space);
    QVERIFY(w->errors.isEmpty());
    QCOMPARE(drives.size(), entriesAfter);
    if (button == "Button3")
        QCOMPARE(w->label("Label6")->text(), "sx");
}

void tst_accessibility::gridIsEditableFromTheKeyboard() {
    w->add("seagate", "barracuda", "80", "4000", "0");
    StringGrid* grid = w->grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, 1));
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

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
