// tst_platform.cpp - placeholder, filled below.
#include <QTest>
class tst_platform : public QObject { Q_OBJECT };
QTEST_MAIN(tst_platform)
#include "tst_platform.moc"
