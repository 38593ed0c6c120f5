// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_x11.cpp - the window in a real X server, among real programs: the table's keys pressed
// through the X server (xdotool, XTest), as a keyboard sends them, and the clipboard filled and
// read by another process (xclip) with what LibreOffice Calc, Gnumeric and Chromium wrote. CTest
// runs it under Xvfb on the xcb platform; every wait is for what it checks, never for a time.
#include "windowtest.h"

#include "grid/stringgrid.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {

using Rows = QList<QStringList>;

/// The warnings Qt printed, to find an ambiguous shortcut among them.
QStringList warnings;

void recordWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg)
        warnings << message;
}

/// Presses keys through the X server, as a keyboard does: xdotool's names, one chord each.
void press(const QStringList& chords) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), QStringList{"key", "--delay", "20"} + chords);
    // xdotool needs nothing of this process, so waiting for it cannot deadlock.
    QVERIFY(xdotool.waitForFinished(10000));
    QCOMPARE(xdotool.exitCode(), 0);
}

QString payload(const QString& file) {
    return QStringLiteral(QT_TESTCASE_SOURCEDIR "/../clipboard/payloads/") + file;
}

/// What a program offered with one copy, target by target: its captured files `name`.EXTENSION,
/// of the text targets it offered (the images, links and objects it also offered are left out).
QStringList everyTarget(const QString& name) {
    static const QList<std::pair<const char*, const char*>> targets = {
        {"txt", "text/plain"},
        {"html", "text/html"},
        {"tsvc", "application/x-libreoffice-tsvc"},
        {"slk", "application/x-openoffice-sylk;windows_formatname=\"Sylk\""},
        {"dif", "application/x-openoffice-dif;windows_formatname=\"DIF\""},
        {"rtf", "text/rtf"},
        {"xml", "application/x-gnumeric"},
        {"biff8", "Biff8"}};
    QStringList offered;
    for (const auto& [extension, target] : targets)
        if (QFile::exists(payload(name + '.' + extension)))
            offered << QString::fromLatin1(target) + '=' + name + '.' + extension;
    return offered;
}

} // namespace

class tst_x11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tableKeysAsAKeyboardSendsThem_data();
    void tableKeysAsAKeyboardSendsThem();
    void menuKeysOpenTheTableMenu();
    void pastesWhatOtherProgramsWrote_data();
    void pastesWhatOtherProgramsWrote();
    void copiesAsSpreadsheetsReadThem();

private:
    /// Makes the window active and the grid's cell (col, row) current, with the focus.
    void focusCell(int col, int row);
    /// Has another program own the clipboard, offering each payload TARGET=FILE of `offered`.
    void offer(const QStringList& offered);
    /// What another program reads from the clipboard as `target`.
    QByteArray readAsAnotherProgram(const QString& target);
    /// Column 1 of every row below the headings.
    QStringList firmasShown() const;

    std::unique_ptr<WindowTest> w;
    std::unique_ptr<QProcess> owner; ///< the program that owns the clipboard, when not this one
};

void tst_x11::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), "xcb");
    qInstallMessageHandler(recordWarnings);
}

void tst_x11::init() {
    warnings.clear();
    w = std::make_unique<WindowTest>();
    w->form()->activateWindow();
    QTRY_VERIFY(w->form()->isActiveWindow());
}

void tst_x11::cleanup() {
    w.reset();
    if (owner) {
        owner->kill();
        owner->waitForFinished();
        owner.reset();
    }
    QVERIFY2(!warnings.join('\n').contains("Ambiguous shortcut"), qPrintable(warnings.join('\n')));
}

void tst_x11::focusCell(int col, int row) {
    w->grid()->goToCell(col, row);
    w->grid()->selectionModel()->select(w->grid()->cellIndex(col, row),
                                        QItemSelectionModel::ClearAndSelect);
    QTRY_COMPARE(QApplication::focusWidget(), w->grid());
}

void tst_x11::offer(const QStringList& offered) {
    owner = std::make_unique<QProcess>();
    QStringList arguments;
    for (const QString& target : offered)
        arguments << target.section(u'=', 0, -2) + '=' + payload(target.section(u'=', -1));
    // It serves the clipboard until another program owns it.
    owner->start(QStringLiteral(CLIPBOARD_OWNER), arguments);
    QVERIFY(owner->waitForStarted());
    // The paste may go ahead once this program reads every payload itself, from the new owner.
    const QClipboard* clipboard = QGuiApplication::clipboard();
    for (const QString& argument : arguments) {
        QFile source(argument.section(u'=', -1));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        const QString target = argument.section(u'=', 0, -2);
        QTRY_VERIFY_WITH_TIMEOUT(!clipboard->ownsClipboard() && clipboard->mimeData() &&
                                     clipboard->mimeData()->data(target) == bytes,
                                 10000);
    }
}

