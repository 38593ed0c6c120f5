// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// quoted.cpp - what the user typed, as an error message quotes it.
#include "quoted.h"

namespace platform {

QString quoted(const QString& text) {
    constexpr qsizetype kLongest = 30;
    if (text.size() <= kLongest)
        return u'\'' + text + u'\'';
    qsizetype cut = kLongest;
    if (text[cut - 1].isHighSurrogate())
        --cut; // never half a character
    return u'\'' + text.left(cut) + QStringLiteral("…'");
}

} // namespace platform
