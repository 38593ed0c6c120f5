// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// textfield.cpp - texts typed into the window, kept in the records' 10-byte fields.
#include "textfield.h"

#include "platform/ansitext.h"
#include "platform/exception.h"
#include "platform/quoted.h"

#include <QCoreApplication>

#include <algorithm>

void storeText(char (&field)[kTextFieldSize], const QString& text) {
    constexpr int maxLength = kTextFieldSize - 1;
    // The control characters are exactly U+0000-U+001F and U+007F-U+009F.
    const auto isControl = [](QChar c) {
        return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
    };
    if (const auto control = std::find_if(text.begin(), text.end(), isControl);
        control != text.end())
        throw platform::Exception(
            QCoreApplication::translate("TForm1", "%1 holds the control character %2, which "
                                                  "cannot be stored. Type letters, digits and "
                                                  "signs only.")
                .arg(platform::quoted(text), platform::characterCode(control->unicode())));
    qsizetype failedAt = 0;
    const auto bytes = platform::encodeAnsi(text, &failedAt);
    if (!bytes) {
        // The whole character, both halves of a surrogate pair included, and its code.
        const qsizetype length =
            text[failedAt].isHighSurrogate() && failedAt + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(failedAt, length);
        throw platform::Exception(
            QCoreApplication::translate("TForm1", "%1 holds %2 (%3), which cannot be stored. Latin "
                                                  "and Cyrillic letters, digits and common signs "
                                                  "can.")
                .arg(platform::quoted(text), platform::quoted(character),
                     platform::characterCode(character.toUcs4().value(0))));
    }
    if (bytes->size() > maxLength)
        throw platform::Exception(
            QCoreApplication::translate("TForm1", "%1 is %2 characters long; at most %3 fit.")
                .arg(platform::quoted(text), QString::number(bytes->size()),
                     QString::number(maxLength)));
    copyFieldBytes(field, bytes->c_str());
}

QString fieldText(const char (&field)[kTextFieldSize]) {
    return platform::decodeAnsi(field, kTextFieldSize);
}

bool isFieldText(QStringView text, const char (&field)[kTextFieldSize]) {
    return platform::decodesAnsiTo(field, kTextFieldSize, text);
}
