// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// commands.h - every change of the list and the table as a step that can be undone and redone.
#pragma once

#include "list/spisok.h"
#include "platform/stringgrid.h"

#include <QString>
#include <QUndoCommand>

#include <cstdint>
#include <vector>

/// What the table shows beyond the list: the texts typed or pasted and not accepted yet, and
/// its row count. Only the cells that differ from the list's own values are kept.
struct TableEdits {
    struct Cell {
        int col;
        int row;
        QString text;
    };
    int rowCount = 0;
    std::vector<Cell> cells;

    /// Whether the table shows just the list: one row per entry, one blank row, nothing typed.
    bool isClean(const spisok& s) const { return cells.empty() && rowCount == s.size() + 2; }
};

/// The table's edits over `s`. Linear in the table's cells; builds a text only for a cell that
/// differs.
TableEdits tableEdits(const spisok& s);

/// A command that changes `drives`. Its first redo() carries the command out; every redo() ends
/// with the table showing the list (one row per entry and one blank row) and every undo() with
/// the table as it was before, edits not accepted included. The row that changed is scrolled
/// into view. A command that would change neither the list nor the table marks itself obsolete:
/// it is no step.
class ListCommand : public QUndoCommand {
public:
    void redo() override;
    void undo() override;

protected:
    /// `shown` is the list that the table shows now, edits aside.
    ListCommand(const QString& text, platform::StringGrid* grid, const spisok& shown);
    virtual void changeList() = 0;
    virtual void restoreList() = 0;
    /// After restoreList(): the list that the table showed before the step, edits aside.
    virtual const spisok& shownBefore() const;
    /// The grid row to show after either.
    virtual int changedRow() const = 0;
    /// Whether the table shows just `shown`, nothing typed beyond it.
    bool tableShowsOnly(const spisok& shown) const { return before.isClean(shown); }

private:
    platform::StringGrid* grid;
    TableEdits before;
};

/// Inserts an entry at a position; undo removes that very entry, even when an equal one stands
/// before it. Keeps one record.
class AddCommand : public ListCommand {
public:
    AddCommand(platform::StringGrid* grid, const vint& entry, std::int32_t position);

private:
    void changeList() override;
    void restoreList() override;
    int changedRow() const override { return index + 1; }

    vint entry;
    std::int32_t position;
    std::int32_t index; ///< where the entry lands
};

/// Removes the first entry that matches a description, or only repaints when none does; undo puts
/// the entry back at its place. Keeps one record.
class RemoveCommand : public ListCommand {
public:
    /// `index` is that of the first match, or -1 for none.
    RemoveCommand(platform::StringGrid* grid, const vint& description, std::int32_t index);

private:
    void changeList() override;
    void restoreList() override;
    int changedRow() const override { return index + 1; }

    vint description;
    vint removed{};
    std::int32_t index;
};

/// Puts another list in the place of `drives`: an empty one for clear, the rebuilt one for
/// accept. The lists' nodes change hands, so the step costs no copy of them.
class ReplaceCommand : public ListCommand {
public:
    /// With `readFromTable`, `replacement` was read from the table, which shows it already; the
    /// step then keeps only what the table shows beyond it.
    ReplaceCommand(platform::StringGrid* grid, const QString& text, spisok& replacement,
                   bool readFromTable);

private:
    void changeList() override;
    void restoreList() override;
    const spisok& shownBefore() const override;
    int changedRow() const override { return 1; }

    spisok other;
    bool readFromTable;
};

/// Texts written into the table (typed, pasted, cut or deleted); undo writes back the texts they
/// replaced and the row count before.
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
