// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// windowmodel.cpp - what the window should hold, from the commands' described results.
#include "windowmodel.h"

#include <QCollator>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

const QStringList kBlankRow = {"", "", "", "", ""};

bool isControl(QChar c) {
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

} // namespace

WindowModel::WindowModel()
    : state{{}, {{"", "firma", "marka", "objom", "zena"}, kBlankRow}},
      results({"результат", " поиска", "по цене"}),
      edits({"seagate", "barracuda", "80", "4000", "700", "1", "seagate", "barracuda", "80",
             "4000"}) {}

QString WindowModel::decode(const std::string& bytes) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

void WindowModel::setEdit(int edit, const QString& text) {
    edits[std::size_t(edit - 1)] = text;
}

bool WindowModel::editCell(int col, int row, const QString& text, bool open) {
    if (col == 0 || row == 0 || col >= 5 || row >= state.cells.size())
        return false;
    moveTo(col, row);
    if (!openEditor)
        openEditor = OpenEditor{col, row, state.cells[row][col]};
    state.cells[row][col] = text;
    if (!open)
        commitOpenEditor();
    return true;
}

void WindowModel::moveTo(int col, int row) {
    if (openEditor && (openEditor->col != col || openEditor->row != row))
        commitOpenEditor();
}

void WindowModel::commitOpenEditor() {
    if (!openEditor)
        return;
    const OpenEditor editor = *std::exchange(openEditor, std::nullopt);
    if (state.cells[editor.row][editor.col] == editor.before)
        return; // a cell left as it was is no step
    State before = state;
    before.cells[editor.row][editor.col] = editor.before;
    record(before, editor.row);
}

void WindowModel::forget() {
    refused.reset();
    refusedCells.clear();
    rowShown.reset();
    rowFound.reset();
    cellsPasted.reset();
}

void WindowModel::begin() {
    forget();
    commitOpenEditor();
}

WindowModel::Tally& WindowModel::Tally::operator+=(const Tally& other) {
    middleRemoves += other.middleRemoves;
    undoneMiddleRemoves += other.undoneMiddleRemoves;
    sorts += other.sorts;
    sortsWithTies += other.sortsWithTies;
    sortsWithNonNumbers += other.sortsWithNonNumbers;
    sortsOverEdits += other.sortsOverEdits;
    longSorts += other.longSorts;
    htmlPastes += other.htmlPastes;
    groupedNumbers += other.groupedNumbers;
    acceptsRefusingMany += other.acceptsRefusingMany;
    blankRowsRefused += other.blankRowsRefused;
    return *this;
}

bool WindowModel::record(const State& before, int row) {
    // Every step changes what the user sees.
    if (state == before)
        return false;
    done.push_back({before, state, row});
    undone.clear();
    rowShown = row;
    return true;
}

void WindowModel::undo() {
    // With nothing to undo the action is disabled, and an open editor stays open.
    forget();
    if (done.empty())
        return;
    begin();
    undone.push_back(std::move(done.back()));
    done.pop_back();
    state = undone.back().before;
    rowShown = undone.back().row;
    met.undoneMiddleRemoves += undone.back().middleRemove;
}

void WindowModel::redo() {
    forget();
    if (undone.empty())
        return;
    begin(); // an open editor's text is a new step, which leaves nothing to redo
    if (undone.empty())
        return;
    done.push_back(std::move(undone.back()));
    undone.pop_back();
    state = done.back().after;
    rowShown = done.back().row;
}

QString WindowModel::tabSeparated(const Block& rows, bool quoteAll, bool crlf, bool finalBreak) {
    QStringList lines;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& cell : row) {
            const bool special = cell.contains(u'\t') || cell.contains(u'\n') ||
                                 cell.contains(u'\r') || cell.contains(u'"');
            fields << (special || quoteAll ? u'"' + QString(cell).replace("\"", "\"\"") + u'"'
                                           : cell);
        }
        lines << fields.join(u'\t');
    }
    const QString end = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    // An empty last line needs its line end, or it is no line at all.
    const bool needsBreak = !lines.isEmpty() && lines.last().isEmpty();
    return lines.join(end) + (lines.isEmpty() || (!finalBreak && !needsBreak) ? QString() : end);
}

