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

namespace clipboard {

namespace {

constexpr QLatin1StringView kText("text/plain");
constexpr QLatin1StringView kHtml("text/html");

/// The formats of a copy, each written from the cells when first asked for and kept as the bytes
/// another program reads.
class CellsMimeData : public QMimeData {
public:
    explicit CellsMimeData(CopiedCells copied) : cells(std::move(copied)) {
        offered = {kText, kHtml, kOwnCellsFormat};
        if (cells.rowCount() > 0 && gnumericCarries(cells))
            offered << kGnumericFormat;
    }

    QStringList formats() const override { return offered; }
    bool hasFormat(const QString& mimeType) const override { return offered.contains(mimeType); }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        QByteArray* bytes = mimeType == kText || mimeType == kOwnCellsFormat ? &text
                            : mimeType == kHtml                              ? &html
                            : offered.contains(kGnumericFormat) && mimeType == kGnumericFormat
                                ? &gnumeric
                                : nullptr;
        if (!bytes)
            return {};
        if (bytes->isNull())
            *bytes = bytes == &text   ? toTabSeparated(cells)
                     : bytes == &html ? toHtmlTable(cells)
                                      : toGnumericCells(cells);
        // A text asked for as a text (text(), html()) is given as one.
        if (type.id() == QMetaType::QString && bytes != &gnumeric)
            return QString::fromUtf8(*bytes);
        return *bytes;
    }

private:
    const CopiedCells cells;
    QStringList offered;
    mutable QByteArray text; ///< tab-separated, which this program's own cells are too
    mutable QByteArray html;
    mutable QByteArray gnumeric;
};

} // namespace

QMimeData* mimeDataOf(CopiedCells cells) {
    return new CellsMimeData(std::move(cells));
}

ClipboardTable::ClipboardTable(const QMimeData* data) {
    if (!data)
        return;
    if (data->hasFormat(kOwnCellsFormat)) {
        format = Format::OwnCells;
        text = QString::fromUtf8(data->data(kOwnCellsFormat));
        counted = tabSeparatedShape(text);
        return;
    }
    if (data->hasFormat(kGnumericFormat)) {
        // Gnumeric's own cells hold its numbers whole, where its HTML shows them as a narrow
        // column does (2.147E+09).
        gnumeric = data->data(kGnumericFormat);
        if (const std::optional<TableShape> shape = gnumericShape(gnumeric)) {
            format = Format::Gnumeric;
            counted = *shape;
            return;
        }
        gnumeric.clear();
    }
    if (data->hasText())
        text = data->text();
    if (data->hasHtml()) {
        html = data->html();
        if (const std::optional<TableShape> shape = htmlTableShape(html)) {
            format = Format::Html;
            counted = *shape;
            return;
        }
    }
    format = Format::Text;
    counted = tabSeparatedShape(text);
}

QList<QStringList> ClipboardTable::rows() const {
    switch (format) {
    case Format::None:
        return {};
    case Format::Gnumeric:
        return fromGnumericCells(gnumeric).value_or(QList<QStringList>());
    case Format::Html:
        return fromHtmlTable(html).value_or(QList<QStringList>());
    case Format::OwnCells:
    case Format::Text:
        break;
    }
    return fromTabSeparated(text);
}

bool offersCells(const QMimeData* data) {
    // Only the formats: reading what another program offers would fetch it whole, a password
    // copied there or a sheet of half a million lines, at every change of the clipboard.
    return data && (data->hasText() || data->hasHtml() || data->hasFormat(kOwnCellsFormat) ||
                    data->hasFormat(kGnumericFormat));
}

} // namespace clipboard
