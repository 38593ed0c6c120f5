// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// main.cpp - the program entry: the application, its one window and its event loop.
#include "Unit1.h"
#include "translations.h"

#include "platform/errorboundary.h"
#include "platform/exception.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("drivelist"));
    // The desktop file's name: a Wayland desktop finds the window's icon through it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.drivelist"));
    // The window's pixel layout was made for one look; a platform style would change the sizes.
    QApplication::setStyle(QStringLiteral("Fusion"));
    loadTranslations(QLocale::system());
    try {
        TForm1 form;
        form.show();
        QApplication::exec();
    } catch (const platform::Exception& e) {
        platform::ShowException(e.Message());
    } catch (...) {
        platform::ShowException(QString());
    }
    return 0;
}
