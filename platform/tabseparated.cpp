// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tabseparated.cpp - tab-separated lines.
#include "tabseparated.h"

#include <utility>

namespace platform {
namespace {

bool needsQuotes(const QString& cell) {
    for (const QChar c : cell)
        if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'"')
            return true;
    return false;
}

} // namespace

QString toTabSeparated(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype col = 0; col < row.size(); ++col) {
            if (col > 0)
                text += u'\t';
            const QString& cell = row[col];
            if (needsQuotes(cell))
                text += u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"';
            else
                text += cell;
        }
        text += u'\n';
    }
    return text;
}

QList<QStringList> fromTabSeparated(const QString& text) {
    QList<QStringList> rows;
    if (text.isEmpty())
        return rows;
    QStringList row;
    QString cell;
    const qsizetype end = text.size();
    qsizetype i = 0;
    const auto endRow = [&] {
        row << std::exchange(cell, QString());
        rows << std::exchange(row, QStringList());
    };
    while (true) {
        // At the start of a cell.
        if (i < end && text[i] == u'"') {
            for (++i; i < end; ++i) {
                if (text[i] != u'"') {
                    cell += text[i];
                } else if (i + 1 < end && text[i + 1] == u'"') {
                    cell += u'"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        }
        // The rest of the cell, read as it stands.
        const qsizetype start = i;
        while (i < end && text[i] != u'\t' && text[i] != u'\n' &&
               !(text[i] == u'\r' && i + 1 < end && text[i + 1] == u'\n'))
            ++i;
        if (i > start)
            cell += QStringView(text).sliced(start, i - start);
        if (i == end) {
            endRow();
            break;
        }
        if (text[i] == u'\t') {
            row << std::exchange(cell, QString());
            ++i;
            continue;
        }
        i += text[i] == u'\r' ? 2 : 1;
        endRow();
        if (i == end)
            break; // one final line end adds no row
    }
    return rows;
}

} // namespace platform