QString WindowModel::clipboardText() const {
    return tabSeparated(clipboard);
}

void WindowModel::copy(const QRect& cells) {
    begin();
    clipboard.clear();
    for (int row = cells.top(); row <= cells.bottom(); ++row)
        clipboard << state.cells[row].mid(cells.left(), cells.width());
}

void WindowModel::cut(const QRect& cells) {
    copy(cells);
    erase(cells);
}

void WindowModel::erase(const QRect& cells) {
    begin();
    write(cells, Block(cells.height(), QStringList(cells.width(), QString())));
}

void WindowModel::write(const QRect& cells, const Block& texts) {
    const State before = state;
    for (int r = 0; r < cells.height(); ++r)
        for (int c = 0; c < cells.width(); ++c)
            state.cells[cells.top() + r][cells.left() + c] = texts[r][c];
    record(before, cells.top());
}

void WindowModel::deleteRows(const QRect& cells) {
    const int top = std::max(cells.top(), 1);
    const int bottom = std::min(cells.bottom(), int(state.cells.size()) - 2);
    forget();
    if (bottom < top)
        return; // no entry row among them: the action is disabled
    begin();
    const State before = state;
    state.cells.remove(top, bottom - top + 1);
    record(before, top);
}

void WindowModel::insertRows(const QRect& cells) {
    begin();
    if (state.cells.size() + cells.height() > 1000000) {
        refused = Refusal{-1, 0, 0};
        return;
    }
    const State before = state;
    state.cells.insert(cells.top(), cells.height(), kBlankRow);
    record(before, cells.top());
}

void WindowModel::sortRows(int col, bool descending) {
    forget();
    const qsizetype entries = state.cells.size() - 2;
    if (entries < 2)
        return; // nothing to reorder: the action is disabled
    begin();
    // Whether row a goes strictly before row b. Numbers come before texts that are none, in
    // either direction; texts compare as the collator does, the empty one least.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const bool numbers = col >= 3;
    const auto before = [&](const QStringList& a, const QStringList& b) {
        if (numbers) {
            const auto x = numberIn(a[col]), y = numberIn(b[col]);
            if (!x || !y)
                return x && !y;
            return descending ? *y < *x : *x < *y;
        }
        const QString& x = descending ? b[col] : a[col];
        const QString& y = descending ? a[col] : b[col];
        if (x.isEmpty() || y.isEmpty())
            return x.isEmpty() && !y.isEmpty();
        return collator.compare(x, y) < 0;
    };
    // Each row goes after every row already placed that it does not go before: equal keys keep
    // their order.
    QList<QStringList> sorted;
    bool ties = false, nonNumbers = false;
    for (qsizetype row = 1; row <= entries; ++row) {
        const QStringList& line = state.cells[row];
        const auto at = std::upper_bound(sorted.begin(), sorted.end(), line, before);
        ties = ties || (at != sorted.begin() && !before(*(at - 1), line));
        nonNumbers = nonNumbers || (numbers && !numberIn(line[col]));
        sorted.insert(at, line);
    }
    const State was = state;
    std::copy(sorted.begin(), sorted.end(), state.cells.begin() + 1);
    if (!record(was, 1))
        return;
    ++met.sorts;
    met.sortsWithTies += ties;
    met.sortsWithNonNumbers += nonNumbers;
    met.sortsOverEdits += !showsOnlyTheList(was);
    met.longSorts += entries > 16;
}

bool WindowModel::showsOnlyTheList(const State& s) {
    const auto& entries = s.entries.entries();
    if (s.cells.size() != qsizetype(entries.size()) + 2 || s.cells.last() != kBlankRow)
        return false;
    return std::equal(
        entries.begin(), entries.end(), s.cells.begin() + 1,
        [](const ReferenceEntry& e, const QStringList& row) { return row == rowOf(e); });
}