QByteArray tst_x11::readAsAnotherProgram(const QString& target) {
    QProcess reader;
    reader.start(QStringLiteral("xclip"), {"-o", "-selection", "clipboard", "-t", target});
    // This process serves the request while the reader waits: the event loop must run.
    if (!QTest::qWaitFor([&reader] { return reader.state() == QProcess::NotRunning; }, 10000))
        qWarning("xclip could not read the clipboard as %s", qPrintable(target));
    return reader.readAllStandardOutput();
}

QStringList tst_x11::firmasShown() const {
    QStringList firmas;
    for (const QStringList& row : w->rows())
        firmas << row.first();
    return firmas;
}

void tst_x11::tableKeysAsAKeyboardSendsThem_data() {
    QTest::addColumn<QStringList>("chords"); // pressed with entry B's cell current
    QTest::addColumn<QStringList>("firmas"); // column 1 afterwards, the blank last row included
    QTest::addColumn<QPoint>("history");     // steps recorded, and steps done, afterwards
    QTest::addColumn<QString>("clipboard");  // the clipboard's text afterwards, when it counts
    // Three entries added: three steps.
    const QStringList inserted = {"A", "", "B", "C", ""};
    const QStringList deleted = {"A", "C", ""};
    const QStringList blanked = {"A", "", "C", ""};
    QTest::newRow("Ctrl++ as typed, Ctrl+Shift+=: a row above")
        << QStringList{"ctrl+shift+equal"} << inserted << QPoint(4, 4) << "";
    QTest::newRow("Ctrl and the keypad's +")
        << QStringList{"ctrl+KP_Add"} << inserted << QPoint(4, 4) << "";
    QTest::newRow("Ctrl+-: the row taken out")
        << QStringList{"ctrl+minus"} << deleted << QPoint(4, 4) << "";
    QTest::newRow("Ctrl and the keypad's -")
        << QStringList{"ctrl+KP_Subtract"} << deleted << QPoint(4, 4) << "";
    QTest::newRow("Del blanks") << QStringList{"Delete"} << blanked << QPoint(4, 4) << "";
    QTest::newRow("Ctrl+X cuts") << QStringList{"ctrl+x"} << blanked << QPoint(4, 4) << "B\n";
    QTest::newRow("Ctrl+C, then Ctrl+V a row below")
        << QStringList{"ctrl+c", "Down", "ctrl+v"} << QStringList{"A", "B", "B", ""} << QPoint(4, 4)
        << "B\n";
    QTest::newRow("Ctrl+A selects the entries")
        << QStringList{"ctrl+a", "Delete"} << QStringList{"", "", "", ""} << QPoint(4, 4) << "";
    QTest::newRow("Ctrl+Z undoes")
        << QStringList{"Delete", "ctrl+z"} << QStringList{"A", "B", "C", ""} << QPoint(4, 3) << "";
    QTest::newRow("Ctrl+Shift+Z redoes")
        << QStringList{"Delete", "ctrl+z", "ctrl+shift+z"} << blanked << QPoint(4, 4) << "";
    QTest::newRow("Ctrl+Y redoes")
        << QStringList{"Delete", "ctrl+z", "ctrl+y"} << blanked << QPoint(4, 4) << "";
    QTest::newRow("F2 edits; Ctrl+A inside the editor is the editor's")
        << QStringList{"F2", "ctrl+a", "x", "Return"} << QStringList{"A", "x", "C", ""}
        << QPoint(4, 4) << "";
}

void tst_x11::tableKeysAsAKeyboardSendsThem() {
    QFETCH(QStringList, chords);
    QFETCH(QStringList, firmas);
    QFETCH(QPoint, history);
    QFETCH(QString, clipboard);
    w->addAll({"A|a|1|1", "B|b|2|2", "C|c|3|3"});
    focusCell(1, 2);
    press(chords);
    const QUndoStack* steps = w->form()->undoStack();
    QTRY_COMPARE(QPoint(steps->count(), steps->index()), history);
    QTRY_COMPARE(firmasShown(), firmas);
    if (!clipboard.isEmpty())
        QCOMPARE(QString::fromUtf8(readAsAnotherProgram("UTF8_STRING")), clipboard);
    QVERIFY2(w->errors.isEmpty(), qPrintable(w->errors.join('\n')));
}

