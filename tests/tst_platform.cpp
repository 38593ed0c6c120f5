// tst_platform.cpp - conversions, the code page, the error boundary and the string grid.
#include "platform/ansitext.h"
#include "platform/conversions.h"
#include "platform/errorboundary.h"
#include "platform/exception.h"
#include "platform/stringgrid.h"
#include "platform/stringgridmodel.h"

#include "platform/fontmap.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>

#include <stdexcept>

class tst_platform : public QObject {
    Q_OBJECT

private slots:
    void strToIntAccepts_data();
    void strToIntAccepts();
    void strToIntRefuses_data();
    void strToIntRefuses();
    void intToStrWritesDecimal();
    void isIntTextMatchesOnlyIntToStr_data();
    void isIntTextMatchesOnlyIntToStr();
    void decodesToMatchesOnlyDecode();
    void codePageRoundTrips_data();
    void codePageRoundTrips();
    void codePageRefuses_data();
    void codePageRefuses();
    void decodeStopsAtNulOrLength();
    void errorBoundaryShowsEveryKindOfError_data();
    void errorBoundaryShowsEveryKindOfError();
    void errorDialogShowsTheMessage();
    void failingReporterStopsAtTheBoundary();
    void fontMapping_data();
    void fontMapping();
    void gridModelRefusesWhatIsNotItsCell();
    void gridRowCountKeepsCells();
    void gridFixedCellsAreHeadings();
    void gridBatchUpdateAnnouncesOnce();
    void gridModelKeepsItsContract();
    void gridFinishEditingCommitsTypedText();
};

void tst_platform::strToIntAccepts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("negative") << "-250" << -250;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
    QTest::newRow("largest behind many zeros") << "0000000000002147483647" << 2147483647;
}

void tst_platform::strToIntAccepts() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(StrToInt(text), value);
}

void tst_platform::strToIntRefuses_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("minus alone") << "-";
    QTest::newRow("letters") << "abc";
    QTest::newRow("letter O for zero") << "8O";
    QTest::newRow("plus sign") << "+5";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("leading blank") << " 5";
    QTest::newRow("trailing blank") << "5 ";
    QTest::newRow("minus after") << "5-";
    QTest::newRow("two minus signs") << "--5";
    QTest::newRow("one past the largest") << "2147483648";
    QTest::newRow("one below the smallest") << "-2147483649";
    QTest::newRow("twenty digits") << "99999999999999999999";
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0661\u0662");
    QTest::newRow("fullwidth digit") << QString::fromUtf8("\uFF15");
}

void tst_platform::strToIntRefuses() {
    QFETCH(QString, text);
    try {
        StrToInt(text);
        QFAIL("converted");
    } catch (const Exception& e) {
        const bool wellFormed = QRegularExpression("^-?[0-9]+$").match(text).hasMatch();
        QCOMPARE(e.Message(),
                 wellFormed
                     ? "'" + text +
                           "' is out of range: whole numbers run from -2147483648 to 2147483647"
                     : "'" + text + "' is not a valid integer value");
    }
}

void tst_platform::intToStrWritesDecimal() {
    QCOMPARE(IntToStr(0), "0");
    QCOMPARE(IntToStr(-7), "-7");
    QCOMPARE(IntToStr(int(-2147483648LL)), "-2147483648");
    QCOMPARE(IntToStr(2147483647), "2147483647");
}

void tst_platform::isIntTextMatchesOnlyIntToStr_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("same");
    QTest::newRow("equal") << "7" << 7 << true;
    QTest::newRow("leading zeros differ") << "007" << 7 << false;
    QTest::newRow("plus sign differs") << "+7" << 7 << false;
    QTest::newRow("empty is not zero") << "" << 0 << false;
    QTest::newRow("minus zero is not zero") << "-0" << 0 << false;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL) << true;
    QTest::newRow("other number") << "2147483647" << 2147483646 << false;
}

