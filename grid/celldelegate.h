// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// celldelegate.h - how a string grid's cell is edited in place and explains itself.
#pragma once

#include "gridedit.h"

#include <QStyledItemDelegate>

#include <functional>

class QColor;

namespace grid {

/// The contrast ratio of two colours as WCAG 2.1 reckons it, from 1 (the same) to 21.
double contrastRatio(const QColor& a, const QColor& b);

/// Edits a cell of a StringGridModel in a line edit and hands what was typed on as a TextEdit
/// (a cell left as it was is no edit). A cell's tooltip is its ToolTipRole; without one, a cell
/// shown shortened gets its whole text. The background is the model's BackgroundRole, as
/// QStyledItemDelegate draws it; a cell with one (a noted cell) also bears a mark in its top
/// right corner that stands out from the cell by contrast (at least 3:1), not by hue alone.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(std::function<void(const TextEdit&)> write, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    std::function<void(const TextEdit&)> write;
};

} // namespace grid
