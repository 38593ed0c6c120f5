// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// markupwriter.h - HTML, XML and plain text written as UTF-8 into a buffer sized beforehand.
#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QStringView>

namespace clipboard {

/// Writes UTF-8, the bytes other programs read from the clipboard, in two passes over the same
/// code: the first only counts, the second writes into a buffer of exactly that size, so that a
/// table of a million cells costs no reallocation and no string per cell.
class MarkupWriter {
public:
    /// Runs `write(writer)` to count, then again to write; gives what it wrote. Linear.
    template <typename Write> static QByteArray written(const Write& write) {
        MarkupWriter counter(nullptr);
        write(counter);
        QByteArray text(counter.length, Qt::Uninitialized);
        MarkupWriter writer(text.data());
        write(writer);
        return text;
    }

    void put(QLatin1StringView markup) {
        if (out)
            for (qsizetype i = 0; i < markup.size(); ++i)
                out[length + i] = markup.data()[i];
        length += markup.size();
    }
    void put(QStringView text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            char32_t c = text[i].unicode();
            if (c < 0x80) {
                putByte(c);
                continue;
            }
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
            else if (QChar::isSurrogate(c))
                c = 0xFFFD; // a lone half, as QString::toUtf8() writes it
            if (c < 0x800) {
                putByte(0xC0 | (c >> 6));
            } else if (c < 0x10000) {
                putByte(0xE0 | (c >> 12));
                putByte(0x80 | ((c >> 6) & 0x3F));
            } else {
                putByte(0xF0 | (c >> 18));
                putByte(0x80 | ((c >> 12) & 0x3F));
                putByte(0x80 | ((c >> 6) & 0x3F));
            }
            putByte(0x80 | (c & 0x3F));
        }
    }
    /// `text` with &, <, > and " written as entities, a line feed as `lineBreak`, a carriage
    /// return as "&#13;" and, when `spaces` holds, a space as "&#32;" (which no reader folds).
    void putEscaped(QStringView text, QLatin1StringView lineBreak, bool spaces = false) {
        qsizetype from = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            QLatin1StringView escape;
            switch (text[i].unicode()) {
            case u'&':
                escape = QLatin1StringView("&amp;");
                break;
            case u'<':
                escape = QLatin1StringView("&lt;");
                break;
            case u'>':
                escape = QLatin1StringView("&gt;");
                break;
            case u'"':
                escape = QLatin1StringView("&quot;");
                break;
            case u'\n':
                escape = lineBreak;
                break;
            case u'\r':
                escape = QLatin1StringView("&#13;");
                break;
            case u' ':
                if (!spaces)
                    continue;
                escape = QLatin1StringView("&#32;");
                break;
            default:
                continue;
            }
            put(text.sliced(from, i - from));
            put(escape);
            from = i + 1;
        }
        put(text.sliced(from));
    }

private:
    explicit MarkupWriter(char* out) : out(out) {}

    void putByte(char32_t byte) {
        if (out)
            out[length] = char(byte);
        ++length;
    }

    char* out; ///< null while counting
    qsizetype length = 0;
};

} // namespace clipboard
