// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_clipboardcells.cpp - cells through the clipboard's formats: tab-separated text, the HTML
// table both ways and this program's own cells, without a view or the system clipboard.
#include "clipboard/clipboardcells.h"
#include "clipboard/gnumericcells.h"
#include "clipboard/htmltable.h"
#include "clipboard/numberformat.h"
#include "clipboard/tabseparated.h"

#include <QMimeData>
#include <QTest>

#include <memory>

using Rows = QList<QStringList>;

class tst_clipboardcells : public QObject {
    Q_OBJECT

private slots:
    void eachFormatCarriesTheCells_data();
    void eachFormatCarriesTheCells();
    void tabSeparatedTextAsOtherProgramsWriteIt_data();
    void tabSeparatedTextAsOtherProgramsWriteIt();
    void htmlTableAsOtherProgramsWriteIt_data();
    void htmlTableAsOtherProgramsWriteIt();
    void pasteReadsTheBestFormatOffered_data();
    void pasteReadsTheBestFormatOffered();
    void spreadsheetsAreToldWhatEachCellHolds_data();
    void spreadsheetsAreToldWhatEachCellHolds();
    void numberFormatsAsSheetsShowThem_data();
    void numberFormatsAsSheetsShowThem();
    void gnumericCellsAsGnumericWritesThem_data();
    void gnumericCellsAsGnumericWritesThem();
};

void tst_clipboardcells::eachFormatCarriesTheCells_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("html"); // whether an HTML table can carry them too
    QTest::newRow("plain texts and an empty cell") << Rows{{"seagate", "", "80"}} << true;
    QTest::newRow("markup stays text") << Rows{{"<b>x</b>", "&amp;", "a<br>b"}} << true;
    QTest::newRow("spaces kept as typed") << Rows{{"  two  spaces ", "\u00A0", "end "}} << true;
    QTest::newRow("line breaks and tabs inside a cell") << Rows{{"a\nb", "c\td", "e\t"}} << true;
    QTest::newRow("spaces at either end of a line") << Rows{{"a \nb", "a\n b"}} << true;
    QTest::newRow("line and paragraph separators") << Rows{{"a\u2028b", "\u2029"}} << true;
    QTest::newRow("quotes") << Rows{{"\"q\"", "a\"b"}} << true;
    QTest::newRow("Cyrillic and a character beyond the BMP, in UTF-8")
        << Rows{{"Сигейт", "disk\U0001F600"}} << true;
    QTest::newRow("where UTF-8 sequences grow a byte")
        << Rows{{"\u007F\u0080", "\u07FF\u0800", "\uFFFD\U00010000"}} << true;
    QTest::newRow("a lone CR, which only the text and own cells hold") << Rows{{"a\rb"}} << false;
    QTest::newRow("CR LF") << Rows{{"a\r\nb", "ab\r"}} << false;
    QTest::newRow("rows of equal width") << Rows{{"1", "2"}, {"", ""}, {"3", "4"}} << true;
    QTest::newRow("texts that end with line breaks") << Rows{{"a\n", "\n", "b\n\n"}} << true;
}

void tst_clipboardcells::eachFormatCarriesTheCells() {
    QFETCH(Rows, rows);
    QFETCH(bool, html);
    const std::unique_ptr<QMimeData> data(clipboard::mimeDataOf(clipboard::CopiedCells::of(rows)));
    QVERIFY(clipboard::offersCells(data.get()));
    const clipboard::ClipboardTable table(data.get());
    QCOMPARE(table.rows(), rows);
    QCOMPARE(table.rowCount(), rows.size());
    QCOMPARE(clipboard::fromTabSeparated(data->text()), rows);
    if (html)
        QCOMPARE(clipboard::fromHtmlTable(data->html()), rows);
    // A browser folds a run of spaces and drops one at either end: such spaces are written so
    // that no reader folds them.
    for (const QStringList& row : rows)
        for (const QString& cell : row)
            if (cell.startsWith(u' ') || cell.endsWith(u' ') || cell.contains(u"  "))
                QVERIFY2(data->html().contains(
                             cell.toHtmlEscaped().replace(u' ', QLatin1String("&#32;"))),
                         qPrintable(cell));
    // Gnumeric's cells end each row at its last cell that holds something.
    Rows trimmed = rows;
    for (QStringList& row : trimmed)
        while (!row.isEmpty() && row.last().isEmpty())
            row.removeLast();
    QCOMPARE(clipboard::fromGnumericCells(data->data(clipboard::kGnumericFormat)), trimmed);
}

