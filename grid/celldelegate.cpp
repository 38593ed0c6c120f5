// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// celldelegate.cpp - how a string grid's cell is edited in place and explains itself.
#include "celldelegate.h"

#include "platform/labeltext.h"
#include "stringgridmodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include <utility>

namespace grid {

namespace {

/// A colour's relative luminance, as WCAG 2.1 defines it.
double luminance(const QColor& color) {
    const auto channel = [](float c) {
        return c <= 0.04045f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

CellDelegate::CellDelegate(std::function<void(const TextEdit&)> write, QObject* parent)
    : QStyledItemDelegate(parent), write(std::move(write)) {}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    // As QStyledItemDelegate::paint() draws a cell, with the item's roles read once: a cell's
    // note is written when it is asked for.
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* view = option.widget;
    (view ? view->style() : QApplication::style())
        ->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);
    if (item.backgroundBrush.style() == Qt::NoBrush)
        return;
    // The palette's highlight where it stands out from the cell's tint enough, else its text
    // colour, which always does; on a selected cell, the selection's text colour.
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette& palette = option.palette;
    const QColor cell =
        selected ? palette.color(QPalette::Highlight) : item.backgroundBrush.color();
    QColor mark = palette.color(selected ? QPalette::HighlightedText : QPalette::Highlight);
    if (contrastRatio(mark, cell) < 3.0)
        mark = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const qreal side = std::max(4, option.fontMetrics.height() / 2);
    const QRectF r = option.rect;
    QPainterPath corner(r.topRight());
    corner.lineTo(r.topRight() - QPointF(side, 0));
    corner.lineTo(r.topRight() + QPointF(0, side));
    corner.closeSubpath();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(corner, mark);
    painter->restore();
}

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
