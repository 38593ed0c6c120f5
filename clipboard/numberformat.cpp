// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// numberformat.cpp - what a spreadsheet's number format makes of a number it shows.
#include "numberformat.h"

#include <algorithm>

namespace clipboard {

bool showsAsNumber(QStringView code) {
    const QStringView general = code.trimmed();
    if (general.isEmpty() || general.compare(u"General", Qt::CaseInsensitive) == 0 ||
        general.compare(u"Standard", Qt::CaseInsensitive) == 0)
        return true;
    // Only what places, groups and marks digits may stand outside quotes and brackets; anything
    // else (d, m, y, h, s, %, /, @, AM/PM, BOOLEAN) shows the number as something else.
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        switch (c.unicode()) {
        case u'"': // a literal text, a currency's name say
            i = code.indexOf(u'"', i + 1);
            if (i < 0)
                return false;
            break;
        case u'[': { // a currency or locale ([$$-409]), a colour, a condition; [h] is a time
            const qsizetype end = code.indexOf(u']', i + 1);
            if (end < 0)
                return false;
            const QStringView inside = code.sliced(i + 1, end - i - 1);
            const bool elapsed =
                !inside.isEmpty() && std::all_of(inside.begin(), inside.end(), [](QChar t) {
                    return QStringView(u"hHmMsS").contains(t);
                });
            if (elapsed)
                return false;
            i = end;
            break;
        }
        case u'\\': // the next character as it stands
        case u'_':  // room as wide as the next character
        case u'*':  // the next character repeated to fill the cell
            ++i;
            break;
        case u'E':
        case u'e':
            if (i + 1 >= code.size() || (code[i + 1] != u'+' && code[i + 1] != u'-'))
                return false;
            ++i;
            break;
        default:
            if (!QStringView(u"0#?.,;-+() $").contains(c) && !QChar::isSymbol(c.unicode()))
                return false;
        }
    }
    return true;
}

} // namespace clipboard
