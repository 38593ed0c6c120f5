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

std::int32_t StrToInt(const QString& text) {
    const auto invalid = [&text] {
        return Exception(QCoreApplication::translate("StrToInt", "%1 is not a valid integer value")
                             .arg(quoted(text)));
    };
    const bool negative = text.startsWith(u'-');
    qsizetype i = negative ? 1 : 0;
    if (i == text.size())
        throw invalid();
    // Digits are read on past the 32-bit range, saturating, so that a well-formed number that is
    // too large is told apart from a malformed one.
    constexpr std::int64_t saturated = std::int64_t{1} << 40;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            throw invalid();
        magnitude = std::min(magnitude * 10 + (c - u'0'), saturated);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    if (value < lowest || value > highest)
        throw Exception(QCoreApplication::translate(
                            "StrToInt", "%1 is out of range: whole numbers run from %2 to %3")
                            .arg(quoted(text), QString::number(lowest), QString::number(highest)));
    return static_cast<std::int32_t>(value);
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
