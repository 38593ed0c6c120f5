// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// windowmodel.cpp - what the window should hold, from the commands' described results.
#include "windowmodel.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>
#include <limits>

namespace {

const char* const kCaptions[] = {"фирма",          "марка", "объем", "цена",  "цена",
                                 "на какое место", "фирма", "марка", "объем", "цена"};
const char* const kHeadings[] = {"", "firma", "marka", "objom", "zena"};
const QStringList kBlankRow = {"", "", "", "", ""};

bool isControl(QChar c) {
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

} // namespace

WindowModel::WindowModel()
    : cells({{"", "firma", "marka", "objom", "zena"}, kBlankRow}),
      results({"результат", " поиска", "по цене"}),
      edits({"seagate", "barracuda", "80", "4000", "700", "1", "seagate", "barracuda", "80",
             "4000"}) {}

QString WindowModel::cellName(int col, int row) {
    return QStringLiteral("Row ") + QString::number(row) + QStringLiteral(", column ") +
           QString::number(col) + QStringLiteral(" (") + QLatin1String(kHeadings[col]) + u')';
}

QString WindowModel::quote(const QString& text) {
    if (text.size() <= 30)
        return u'\'' + text + u'\'';
    const qsizetype cut = text[29].isHighSurrogate() ? 29 : 30;
    return u'\'' + text.left(cut) + QStringLiteral("…'");
}

QString WindowModel::decode(const std::string& bytes) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

void WindowModel::setEdit(int edit, const QString& text) {
    edits[std::size_t(edit - 1)] = text;
}

bool WindowModel::editCell(int col, int row, const QString& text) {
    if (col == 0 || row == 0 || col >= 5 || row >= cells.size())
        return false;
    cells[row][col] = text;
    return true;
}

void WindowModel::run(Command command) {
    refused.reset();
    switch (command) {
    case Command::Add:
        add();
        break;
    case Command::Remove:
        remove();
        break;
    case Command::Search:
        search();
        break;
    case Command::Clear:
        entries.clear();
        cells.resize(2);
        showList();
        break;
    case Command::Accept:
        accept();
        break;
    }
}

WindowModel::Source WindowModel::editSource(int edit) const {
    return {edits[std::size_t(edit - 1)],
            Refusal{QString::fromUtf8(kCaptions[edit - 1]), {}, edit}};
}

WindowModel::Source WindowModel::cellSource(int col, int row) const {
    return {cells[row][col], Refusal{cellName(col, row), {}, 0, col, row}};
}

bool WindowModel::readText(char (&field)[kTextFieldSize], const Source& source) {
    const QString& text = source.text;
    const auto refuse = [&](const QString& quoted) {
        refused = source.where;
        refused->quote = quoted;
        return false;
    };
    if (std::any_of(text.begin(), text.end(), isControl))
        return refuse({});
    QStringEncoder encoder("windows-1251");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || bytes.size() > qsizetype(kTextFieldSize - 1))
        return refuse(quote(text));
    std::memset(field, 0, kTextFieldSize);
    std::memcpy(field, bytes.constData(), std::size_t(bytes.size()));
    return true;
}

bool WindowModel::readNumber(std::int32_t& value, const Source& source) {
    static const QRegularExpression wellFormed(QStringLiteral("\\A-?[0-9]+\\z"));
    bool ok = false;
    const qlonglong number = source.text.toLongLong(&ok);
    if (wellFormed.match(source.text).hasMatch() && ok &&
        number >= std::numeric_limits<std::int32_t>::min() &&
        number <= std::numeric_limits<std::int32_t>::max()) {
        value = std::int32_t(number);
        return true;
    }
    refused = source.where;
    refused->quote = quote(source.text);
    return false;
}

bool WindowModel::readEntry(vint& entry, const std::array<Source, 4>& sources) {
    return readText(entry.firma, sources[0]) && readText(entry.marka, sources[1]) &&
           readNumber(entry.objom, sources[2]) && readNumber(entry.zena, sources[3]);
}

void WindowModel::add() {
    vint entry{};
    std::int32_t position = 0;
    if (!readEntry(entry, {editSource(1), editSource(2), editSource(3), editSource(4)}) ||
        !readNumber(position, editSource(6)))
        return;
    entries.insert(entry, position);
    cells.append(kBlankRow);
    showList();
}

void WindowModel::remove() {
    vint entry{};
    if (!readEntry(entry, {editSource(7), editSource(8), editSource(9), editSource(10)}) ||
        entries.entries().empty())
        return;
    if (entries.remove(entry))
        cells.removeLast();
    showList();
}

void WindowModel::search() {
    std::int32_t price = 0;
    if (!readNumber(price, editSource(5)))
        return;
    const ReferenceEntry found = entries.findByPrice(price);
    if (!entries.entries().empty() && found.zena == price)
        results = {decode(found.firma), decode(found.marka), QString::number(found.objom)};
    else
        results = {"net", "takogo", "vinta"};
}

void WindowModel::accept() {
    ReferenceList rebuilt;
    for (int row = 1; row < cells.size() - 1; ++row) {
        vint entry{};
        if (!readEntry(entry, {cellSource(1, row), cellSource(2, row), cellSource(3, row),
                               cellSource(4, row)}))
            return;
        rebuilt.insert(entry, row - 1);
    }
    entries = rebuilt;
    showList();
}

void WindowModel::showList() {
    for (int row = 1; row < cells.size(); ++row)
        cells[row] = kBlankRow;
    int row = 1;
    for (const ReferenceEntry& e : entries.entries()) {
        if (row >= cells.size())
            break;
        cells[row++] = {"", decode(e.firma), decode(e.marka), QString::number(e.objom),
                        QString::number(e.zena)};
    }
}
