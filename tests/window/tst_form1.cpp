// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_form1.cpp - the window at start-up: its layout, tab order and captions, and the grid repaint.
#include "windowtest.h"

#include "grid/stringgrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

class tst_form1 : public QObject {
    Q_OBJECT

private slots:
    void init() { w = std::make_unique<WindowTest>(); }
    void cleanup() { w.reset(); }

    void startsWithHeadingsAndOneBlankRow();
    void controlTable_data();
    void controlTable();
    void tabOrder();
    void everyCaptionFitsItsControl();
    void showListWritesOnlyRowsThatExist_data();
    void showListWritesOnlyRowsThatExist();

private:
    std::unique_ptr<WindowTest> w;
};

void tst_form1::startsWithHeadingsAndOneBlankRow() {
    TForm1* form = w->form();
    QCOMPARE(form->windowTitle(), "Form1");
    QCOMPARE(form->pos(), QPoint(-3, 110));
    QCOMPARE(form->size(), QSize(787, 283));
    QCOMPARE(Form1, form);
    QVERIFY(drives.empty());
    QCOMPARE(w->grid()->RowCount(), 2);
    QCOMPARE(w->grid()->ColCount(), 5);
    QCOMPARE(w->row(0), QStringList({"firma", "marka", "objom", "zena"}));
    QCOMPARE(w->row(1), QStringList({"", "", "", ""}));
    QCOMPARE(w->grid()->Cells(0, 0), "");
    QCOMPARE(w->grid()->columnWidth(0), 80);
    QCOMPARE(w->grid()->rowHeight(0), 24);
    // The heading row and column keep the cells' sizes.
    QCOMPARE(w->grid()->horizontalHeader()->height(), 24);
    QCOMPARE(w->grid()->verticalHeader()->width(), 80);
    QVERIFY(!w->form()->windowIcon().isNull());
    // The stored layout sets the grid through its properties.
    QCOMPARE(w->grid()->property("fixedRows").toInt(), 1);
    QCOMPARE(w->grid()->property("fixedCols").toInt(), 1);
    QCOMPARE(w->grid()->property("defaultColWidth").toInt(), 80);
    QCOMPARE(w->grid()->property("defaultRowHeight").toInt(), 24);
    QCOMPARE(w->grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(w->grid()->selectionMode(), QAbstractItemView::ContiguousSelection);
    QCOMPARE(form->font().family(), "Liberation Sans");
    QCOMPARE(form->font().pixelSize(), 11);
    QCOMPARE(w->label("Label9")->font().pixelSize(), 16);
    QVERIFY(w->errors.isEmpty());
}

void tst_form1::controlTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    QTest::newRow("StringGrid1") << "StringGrid1" << QRect(360, 0, 409, 265) << "";
    QTest::newRow("Button1") << "Button1" << QRect(8, 8, 75, 25) << "добавить";
    QTest::newRow("Label1") << "Label1" << QRect(96, 8, 34, 13) << "фирма";
    QTest::newRow("Label2") << "Label2" << QRect(160, 8, 32, 13) << "марка";
    QTest::newRow("Label3") << "Label3" << QRect(232, 8, 33, 13) << "объем";
    QTest::newRow("Label4") << "Label4" << QRect(288, 8, 24, 13) << "цена";
    QTest::newRow("Edit1") << "Edit1" << QRect(96, 24, 60, 21) << "seagate";
    QTest::newRow("Edit2") << "Edit2" << QRect(160, 24, 60, 21) << "barracuda";
    QTest::newRow("Edit3") << "Edit3" << QRect(224, 24, 60, 21) << "80";
    QTest::newRow("Edit4") << "Edit4" << QRect(288, 24, 60, 21) << "4000";
    QTest::newRow("Edit6") << "Edit6" << QRect(8, 40, 65, 21) << "1";
    QTest::newRow("Label10") << "Label10" << QRect(80, 48, 79, 13) << "на какое место";
    QTest::newRow("Label11") << "Label11" << QRect(96, 80, 34, 13) << "фирма";
    QTest::newRow("Label12") << "Label12" << QRect(160, 80, 32, 13) << "марка";
    QTest::newRow("Label13") << "Label13" << QRect(232, 80, 33, 13) << "объем";
    QTest::newRow("Label14") << "Label14" << QRect(288, 80, 24, 13) << "цена";
    QTest::newRow("Button2") << "Button2" << QRect(16, 88, 75, 25) << "удалить";
    QTest::newRow("Edit7") << "Edit7" << QRect(96, 96, 60, 21) << "seagate";
    QTest::newRow("Edit8") << "Edit8" << QRect(160, 96, 60, 21) << "barracuda";
    QTest::newRow("Edit9") << "Edit9" << QRect(224, 96, 60, 21) << "80";
    QTest::newRow("Edit10") << "Edit10" << QRect(288, 96, 60, 21) << "4000";
    QTest::newRow("Label5") << "Label5" << QRect(104, 120, 24, 13) << "цена";
    QTest::newRow("Button3") << "Button3" << QRect(16, 128, 75, 25) << "поиск";
    QTest::newRow("Edit5") << "Edit5" << QRect(104, 136, 60, 21) << "700";
    QTest::newRow("Label6") << "Label6" << QRect(176, 144, 51, 13) << "результат";
    QTest::newRow("Label7") << "Label7" << QRect(240, 144, 39, 13) << " поиска";
    QTest::newRow("Label8") << "Label8" << QRect(288, 144, 39, 13) << "по цене";
    QTest::newRow("Button4") << "Button4" << QRect(16, 168, 97, 25) << "очистить список";
    QTest::newRow("Button6") << "Button6" << QRect(16, 208, 209, 25)
                             << "принять результаты редактирования";
    QTest::newRow("Button5") << "Button5" << QRect(16, 248, 75, 25) << "выход";
    QTest::newRow("Label9") << "Label9" << QRect(160, 248, 4, 20) << "";
}

