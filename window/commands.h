// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// commands.h - every change of the list and the table as a step that can be undone and redone.
#pragma once

#include "listtable.h"

#include "list/spisok.h"
#include "platform/stringgridmodel.h"

#include <QString>
#include <QUndoCommand>

#include <cstdint>

namespace platform {
class StringGrid;
}

/// A command that changes a list shown in a table. Each step is handed the list and the table it
/// changes when it is made. Its first redo() carries the command out; every redo() ends with the
/// table showing just the list (one row per entry and the blank last row), every undo() with the
/// table as it was before, edits not accepted included. The row that changed is scrolled into
/// view. A command that would change neither the list nor the table marks itself obsolete: it is
/// no step.
class ListCommand : public QUndoCommand {
public:
    void redo() override;
    void undo() override;

protected:
    /// `shown` is the list that the table shows now, edits aside.
    ListCommand(const QString& text, spisok& list, const ListTable& table, const spisok& shown);
    virtual void changeList() = 0;
    virtual void restoreList() = 0;
    /// After restoreList(): the list that the table showed before the step, edits aside.
    virtual const spisok& shownBefore() const { return list; }
    /// The index of the entry to show after either.
    virtual std::int32_t changedIndex() const = 0;
    /// Whether the table showed just `shown` before the step, nothing typed beyond it.
    bool tableShowedOnly(const spisok& shown) const { return table.showsOnly(shown, before); }

    spisok& list;

private:
    ListTable table;
    TableEdits before;
};

/// Inserts an entry at a position; undo removes that very entry, even when an equal one stands
/// before it. Keeps one record.
class AddCommand : public ListCommand {
public:
    AddCommand(spisok& list, const ListTable& table, const vint& entry, std::int32_t position);

private:
    void changeList() override;
    void restoreList() override;
    std::int32_t changedIndex() const override { return index; }

    vint entry;
    std::int32_t position;
    std::int32_t index; ///< where the entry lands
};

/// Removes the first entry that matches a description, or only repaints when none does; undo puts
/// the entry it removed back at its index. Keeps two records.
class RemoveCommand : public ListCommand {
public:
    /// `index` is that of the first match, or -1 for none.
    RemoveCommand(spisok& list, const ListTable& table, const vint& description,
                  std::int32_t index);

private:
    void changeList() override;
    void restoreList() override;
    std::int32_t changedIndex() const override { return index; }

    vint description;
    vint removed{};
    std::int32_t index;
};

/// Puts another list's entries in the place of the list's; the nodes change hands, so the step
/// costs no copy of them.
class ExchangeCommand : public ListCommand {
protected:
    /// Takes `replacement`'s entries, leaving it empty; `shown` as for ListCommand.
    ExchangeCommand(const QString& text, spisok& list, const ListTable& table, const spisok& shown,
                    spisok&& replacement);
    std::int32_t changedIndex() const override { return 0; }

    /// The entries that the list does not hold now: the replacement's while the step is undone,
    /// the replaced ones while it is done.
    spisok other;

private:
    void changeList() override { list.swap(other); }
    void restoreList() override { list.swap(other); }
};

/// Empties the list.
class ClearCommand : public ExchangeCommand {
public:
    ClearCommand(spisok& list, const ListTable& table);
};

/// Makes a list read from the table the list. The table shows it already, so the step keeps only
/// what the table shows beyond it.
class AcceptCommand : public ExchangeCommand {
public:
    AcceptCommand(spisok& list, const ListTable& table, spisok&& rebuilt);

private:
    const spisok& shownBefore() const override { return other; }
};

/// Texts written into the table (typed, pasted, cut or deleted); undo writes back the texts they
/// replaced and the row count before. Writing the texts already there is no step.
class CellEditCommand : public QUndoCommand {
public:
    CellEditCommand(platform::StringGrid* grid, const platform::CellEdit& edit);
    void redo() override;
    void undo() override;

private:
    platform::StringGrid* grid;
    platform::CellEdit after;
    platform::CellEdit before;
};
