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

ClipboardTable::ClipboardTable(const QMimeData* data) {
    if (!data)
        return;
    if (data->hasFormat(kOwnCellsFormat)) {
        format = Format::OwnCells;
        text = QString::fromUtf8(data->data(kOwnCellsFormat));
        count = tabSeparatedRowCount(text);
        return;
    }
    if (data->hasText())
        text = data->text();
    if (data->hasHtml()) {
        html = data->html();
        if (const std::optional<std::vector<int>> widths = htmlTableRowWidths(html)) {
            format = Format::Html;
            count = qsizetype(widths->size());
            return;
        }
    }
    format = Format::Text;
    count = tabSeparatedRowCount(text);
}

QList<QStringList> ClipboardTable::rows() const {
    if (format == Format::Html)
        if (std::optional<QList<QStringList>> table = fromHtmlTable(html))
            return *std::move(table);
    return fromTabSeparated(text);
}

bool offersCells(const QMimeData* data) {
    return data && ((data->hasText() && !data->text().isEmpty()) || data->hasHtml() ||
                    data->hasFormat(kOwnCellsFormat));
}

} // namespace platform
