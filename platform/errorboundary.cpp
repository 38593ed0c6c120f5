// errorboundary.cpp - where a command's error stops.
#include "errorboundary.h"

#include "exception.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include <new>
#include <utility>

namespace platform {
namespace {

void showDialog(const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                                message, QMessageBox::Ok, QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
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

void ShowException(const QString& message) {
    installedReporter()(message);
}

void runGuarded(const std::function<void()>& handler) noexcept {
    QString message;
    try {
        handler();
        return;
    } catch (const Exception& e) {
        message = e.Message();
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Out of memory: the command was not carried out.");
    } catch (const std::exception& e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        message = QStringLiteral("The command failed with an unknown error.");
    }
    try {
        ShowException(message);
    } catch (...) {
        // A reporter that fails has nowhere left to report to; the window stays open regardless.
    }
}

} // namespace platform
