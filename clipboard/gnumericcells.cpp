// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// gnumericcells.cpp - cells in Gnumeric's own clipboard format.
#include "gnumericcells.h"

#include "markupwriter.h"
#include "numberformat.h"
#include "platform/conversions.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace clipboard {
namespace {

// Gnumeric's value types: a string, a number, and the integer of its older files.
constexpr QLatin1StringView kText("60");
constexpr QLatin1StringView kNumber("40");
constexpr QLatin1StringView kInteger("30");

bool xmlCarries(QStringView text) {
    return text.isValidUtf16() && std::none_of(text.begin(), text.end(), [](QChar c) {
               const char16_t u = c.unicode();
               return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE ||
                      u == 0xFFFF;
           });
}

void putInteger(MarkupWriter& xml, qint64 value) {
    xml.put(platform::IntDigits(value).view());
}

} // namespace

bool gnumericCarries(const CopiedCells& cells) {
    return xmlCarries(cells.allTexts());
}

QByteArray toGnumericCells(const CopiedCells& cells) {
    Q_ASSERT_X(gnumericCarries(cells), "toGnumericCells", "XML carries every text");
    return MarkupWriter::written([&cells](MarkupWriter& xml) {
        xml.put(QLatin1StringView("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gnm:ClipboardRange "
                                  "xmlns:gnm=\"http://www.gnumeric.org/v10.dtd\" Cols=\""));
        putInteger(xml, cells.columnCount());
        xml.put(QLatin1StringView("\" Rows=\""));
        putInteger(xml, cells.rowCount());
        xml.put(QLatin1StringView("\" BaseCol=\"0\" BaseRow=\"0\">\n<gnm:Cells>\n"));
        for (qsizetype r = 0; r < cells.rowCount(); ++r)
            for (qsizetype c = 0; c < cells.columnCount(); ++c) {
                const QStringView cell = cells.at(r, c);
                if (cell.isEmpty())
                    continue;
                const std::optional<std::int32_t> number = cells.numberAt(r, c);
                xml.put(QLatin1StringView("<gnm:Cell Row=\""));
                putInteger(xml, r);
                xml.put(QLatin1StringView("\" Col=\""));
                putInteger(xml, c);
                xml.put(QLatin1StringView("\" ValueType=\""));
                xml.put(number ? kNumber : kText);
                xml.put(QLatin1StringView("\">"));
                if (number)
                    putInteger(xml, *number);
                else
                    xml.putEscaped(cell, QLatin1StringView("\n"));
                xml.put(QLatin1StringView("</gnm:Cell>\n"));
            }
        xml.put(QLatin1StringView("</gnm:Cells>\n</gnm:ClipboardRange>\n"));
    });
}

