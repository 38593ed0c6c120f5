// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// translations.cpp - the messages in the user's language.
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void install(const QLocale& locale, const QString& catalogue, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, catalogue, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void loadTranslations(const QLocale& locale) {
    // The program's catalogue travels inside it; Qt's comes with Qt.
    install(locale, QStringLiteral("drivelist"), QStringLiteral(":/i18n"));
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
