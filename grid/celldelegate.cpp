// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// celldelegate.cpp - how a string grid's cell is edited in place and explains itself.
#include "celldelegate.h"

#include "platform/labeltext.h"
#include "stringgridmodel.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

#include <utility>

namespace grid {

CellDelegate::CellDelegate(std::function<void(const TextEdit&)> write, QObject* parent)
    : QStyledItemDelegate(parent), write(std::move(write)) {}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    // The cells hold texts, which Qt edits in a line edit.
    const auto* line = static_cast<const QLineEdit*>(editor);
    const auto* cells = static_cast<const StringGridModel*>(model);
    Q_ASSERT(qobject_cast<const QLineEdit*>(editor) && qobject_cast<const StringGridModel*>(model));
    if (line->text() == index.data(Qt::EditRole).toString())
        return; // a cell left as it was is no edit
    write({cells->gridCol(index),
           cells->gridRow(index),
           {{line->text()}},
           cells->gridRowCount(),
           QCoreApplication::translate("grid", "Edit a cell")});
}

bool CellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                             const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString tip = index.data(Qt::ToolTipRole).toString();
    if (!tip.isEmpty()) {
        QToolTip::showText(event->globalPos(), platform::literalToolTip(tip), view->viewport(),
                           option.rect);
        return true;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QRect textRect = view->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view);
    // A text longer than a tooltip shows is never shown whole; measuring it would take long.
    if (item.text.size() <= platform::kToolTipLength &&
        item.fontMetrics.horizontalAdvance(item.text) <= textRect.width() - 2 * (margin + 1)) {
        QToolTip::hideText(); // shown whole: nothing to add
        return true;
    }
    QToolTip::showText(event->globalPos(), platform::literalToolTip(item.text), view->viewport(),
                       option.rect);
    return true;
}

} // namespace grid
