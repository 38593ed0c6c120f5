// ansitext.h - texts in the 8-bit code page of the record fields (Windows-1251).
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

/// One byte per character: ASCII plus the Cyrillic letters and signs of Windows-1251. The tables
/// are read once from glibc's iconv, so the mapping is that converter's and not ours.
namespace ansi {

/// The bytes of `text`, or nothing when a character (NUL included) has no byte in the code page.
std::optional<std::string> encode(const QString& text);

/// The text of up to `maxLength` bytes, stopping at a NUL.
QString decode(const char* bytes, std::size_t maxLength);

/// Whether `text` is what `decode(bytes, maxLength)` gives, found without building that text.
bool decodesTo(const char* bytes, std::size_t maxLength, QStringView text);

/// The name of the code page, for messages.
QString codePageName();

} // namespace ansi
