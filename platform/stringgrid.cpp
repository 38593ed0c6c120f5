// stringgrid.cpp - a grid of editable texts with a fixed heading row and column.
#include "stringgrid.h"

#include "stringgridmodel.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

/// Paints fixed cells as heading sections in the window's face colour.
class FixedCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const auto* model = qobject_cast<const StringGridModel*>(index.model());
        if (!model || !model->isFixed(index)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionHeader heading;
        heading.rect = option.rect;
        heading.palette = option.palette;
        heading.fontMetrics = option.fontMetrics;
        heading.state = QStyle::State_Enabled | QStyle::State_Raised;
        heading.text = index.data().toString();
        heading.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        // The style leaves its own pen and clip behind; the cells painted after must not inherit
        // them.
        painter->save();
        style->drawControl(QStyle::CE_Header, &heading, painter, widget);
        painter->restore();
    }
};

} // namespace

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), cells(new StringGridModel(this)) {
    setModel(cells);
    setItemDelegate(new FixedCellDelegate(this));
    // The heading row and column are cells of the model, so that they are addressed like any
    // other cell; the view's own headers would show them twice.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    // Tab leaves the grid for the next control, as everywhere else in the window.
    setTabKeyNavigation(false);
    setColCount(5);
    setRowCount(5);
    setFixedCols(1);
    setFixedRows(1);
    setDefaultColWidth(64);
    setDefaultRowHeight(24);
}

const QString& StringGrid::Cells(int col, int row) const {
    return cells->cell(col, row);
}

void StringGrid::setCells(int col, int row, const QString& text) {
    cells->setCell(col, row, text);
}

int StringGrid::RowCount() const {
    return cells->rowCount();
}

void StringGrid::setRowCount(int rows) {
    cells->setRows(rows);
}

int StringGrid::ColCount() const {
    return cells->columnCount();
}

void StringGrid::setColCount(int columns) {
    cells->setColumns(columns);
}

int StringGrid::FixedRows() const {
    return cells->FixedRows();
}

void StringGrid::setFixedRows(int rows) {
    cells->setFixedRows(rows);
    viewport()->update();
}

int StringGrid::FixedCols() const {
    return cells->FixedCols();
}

void StringGrid::setFixedCols(int columns) {
    cells->setFixedCols(columns);
    viewport()->update();
}

int StringGrid::DefaultColWidth() const {
    return horizontalHeader()->defaultSectionSize();
}

void StringGrid::setDefaultColWidth(int width) {
    horizontalHeader()->setDefaultSectionSize(width);
}

int StringGrid::DefaultRowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

void StringGrid::setDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
}

void StringGrid::finishEditing() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}
