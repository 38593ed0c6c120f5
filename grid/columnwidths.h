// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// columnwidths.h - how a grid's width is shared among its columns.
#pragma once

#include <vector>

namespace grid {

/// Shares a grid's width among its columns. A column the user sized keeps its width; the others
/// share the room left, from a least width up to the default one (so a grid too narrow for that
/// least scrolls sideways); the last column takes whatever room remains, so that the columns fill
/// the grid.
class ColumnWidths {
public:
    /// The user gave column `column` the width `width`.
    void choose(int column, int width);
    /// Forgets every width the user gave.
    void forgetChoices() { chosen.clear(); }

    /// The widths of `count` columns in a grid `room` pixels wide. Linear in `count`.
    std::vector<int> share(int count, int room, int leastWidth, int defaultWidth) const;

private:
    std::vector<int> chosen; ///< per column: the width the user gave it, or 0
};

} // namespace grid