void WindowModel::paste(int col, int row) {
    const Block& rows = clipboard;
    forget();
    if (rows.isEmpty())
        return; // nothing to paste: the action is disabled
    begin();
    qsizetype width = 0;
    for (const QStringList& line : rows)
        width = std::max(width, line.size());
    const qsizetype lastRow = row + rows.size() - 1;
    const qsizetype rowCount = std::max<qsizetype>(
        state.cells.size(), lastRow >= state.cells.size() - 1 ? lastRow + 2 : 0);
    // Wider than the columns left, or longer than the table may grow: refused.
    if (width > 5 - col || rowCount > 1000000) {
        refused = Refusal{-1, 0, 0};
        return;
    }
    const State before = state;
    while (state.cells.size() < rowCount)
        state.cells.append(kBlankRow);
    Block texts = rows;
    for (QStringList& line : texts)
        while (line.size() < width)
            line << QString();
    for (qsizetype r = 0; r < texts.size(); ++r)
        for (qsizetype c = 0; c < width; ++c)
            state.cells[row + r][col + c] = texts[r][c];
    cellsPasted = QRect(col, row, int(width), int(texts.size()));
    record(before, row);
}

void WindowModel::run(Command command) {
    begin();
    const State before = state;
    int row = 1;
    switch (command) {
    case Command::Add:
        row = add();
        break;
    case Command::Remove:
        row = remove();
        break;
    case Command::Search:
        search();
        return;
    case Command::Clear:
        state.entries.clear();
        state.cells.resize(2);
        showList();
        break;
    case Command::Accept:
        accept();
        break;
    }
    // A command that changes neither the list nor the table is no step.
    if (!record(before, row))
        return;
    const std::size_t count = before.entries.entries().size();
    if (command == Command::Remove && state.entries.entries().size() < count && row > 1 &&
        std::size_t(row) < count) {
        done.back().middleRemove = true;
        ++met.middleRemoves;
    }
}

WindowModel::Source WindowModel::editSource(int edit) const {
    return {edits[std::size_t(edit - 1)], Refusal{edit, 0, 0}};
}

WindowModel::Source WindowModel::cellSource(int col, int row) const {
    return {state.cells[row][col], Refusal{0, col, row}};
}

bool WindowModel::readText(char (&field)[kTextFieldSize], const Source& source) {
    const QString& text = source.text;
    QStringEncoder encoder("windows-1251");
    const QByteArray bytes = encoder.encode(text);
    if (std::any_of(text.begin(), text.end(), isControl) || encoder.hasError() ||
        bytes.size() > qsizetype(kTextFieldSize - 1)) {
        refused = source.where;
        return false;
    }
    std::memset(field, 0, kTextFieldSize);
    std::memcpy(field, bytes.constData(), std::size_t(bytes.size()));
    return true;
}

std::optional<std::int32_t> WindowModel::numberIn(const QString& text) {
    // A minus sign (hyphen-minus or U+2212), then digits whole, or grouped in threes by one
    // separator: a space, a no-break space, a narrow no-break space, or the locale's own.
    static const QRegularExpression wellFormed(
        QStringLiteral("\\A[-\\x{2212}]?([0-9]+|[0-9]{1,3}(?<sep>[ \\x{A0}\\x{202F}%1])[0-9]{3}"
                       "(\\k<sep>[0-9]{3})*)\\z")
            .arg(QRegularExpression::escape(QLocale().groupSeparator())));
    bool ok = false;
    const qlonglong number = QString(text)
                                 .replace(u'\u2212', u'-')
                                 .remove(QRegularExpression(QStringLiteral("[^-0-9]")))
                                 .toLongLong(&ok);
    if (wellFormed.match(text).hasMatch() && ok &&
        number >= std::numeric_limits<std::int32_t>::min() &&
        number <= std::numeric_limits<std::int32_t>::max())
        return std::int32_t(number);
    return std::nullopt;
}

