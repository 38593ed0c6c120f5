// tst_form1.cpp - the window at start-up, its layout, and the add command.
#include "windowtest.h"

#include "list/nodeallocator.h"
#include "platform/stringgrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

namespace {

QStringList gridFirmas(const WindowTest& w) {
    QStringList result;
    for (int r = 1; r < w.grid()->RowCount() - 1; ++r)
        result << w.grid()->Cells(1, r);
    return result;
}

} // namespace

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
    void addPutsTheEntryAtItsPosition_data();
    void addPutsTheEntryAtItsPosition();
    void badAddInputChangesNothing_data();
    void badAddInputChangesNothing();
    void cyrillicTextRoundTrips();
    void failedAllocationShowsAnErrorAndChangesNothing();
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
    QCOMPARE(w->grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
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

void tst_form1::addPutsTheEntryAtItsPosition_data() {
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

void tst_form1::addPutsTheEntryAtItsPosition() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, firmas);
    w->addAll(steps);
    QVERIFY2(w->errors.isEmpty(), qPrintable(w->errors.join('\n')));
    QCOMPARE(gridFirmas(*w), firmas);
    QCOMPARE(w->grid()->RowCount(), firmas.size() + 2);
    QCOMPARE(w->row(w->grid()->RowCount() - 1), QStringList({"", "", "", ""}));
    QCOMPARE(drives.size(), firmas.size());
}

void tst_form1::badAddInputChangesNothing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString notInteger = QStringLiteral("%1: '%2' is not a valid integer value");
    const QString outOfRange = QStringLiteral(
        "%1: '%2' is out of range: whole numbers run from -2147483648 to 2147483647");
    QTest::newRow("capacity 8O") << "Edit3"
                                 << "8O" << notInteger.arg("объем", "8O");
    QTest::newRow("empty capacity") << "Edit3"
                                    << "" << notInteger.arg("объем", "");
    QTest::newRow("price too large") << "Edit4"
                                     << "2147483648" << outOfRange.arg("цена", "2147483648");
    QTest::newRow("price too small")
        << "Edit4"
        << "-99999999999999999999" << outOfRange.arg("цена", "-99999999999999999999");
    QTest::newRow("price with letters") << "Edit4"
                                        << "abc" << notInteger.arg("цена", "abc");
    QTest::newRow("position with a plus") << "Edit6"
                                          << "+1" << notInteger.arg("на какое место", "+1");
    QTest::newRow("markup in a number") << "Edit3"
                                        << "<b>1</b>" << notInteger.arg("объем", "<b>1</b>");
    QTest::newRow("placeholders are quoted, not filled in")
        << "Edit1"
        << "%1%1%1%1%1"
        << "фирма: '%1%1%1%1%1' is 10 characters long; at most 9 fit.";
    QTest::newRow("a pasted page is quoted briefly")
        << "Edit1" << QString(10000, 'x')
        << "фирма: '" + QString(30, 'x') + "…' is 10000 characters long; at most 9 fit.";
    QTest::newRow("ten Latin characters")
        << "Edit1"
        << "seagate-xx"
        << "фирма: 'seagate-xx' is 10 characters long; at most 9 fit.";
    QTest::newRow("ten Cyrillic characters")
        << "Edit2"
        << "барракудаа"
        << "марка: 'барракудаа' is 10 characters long; at most 9 fit.";
    QTest::newRow("emoji") << "Edit2" << QString::fromUtf8("disk\U0001F600")
                           << QString::fromUtf8("марка: 'disk\U0001F600' holds a character that "
                                                "cannot be stored. Only the Latin and Cyrillic "
                                                "letters, digits and signs of Windows-1251 fit.");
    const QString control = QStringLiteral("%1: the text holds a control character, which cannot "
                                           "be stored. Type letters, digits and signs only.");
    QTest::newRow("control character") << "Edit1" << QString("a\tb") << control.arg("фирма");
    QTest::newRow("DEL") << "Edit2" << QString("a\x7f") << control.arg("марка");
    QTest::newRow("C1 control") << "Edit2" << QString("a") + QChar(0x85) << control.arg("марка");
}

void tst_form1::badAddInputChangesNothing() {
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

void tst_form1::cyrillicTextRoundTrips() {
    const QString firma = QString::fromUtf8("ЙЦУКЕНГШЩ"); // nine: the most a field holds
    const QString marka = QString::fromUtf8("жёсткий");
    w->add(firma, marka, "-5", "007", "0");
    QVERIFY2(w->errors.isEmpty(), qPrintable(w->errors.join('\n')));
    QCOMPARE(w->row(1), QStringList({firma, marka, "-5", "7"}));
    QCOMPARE(QByteArray(drives.headNode()->marka), QByteArray("\xE6\xB8\xF1\xF2\xEA\xE8\xE9"));
}

namespace {
void* noMemory(std::size_t) {
    return nullptr;
}
} // namespace

void tst_form1::failedAllocationShowsAnErrorAndChangesNothing() {
    w->addAll({"A|a|1|2|9"});
    const WindowState before = w->state();
    const NodeAllocator previous = setNodeAllocator(&noMemory);
    w->add("B", "b", "1", "2", "9");
    setNodeAllocator(previous);
    QCOMPARE(w->errors, QStringList{"Out of memory: the command was not carried out."});
    QVERIFY(w->state() == before);
    w->click("Button1");
    QCOMPARE(gridFirmas(*w), QStringList({"A", "B"}));
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
