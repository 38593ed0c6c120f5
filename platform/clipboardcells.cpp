// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// clipboardcells.cpp - cells as they travel through the clipboard.
#include "clipboardcells.h"

#include "gnumericcells.h"
#include "htmltable.h"
#include "tabseparated.h"

#include <QMimeData>

#include <optional>
#include <utility>

namespace platform {

namespace {

constexpr QLatin1StringView kText("text/plain");
constexpr QLatin1StringView kHtml("text/html");

/// The formats of a copy, each written from the rows when first asked for, then kept.
class CellsMimeData : public QMimeData {
public:
    CellsMimeData(const QList<QStringList>& rows, const std::vector<bool>& numberColumns)
        : rows(rows), numberColumns(numberColumns) {
        offered = {kText, kHtml, kOwnCellsFormat};
        if (!rows.isEmpty() && gnumericCarries(rows))
            offered << kGnumericFormat;
    }

    QStringList formats() const override { return offered; }
    bool hasFormat(const QString& mimeType) const override { return offered.contains(mimeType); }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        if (mimeType == kGnumericFormat && offered.contains(kGnumericFormat)) {
            if (gnumeric.isNull())
                gnumeric = toGnumericCells(rows, numberColumns);
            return gnumeric;
        }
        if (mimeType == kHtml) {
            if (html.isNull())
                html = toHtmlTable(rows, numberColumns);
            return type.id() == QMetaType::QByteArray ? QVariant(html.toUtf8()) : QVariant(html);
        }
        if (mimeType == kText || mimeType == kOwnCellsFormat) {
            if (text.isNull())
                text = toTabSeparated(rows);
            return type.id() == QMetaType::QString ? QVariant(text) : QVariant(text.toUtf8());
        }
        return {};
    }

private:
    const QList<QStringList> rows;
    const std::vector<bool> numberColumns;
    QStringList offered;
    mutable QByteArray gnumeric;
    mutable QString text;
    mutable QString html;
};

} // namespace

QMimeData* mimeDataOf(const QList<QStringList>& rows, const std::vector<bool>& numberColumns) {
    return new CellsMimeData(rows, numberColumns);
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
    if (data->hasFormat(kGnumericFormat)) {
        // Gnumeric's own cells hold its numbers whole, where its HTML shows them as a narrow
        // column does (2.147E+09).
        gnumeric = data->data(kGnumericFormat);
        if (const std::optional<qsizetype> rows = gnumericRowCount(gnumeric)) {
            format = Format::Gnumeric;
            count = *rows;
            return;
        }
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
    if (format == Format::Gnumeric)
        return fromGnumericCells(gnumeric).value_or(QList<QStringList>());
    if (format == Format::Html)
        if (std::optional<QList<QStringList>> table = fromHtmlTable(html))
            return *std::move(table);
    return fromTabSeparated(text);
}

bool offersCells(const QMimeData* data) {
    return data && ((data->hasText() && !data->text().isEmpty()) || data->hasHtml() ||
                    data->hasFormat(kOwnCellsFormat) || data->hasFormat(kGnumericFormat));
}

} // namespace platform
