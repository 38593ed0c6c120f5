// textfield.cpp - texts typed into the window, kept in the records' 10-byte fields.
#include "textfield.h"

#include "platform/ansitext.h"
#include "platform/exception.h"

#include <algorithm>

void copyText(char (&field)[kTextFieldSize], const QString& text, const QString& fieldName) {
    constexpr int maxLength = kTextFieldSize - 1;
    if (std::any_of(text.begin(), text.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        throw Exception(QStringLiteral("%1: the text holds a control character, which cannot be "
                                       "stored. Type letters, digits and signs only.")
                            .arg(fieldName));
    const auto bytes = ansi::encode(text);
    if (!bytes)
        throw Exception(
            QStringLiteral("%1: '%2' holds a character that cannot be stored. Only "
                           "the Latin and Cyrillic letters, digits and signs of %3 fit.")
                .arg(fieldName, text, ansi::codePageName()));
    if (bytes->size() > maxLength)
        throw Exception(QStringLiteral("%1: '%2' is %3 characters long; at most %4 fit.")
                            .arg(fieldName, text)
                            .arg(bytes->size())
                            .arg(maxLength));
    copyTextField(field, bytes->c_str());
}

QString fieldText(const char (&field)[kTextFieldSize]) {
    return ansi::decode(field, kTextFieldSize);
}