bool WindowModel::readNumber(std::int32_t& value, const Source& source) {
    const std::optional<std::int32_t> number = numberIn(source.text);
    if (!number) {
        refused = source.where;
        return false;
    }
    value = *number;
    met.groupedNumbers += source.text.contains(QRegularExpression(QStringLiteral("[^-0-9]")));
    return true;
}

bool WindowModel::readEntry(vint& entry, const std::array<Source, 4>& sources) {
    return readText(entry.firma, sources[0]) && readText(entry.marka, sources[1]) &&
           readNumber(entry.objom, sources[2]) && readNumber(entry.zena, sources[3]);
}

int WindowModel::add() {
    vint entry{};
    std::int32_t position = 0;
    if (!readEntry(entry, {editSource(1), editSource(2), editSource(3), editSource(4)}) ||
        !readNumber(position, editSource(6)))
        return 0;
    const std::int32_t count = std::int32_t(state.entries.entries().size());
    state.entries.insert(entry, position);
    // The table returns to one row per entry and one blank row.
    state.cells.resize(count + 3);
    showList();
    return (position < 0 || position > count ? count : position) + 1;
}

int WindowModel::remove() {
    vint entry{};
    if (!readEntry(entry, {editSource(7), editSource(8), editSource(9), editSource(10)}) ||
        state.entries.entries().empty())
        return 0;
    const std::int32_t at = state.entries.indexOf(entry);
    const bool removed = state.entries.remove(entry);
    state.cells.resize(qsizetype(state.entries.entries().size()) + 2);
    showList();
    return removed ? at + 1 : 0;
}

void WindowModel::search() {
    std::int32_t price = 0;
    if (!readNumber(price, editSource(5)))
        return;
    const ReferenceEntry found = state.entries.findByPrice(price);
    if (!state.entries.entries().empty() && found.zena == price) {
        results = {decode(found.firma), decode(found.marka), QString::number(found.objom)};
        const auto& all = state.entries.entries();
        rowFound = int(std::find(all.begin(), all.end(), found) - all.begin()) + 1;
        rowShown = rowFound;
    } else {
        results = {"net", "takogo", "vinta"};
    }
}

void WindowModel::accept() {
    // Every cell is read; the refused ones are named, the first is where the user goes.
    ReferenceList rebuilt;
    std::vector<Refusal> all;
    for (int row = 1; row < state.cells.size() - 1; ++row) {
        // A wholly blank row is refused once, as a row.
        if (std::all_of(state.cells[row].begin() + 1, state.cells[row].begin() + 5,
                        [](const QString& text) { return text.isEmpty(); })) {
            all.push_back(Refusal{0, 1, row, true});
            ++met.blankRowsRefused;
            continue;
        }
        vint entry{};
        for (int col = 1; col <= 4; ++col) {
            const Source cell = cellSource(col, row);
            const bool taken = col <= 2 ? readText(col == 1 ? entry.firma : entry.marka, cell)
                                        : readNumber(col == 3 ? entry.objom : entry.zena, cell);
            if (!taken)
                all.push_back(*refused);
        }
        rebuilt.insert(entry, row - 1);
    }
    if (!all.empty()) {
        met.acceptsRefusingMany += all.size() > 1;
        refused = all.front();
        refusedCells = std::move(all);
        return;
    }
    state.entries = rebuilt;
    showList();
}

std::optional<QString> WindowModel::listed(int col, int row) const {
    const auto& entries = state.entries.entries();
    if (row < 1 || std::size_t(row) > entries.size())
        return std::nullopt;
    return rowOf(entries[std::size_t(row - 1)])[col];
}

QStringList WindowModel::rowOf(const ReferenceEntry& e) {
    return {"", decode(e.firma), decode(e.marka), QString::number(e.objom),
            QString::number(e.zena)};
}

void WindowModel::showList() {
    for (int row = 1; row < state.cells.size(); ++row)
        state.cells[row] = kBlankRow;
    int row = 1;
    for (const ReferenceEntry& e : state.entries.entries()) {
        if (row >= state.cells.size())
            break;
        state.cells[row++] = rowOf(e);
    }
}
