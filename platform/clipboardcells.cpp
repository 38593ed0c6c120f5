// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// clipboardcells.cpp - cells as they travel through the clipboard.
#include "clipboardcells.h"

#include "htmltable.h"
#include "tabseparated.h"

#include <QMimeData>

#include <utility>

namespace platform {

QMimeData* mimeDataOf(const QList<QStringList>& rows) {
    auto* data = new QMimeData;
    const QString text = toTabSeparated(rows);
    data->setText(text);
    data->setHtml(toHtmlTable(rows));
    data->setData(kOwnCellsFormat, text.toUtf8());
    return data;
}

QList<QStringList> rowsOf(const QMimeData* data) {
    if (!data)
        return {};
    if (data->hasFormat(kOwnCellsFormat))
        return fromTabSeparated(QString::fromUtf8(data->data(kOwnCellsFormat)));
    if (data->hasHtml())
        if (std::optional<QList<QStringList>> table = fromHtmlTable(data->html()))
            return *std::move(table);
    return data->hasText() ? fromTabSeparated(data->text()) : QList<QStringList>();
}

bool offersCells(const QMimeData* data) {
    return data && ((data->hasText() && !data->text().isEmpty()) || data->hasHtml() ||
                    data->hasFormat(kOwnCellsFormat));
}

} // namespace platform
