// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// gridedit.h - what the user does to a string grid's cells at once, as plain values.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <variant>
#include <vector>

namespace grid {

/// Texts written into a rectangle of cells whose top-left cell is (col, row); the grid has
/// `rowCount` rows afterwards (rows come and go at the bottom).
struct TextEdit {
    int col = 0;
    int row = 0;
    QList<QStringList> texts; ///< rows of equal width
    int rowCount = 0;
    QString name; ///< what the user did, for the user: "Paste", "Delete", …
};

/// Rows put in another order: grid row `row + i` gets the cells of row `row + order[i]`. The
/// grid's rows move, so the current cell and the selection go with them.
struct RowOrder {
    int row = 0;
    std::vector<int> order; ///< a permutation of 0 to n - 1
    QString name;
};

/// Whole rows put in above grid row `row`, with their texts; the rows below move down.
struct RowInsertion {
    int row = 0;
    QList<QStringList> texts; ///< one per row put in, each as wide as the grid
    QString name;
};

/// `count` whole rows taken out from grid row `row` down; the rows below move up.
struct RowRemoval {
    int row = 0;
    int count = 0;
    QString name;
};

/// Any one of them, as a grid hands it on to be carried out.
using GridEdit = std::variant<TextEdit, RowOrder, RowInsertion, RowRemoval>;

/// Whether an edit whose inverse is `inverse` would change nothing the user could see.
inline bool changesNothing(const TextEdit& edit, const TextEdit& inverse) {
    // The row count first: comparing every text is the dear part.
    return edit.rowCount == inverse.rowCount && edit.texts == inverse.texts;
}
inline bool changesNothing(const RowOrder& edit, const RowOrder& /*inverse*/) {
    return std::is_sorted(edit.order.begin(), edit.order.end());
}
inline bool changesNothing(const RowInsertion& edit, const RowRemoval& /*inverse*/) {
    return edit.texts.isEmpty();
}
inline bool changesNothing(const RowRemoval& edit, const RowInsertion& /*inverse*/) {
    return edit.count == 0;
}

} // namespace grid