void tst_x11::menuKeysOpenTheTableMenu() {
    focusCell(1, 1);
    for (const char* key : {"shift+F10", "Menu"}) {
        press({key});
        QTRY_VERIFY(QApplication::activePopupWidget());
        press({"Escape"});
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }
}

void tst_x11::pastesWhatOtherProgramsWrote_data() {
    QTest::addColumn<QStringList>("offered"); // TARGET=FILE, each captured from one copy
    QTest::addColumn<Rows>("cells");          // columns 1 to 4 of the rows pasted
    QTest::addColumn<QPoint>("deleted"); // entry rows then taken out with Ctrl+-, first to last
    QTest::addColumn<Rows>("accepted");  // the list after accept; empty: refused
    QTest::addColumn<QStringList>("refusals"); // what the refusal names, line by line
    const Rows calc = {{"seagate", "barracuda", "80", "4000"},
                       {"WD", "Blue P300", "-1", "-2500"},
                       {"", "", "", ""},
                       {"=1+1", "007", "+7", "1000000"},
                       {"1E5", "01/02/24", "a b", "-2147483648"},
                       {"Сигейт", "Барракуда", "500", "12500"}};
    const Rows kept = {calc[0], calc[1], calc[5]};
    QTest::newRow("LibreOffice Calc's HTML: empty cells as <br>")
        << QStringList{"text/html=calc-7.4.html"} << calc << QPoint(3, 5) << kept << QStringList{};
    Rows calcText = calc;
    calcText[4][2] = "a  b"; // spaces that the HTML folds, as a browser does
    QTest::newRow("LibreOffice Calc's text") << QStringList{"text/plain=calc-7.4.txt"} << calcText
                                             << QPoint(3, 5) << kept << QStringList{};
    const Rows gnumeric = {{"seagate", "barracuda", "80", "4000"},
                           {"WD", "Blue\nP300", "-1", "-2500"},
                           {"", "", "", ""},
                           {"=1+1", "007", "+7", "1000000"},
                           {"Maxtor", "DiamondMax", "2147483647", "-2147483648"},
                           {"Сигейт", "Барракуда", "500", "12500"}};
    // DiamondMax is a letter too long, which accept names; the numbers beside it pass.
    QTest::newRow("Gnumeric's own cells: numbers whole")
        << QStringList{"application/x-gnumeric=gnumeric-1.12.55.xml"} << gnumeric << QPoint(2, 4)
        << Rows{} << QStringList{"Row 2, column 2 (marka): '\u2068DiamondMax\u2069' is 10"};
    Rows shown = gnumeric;
    shown[1] = {"WD", "Blue\nP300", "\u22121", "\u22122500"};
    shown[4] = {"Maxtor", "DiamondMax", "2.147E+09", "\u22122.15E+09"};
    QTest::newRow("Gnumeric's HTML: U+2212 read, a narrow column's number refused")
        << QStringList{"text/html=gnumeric-1.12.55.html"} << shown << QPoint(2, 4) << Rows{}
        << QStringList{
               "3 cells cannot be accepted:", "Row 2, column 2 (marka): '\u2068DiamondMax\u2069'",
               "Row 2, column 3 (objom): '\u20682.147E+09\u2069'",
               "Row 2, column 4 (zena): '\u2068\u22122.15E+09\u2069'"};
    // Every text target of one copy at once, as the sheets offer them: texts with their spaces
    // and line breaks, numbers by their values whatever their format, a date, a truth value and a
    // percentage as shown, so that accept refuses them.
    const Rows sheet = {{"seagate", "barracuda", "80", "4000"},
                        {" lead", "a  b", "100000", "12500"},
                        {"", "", "", ""},
                        {"WD", "Blue\nP300", "01/02/24", "2500"},
                        {"Сигейт", "say \"hi\"", "TRUE", "100%"},
                        {"\"q\" x", "xy", "end ", "80.5"}};
    const QStringList sheetRefusals = {"6 cells and 1 blank row cannot be accepted:",
                                       "Row 3 is blank",
                                       "Row 4, column 2 (marka): '\u2068Blue<U+000A>P300\u2069'",
                                       "Row 4, column 3 (objom): '\u206801/02/24\u2069'",
                                       "Row 5, column 3 (objom): '\u2068TRUE\u2069'",
                                       "Row 5, column 4 (zena): '\u2068100%\u2069'",
                                       "Row 6, column 3 (objom): '\u2068end \u2069'",
                                       "Row 6, column 4 (zena): '\u206880.5\u2069'"};
    QTest::newRow("LibreOffice Calc, every text target: its own text, its HTML's values")
        << everyTarget("calc-7.4-formats") << sheet << QPoint() << Rows{} << sheetRefusals;
    QTest::newRow("Gnumeric, every target: its own cells, its HTML's dates")
        << everyTarget("gnumeric-1.12.55-formats")
        << sheet + Rows{{"", "", "", ""}, {"1/2/2024", "", "", ""}} << QPoint(7, 8) << Rows{}
        << sheetRefusals;
    QTest::newRow("Chromium's table: a heading row, a line break, a blank row")
        << QStringList{"text/html=chromium-156.html"}
        << Rows{{"firma", "marka", "objom", "zena"},
                {"seagate", "barracuda", "80", "4\u202F000"},
                {"WD", "Blue\nP300", "\u22121", "\u22122\u202F500"},
                {"", "", "", ""},
                {"Сигейт", "Барракуда", "500", "12\u00A0500"}}
        << QPoint() << Rows{}
        << QStringList{"3 cells and 1 blank row cannot be accepted:",
                       "Row 1, column 3 (objom): '\u2068objom\u2069'",
                       "Row 1, column 4 (zena): '\u2068zena\u2069'",
                       "Row 3, column 2 (marka): '\u2068Blue<U+000A>P300\u2069'", "Row 4 is blank"};
}

