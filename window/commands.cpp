// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// commands.cpp - every change of the list and the table as a step that can be undone and redone.
#include "commands.h"

#include "Unit1.h"

#include <QCoreApplication>

#include <cstring>

namespace {

/// Whether two lists hold the same entries in the same order. Linear.
bool sameEntries(const spisok& a, const spisok& b) {
    if (a.size() != b.size())
        return false;
    for (const node *p = a.headNode(), *q = b.headNode(); p; p = p->next, q = q->next)
        if (std::strncmp(p->firma, q->firma, kTextFieldSize) != 0 ||
            std::strncmp(p->marka, q->marka, kTextFieldSize) != 0 || p->objom != q->objom ||
            p->zena != q->zena)
            return false;
    return true;
}

} // namespace

ListCommand::ListCommand(const QString& text, platform::StringGrid* grid, const spisok& shown)
    : QUndoCommand(text), grid(grid), before(tableEdits(shown)) {}

const spisok& ListCommand::shownBefore() const {
    return drives;
}

void ListCommand::redo() {
    changeList();
    grid->setRowCount(drives.size() + 2);
    showList(drives);
    grid->showRow(changedRow());
}

void ListCommand::undo() {
    restoreList();
    grid->setRowCount(before.rowCount);
    showList(shownBefore());
    for (const TableEdits::Cell& cell : before.cells)
        grid->setCells(cell.col, cell.row, cell.text);
    grid->showRow(changedRow());
}

AddCommand::AddCommand(platform::StringGrid* grid, const vint& entry, std::int32_t position)
    : ListCommand(QCoreApplication::translate("TForm1", "Add"), grid, drives), entry(entry),
      position(position), index(drives.placeOf(position)) {}

void AddCommand::changeList() {
    drives.insert(entry, position);
}

void AddCommand::restoreList() {
    drives.removeAt(index);
}

RemoveCommand::RemoveCommand(platform::StringGrid* grid, const vint& description,
                             std::int32_t index)
    : ListCommand(QCoreApplication::translate("TForm1", "Remove"), grid, drives),
      description(description), index(index) {
    if (index >= 0)
        removed = recordOf(*drives.at(index));
    // Matching nothing, it only repaints: a step only when that changes the table.
    setObsolete(index < 0 && tableShowsOnly(drives));
}

void RemoveCommand::changeList() {
    if (index >= 0)
        drives.remove(description);
}

void RemoveCommand::restoreList() {
    if (index >= 0)
        drives.insert(removed, index);
}

ReplaceCommand::ReplaceCommand(platform::StringGrid* grid, const QString& text, spisok& replacement,
                               bool readFromTable)
    : ListCommand(text, grid, readFromTable ? replacement : drives), readFromTable(readFromTable) {
    const bool sameList = readFromTable ? sameEntries(replacement, drives) : drives.empty();
    setObsolete(sameList && tableShowsOnly(readFromTable ? replacement : drives));
    other.swap(replacement);
}

const spisok& ReplaceCommand::shownBefore() const {
    return readFromTable ? other : drives;
}

void ReplaceCommand::changeList() {
    drives.swap(other);
}

void ReplaceCommand::restoreList() {
    drives.swap(other);
}

CellEditCommand::CellEditCommand(platform::StringGrid* grid, const platform::CellEdit& edit)
    : QUndoCommand(edit.name), grid(grid), after(edit), before(grid->inverseOf(edit)) {}

void CellEditCommand::redo() {
    grid->apply(after);
    grid->showRow(after.row);
}

void CellEditCommand::undo() {
    grid->apply(before);
    grid->showRow(before.row);
}
