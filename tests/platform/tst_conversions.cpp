// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_conversions.cpp - StrToInt, IntToStr and isIntText: integers as the window's fields and cells
// hold them.
#include "inputclasses.h"

#include "platform/conversions.h"
#include "platform/exception.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

class tst_conversions : public QObject {
    Q_OBJECT

private slots:
    // Spreadsheets in English group digits by commas.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }
    void strToIntAccepts_data();
    void strToIntAccepts();
    void strToIntRefuses_data();
    void strToIntRefuses();
    void quoteNeverCutsACharacterInTwo();
    void intToStrWritesDecimal();
    void isIntTextMatchesOnlyIntToStr_data();
    void isIntTextMatchesOnlyIntToStr();
};

void tst_conversions::strToIntAccepts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("negative") << "-250" << -250;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
    QTest::newRow("largest behind many zeros") << "0000000000002147483647" << 2147483647;
    QTest::newRow("grouped by the locale's separator") << "-4,000" << -4000;
    QTest::newRow("grouped in three groups") << "1,234,567" << 1234567;
    QTest::newRow("the minus sign U+2212, as spreadsheets write HTML") << "\u2212250" << -250;
    QTest::newRow("the smallest after U+2212, grouped")
        << "\u22122,147,483,648" << int(-2147483648LL);
}

void tst_conversions::strToIntAccepts() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(platform::StrToInt(text), value);
}

void tst_conversions::strToIntRefuses_data() {
    QTest::addColumn<QString>("text");
    for (const TypedInput& input : numberInputs())
        if (!input.valid)
            QTest::newRow(input.name) << input.text;
    QTest::newRow("the locale's separator elsewhere") << "40,00";
    QTest::newRow("another locale's separator") << "4.000";
}

void tst_conversions::strToIntRefuses() {
    QFETCH(QString, text);
    // Quoted literally, and briefly: a pasted page shows its first 30 characters.
    // Isolated, and the spaces one cannot tell from a plain one, and controls, by their codes.
    QString shown = text.size() > 30 ? text.left(30) + "…" : text;
    for (const char16_t c : {u'\t', u'\u00A0', u'\u2009', u'\u202F', u'\u2010', u'\u2013'})
        shown.replace(QChar(c),
                      QStringLiteral("<U+%1>").arg(uint(c), 4, 16, QChar(u'0')).toUpper());
    const QString quoted = "'\u2068" + shown + "\u2069'";
    const bool wellFormed =
        QRegularExpression("\\A-?([0-9]+|[0-9]{1,3}( [0-9]{3})+)\\z").match(text).hasMatch();
    try {
        platform::StrToInt(text);
        QFAIL("converted");
    } catch (const platform::Exception& e) {
        QCOMPARE(e.Message(),
                 text.isEmpty()
                     ? QString("the number is empty")
                     : quoted + (wellFormed
                                     ? " is out of range: whole numbers run from -2147483648 to "
                                       "2147483647"
                                     : " is not a valid integer value"));
    }
}

void tst_conversions::quoteNeverCutsACharacterInTwo() {
    const QString text = QString(29, u'1') + QString::fromUtf8("\U0001F600") + "1";
    try {
        platform::StrToInt(text);
        QFAIL("converted");
    } catch (const platform::Exception& e) {
        QCOMPARE(e.Message(),
                 "'\u2068" + QString(29, u'1') + "…\u2069' is not a valid integer value");
    }
}

void tst_conversions::intToStrWritesDecimal() {
    QCOMPARE(platform::IntToStr(0), "0");
    QCOMPARE(platform::IntToStr(-7), "-7");
    QCOMPARE(platform::IntToStr(int(-2147483648LL)), "-2147483648");
    QCOMPARE(platform::IntToStr(2147483647), "2147483647");
}

void tst_conversions::isIntTextMatchesOnlyIntToStr_data() {
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

void tst_conversions::isIntTextMatchesOnlyIntToStr() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, same);
    QCOMPARE(platform::isIntText(text, value), same);
    QCOMPARE(platform::isIntText(text, value), text == platform::IntToStr(value));
}

QTEST_MAIN(tst_conversions)
#include "tst_conversions.moc"
