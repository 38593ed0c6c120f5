// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// gnumericcells.cpp - cells in Gnumeric's own clipboard format.
#include "gnumericcells.h"

#include "markupwriter.h"
#include "platform/conversions.h"

#include <QXmlStreamReader>

#include <algorithm>

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

/// The range's size and origin, from the attributes of its first element.
struct Range {
    qsizetype rows = 0;
    qsizetype baseRow = 0;
    qsizetype baseCol = 0;
};

std::optional<Range> rangeOf(QXmlStreamReader& xml) {
    if (!xml.readNextStartElement() || xml.name() != u"ClipboardRange")
        return std::nullopt;
    const QXmlStreamAttributes attributes = xml.attributes();
    bool ok = true;
    const auto number = [&attributes, &ok](QLatin1StringView name) {
        bool read = false;
        const qsizetype value = attributes.value(name).toLongLong(&read);
        ok = ok && read && value >= 0;
        return value;
    };
    const Range range{number(QLatin1StringView("Rows")), number(QLatin1StringView("BaseRow")),
                      number(QLatin1StringView("BaseCol"))};
    return ok ? std::optional(range) : std::nullopt;
}

} // namespace

std::optional<qsizetype> gnumericRowCount(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    const std::optional<Range> range = rangeOf(reader);
    return range ? std::optional(range->rows) : std::nullopt;
}

std::optional<QList<QStringList>> fromGnumericCells(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    const std::optional<Range> range = rangeOf(reader);
    if (!range)
        return std::nullopt;
    QList<QStringList> rows(range->rows);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != u"Cell")
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        bool rowRead = false;
        bool colRead = false;
        const qsizetype row =
            attributes.value(QLatin1StringView("Row")).toLongLong(&rowRead) - range->baseRow;
        const qsizetype col =
            attributes.value(QLatin1StringView("Col")).toLongLong(&colRead) - range->baseCol;
        // A formula's result is its Value; anything else is the element's text.
        const bool computed = attributes.hasAttribute(QLatin1StringView("Value"));
        const QString value =
            computed ? attributes.value(QLatin1StringView("Value")).toString() : QString();
        QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        if (!rowRead || !colRead || row < 0 || row >= rows.size() || col < 0 || col >= 16384)
            return std::nullopt; // outside the range, or beyond any spreadsheet's columns
        QStringList& line = rows[row];
        while (line.size() <= col)
            line << QString();
        line[col] = computed ? value : std::move(text);
    }
    if (reader.hasError())
        return std::nullopt;
    return rows;
}

} // namespace clipboard
