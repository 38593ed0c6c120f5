// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// gnumericcells.cpp - cells in Gnumeric's own clipboard format.
#include "gnumericcells.h"

#include "markupwriter.h"
#include "platform/conversions.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <utility>

namespace clipboard {
namespace {

// Gnumeric's value types: a string, and a number.
constexpr QLatin1StringView kText("60");
constexpr QLatin1StringView kNumber("40");

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

/// Walks Gnumeric's clipboard XML as fromGnumericCells() reads it, telling `sink` the range's row
/// count (`begin(rows)`) and each cell's place (`cell(row, col, reader)`, which reads or skips the
/// rest of the element); false when the XML is not such a range.
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
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != u"Cell")
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const qsizetype row = number(attributes, QLatin1StringView("Row"));
        const qsizetype col = number(attributes, QLatin1StringView("Col"));
        if (!ok || row < baseRow || row - baseRow >= rows || col < baseCol || col - baseCol >= cols)
            return false; // outside the range
        sink.cell(row - baseRow, col - baseCol, reader);
    }
    return !reader.hasError();
}

} // namespace

std::optional<TableShape> gnumericShape(const QByteArray& xml) {
    struct Counter {
        qsizetype rows = 0;
        std::map<qsizetype, qsizetype> widths; ///< of the rows that hold a cell
        void begin(qsizetype count) { rows = count; }
        void cell(qsizetype row, qsizetype col, QXmlStreamReader& reader) {
            qsizetype& width = widths[row];
            width = std::max(width, col + 1);
            reader.skipCurrentElement();
        }
    } counter;
    if (!walkGnumericCells(xml, counter))
        return std::nullopt;
    // Rows without a cell are empty.
    TableShape shape;
    qsizetype next = 0;
    for (const auto& [row, width] : counter.widths) {
        shape.addRows(row - next, 0);
        shape.addRow(width);
        next = row + 1;
    }
    shape.addRows(counter.rows - next, 0);
    return shape;
}

std::optional<QList<QStringList>> fromGnumericCells(const QByteArray& xml) {
    struct Builder {
        QList<QStringList> rows;
        void begin(qsizetype count) { rows.resize(count); }
        void cell(qsizetype row, qsizetype col, QXmlStreamReader& reader) {
            // A formula's result is its Value; anything else is the element's text.
            const QXmlStreamAttributes attributes = reader.attributes();
            const bool computed = attributes.hasAttribute(QLatin1StringView("Value"));
            const QString value =
                computed ? attributes.value(QLatin1StringView("Value")).toString() : QString();
            QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            QStringList& line = rows[row];
            while (line.size() <= col)
                line << QString();
            line[col] = computed ? value : std::move(text);
        }
    } builder;
    if (!walkGnumericCells(xml, builder))
        return std::nullopt;
    return std::move(builder.rows);
}

} // namespace clipboard