void tst_form1::controlTable() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    const QWidget* control = w->form()->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), w->form());
    QCOMPARE(control->pos(), geometry.topLeft());
    // The narrowest window still holds every control but the table, which narrows, whole.
    QVERIFY(name == "StringGrid1" || QRect(QPoint(), w->form()->minimumSize()).contains(geometry));
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        // Labels size themselves to their caption: never smaller than the table says.
        QVERIFY(control->width() >= geometry.width());
        QVERIFY(control->height() >= geometry.height());
        QCOMPARE(label->text(), text);
    } else {
        QCOMPARE(control->size(), geometry.size());
        QCOMPARE(control->property("text").toString(), text);
    }
    QVERIFY(w->form()->rect().contains(control->geometry()));
}

void tst_form1::tabOrder() {
    const QStringList expected = {"StringGrid1", "Button1", "Edit1", "Edit2",   "Edit3",   "Edit4",
                                  "Button2",     "Button3", "Edit5", "Button4", "Button5", "Edit6",
                                  "Edit7",       "Edit8",   "Edit9", "Edit10",  "Button6"};
    QStringList order;
    QWidget* first = w->grid();
    QWidget* next = first;
    do {
        if (next->focusPolicy() & Qt::TabFocus)
            order << next->objectName();
        next = next->nextInFocusChain();
    } while (next != first && order.size() <= expected.size());
    QCOMPARE(order, expected);
}

void tst_form1::everyCaptionFitsItsControl() {
    for (const QPushButton* button : w->form()->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= contents.width(),
                 qPrintable(button->objectName()));
        QVERIFY2(button->fontMetrics().height() <= contents.height(),
                 qPrintable(button->objectName()));
    }
    for (const QLineEdit* edit : w->form()->findChildren<QLineEdit*>()) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const QRect contents =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        constexpr int editorMargin = 2; // the line edit's own inner margin on each side
        QVERIFY2(edit->fontMetrics().horizontalAdvance(edit->text()) <=
                     contents.width() - 2 * editorMargin,
                 qPrintable(edit->objectName()));
        QVERIFY2(edit->fontMetrics().height() <= contents.height(), qPrintable(edit->objectName()));
    }
    for (const QLabel* label : w->form()->findChildren<QLabel*>()) {
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->objectName()));
        QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(label->objectName()));
    }
}

void tst_form1::showListWritesOnlyRowsThatExist_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("firmas"); // column 1 of rows 1 and below

    QTest::newRow("more rows than entries") << 6 << QStringList{"A", "B", "C", "", ""};
    QTest::newRow("fewer rows than entries") << 3 << QStringList{"A", "B"};
}

void tst_form1::showListWritesOnlyRowsThatExist() {
    QFETCH(int, rows);
    QFETCH(QStringList, firmas);
    w->addAll({"A|a|1|2|9", "B|b|3|4|9", "C|c|5|-6|9"});
    w->grid()->setRowCount(rows);
    for (int r = 1; r < rows; ++r)
        w->grid()->setCells(2, r, "stale");
    showList(drives);
    QStringList shown;
    for (int r = 1; r < rows; ++r)
        shown << w->grid()->Cells(1, r);
    QCOMPARE(shown, firmas);
    QCOMPARE(w->grid()->RowCount(), rows);
    QCOMPARE(w->grid()->Cells(2, rows - 1), firmas.last().isEmpty() ? "" : "b");
    QCOMPARE(w->row(0), QStringList({"firma", "marka", "objom", "zena"}));
}

QTEST_MAIN(tst_form1)
#include "tst_form1.moc"
