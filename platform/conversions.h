// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// conversions.h - integer <-> text, as the window's fields and cells hold numbers.
#pragma once

#include <QLatin1StringView>
#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

/// Converts an optional minus sign (- or U+2212 MINUS SIGN) followed by decimal digits whose value
/// fits a 32-bit signed integer. The digits may be grouped in threes, as spreadsheets write
/// numbers, by one separator throughout: the locale's group separator, or in any locale a space, a
/// no-break space (U+00A0) or a narrow no-break space (U+202F) ("4,000" in English, "-1 000 000").
/// Anything else (blanks around, a separator elsewhere, a plus sign, letters, decimals, an
/// out-of-range value) throws Exception: "the number is empty", "'<text>' is not a valid integer
/// value", or, for a well-formed number outside the 32-bit range, a message that gives the range.
/// The text is quoted as platform::quoted() does.
std::int32_t StrToInt(const QString& text);

/// The integer that StrToInt reads from `text`, or none where it would throw.
std::optional<std::int32_t> toInt(QStringView text);

/// The decimal text of `value`, with a minus sign when negative.
QString IntToStr(std::int32_t value);

/// Whether `text` is `IntToStr(value)`, found without building that text.
bool isIntText(QStringView text, std::int32_t value);

/// The decimal digits of an integer, with a minus sign when negative, held in place: the one
/// writer of integers for every text that is built in bulk (the clipboard's formats), at no
/// allocation.
class IntDigits {
public:
    explicit IntDigits(std::int64_t value);
    QLatin1StringView view() const { return QLatin1StringView(digits, length); }

private:
    char digits[20]; ///< the longest is INT64_MIN's: a sign and 19 digits
    qsizetype length;
};

} // namespace platform
