// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// entryinput.h - where the user types an entry's values, and reading them with errors that name
// the place and lead back to it.
#pragma once

#include "list/vint.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
namespace platform {
class Exception;
}
namespace grid {
class StringGrid;
}

/// One place where the user types a value: an edit under its caption, or a cell of the grid.
/// It holds only where the value is, so it is cheap to make for every cell.
class EntryInput {
public:
    EntryInput(QLineEdit* edit, const QLabel* caption) : edit(edit), caption(caption) {}
    EntryInput(grid::StringGrid* grid, int col, int row) : grid(grid), col(col), row(row) {}

    QString typedText() const;
    /// What the user calls it: the edit's caption, or the cell's row and column with the
    /// column's heading.
    QString name() const;
    /// Takes the user back to it: an edit gets the focus with its text selected; a cell becomes
    /// current, is scrolled into view and gets the focus. Does nothing once the place is gone.
    std::function<void()> leadBack() const;

private:
    QLineEdit* edit = nullptr;
    const QLabel* caption = nullptr;
    grid::StringGrid* grid = nullptr;
    int col = 0;
    int row = 0;
};

/// Reads an entry's manufacturer, model, capacity and price from four inputs, in that order. The
/// first input that is refused stops the reading with an platform::Exception whose message names it
/// and which leads back to it; `entry` then keeps the fields read before.
void readEntry(vint& entry, const std::array<EntryInput, 4>& inputs);
/// readEntry() that reads on past a refused input: each refusal is handed to `refused`, and the
/// result is whether every input was taken.
bool readEntry(vint& entry, const std::array<EntryInput, 4>& inputs,
               const std::function<void(const platform::Exception&)>& refused);

/// The integer typed into `input`; a refused text raises an platform::Exception as readEntry()
/// does.
std::int32_t readNumber(const EntryInput& input);