void tst_platform::isIntTextMatchesOnlyIntToStr() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, same);
    QCOMPARE(isIntText(text, value), same);
    QCOMPARE(isIntText(text, value), text == IntToStr(value));
}

void tst_platform::decodesToMatchesOnlyDecode() {
    const QByteArray bytes("\xE6\xB8\xF1\xF2\xEA\xE8\xE9"); // жёсткий
    QVERIFY(ansi::decodesTo(bytes.constData(), 9, QString::fromUtf8("жёсткий")));
    QVERIFY(!ansi::decodesTo(bytes.constData(), 9, QString::fromUtf8("жёсткиЙ")));
    QVERIFY(!ansi::decodesTo(bytes.constData(), 9, QString::fromUtf8("жёстки")));
    QVERIFY(ansi::decodesTo(bytes.constData(), 3, QString::fromUtf8("жёс")));
    QVERIFY(ansi::decodesTo("", 9, QString()));
}

void tst_platform::codePageRoundTrips_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Latin") << "seagate" << QByteArray("seagate");
    QTest::newRow("Cyrillic") << QString::fromUtf8("жёсткий")
                              << QByteArray("\xE6\xB8\xF1\xF2\xEA\xE8\xE9");
    QTest::newRow("capital Cyrillic") << QString::fromUtf8("ЯЁЖ") << QByteArray("\xDF\xA8\xC6");
    QTest::newRow("signs of the code page")
        << QString::fromUtf8("№€«»") << QByteArray("\xB9\x88\xAB\xBB");
    QTest::newRow("Ukrainian and Belarusian")
        << QString::fromUtf8("ЇїЎў") << QByteArray("\xAF\xBF\xA1\xA2");
}

void tst_platform::codePageRoundTrips() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const auto encoded = ansi::encode(text);
    QVERIFY(encoded);
    QCOMPARE(QByteArray::fromStdString(*encoded), bytes);
    QCOMPARE(ansi::decode(bytes.constData(), std::size_t(bytes.size())), text);
}

void tst_platform::codePageRefuses_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("emoji") << QString::fromUtf8("a\U0001F600");
    QTest::newRow("CJK") << QString::fromUtf8("\u4E2D");
    QTest::newRow("Greek") << QString::fromUtf8("\u03A9");
    QTest::newRow("Latin with a diacritic") << QString::fromUtf8("\u00E9");
    QTest::newRow("embedded NUL") << QString(QChar(0)) + "x";
    QTest::newRow("lone surrogate") << QString(QChar(0xD800));
}

void tst_platform::codePageRefuses() {
    QFETCH(QString, text);
    QVERIFY(!ansi::encode(text));
}

void tst_platform::decodeStopsAtNulOrLength() {
    const char bytes[] = {'a', 'b', '\0', 'c'};
    QCOMPARE(ansi::decode(bytes, 4), "ab");
    QCOMPARE(ansi::decode("abcdef", 3), "abc");
}

void tst_platform::errorBoundaryShowsEveryKindOfError_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("Exception") << 0 << "'x' is not a valid integer value";
    QTest::newRow("out of memory") << 1 << "Out of memory: the command was not carried out.";
    QTest::newRow("standard exception") << 2 << "broken";
    QTest::newRow("anything else") << 3 << "The command failed with an unknown error.";
}

void tst_platform::errorBoundaryShowsEveryKindOfError() {
    QFETCH(int, kind);
    QFETCH(QString, message);
    QStringList shown;
    platform::setErrorReporter([&shown](const QString& m, const auto&) { shown << m; });
    platform::runGuarded([kind] {
        switch (kind) {
        case 0:
            StrToInt("x");
            break;
        case 1:
            throw std::bad_alloc();
        case 2:
            throw std::runtime_error("broken");
        default:
            throw 42;
        }
    });
    platform::runGuarded([] {}); // a handler that succeeds shows nothing
    platform::setErrorReporter({});
    QCOMPARE(shown, QStringList{message});
}

