// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// conversions.cpp - integer <-> text.
#include "conversions.h"

#include "exception.h"
#include "quoted.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>
#include <system_error>

namespace platform {

namespace {

enum class Reading { Integer, Malformed, OutOfRange };

/// Reads an optional minus sign and decimal digits into `value`. Digits are read on past the
/// 32-bit range, saturating, so that a well-formed number that is too large is told apart from a
/// malformed one.
Reading readInt(QStringView text, std::int32_t& value) {
    const bool negative = text.startsWith(u'-');
    qsizetype i = negative ? 1 : 0;
    if (i == text.size())
        return Reading::Malformed;
    constexpr std::int64_t saturated = std::int64_t{1} << 40;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return Reading::Malformed;
        magnitude = std::min(magnitude * 10 + (c - u'0'), saturated);
    }
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
    char digits[16];
    const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), value);
    return error == std::errc() && text == QLatin1StringView(digits, end - digits);
}

} // namespace platform
