// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_translations.cpp - the messages in the user's language. CTest runs it under LANG=C and under
// LANG=ru_RU.UTF-8, saying in EXPECTED_LANGUAGE which language the messages must then be in.
#include "windowtest.h"

#include "grid/stringgrid.h"
#include "window/translations.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

class tst_translations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { loadTranslations(QLocale::system()); }
    void refusedInputInTheUsersLanguage_data();
    void refusedInputInTheUsersLanguage();
    void dialogButtonInTheUsersLanguage();
    void tableMenuInTheUsersLanguage();
    void catalogueIsComplete();
};

void tst_translations::refusedInputInTheUsersLanguage_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    QTest::newRow("not a number") << "Edit3"
                                  << "8O"
                                  << "объем: '\u20688O\u2069' is not a valid integer value"
                                  << "объем: '\u20688O\u2069' не является допустимым целым числом";
    QTest::newRow("too long")
        << "Edit1"
        << "abcdefghij"
        << "фирма: '\u2068abcdefghij\u2069' is 10 characters long; at most 9 fit."
        << "фирма: '\u2068abcdefghij\u2069' — 10 симв.; помещается не более 9.";
    QTest::newRow("a character that cannot be stored")
        << "Edit1"
        << "Müller"
        << "фирма: '\u2068Müller\u2069' holds '\u2068ü\u2069' (U+00FC), which cannot be stored. "
           "Latin and Cyrillic "
           "letters, digits and common signs can."
        << "фирма: '\u2068Müller\u2069' содержит символ '\u2068ü\u2069' (U+00FC), который нельзя "
           "сохранить. Можно вводить "
           "латинские и кириллические буквы, цифры и обычные знаки.";
}

void tst_translations::refusedInputInTheUsersLanguage() {
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    const bool inRussian = qEnvironmentVariable("EXPECTED_LANGUAGE") == "ru";
    WindowTest w;
    w.type(edit.toLatin1(), text);
    w.click("Button1");
    QCOMPARE(w.errors, QStringList{inRussian ? russian : english});
    QCOMPARE(w.label("Label1")->text(), "фирма"); // captions are never translated
}

void tst_translations::dialogButtonInTheUsersLanguage() {
    // Russian keeps "OK" for the error dialog's one button, so another of Qt's texts shows that
    // Qt's catalogue is there.
    const bool inRussian = qEnvironmentVariable("EXPECTED_LANGUAGE") == "ru";
    QMessageBox box(QMessageBox::Critical, "drivelist", "message", QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), inRussian ? "Отмена" : "Cancel");
}

void tst_translations::tableMenuInTheUsersLanguage() {
    const bool inRussian = qEnvironmentVariable("EXPECTED_LANGUAGE") == "ru";
    WindowTest w;
    w.click("Button1");
    const auto text = [&w](const char* name) {
        return w.form()->findChild<QAction*>(QLatin1String(name))->text();
    };
    QCOMPARE(text("copy"), inRussian ? "&Копировать" : "&Copy");
    QCOMPARE(text("selectAll"), inRussian ? "Вы&делить всё" : "Select &All");
    QCOMPARE(text("undo"), inRussian ? "О&тменить добавление" : "&Undo Add");
    // Every item of every menu has a key of its own, with or without a current column.
    auto* grid = w.form()->findChild<grid::StringGrid*>();
    for (const bool inColumn : {false, true}) {
        if (inColumn)
            grid->setCurrentIndex(grid->cellIndex(2, 1));
        emit grid->contextMenu()->aboutToShow();
        QStringList menus[2];
        for (const QAction* action : grid->contextMenu()->actions())
            if (!action->isSeparator())
                menus[0] << action->text();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(grid->horizontalHeader()->viewport(), &click);
        for (const QAction* action : grid->headingMenu()->actions())
            menus[1] << action->text();
        grid->headingMenu()->close();
        for (const QStringList& items : menus) {
            QSet<QChar> keys;
            for (const QString& item : items) {
                const qsizetype at = item.indexOf(u'&');
                QVERIFY2(at >= 0 && at + 1 < item.size(), qPrintable(item));
                const QChar key = item[at + 1].toCaseFolded();
                QVERIFY2(!keys.contains(key), qPrintable(items.join(" | ")));
                keys << key;
            }
        }
    }
}

void tst_translations::catalogueIsComplete() {
    QFile catalogue(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../window/drivelist_ru.ts"));
    QVERIFY(catalogue.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&catalogue);
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"translation")
            continue;
        ++messages;
        QVERIFY2(xml.attributes().value("type").isEmpty(), "an unfinished or obsolete entry");
        QVERIFY(!xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().isEmpty());
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(messages, 67);
}

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
