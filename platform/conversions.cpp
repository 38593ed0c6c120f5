// conversions.cpp - integer <-> text.
#include "conversions.h"

#include "exception.h"

#include <charconv>
#include <iterator>
#include <limits>
#include <system_error>

std::int32_t StrToInt(const QString& text) {
    const auto invalid = [&text] {
        return Exception(QStringLiteral("'%1' is not a valid integer value").arg(text));
    };
    const bool negative = text.startsWith(u'-');
    qsizetype i = negative ? 1 : 0;
    if (i == text.size())
        throw invalid();
    // One past the largest magnitude, so that the minimum still fits while digits accumulate.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            throw invalid();
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            throw invalid();
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        throw invalid();
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