void tst_platform::errorDialogShowsTheMessage() {
    // Outside an event loop the dialog waits for its answer.
    QString shown;
    QTimer::singleShot(0, this, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        shown = box->text();
        box->accept();
    });
    platform::runGuarded([] { throw Exception("shown in a dialog"); });
    QCOMPARE(shown, "shown in a dialog");
    QTRY_VERIFY(!QApplication::activeModalWidget());

    // Within the event loop the handler returns at once and the dialog stays, modal, until closed.
    QPointer<QMessageBox> open;
    QEventLoop loop;
    QTimer::singleShot(0, this, [&open, &loop] {
        platform::runGuarded([] { throw Exception("still open"); });
        open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        loop.quit();
    });
    loop.exec();
    QVERIFY(open);
    QCOMPARE(open->text(), "still open");
    QCOMPARE(open->windowModality(), Qt::ApplicationModal);
    open->accept();
    QTRY_VERIFY(!open); // closing deletes it
}

void tst_platform::failingReporterStopsAtTheBoundary() {
    int calls = 0;
    platform::setErrorReporter([&calls](const QString&, const auto&) {
        ++calls;
        throw std::runtime_error("the reporter fails too");
    });
    platform::runGuarded([] { throw Exception("first"); }); // noexcept: a leak would terminate
    platform::setErrorReporter({});
    QCOMPARE(calls, 1);
    QCOMPARE(Exception(QString::fromUtf8("цена")).what(), QByteArray("цена"));
}

void tst_platform::fontMapping_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("mappedFamily");
    QTest::addColumn<int>("mappedPixels");
    QTest::newRow("8 points") << "MS Sans Serif" << 8 << "Liberation Sans" << 11;
    QTest::newRow("12 points") << "MS Sans Serif" << 12 << "Liberation Sans" << 16;
    QTest::newRow("another face stays") << "DejaVu Serif" << 8 << "DejaVu Serif" << -1;
    QTest::newRow("a pixel size stays") << "MS Sans Serif" << -1 << "MS Sans Serif" << 13;
}

void tst_platform::fontMapping() {
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(QString, mappedFamily);
    QFETCH(int, mappedPixels);
    QWidget root;
    auto* inherits = new QLabel(&root);
    auto* own = new QLabel(&root);
    QFont font(family);
    if (points > 0)
        font.setPointSize(points);
    else
        font.setPixelSize(13);
    own->setFont(font);
    platform::mapWindowsFonts(&root);
    QCOMPARE(own->font().family(), mappedFamily);
    QCOMPARE(own->font().pixelSize(), mappedPixels);
    QCOMPARE(inherits->font(), root.font()); // only widgets with a font of their own change
}

void tst_platform::gridModelRefusesWhatIsNotItsCell() {
    StringGrid grid;
    grid.setCells(1, 1, "x");
    StringGridModel* model = grid.gridModel();
    const QModelIndex cell = model->index(1, 1);
    QCOMPARE(model->rowCount(cell), 0);
    QCOMPARE(model->columnCount(cell), 0);
    QVERIFY(!model->data(cell, Qt::DecorationRole).isValid());
    QVERIFY(!model->data(QModelIndex(), Qt::DisplayRole).isValid());
    QCOMPARE(model->flags(QModelIndex()), Qt::NoItemFlags);
    QStandardItemModel other(3, 3);
    QVERIFY(!model->setData(other.index(1, 1), "y", Qt::EditRole));
    QCOMPARE(grid.Cells(1, 1), "x");
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    grid.setColCount(grid.ColCount());
    QCOMPARE(reset.count(), 0);
    QCOMPARE(grid.Cells(-1, 1), "");
    QCOMPARE(grid.Cells(1, -1), "");
}

