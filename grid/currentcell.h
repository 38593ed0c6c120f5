// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// currentcell.h - a view's current cell, kept while the focus is elsewhere.
#pragma once

#include <QModelIndex>
#include <QObject>

class QAbstractItemView;
class QItemSelectionModel;

namespace grid {

/// The current cell of a view: where typing, the keys, a paste and the sorts act. Screen readers
/// take the view's current index for the keyboard focus, so while the focus is outside the view
/// and its editors (on a button, in a dialog, in another program) the cell is held aside and the
/// view has none; it goes back as the focus comes in, before the view sees the focus.
///
/// Invariant: at most one of the view's current index and the cell held aside is valid. Held
/// aside, the cell follows its row as the view's would: a selection model of its own keeps it.
class CurrentCell : public QObject {
    Q_OBJECT

public:
    /// Watches `view`, which outlives it, and whose model and selection model are set and stay.
    explicit CurrentCell(QAbstractItemView* view);

    /// The current cell, wherever the focus is; invalid for none.
    QModelIndex index() const;
    /// Makes `cell` current, as the view's selection model does, the selection left as it is; the
    /// cell that is current already changes nothing.
    void set(const QModelIndex& cell);
    /// Leaves no cell current.
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Whether the focus is on the view or in one of its editors.
    bool hasFocusWithin() const;
    void holdAside();
    void giveBack();

    QAbstractItemView* view;
    QItemSelectionModel* aside; ///< its current index is the cell held aside
};

} // namespace grid
