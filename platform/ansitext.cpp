// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// ansitext.cpp - texts in the 8-bit code page of the record fields (Windows-1251).
#include "ansitext.h"

#include <iconv.h>

#include <array>
#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr const char* kCodePage = "WINDOWS-1251";

struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::vector<unsigned char> fromUnicode = std::vector<unsigned char>(0x10000, 0); // 0: none
};

Tables buildTables() {
    Tables tables;
    iconv_t cd = iconv_open("UTF-16LE", kCodePage);
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        unsigned char out[4] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        const bool ok = cd != reinterpret_cast<iconv_t>(-1) &&
                        iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
                        outLeft == 2;
        // Without iconv's tables (or for its one undefined byte) only ASCII maps to itself.
        const char16_t unit = ok ? char16_t(out[0] | out[1] << 8) : byte < 0x80 ? byte : 0xFFFD;
        tables.toUnicode[byte] = unit;
        if (unit != 0xFFFD && byte != 0)
            tables.fromUnicode[unit] = static_cast<unsigned char>(byte);
    }
    if (cd != reinterpret_cast<iconv_t>(-1))
        iconv_close(cd);
    return tables;
}

const Tables& tables() {
    static const Tables instance = buildTables();
    return instance;
}

} // namespace

std::optional<std::string> encodeAnsi(const QString& text, qsizetype* failedAt) {
    const Tables& t = tables();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const unsigned char byte = t.fromUnicode[c.unicode()];
        if (byte == 0) {
            if (failedAt)
                *failedAt = qsizetype(bytes.size());
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

QString decodeAnsi(const char* bytes, std::size_t maxLength) {
    const Tables& t = tables();
    const std::size_t length = strnlen(bytes, maxLength);
    QString text(static_cast<qsizetype>(length), Qt::Uninitialized);
    for (std::size_t i = 0; i < length; ++i)
        text[static_cast<qsizetype>(i)] = QChar(t.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return text;
}

bool decodesAnsiTo(const char* bytes, std::size_t maxLength, QStringView text) {
    const Tables& t = tables();
    const std::size_t length = strnlen(bytes, maxLength);
    if (static_cast<std::size_t>(text.size()) != length)
        return false;
    for (std::size_t i = 0; i < length; ++i)
        if (text[static_cast<qsizetype>(i)] !=
            QChar(t.toUnicode[static_cast<unsigned char>(bytes[i])]))
            return false;
    return true;
}

} // namespace platform
