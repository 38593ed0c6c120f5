// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// clipboardowner.cpp - another program on the X11 clipboard for tst_x11: it offers every target
// that a spreadsheet offered with one copy, each with the bytes captured from it, until another
// program owns the clipboard. Usage: clipboardowner TARGET=FILE...
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    auto* data = new QMimeData;
    for (const QString& argument : app.arguments().mid(1)) {
        const qsizetype equals = argument.lastIndexOf(u'=');
        QFile file(argument.mid(equals + 1));
        if (equals < 0 || !file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "clipboardowner: cannot read %s\n", qPrintable(argument));
            return 2;
        }
        data->setData(argument.left(equals), file.readAll());
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data);
    QObject::connect(clipboard, &QClipboard::dataChanged, &app, [clipboard] {
        if (!clipboard->ownsClipboard())
            QGuiApplication::quit();
    });
    return QGuiApplication::exec();
}