void tst_x11::pastesWhatOtherProgramsWrote() {
    QFETCH(QStringList, offered);
    QFETCH(Rows, cells);
    QFETCH(QPoint, deleted);
    QFETCH(Rows, accepted);
    QFETCH(QStringList, refusals);
    offer(offered);
    focusCell(1, 1);
    press({"ctrl+v"});
    QTRY_COMPARE(w->rows().mid(0, cells.size()), cells);
    QCOMPARE(w->grid()->RowCount(), cells.size() + 2);
    if (!deleted.isNull()) {
        focusCell(1, deleted.x());
        w->grid()->selectionModel()->select(QItemSelection(w->grid()->cellIndex(1, deleted.x()),
                                                           w->grid()->cellIndex(4, deleted.y())),
                                            QItemSelectionModel::ClearAndSelect);
        press({"ctrl+minus"});
        QTRY_COMPARE(w->grid()->RowCount(), cells.size() + 2 - (deleted.y() - deleted.x() + 1));
    }
    w->click("Button6");
    if (!accepted.isEmpty()) {
        QVERIFY2(w->errors.isEmpty(), qPrintable(w->errors.join('\n')));
        QCOMPARE(w->state().list, accepted);
        return;
    }
    QCOMPARE(w->errors.size(), 1);
    QVERIFY(drives.empty());
    const QStringList lines = w->errors[0].split('\n');
    QVERIFY2(lines.size() == refusals.size(), qPrintable(w->errors[0]));
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(lines[i].startsWith(refusals[i]), qPrintable(lines[i]));
}

void tst_x11::copiesAsSpreadsheetsReadThem() {
    w->addAll({"seagate|barracuda|80|4000", "Сигейт|=1+1|-2147483648|12500"});
    w->typeIntoCell(2, 1, "007");
    w->typeIntoCell(4, 1, "4 000");
    focusCell(1, 1);
    press({"ctrl+a", "ctrl+c"});
    const QString text = "seagate\t007\t80\t4 000\nСигейт\t=1+1\t-2147483648\t12500\n";
    // The copy is done when this program's clipboard holds it.
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), text);
    // Gnumeric takes its own cells: what each holds, a text never read as a number or formula.
    const QString gnumeric = QString::fromUtf8(readAsAnotherProgram("application/x-gnumeric"));
    for (const char* cell :
         {R"(Row="0" Col="1" ValueType="60">007<)", R"(Row="0" Col="3" ValueType="40">4000<)",
          R"(Row="1" Col="1" ValueType="60">=1+1<)",
          R"(Row="1" Col="2" ValueType="40">-2147483648<)"})
        QVERIFY2(gnumeric.contains(QLatin1StringView(cell)), cell);
    // LibreOffice reads a number from sdval and a text from the format "@".
    const QString html = QString::fromUtf8(readAsAnotherProgram("text/html"));
    for (const char* cell :
         {R"(<td sdnum="1033;0;@"><font face="Liberation Sans">007</font></td>)",
          R"(<td sdval="4000" sdnum="1033;"><font face="Liberation Sans">4 000</font></td>)",
          R"(<td sdnum="1033;0;@"><font face="Liberation Sans">=1+1</font></td>)"})
        QVERIFY2(html.contains(QLatin1StringView(cell)), cell);
    QCOMPARE(QString::fromUtf8(readAsAnotherProgram("UTF8_STRING")), text);
}

QTEST_MAIN(tst_x11)
#include "tst_x11.moc"
