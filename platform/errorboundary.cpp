// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// errorboundary.cpp - where a command's error stops.
#include "errorboundary.h"

#include "exception.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QThread>

#include <new>
#include <utility>

namespace platform {
namespace {

void showDialog(const QString& message, const std::function<void()>& dismissed) {
    auto* box = new QMessageBox(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                                message, QMessageBox::Ok, QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText); // a message quotes what was typed, markup and all
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (dismissed)
        QObject::connect(box, &QDialog::finished, box, [dismissed] { dismissed(); });
    box->setWindowModality(Qt::ApplicationModal);
    // The row of buttons stands in for its first button, and would tell screen readers that it
    // has the focus too.
    if (auto* buttons = box->findChild<QDialogButtonBox*>())
        buttons->setFocusProxy(nullptr);
    // Inside the event loop the dialog is shown without a nested loop of its own, so that the
    // handler that failed returns at once (a press sent over the accessibility bus gets its
    // answer) while the dialog still blocks the window until it is closed.
    if (QThread::currentThread()->loopLevel() > 0)
        box->show();
    else
        box->exec();
}

ErrorReporter& installedReporter() {
    static ErrorReporter reporter = &showDialog;
    return reporter;
}

} // namespace

ErrorReporter setErrorReporter(ErrorReporter reporter) {
    if (!reporter)
        reporter = &showDialog;
    return std::exchange(installedReporter(), std::move(reporter));
}

void ShowException(const QString& message, const std::function<void()>& dismissed) {
    installedReporter()(message, dismissed);
}

void runGuarded(const std::function<void()>& handler) noexcept {
    QString message;
    std::function<void()> leadBack;
    try {
        handler();
        return;
    } catch (const Exception& e) {
        message = e.Message();
        leadBack = e.leadBack();
    } catch (const std::bad_alloc&) {
        message = QCoreApplication::translate("platform",
                                              "Out of memory: the command was not carried out.");
    } catch (const std::exception& e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        message =
            QCoreApplication::translate("platform", "The command failed with an unknown error.");
    }
    try {
        ShowException(message, leadBack);
    } catch (...) {
        // A reporter that fails has nowhere left to report to; the window stays open regardless.
    }
}

} // namespace platform
