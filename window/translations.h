// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// translations.h - the messages in the user's language.
#pragma once

class QLocale;

/// Installs the program's catalogue for `locale`'s language, and Qt's own for the texts that Qt
/// writes (the dialog's buttons), where one is at hand; English, the source language, otherwise.
/// The window's captions are its own texts in every language and are never translated.
void loadTranslations(const QLocale& locale);
