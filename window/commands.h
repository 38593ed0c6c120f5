// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// commands.h - every change of the list and the table as a step that can be undone and redone.
#pragma once

#include "listtable.h"

#include "grid/gridedit.h"
#include "grid/stringgrid.h"
#include "list/spisok.h"

#include <QString>
#include <QUndoCommand>

#include <cstdint>
#include <utility>

// Each list step is handed the list and the table it changes when it is made. Its first redo()
// carries the command out; every redo() ends with the table showing just the list (one row per
// entry and the blank last row), every undo() with the table as it was before, edits not accepted
// included. A step that would change neither the list nor the table marks itself obsolete: it is
// no step.

/// The table as a list step found it, to put back on undo: the list it showed and the edits it
/// held beyond that list. Both ends scroll the row of the entry at `index` into view (none for a
/// negative index).
struct TableBefore {
    TableBefore(const ListTable& table, const spisok& shown)
        : table(table), edits(table.editsOver(shown)) {}

    /// Shows just `list`.
    void showOnly(const spisok& list, std::int32_t index) const;
    /// Puts the table back over `shown`, the list it showed before the step.
    void restore(const spisok& shown, std::int32_t index) const;
    /// Whether the table showed just `shown`, nothing typed beyond it.
    bool showedOnly(const spisok& shown) const { return table.showsOnly(shown, edits); }

    ListTable table;
    TableEdits edits;
};

/// Inserts an entry at a position; undo removes that very entry, even when an equal one stands
/// before it. Keeps one record.
class AddCommand : public QUndoCommand {
public:
    AddCommand(spisok& list, const ListTable& table, const vint& entry, std::int32_t position);
    void redo() override;
    void undo() override;

private:
    spisok& list;
    TableBefore before;
    vint entry;
    std::int32_t position;
    std::int32_t index; ///< where the entry lands
};

/// Removes the first entry that matches a description, the one at `index`; undo puts it back
/// there. Keeps two records.
class RemoveCommand : public QUndoCommand {
public:
    RemoveCommand(spisok& list, const ListTable& table, const vint& description,
                  std::int32_t index);
    void redo() override;
    void undo() override;

private:
    spisok& list;
    TableBefore before;
    vint description;
    vint removed;
    std::int32_t index;
};

/// A remove that matched nothing: the list stays, and the table shows just the list again. A step
/// only when the table showed more.
class RepaintCommand : public QUndoCommand {
public:
    RepaintCommand(const QString& text, const spisok& list, const ListTable& table);
    void redo() override;
    void undo() override;

private:
    const spisok& list;
    TableBefore before;
};

/// Empties the list; the entries change hands, so the step costs no copy of them.
class ClearCommand : public QUndoCommand {
public:
    ClearCommand(spisok& list, const ListTable& table);
    void redo() override;
    void undo() override;

private:
    spisok& list;
    TableBefore before;
    spisok cleared; ///< the entries, while the step is done
};

/// Makes a list read from the table the list. The table shows it already, so the step keeps only
/// what the table shows beyond it; the entries change hands.
class AcceptCommand : public QUndoCommand {
public:
    /// Takes `rebuilt`'s entries, leaving it empty.
    AcceptCommand(spisok& list, const ListTable& table, spisok&& rebuilt);
    void redo() override;
    void undo() override;

private:
    spisok& list;
    TableBefore before;
    /// The entries the list does not hold now: the rebuilt ones while the step is undone, the
    /// replaced ones while it is done.
    spisok other;
};

/// An edit of the table's cells (grid::GridEdit): texts typed, pasted, cut or deleted, rows
/// sorted, put in or taken out. Undo carries out its inverse, taken from the cells as the edit
/// found them. An edit that changes nothing is no step.
template <typename Edit> class GridEditCommand : public QUndoCommand {
public:
    GridEditCommand(grid::StringGrid* grid, Edit edit)
        : QUndoCommand(edit.name), grid(grid), after(std::move(edit)),
          before(grid->gridModel()->inverseOf(after)) {
        setObsolete(grid::changesNothing(after, before));
    }
    void redo() override {
        grid->gridModel()->apply(after);
        grid->scrollToRow(after.row);
    }
    void undo() override {
        grid->gridModel()->apply(before);
        grid->scrollToRow(before.row);
    }

private:
    grid::StringGrid* grid;
    Edit after;
    decltype(std::declval<grid::StringGridModel>().inverseOf(std::declval<Edit>())) before;
};