void tst_clipboardcells::tabSeparatedTextAsOtherProgramsWriteIt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("empty: no rows") << "" << Rows{};
    QTest::newRow("one final line end adds no row") << "a\tb\n" << Rows{{"a", "b"}};
    QTest::newRow("CRLF line ends, an empty line") << "a\r\n\r\nb" << Rows{{"a"}, {""}, {"b"}};
    QTest::newRow("a quoted cell holds tabs, line ends and doubled quotes")
        << "\"x\ty\r\nz\"\"q\"\tw\n"
        << Rows{{"x\ty\r\nz\"q", "w"}};
    QTest::newRow("a quote inside a cell is a quote") << "5\"\tb" << Rows{{"5\"", "b"}};
    QTest::newRow("a quote that does not end its cell is a quote, as LibreOffice writes it")
        << "\"q\" x\t\"open\nb" << Rows{{"\"q\" x", "\"open"}, {"b"}};
    QTest::newRow("rows of their own widths") << "a\nb\tc\td\n" << Rows{{"a"}, {"b", "c", "d"}};
}

void tst_clipboardcells::tabSeparatedTextAsOtherProgramsWriteIt() {
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QCOMPARE(clipboard::fromTabSeparated(text), rows);
    QCOMPARE(clipboard::tabSeparatedShape(text).rows, rows.size());
}

void tst_clipboardcells::htmlTableAsOtherProgramsWriteIt_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("a line break kept in its cell, an empty cell")
        << "<table><tr><td>P300<br>x</td><td></td><td>4,000</td></tr></table>"
        << Rows{{"P300\nx", "", "4,000"}};
    QTest::newRow("entities and nested markup read as text")
        << "<table><tr><td><b>a<span>&amp;</span></b>&lt;&#1046;</td></tr>"
           "<tr><td>12&nbsp;500</td></tr></table>"
        << Rows{{"a&<Ж"}, {"12\u00A0500"}};
    QTest::newRow("the first table; a spanning cell leaves the next empty")
        << "<p>before</p><table><tr><td colspan=2>wide</td><td>c</td></tr></table>"
           "<table><tr><td>second</td></tr></table>"
        << Rows{{"wide", "", "c"}};
    QTest::newRow("a table inside a cell: its cells on lines of their own")
        << "<table><tr><td><table><tr><td>in</td><td>b</td></tr></table></td><td>x</td></tr>"
           "</table>"
        << Rows{{"in\nb", "x"}};
    QTest::newRow("a line break that ends a cell is none, as Calc writes an empty cell")
        << "<table><tr><td><br></td><td>a<br></td><td>a<br><br></td></tr></table>"
        << Rows{{"", "a", "a\n"}};
    QTest::newRow("U+2212 as Gnumeric writes a negative number")
        << "<table><tr><td>&#8722;1</td><td>\u22122,500</td></tr></table>"
        << Rows{{"\u22121", "\u22122,500"}};
    QTest::newRow("spaces a browser keeps are kept, written or as entities")
        << "<table><tr><td>4\u2009000</td><td>4&thinsp;000</td><td>4&#x202F;000</td>"
           "<td>4 \t 000</td><td>4&#X2009;000</td></tr></table>"
        << Rows{{"4\u2009000", "4\u2009000", "4\u202F000", "4 000", "4\u2009000"}};
    QTest::newRow("each row holds its own cells, not the widest's")
        << "<table><tr><td>a</td></tr><tr><td>b</td><td></td><td>c</td></tr>"
           "<tr><td colspan=2>d</td></tr></table>"
        << Rows{{"a"}, {"b", "", "c"}, {"d", ""}};
}

void tst_clipboardcells::htmlTableAsOtherProgramsWriteIt() {
    QFETCH(QString, html);
    QFETCH(Rows, rows);
    QCOMPARE(clipboard::fromHtmlTable(html), rows);
    QCOMPARE(clipboard::htmlTableRowWidths(html)->size(), std::size_t(rows.size()));
}

