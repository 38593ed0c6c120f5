// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// ansitext.h - texts in the 8-bit code page of the record fields (Windows-1251).
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

namespace platform {

// One byte per character: ASCII plus the Cyrillic letters and signs of Windows-1251. The tables
// are read once from glibc's iconv, so the mapping is that converter's and not ours.

/// The bytes of `text`, or nothing when a character (NUL included) has no byte in the code page;
/// `failedAt` (when given) then gets the index of the first such character.
std::optional<std::string> encodeAnsi(const QString& text, qsizetype* failedAt = nullptr);

/// The text of up to `maxLength` bytes, stopping at a NUL.
QString decodeAnsi(const char* bytes, std::size_t maxLength);

/// Whether `text` is what `decodeAnsi(bytes, maxLength)` gives, found without building that text.
bool decodesAnsiTo(const char* bytes, std::size_t maxLength, QStringView text);

} // namespace platform
