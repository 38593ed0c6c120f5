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
    const auto readHtml = [this, data] {
        if (html.isNull() && data->hasHtml())
            html = data->html();
    };
    if (data->hasFormat(kGnumericFormat)) {
        // Gnumeric's own cells hold its numbers whole, where its HTML shows them as a narrow
        // column does (2.147E+09); but a number it shows as a date is taken as its HTML shows it,
        // which must then hold the same rows.
        gnumeric = data->data(kGnumericFormat);
        if (const std::optional<GnumericShape> shape = gnumericShape(gnumeric)) {
            if (shape->showsOtherwise)
                readHtml();
            const std::optional<TableShape> shown =
                shape->showsOtherwise ? htmlTableShape(html) : std::nullopt;
            if (!shape->showsOtherwise || (shown && shown->rows == shape->table.rows &&
                                           shown->columns >= shape->table.columns)) {
                format = Format::Gnumeric;
                counted = shape->table;
                return;
            }
        }
        gnumeric.clear();
    }
    if (data->hasFormat(kLibreOfficeCellsFormat)) {
        // LibreOffice's own text holds every text as the sheet shows it, spaces and line breaks
        // too, where its HTML folds them; its HTML then gives the numbers their values.
        format = Format::LibreOffice;
        text = QString::fromUtf8(data->data(kLibreOfficeCellsFormat));
        counted = tabSeparatedShape(text);
        readHtml();
        return;
    }
    if (data->hasText())
        text = data->text();
    readHtml();
    if (const std::optional<TableShape> shape = htmlTableShape(html)) {
        format = Format::Html;
        counted = *shape;
        return;
    }
    format = Format::Text;
    counted = tabSeparatedShape(text);
}

namespace {

/// `rows` with each cell that `numbers` holds a number of as that number, where the HTML they are
/// read from has as many rows.
QList<QStringList> withNumbers(QList<QStringList> rows, const QString& html) {
    const std::optional<TableShape> shape = htmlTableShape(html);
    if (!shape || shape->rows != rows.size())
        return rows;
    for (HeldNumber& number : htmlTableNumbers(html))
        if (number.column < rows[number.row].size())
            rows[number.row][number.column] = std::move(number.value);
    return rows;
}

} // namespace

QList<QStringList> ClipboardTable::rows() const {
    switch (format) {
    case Format::None:
        return {};
    case Format::Gnumeric:
        return fromGnumericCells(gnumeric, html.isNull()
                                               ? QList<QStringList>()
                                               : fromHtmlTable(html).value_or(QList<QStringList>()))
            .value_or(QList<QStringList>());
    case Format::LibreOffice:
        return withNumbers(fromTabSeparated(text), html);
    case Format::Html:
        return withNumbers(fromHtmlTable(html).value_or(QList<QStringList>()), html);
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
                    data->hasFormat(kGnumericFormat) || data->hasFormat(kLibreOfficeCellsFormat));
}

} // namespace clipboard