namespace {

/// The cells of a range whose style shows numbers as something else (a date, a percentage),
/// from the range's first row and column.
struct OtherwiseShown {
    qsizetype firstRow = 0, firstColumn = 0, lastRow = 0, lastColumn = 0;
    bool holds(qsizetype row, qsizetype column) const {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
};
/// Past this many such styles, every number is taken as shown otherwise, so that a hostile range
/// costs no more than this per cell.
constexpr std::size_t kMostStyles = 1024;

/// Walks Gnumeric's clipboard XML as fromGnumericCells() reads it, telling `sink` the range's row
/// count (`begin(rows)`) and each cell's place from the range's first row and column
/// (`cell(row, col, reader, shownAsNumber)`, which reads or skips the rest of the element;
/// `shownAsNumber` is false for a number that the sheet shows otherwise); false when the XML is not
/// such a range.
template <typename Sink> bool walkGnumericCells(const QByteArray& xml, Sink& sink) {
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != u"ClipboardRange")
        return false;
    bool ok = true;
    const auto number = [&ok](const QXmlStreamAttributes& attributes, QLatin1StringView name) {
        bool read = false;
        const qsizetype value = attributes.value(name).toLongLong(&read);
        ok = ok && read && value >= 0;
        return value;
    };
    const QXmlStreamAttributes range = reader.attributes();
    const qsizetype rows = number(range, QLatin1StringView("Rows"));
    const qsizetype cols = number(range, QLatin1StringView("Cols"));
    const qsizetype baseRow = number(range, QLatin1StringView("BaseRow"));
    const qsizetype baseCol = number(range, QLatin1StringView("BaseCol"));
    if (!ok)
        return false;
    sink.begin(rows);
    std::vector<OtherwiseShown> styles; ///< places relative to the range, as Gnumeric writes them
    bool tooManyStyles = false;
    std::optional<OtherwiseShown> region; ///< the style region being read
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == u"StyleRegion") {
            region = OtherwiseShown{number(attributes, QLatin1StringView("startRow")),
                                    number(attributes, QLatin1StringView("startCol")),
                                    number(attributes, QLatin1StringView("endRow")),
                                    number(attributes, QLatin1StringView("endCol"))};
            if (!ok)
                return false;
            continue;
        }
        if (reader.name() == u"Style") {
            if (region && !showsAsNumber(attributes.value(QLatin1StringView("Format")))) {
                tooManyStyles = tooManyStyles || styles.size() == kMostStyles;
                if (!tooManyStyles)
                    styles.push_back(*region);
            }
            region.reset();
            continue;
        }
        if (reader.name() != u"Cell")
            continue;
        const qsizetype row = number(attributes, QLatin1StringView("Row"));
        const qsizetype col = number(attributes, QLatin1StringView("Col"));
        if (!ok || row < baseRow || row - baseRow >= rows || col < baseCol || col - baseCol >= cols)
            return false; // outside the range
        const QStringView type = attributes.value(QLatin1StringView("ValueType"));
        bool shownAsNumber = true;
        if (type == kNumber || type == kInteger) {
            if (attributes.hasAttribute(QLatin1StringView("ValueFormat")))
                shownAsNumber = showsAsNumber(attributes.value(QLatin1StringView("ValueFormat")));
            else
                shownAsNumber =
                    !tooManyStyles &&
                    std::none_of(styles.begin(), styles.end(), [&](const OtherwiseShown& style) {
                        return style.holds(row - baseRow, col - baseCol);
                    });
        }
        sink.cell(row - baseRow, col - baseCol, reader, shownAsNumber);
    }
    return !reader.hasError();
}

} // namespace

std::optional<GnumericShape> gnumericShape(const QByteArray& xml) {
    struct Counter {
        qsizetype rows = 0;
        std::map<qsizetype, qsizetype> widths; ///< of the rows that hold a cell
        bool showsOtherwise = false;
        void begin(qsizetype count) { rows = count; }
        void cell(qsizetype row, qsizetype col, QXmlStreamReader& reader, bool shownAsNumber) {
            qsizetype& width = widths[row];
            width = std::max(width, col + 1);
            showsOtherwise = showsOtherwise || !shownAsNumber;
            reader.skipCurrentElement();
        }
    } counter;
    if (!walkGnumericCells(xml, counter))
        return std::nullopt;
    // Rows without a cell are empty.
    GnumericShape shape{{}, counter.showsOtherwise};
    qsizetype next = 0;
    for (const auto& [row, width] : counter.widths) {
        shape.table.addRows(row - next, 0);
        shape.table.addRow(width);
        next = row + 1;
    }
    shape.table.addRows(counter.rows - next, 0);
    return shape;
}

std::optional<QList<QStringList>> fromGnumericCells(const QByteArray& xml,
                                                    const QList<QStringList>& shown) {
    struct Builder {
        const QList<QStringList>& shown;
        QList<QStringList> rows;
        void begin(qsizetype count) { rows.resize(count); }
        void cell(qsizetype row, qsizetype col, QXmlStreamReader& reader, bool shownAsNumber) {
            // A formula's result is its Value; anything else is the element's text.
            const QXmlStreamAttributes attributes = reader.attributes();
            const bool computed = attributes.hasAttribute(QLatin1StringView("Value"));
            const QString value =
                computed ? attributes.value(QLatin1StringView("Value")).toString() : QString();
            QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            QStringList& line = rows[row];
            while (line.size() <= col)
                line << QString();
            if (!shownAsNumber && row < shown.size() && col < shown[row].size())
                line[col] = shown[row][col];
            else
                line[col] = computed ? value : std::move(text);
        }
    } builder{shown, {}};
    if (!walkGnumericCells(xml, builder))
        return std::nullopt;
    return std::move(builder.rows);
}

} // namespace clipboard
