// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_errorboundary.cpp - where a command's error stops: the reporter, the dialog and the boundary.
#include "platform/conversions.h"
#include "platform/errorboundary.h"
#include "platform/exception.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <new>
#include <stdexcept>

class tst_errorboundary : public QObject {
    Q_OBJECT

private slots:
    void errorBoundaryShowsEveryKindOfError_data();
    void errorBoundaryShowsEveryKindOfError();
    void errorDialogShowsTheMessage();
    void failingReporterStopsAtTheBoundary();
};

void tst_errorboundary::errorBoundaryShowsEveryKindOfError_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("Exception") << 0 << "'\u2068x\u2069' is not a valid integer value";
    QTest::newRow("out of memory") << 1 << "Out of memory: the command was not carried out.";
    QTest::newRow("standard exception") << 2 << "broken";
    QTest::newRow("anything else") << 3 << "The command failed with an unknown error.";
}

void tst_errorboundary::errorBoundaryShowsEveryKindOfError() {
    QFETCH(int, kind);
    QFETCH(QString, message);
    QStringList shown;
    platform::setErrorReporter([&shown](const QString& m, const auto&) { shown << m; });
    platform::runGuarded([kind] {
        switch (kind) {
        case 0:
            platform::StrToInt("x");
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

void tst_errorboundary::errorDialogShowsTheMessage() {
    // Outside an event loop the dialog waits for its answer. It is read and closed first and
    // checked after, so that a failing check cannot leave it waiting.
    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, this, [&] {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows)
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                icon = box->icon();
                format = box->textFormat();
                shown = box->text();
                box->accept();
            }
    });
    bool ledBack = false;
    platform::runGuarded(
        [&ledBack] { throw platform::Exception("<b>shown</b>", [&ledBack] { ledBack = true; }); });
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(format, Qt::PlainText); // a message quotes typed markup as it is
    QCOMPARE(shown, "<b>shown</b>");
    QVERIFY(ledBack); // once the dialog is closed, the user is taken to what must be mended
    QTRY_VERIFY(!QApplication::activeModalWidget());

    // Within the event loop the handler returns at once and the dialog stays, modal, until closed.
    QPointer<QMessageBox> open;
    QEventLoop loop;
    ledBack = false;
    QTimer::singleShot(0, this, [&open, &loop, &ledBack] {
        platform::runGuarded([&ledBack] {
            throw platform::Exception("still open", [&ledBack] { ledBack = true; });
        });
        open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        loop.quit();
    });
    loop.exec();
    QVERIFY(open);
    QCOMPARE(open->text(), "still open");
    QCOMPARE(open->windowModality(), Qt::ApplicationModal);
    // Only the button with the focus tells a screen reader so, not the row that holds it.
    QAbstractButton* ok = open->button(QMessageBox::Ok);
    QTRY_VERIFY(ok->hasFocus());
    for (QWidget* part : open->findChildren<QWidget*>())
        QCOMPARE(QAccessible::queryAccessibleInterface(part)->state().focused,
                 part == static_cast<QWidget*>(ok));
    QVERIFY(!ledBack);
    open->accept();
    QTRY_VERIFY(!open); // closing deletes it
    QVERIFY(ledBack);
}

void tst_errorboundary::failingReporterStopsAtTheBoundary() {
    int calls = 0;
    platform::setErrorReporter([&calls](const QString&, const auto&) {
        ++calls;
        throw std::runtime_error("the reporter fails too");
    });
    platform::runGuarded(
        [] { throw platform::Exception("first"); }); // noexcept: a leak would terminate
    platform::setErrorReporter({});
    QCOMPARE(calls, 1);
    QCOMPARE(platform::Exception(QString::fromUtf8("цена")).what(), QByteArray("цена"));
}

QTEST_MAIN(tst_errorboundary)
#include "tst_errorboundary.moc"
