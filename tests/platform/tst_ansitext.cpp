// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_ansitext.cpp - the Windows-1251 code page of the record fields.
#include "platform/ansitext.h"

#include <QTest>

class tst_ansitext : public QObject {
    Q_OBJECT

private slots:
    void decodesToMatchesOnlyDecode();
    void codePageRoundTrips_data();
    void codePageRoundTrips();
    void codePageRefuses_data();
    void codePageRefuses();
    void decodeStopsAtNulOrLength();
};

void tst_ansitext::decodesToMatchesOnlyDecode() {
    const QByteArray bytes("\xE6\xB8\xF1\xF2\xEA\xE8\xE9"); // жёсткий
    QVERIFY(platform::decodesAnsiTo(bytes.constData(), 9, QString::fromUtf8("жёсткий")));
    QVERIFY(!platform::decodesAnsiTo(bytes.constData(), 9, QString::fromUtf8("жёсткиЙ")));
    QVERIFY(!platform::decodesAnsiTo(bytes.constData(), 9, QString::fromUtf8("жёстки")));
    QVERIFY(platform::decodesAnsiTo(bytes.constData(), 3, QString::fromUtf8("жёс")));
    QVERIFY(platform::decodesAnsiTo("", 9, QString()));
}

void tst_ansitext::codePageRoundTrips_data() {
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

void tst_ansitext::codePageRoundTrips() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const auto encoded = platform::encodeAnsi(text);
    QVERIFY(encoded);
    QCOMPARE(QByteArray::fromStdString(*encoded), bytes);
    QCOMPARE(platform::decodeAnsi(bytes.constData(), std::size_t(bytes.size())), text);
}

void tst_ansitext::codePageRefuses_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("emoji") << QString::fromUtf8("a\U0001F600");
    QTest::newRow("CJK") << QString::fromUtf8("\u4E2D");
    QTest::newRow("Greek") << QString::fromUtf8("\u03A9");
    QTest::newRow("Latin with a diacritic") << QString::fromUtf8("\u00E9");
    QTest::newRow("embedded NUL") << QString(QChar(0)) + "x";
    QTest::newRow("lone surrogate") << QString(QChar(0xD800));
}

void tst_ansitext::codePageRefuses() {
    QFETCH(QString, text);
    QVERIFY(!platform::encodeAnsi(text));
}

void tst_ansitext::decodeStopsAtNulOrLength() {
    const char bytes[] = {'a', 'b', '\0', 'c'};
    QCOMPARE(platform::decodeAnsi(bytes, 4), "ab");
    QCOMPARE(platform::decodeAnsi("abcdef", 3), "abc");
}

QTEST_MAIN(tst_ansitext)
#include "tst_ansitext.moc"
