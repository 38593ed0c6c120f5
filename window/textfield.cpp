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
    if (std::any_of(text.begin(), text.end(), isControl))
        throw platform::Exception(
            QCoreApplication::translate("TForm1", "the text holds a control character, which "
                                                  "cannot be stored. Type letters, digits and "
                                                  "signs only."));
    const auto bytes = platform::encodeAnsi(text);
    if (!bytes)
        throw platform::Exception(QCoreApplication::translate(
                                      "TForm1",
                                      "%1 holds a character that cannot be stored. Only the Latin "
                                      "and Cyrillic letters, digits and signs of %2 fit.")
                                      .arg(platform::quoted(text), platform::ansiCodePageName()));
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
