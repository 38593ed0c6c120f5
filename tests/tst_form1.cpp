#include "windowtest.h"
#include "platform/stringgrid.h"
#include <QTest>
class tst_form1 : public QObject { Q_OBJECT
private slots:
  void shot() { WindowTest w; w.add("seagate","barracuda","80","4000","1"); QCOMPARE(w.grid()->RowCount(), 3); }
};
QTEST_MAIN(tst_form1)
#include "tst_form1.moc"
