// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// quoted.cpp - what the user typed, as an error message quotes it.
#include "quoted.h"

namespace platform {
namespace {

/// Whether a message shows `c` by its code: a character one cannot see, or that turns the text
/// around it: controls, format characters (bidirectional overrides and isolates among them), line
/// and paragraph separators, every space but the plain one, a lone half of a surrogate pair; and
/// with `dashes`, every dash but the hyphen-minus, which passes for a minus sign and is not one.
bool isShownByCode(char32_t c, bool dashes) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    case QChar::Separator_Space:
        return c != U' ';
    case QChar::Punctuation_Dash:
        return dashes && c != U'-';
    default:
        return false;
    }
}

} // namespace

QString shortened(const QString& text, qsizetype longest) {
    if (text.size() <= longest)
        return text;
    qsizetype cut = longest;
    if (text[cut - 1].isHighSurrogate())
        --cut; // never half a character
    return text.left(cut) + QStringLiteral("…");
}

QString characterCode(char32_t c) {
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QChar(u'0')).toUpper();
}

QString visible(const QString& text, bool dashes) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (isShownByCode(c, dashes))
            shown += u'<' + characterCode(c) + u'>';
        else
            shown += QString::fromUcs4(&c, 1);
    }
    return shown;
}

QString quoted(const QString& text) {
    // Isolated, so that no text, a right-to-left one included, turns the message around it.
    // A message names a dash by its code: in a refused number it is what the user must mend.
    return QStringLiteral("'\u2068") + visible(shortened(text, 30), true) +
           QStringLiteral("\u2069'");
}

} // namespace platform
