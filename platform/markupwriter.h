// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// markupwriter.h - HTML and XML written into a string sized beforehand.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace platform {

/// Writes markup in two passes over the same code: the first only counts, the second writes into
/// a string of exactly that size, so that a table of a million cells costs no reallocation and no
/// string per cell.
class MarkupWriter {
public:
    /// Runs `write(writer)` to count, then again to write; gives what it wrote. Linear.
    template <typename Write> static QString written(const Write& write) {
        MarkupWriter counter(nullptr);
        write(counter);
        QString text(counter.length, Qt::Uninitialized);
        MarkupWriter writer(reinterpret_cast<char16_t*>(text.data()));
        write(writer);
        return text;
    }

    void put(QLatin1StringView markup) {
        if (out)
            for (qsizetype i = 0; i < markup.size(); ++i)
                out[length + i] = char16_t(uchar(markup.data()[i]));
        length += markup.size();
    }
    void put(QStringView text) {
        if (out)
            std::copy(text.utf16(), text.utf16() + text.size(), out + length);
        length += text.size();
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
    explicit MarkupWriter(char16_t* out) : out(out) {}

    char16_t* out; ///< null while counting
    qsizetype length = 0;
};

} // namespace platform
