// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// conversions.cpp - integer <-> text.
#include "conversions.h"

#include "exception.h"
#include "quoted.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>

namespace platform {

namespace {

enum class Reading { Integer, Empty, Malformed, OutOfRange };

/// Whether `c` may group digits in threes: a space, a no-break space or a narrow no-break space in
/// every locale, and the locale's own group separator.
bool isGroupSeparator(QChar c) {
    if (c == u' ' || c == u'\u00A0' || c == u'\u202F')
        return true;
    const QString own = QLocale().groupSeparator();
    return own.size() == 1 && own[0] == c;
}

/// Reads an optional minus sign (the hyphen-minus, or the minus sign U+2212 that spreadsheets
/// write in HTML) and decimal digits into `value`, the digits written whole or
/// grouped in threes by one separator throughout ("4000", "4,000", "-1 000 000"). Digits are read
/// on past the 32-bit range, saturating, so that a well-formed number that is too large is told
/// apart from a malformed one.
Reading readInt(QStringView text, std::int32_t& value) {
    if (text.isEmpty())
        return Reading::Empty;
    const bool negative = text.startsWith(u'-') || text.startsWith(u'\u2212');
    qsizetype i = negative ? 1 : 0;
    if (i == text.size())
        return Reading::Malformed;
    constexpr std::int64_t saturated = std::int64_t{1} << 40;
    std::int64_t magnitude = 0;
    QChar separator;     // the one this number is grouped by, once one is met
    int groupDigits = 0; // digits since the start or the last separator
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            magnitude = std::min(magnitude * 10 + (c - u'0'), saturated);
            ++groupDigits;
            continue;
        }
        const bool first = separator.isNull();
        // The first group holds one to three digits, every later one three.
        if (groupDigits == 0 || groupDigits > 3 || (!first && groupDigits != 3) ||
            (first ? !isGroupSeparator(text[i]) : text[i] != separator))
            return Reading::Malformed;
        separator = text[i];
        groupDigits = 0;
    }
    if (groupDigits == 0 || (!separator.isNull() && groupDigits != 3))
        return Reading::Malformed;
    const std::int64_t read = negative ? -magnitude : magnitude;
    if (read < std::numeric_limits<std::int32_t>::min() ||
        read > std::numeric_limits<std::int32_t>::max())
        return Reading::OutOfRange;
    value = static_cast<std::int32_t>(read);
    return Reading::Integer;
}

} // namespace

std::int32_t StrToInt(const QString& text) {
    std::int32_t value = 0;
    switch (readInt(text, value)) {
    case Reading::Integer:
        return value;
    case Reading::Empty:
        throw Exception(QCoreApplication::translate("StrToInt", "the number is empty"));
    case Reading::Malformed:
        throw Exception(QCoreApplication::translate("StrToInt", "%1 is not a valid integer value")
                            .arg(quoted(text)));
    case Reading::OutOfRange:
        break;
    }
    throw Exception(
        QCoreApplication::translate("StrToInt",
                                    "%1 is out of range: whole numbers run from %2 to %3")
            .arg(quoted(text), QString::number(std::numeric_limits<std::int32_t>::min()),
                 QString::number(std::numeric_limits<std::int32_t>::max())));
}

std::optional<std::int32_t> toInt(QStringView text) {
    std::int32_t value = 0;
    if (readInt(text, value) != Reading::Integer)
        return std::nullopt;
    return value;
}

QString IntToStr(std::int32_t value) {
    return QString::number(value);
}

bool isIntText(QStringView text, std::int32_t value) {
    return text == IntDigits(value).view();
}

IntDigits::IntDigits(std::int64_t value)
    : length(std::to_chars(std::begin(digits), std::end(digits), value).ptr - digits) {}

} // namespace platform
