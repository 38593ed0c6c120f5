// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// commands.cpp - every change of the list and the table as a step that can be undone and redone.
#include "commands.h"

#include "platform/stringgrid.h"

#include <QCoreApplication>

#include <algorithm>

#include <cstring>
#include <utility>

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

ListCommand::ListCommand(const QString& text, spisok& list, const ListTable& table,
                         const spisok& shown)
    : QUndoCommand(text), list(list), table(table), before(table.editsOver(shown)) {}

void ListCommand::redo() {
    changeList();
    table.showOnly(list);
    table.showEntry(changedIndex());
}

void ListCommand::undo() {
    restoreList();
    table.restore(shownBefore(), before);
    table.showEntry(changedIndex());
}

AddCommand::AddCommand(spisok& list, const ListTable& table, const vint& entry,
                       std::int32_t position)
    : ListCommand(QCoreApplication::translate("TForm1", "Add"), list, table, list), entry(entry),
      position(position), index(list.placeOf(position)) {}

void AddCommand::changeList() {
    list.insert(entry, position);
}

void AddCommand::restoreList() {
    list.removeAt(index);
}

RemoveCommand::RemoveCommand(spisok& list, const ListTable& table, const vint& description,
                             std::int32_t index)
    : ListCommand(QCoreApplication::translate("TForm1", "Remove"), list, table, list),
      description(description), index(index) {
    if (index >= 0)
        removed = recordOf(*list.at(index));
    // Matching nothing, it only repaints: a step only when that changes the table.
    setObsolete(index < 0 && tableShowedOnly(list));
}

void RemoveCommand::changeList() {
    if (index >= 0)
        list.remove(description);
}

void RemoveCommand::restoreList() {
    if (index >= 0)
        list.insert(removed, index);
}

ExchangeCommand::ExchangeCommand(const QString& text, spisok& list, const ListTable& table,
                                 const spisok& shown, spisok&& replacement)
    : ListCommand(text, list, table, shown) {
    other.swap(replacement);
}

ClearCommand::ClearCommand(spisok& list, const ListTable& table)
    : ExchangeCommand(QCoreApplication::translate("TForm1", "Clear the list"), list, table, list,
                      spisok()) {
    setObsolete(list.empty() && tableShowedOnly(list));
}

AcceptCommand::AcceptCommand(spisok& list, const ListTable& table, spisok&& rebuilt)
    : ExchangeCommand(QCoreApplication::translate("TForm1", "Accept the edits"), list, table,
                      rebuilt, std::move(rebuilt)) {
    setObsolete(sameEntries(other, list) && tableShowedOnly(other));
}

CellEditCommand::CellEditCommand(platform::StringGrid* grid, const platform::CellEdit& edit)
    : QUndoCommand(edit.name), grid(grid), after(edit), before(grid->gridModel()->inverseOf(edit)) {
    // Texts written over the same texts, or rows left in their order, change nothing the user
    // could see: no step.
    // The row count first: comparing every text is the dear part.
    setObsolete(after.rowCount == before.rowCount && after.texts == before.texts &&
                std::is_sorted(after.rowOrder.begin(), after.rowOrder.end()));
}

void CellEditCommand::redo() {
    grid->gridModel()->apply(after);
    grid->showRow(after.row);
}

void CellEditCommand::undo() {
    grid->gridModel()->apply(before);
    grid->showRow(before.row);
}