void tst_clipboardcells::pasteReadsTheBestFormatOffered_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QByteArray>("own");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("own cells first")
        << "t"
        << "<table><tr><td>h</td></tr></table>" << QByteArray("o\r") << Rows{{"o\r"}};
    QTest::newRow("then the HTML table")
        << "t"
        << "<table><tr><td>h</td></tr></table>" << QByteArray() << Rows{{"h"}};
    QTest::newRow("HTML without a table: the text")
        << "t\tu"
        << "<p>h</p>" << QByteArray() << Rows{{"t", "u"}};
    QTest::newRow("an empty text: offered, and pastes nothing")
        << "" << QString() << QByteArray() << Rows{};
    QTest::newRow("nothing at all") << QString() << QString() << QByteArray() << Rows{};
    QTest::newRow("LibreOffice's numbers by their values where its format shows them as numbers")
        << "t"
        << "<table><tr><td sdval=\"100000\" sdnum=\"1033;0;0.00E+00\">1.00E+05</td>"
           "<td sdval=\"45293\" sdnum=\"1033;0;MM/DD/YY\">01/02/24</td><td sdval = '5' "
           "sdnum>5.0</td></tr>"
           "</table>"
        << QByteArray() << Rows{{"100000", "01/02/24", "5"}};
    QTest::newRow("a cell spanning rows, which the tags alone do not place: shown texts")
        << "t"
        << "<table><tr><td rowspan=2>a</td><td sdval=\"1\" sdnum=\"1033;\">1.0</td></tr>"
           "<tr><td>b</td></tr></table>"
        << QByteArray() << Rows{{"a", "1.0"}, {"", "b"}};
}

void tst_clipboardcells::pasteReadsTheBestFormatOffered() {
    QFETCH(QString, text);
    QFETCH(QString, html);
    QFETCH(QByteArray, own);
    QFETCH(Rows, rows);
    QMimeData data;
    if (!text.isNull())
        data.setText(text);
    if (!html.isNull())
        data.setHtml(html);
    if (!own.isEmpty())
        data.setData(clipboard::kOwnCellsFormat, own);
    const clipboard::ClipboardTable table(&data);
    QCOMPARE(table.rows(), rows);
    QCOMPARE(table.rowCount(), rows.size());
    // Paste is offered by the formats alone: nothing another program holds is read for it.
    QCOMPARE(clipboard::offersCells(&data), !text.isNull() || !html.isNull() || !own.isEmpty());
    QVERIFY(clipboard::ClipboardTable(nullptr).rows().isEmpty());
}

void tst_clipboardcells::spreadsheetsAreToldWhatEachCellHolds_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numberColumn");
    QTest::addColumn<QString>("number"); // the number spreadsheets are told of; empty: a text
    QTest::newRow("a number") << "80" << true << "80";
    QTest::newRow("grouped") << "4 000" << true << "4000";
    QTest::newRow("with U+2212") << "\u22125" << true << "-5";
    QTest::newRow("the smallest") << "-2147483648" << true << "-2147483648";
    QTest::newRow("leading zeros in a text column stay") << "007" << false << "";
    QTest::newRow("a plus sign is no number here") << "+7" << true << "";
    QTest::newRow("a formula is text") << "=1+1" << false << "";
    QTest::newRow("an exponent is text") << "1E5" << true << "";
    QTest::newRow("a date is text") << "01/02/24" << false << "";
}

void tst_clipboardcells::spreadsheetsAreToldWhatEachCellHolds() {
    QFETCH(QString, text);
    QFETCH(bool, numberColumn);
    QFETCH(QString, number);
    const std::unique_ptr<QMimeData> data(clipboard::mimeDataOf(clipboard::CopiedCells::of(
        {{"x", text}},
        std::vector{platform::ColumnContent::Text, numberColumn ? platform::ColumnContent::Integer
                                                                : platform::ColumnContent::Text})));
    const QString html = data->html();
    const QString xml = QString::fromUtf8(data->data(clipboard::kGnumericFormat));
    const QString escaped = text.toHtmlEscaped();
    // in LibreOffice's default font, which it gives no pasted cell unless the cell names it
    const QString font = "><font face=\"Liberation Sans\">";
    if (number.isEmpty()) {
        QVERIFY2(html.contains("<td sdnum=\"1033;0;@\"" + font + escaped + "</font></td>"),
                 qPrintable(html));
        QVERIFY2(xml.contains("Col=\"1\" ValueType=\"60\">" + escaped + "<"), qPrintable(xml));
    } else {
        QVERIFY2(html.contains("<td sdval=\"" + number + "\" sdnum=\"1033;\"" + font + escaped),
                 qPrintable(html));
        QVERIFY2(xml.contains("Col=\"1\" ValueType=\"40\">" + number + "<"), qPrintable(xml));
    }
}

