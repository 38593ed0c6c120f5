// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// celldelegate.h - how a string grid's cell is edited in place and explains itself.
#pragma once

#include "gridedit.h"

#include <QStyledItemDelegate>

#include <functional>

namespace grid {

/// Edits a cell of a StringGridModel in a line edit and hands what was typed on as a TextEdit
/// (a cell left as it was is no edit). A cell's tooltip is its ToolTipRole; without one, a cell
/// shown shortened gets its whole text. The background is the model's BackgroundRole, as
/// QStyledItemDelegate draws it.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(std::function<void(const TextEdit&)> write, QObject* parent);

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    std::function<void(const TextEdit&)> write;
};

} // namespace grid