void tst_platform::gridRowCountKeepsCells() {
    StringGrid grid;
    grid.setRowCount(3);
    grid.setCells(1, 0, "head");
    grid.setCells(2, 2, "kept");
    grid.setRowCount(6);
    QCOMPARE(grid.RowCount(), 6);
    QCOMPARE(grid.Cells(2, 2), "kept");
    QCOMPARE(grid.Cells(2, 5), "");
    grid.setRowCount(2);
    QCOMPARE(grid.Cells(1, 0), "head");
    QCOMPARE(grid.Cells(2, 2), ""); // dropped with its row
    grid.setRowCount(3);
    QCOMPARE(grid.Cells(2, 2), ""); // and comes back blank
    grid.setCells(9, 9, "outside");
    grid.setCells(-1, 0, "outside");
    QCOMPARE(grid.Cells(9, 9), "");
    QCOMPARE(grid.ColCount(), 5);
    // Columns come and go at the right; the cells of the others stay where they were.
    grid.setCells(4, 2, "right");
    grid.setColCount(7);
    QCOMPARE(grid.Cells(1, 0), "head");
    QCOMPARE(grid.Cells(4, 2), "right");
    QCOMPARE(grid.Cells(6, 2), "");
    grid.setColCount(4);
    QCOMPARE(grid.Cells(1, 0), "head");
    QCOMPARE(grid.Cells(4, 2), ""); // dropped with its column
}

void tst_platform::gridFixedCellsAreHeadings() {
    StringGrid grid;
    grid.setRowCount(3);
    grid.setCells(2, 0, "heading");
    grid.setCells(0, 2, "side");
    StringGridModel* model = grid.gridModel();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->columnCount(), 4);
    QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "heading");
    QCOMPARE(model->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), "side");
    QVERIFY(!grid.cellIndex(2, 0).isValid());
    QVERIFY(!grid.cellIndex(0, 2).isValid());
    const QModelIndex cell = grid.cellIndex(1, 1);
    QCOMPARE(cell, model->index(0, 0));
    QVERIFY(model->flags(cell) & Qt::ItemIsEditable);
    QVERIFY(!model->setData(cell, "typed", Qt::DisplayRole));
    QVERIFY(model->setData(cell, "typed", Qt::EditRole));
    QCOMPARE(grid.Cells(1, 1), "typed");
    grid.setFixedRows(0);
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(grid.cellIndex(2, 0), model->index(0, 1));
}

void tst_platform::gridBatchUpdateAnnouncesOnce() {
    StringGrid grid;
    StringGridModel* model = grid.gridModel();
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    model->beginUpdate();
    for (int row = 0; row < grid.RowCount(); ++row)
        grid.setCells(1, row, "x");
    QCOMPARE(changed.count(), 0);
    model->endUpdate();
    QCOMPARE(changed.count(), 1);
    grid.setCells(2, 1, "y");
    QCOMPARE(changed.count(), 2);
}

void tst_platform::gridModelKeepsItsContract() {
    StringGrid grid;
    QAbstractItemModelTester tester(grid.gridModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.setRowCount(10);
    grid.setCells(3, 4, "a");
    grid.setRowCount(1);
    grid.setRowCount(0); // never below one row
    QCOMPARE(grid.RowCount(), 1);
    grid.setColCount(3);
    grid.setRowCount(4);
    grid.setColCount(6);
    QCOMPARE(grid.ColCount(), 6);
}

void tst_platform::gridFinishEditingCommitsTypedText() {
    StringGrid grid;
    grid.setRowCount(3);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setCurrentIndex(grid.cellIndex(3, 2));
    QTest::keyClick(grid.viewport(), '5'); // typing starts the in-place editor
    auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(grid.currentIndex()));
    QVERIFY(editor);
    QTest::keyClicks(editor, "12");
    QCOMPARE(grid.Cells(3, 2), ""); // not yet written back
    grid.finishEditing();
    QCOMPARE(grid.Cells(3, 2), "512");
    QVERIFY(!grid.indexWidget(grid.currentIndex()));
    grid.finishEditing(); // nothing open: nothing happens
    QCOMPARE(grid.Cells(3, 2), "512");
}

QTEST_MAIN(tst_platform)
#include "tst_platform.moc"
