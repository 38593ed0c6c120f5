// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// quoted.cpp - what the user typed, as an error message quotes it.
#include "quoted.h"

namespace platform {

QString shortened(const QString& text, qsizetype longest) {
    if (text.size() <= longest)
        return text;
    qsizetype cut = longest;
    if (text[cut - 1].isHighSurrogate())
        --cut; // never half a character
    return text.left(cut) + QStringLiteral("…");
}

QString quoted(const QString& text) {
    return u'\'' + shortened(text, 30) + u'\'';
}

} // namespace platform
