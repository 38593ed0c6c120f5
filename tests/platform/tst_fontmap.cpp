// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_fontmap.cpp - the Windows faces of the stored layout, mapped to installed ones.
#include "platform/fontmap.h"

#include <QLabel>
#include <QTest>

class tst_fontmap : public QObject {
    Q_OBJECT

private slots:
    void fontMapping_data();
    void fontMapping();
};

void tst_fontmap::fontMapping_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("mappedFamily");
    QTest::addColumn<int>("mappedPixels");
    QTest::newRow("8 points") << "MS Sans Serif" << 8 << "Liberation Sans" << 11;
    QTest::newRow("12 points") << "MS Sans Serif" << 12 << "Liberation Sans" << 16;
    QTest::newRow("another face stays") << "DejaVu Serif" << 8 << "DejaVu Serif" << -1;
    QTest::newRow("a pixel size stays") << "MS Sans Serif" << -1 << "MS Sans Serif" << 13;
}

void tst_fontmap::fontMapping() {
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

QTEST_MAIN(tst_fontmap)
#include "tst_fontmap.moc"