void tst_clipboardcells::numberFormatsAsSheetsShowThem_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("number");
    for (const char* code :
         {"", "General", "Standard", "0", "#,##0.00", "0.00E+00", "0.0e-0", "[$$-409]#,##0.00",
          "[RED]-0;[<0]0", "\"kg\" 0", "0\\ _)*-", "€#,##0", "[]0"})
        QTest::newRow(code) << code << true;
    for (const char* code : {"MM/DD/YY", "m/d/yyyy", "[$-409]HH:MM", "[hh]", "0%", "# ?/?", "@",
                             "BOOLEAN", "0E", "0Ex", "\"open", "[$$-409"})
        QTest::newRow(code) << code << false;
}

void tst_clipboardcells::numberFormatsAsSheetsShowThem() {
    QFETCH(QString, code);
    QFETCH(bool, number);
    QCOMPARE(clipboard::showsAsNumber(code), number);
}

void tst_clipboardcells::gnumericCellsAsGnumericWritesThem_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("html"); // Gnumeric's HTML of the same copy, as the sheet shows it
    QTest::addColumn<Rows>("rows");    // empty: not a range
    const QByteArray range = "<?xml version=\"1.0\"?><gnm:ClipboardRange "
                             "xmlns:gnm=\"http://www.gnumeric.org/v10.dtd\" Cols=\"3\" Rows=\"2\" "
                             "BaseCol=\"2\" BaseRow=\"5\">";
    const QByteArray head = range + "<gnm:Cells>";
    const QByteArray tail = "</gnm:Cells></gnm:ClipboardRange>";
    QTest::newRow("cells placed from the range's origin, rows to their last cell")
        << head + "<gnm:Cell Row=\"5\" Col=\"4\" ValueType=\"60\">a</gnm:Cell>" + tail << QString()
        << Rows{{"", "", "a"}, {}};
    QTest::newRow("a formula's result, not the formula")
        << head +
               "<gnm:Cell Row=\"6\" Col=\"2\" ExprID=\"1\" ValueType=\"40\" "
               "Value=\"5\">=2+3</gnm:Cell>" +
               tail
        << QString() << Rows{{}, {"5"}};
    QTest::newRow("a cell outside the range: not a range")
        << head + "<gnm:Cell Row=\"9\" Col=\"2\" ValueType=\"60\">a</gnm:Cell>" + tail << QString()
        << Rows{};
    QTest::newRow("broken XML: not a range") << head + "<gnm:Cell" << QString() << Rows{};
    QTest::newRow("another document") << QByteArray("<html/>") << QString() << Rows{};
    QTest::newRow("a style region without its bounds: not a range")
        << range + "<gnm:StyleRegion startRow=\"x\"/>" + tail << QString() << Rows{};
    // A date by its style, a percentage by its own format, a number as it is.
    const QByteArray shown = range +
                             "<gnm:StyleRegion startCol=\"0\" startRow=\"1\" endCol=\"0\" "
                             "endRow=\"1\"><gnm:Style Format=\"mm/dd/yy\"/></gnm:StyleRegion>"
                             "<gnm:Cells><gnm:Cell Row=\"5\" Col=\"2\" ValueType=\"40\" "
                             "ValueFormat=\"0%\">1</gnm:Cell><gnm:Cell Row=\"5\" Col=\"3\" "
                             "ValueType=\"40\">1</gnm:Cell><gnm:Cell Row=\"6\" Col=\"2\" "
                             "ValueType=\"40\">45293</gnm:Cell>" +
                             tail;
    QTest::newRow("numbers shown otherwise: as the sheet's HTML shows them")
        << shown << "<table><tr><td>100%</td><td>1.0</td></tr><tr><td>01/02/24</td></tr></table>"
        << Rows{{"100%", "1"}, {"01/02/24"}};
    QTest::newRow("numbers shown otherwise, the HTML of other rows: the HTML")
        << shown << "<table><tr><td>h</td></tr></table>" << Rows{{"h"}};
}

void tst_clipboardcells::gnumericCellsAsGnumericWritesThem() {
    QFETCH(QByteArray, xml);
    QFETCH(QString, html);
    QFETCH(Rows, rows);
    QMimeData data;
    data.setData(clipboard::kGnumericFormat, xml);
    if (!html.isNull())
        data.setHtml(html);
    const clipboard::ClipboardTable table(&data);
    QCOMPARE(table.rows(), rows);
    QCOMPARE(table.rowCount(), rows.size());
}

QTEST_MAIN(tst_clipboardcells)
#include "tst_clipboardcells.moc"
