// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// commands.cpp - every change of the list and the table as a step that can be undone and redone.
#include "commands.h"

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

void TableBefore::showOnly(const spisok& list, std::int32_t index) const {
    table.showOnly(list);
    table.scrollToEntry(index);
}

void TableBefore::restore(const spisok& shown, std::int32_t index) const {
    table.restore(shown, edits);
    table.scrollToEntry(index);
}

AddCommand::AddCommand(spisok& list, const ListTable& table, const vint& entry,
                       std::int32_t position)
    : QUndoCommand(QCoreApplication::translate("TForm1", "Add")), list(list), before(table, list),
      entry(entry), position(position), index(list.placeOf(position)) {}

void AddCommand::redo() {
    list.insert(entry, position);
    before.showOnly(list, index);
}

void AddCommand::undo() {
    list.removeAt(index);
    before.restore(list, index);
}

RemoveCommand::RemoveCommand(spisok& list, const ListTable& table, const vint& description,
                             std::int32_t index)
    : QUndoCommand(QCoreApplication::translate("TForm1", "Remove")), list(list),
      before(table, list), description(description), removed(recordOf(*list.at(index))),
      index(index) {}

void RemoveCommand::redo() {
    list.remove(description);
    before.showOnly(list, index);
}

void RemoveCommand::undo() {
    list.insert(removed, index);
    before.restore(list, index);
}

RepaintCommand::RepaintCommand(const QString& text, const spisok& list, const ListTable& table)
    : QUndoCommand(text), list(list), before(table, list) {
    setObsolete(before.showedOnly(list));
}

void RepaintCommand::redo() {
    before.showOnly(list, -1);
}

void RepaintCommand::undo() {
    before.restore(list, -1);
}

ClearCommand::ClearCommand(spisok& list, const ListTable& table)
    : QUndoCommand(QCoreApplication::translate("TForm1", "Clear the list")), list(list),
      before(table, list) {
    setObsolete(list.empty() && before.showedOnly(list));
}

void ClearCommand::redo() {
    list.swap(cleared);
    before.showOnly(list, 0);
}

void ClearCommand::undo() {
    list.swap(cleared);
    before.restore(list, 0);
}

AcceptCommand::AcceptCommand(spisok& list, const ListTable& table, spisok&& rebuilt)
    : QUndoCommand(QCoreApplication::translate("TForm1", "Accept the edits")), list(list),
      before(table, rebuilt) {
    other.swap(rebuilt);
    setObsolete(sameEntries(other, list) && before.showedOnly(other));
}

void AcceptCommand::redo() {
    list.swap(other);
    before.showOnly(list, 0);
}

void AcceptCommand::undo() {
    list.swap(other);
    // The table showed the rebuilt list, which `other` holds again, and the edits beyond it.
    before.restore(other, 0);
}
