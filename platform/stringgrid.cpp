// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// stringgrid.cpp - a grid of editable texts with a fixed heading row and column.
#include "stringgrid.h"

#include "errorboundary.h"
#include "exception.h"
#include "htmltable.h"
#include "labeltext.h"
#include "stringgridmodel.h"
#include "tabseparated.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

namespace platform {
namespace {

/// Hands what is typed into a cell to the grid as an edit, and gives a cell whose text is shown
/// shortened its whole text as a tooltip.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid(grid) {}

    void setModelData(QWidget* editor, [[maybe_unused]] QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        // The cells hold texts, which Qt edits in a line edit.
        const auto* line = static_cast<const QLineEdit*>(editor);
        Q_ASSERT(qobject_cast<const QLineEdit*>(editor) && model == grid->gridModel());
        const int col = grid->gridModel()->gridCol(index);
        const int row = grid->gridModel()->gridRow(index);
        if (line->text() == grid->Cells(col, row))
            return; // a cell left as it was is no edit
        grid->requestEdit({col,
                           row,
                           {{line->text()}},
                           grid->RowCount(),
                           QCoreApplication::translate("platform", "Edit a cell"),
                           {}});
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString note = noteOf(index);
        if (!note.isEmpty()) {
            QToolTip::showText(event->globalPos(), literalToolTip(note), view->viewport(),
                               option.rect);
            return true;
        }
        const QRect textRect =
            view->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
        const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view);
        // A text longer than a tooltip shows is never shown whole; measuring it would take long.
        if (item.text.size() <= kToolTipLength &&
            item.fontMetrics.horizontalAdvance(item.text) <= textRect.width() - 2 * (margin + 1)) {
            QToolTip::hideText(); // shown whole: nothing to add
            return true;
        }
        QToolTip::showText(event->globalPos(), literalToolTip(item.text), view->viewport(),
                           option.rect);
        return true;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // A noted cell is tinted towards the highlight, in whatever palette the desktop has.
        if (!noteOf(index).isEmpty()) {
            const QColor base = option->palette.color(QPalette::Base);
            const QColor tint = option->palette.color(QPalette::Highlight);
            option->backgroundBrush = QColor::fromRgbF(0.8f * base.redF() + 0.2f * tint.redF(),
                                                       0.8f * base.greenF() + 0.2f * tint.greenF(),
                                                       0.8f * base.blueF() + 0.2f * tint.blueF());
        }
    }

private:
    QString noteOf(const QModelIndex& index) const {
        const StringGridModel* cells = grid->gridModel();
        return cells->note(cells->gridCol(index), cells->gridRow(index));
    }

    StringGrid* grid;
};

} // namespace

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), cells(new StringGridModel(this)) {
    setModel(cells);
    setItemDelegate(new CellDelegate(this));
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        // Headings, not controls: they neither sort, select nor light up.
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    // Columns are widened by dragging a heading's edge and fitted to their texts by a double click
    // on it; see fitColumns() for the rest.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(kMinColWidth);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (fitting)
                    return;
                columnWidths.choose(section, size);
                fitColumns();
            });
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // By the pixel: columns that fill the grid exactly call for no scroll bar.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    // Tab leaves the grid for the next control, as everywhere else in the window.
    setTabKeyNavigation(false);
    // A grid that no stored layout configures: five columns, five rows, one fixed of each, as
    // the string grid this one stands in for starts.
    setColCount(5);
    setRowCount(5);
    setFixedCols(1);
    setFixedRows(1);
    setDefaultColWidth(64);
    setDefaultRowHeight(24);

    cutAction = makeAction("cut", QCoreApplication::translate("platform", "Cu&t"),
                           {QKeySequence::Cut}, &StringGrid::cut);
    copyAction = makeAction("copy", QCoreApplication::translate("platform", "&Copy"),
                            {QKeySequence::Copy}, &StringGrid::copy);
    pasteAction = makeAction("paste", QCoreApplication::translate("platform", "&Paste"),
                             {QKeySequence::Paste}, &StringGrid::paste);
    deleteAction = makeAction("delete", QCoreApplication::translate("platform", "&Delete"),
                              {QKeySequence::Delete}, &StringGrid::deleteSelection);
    selectAllAction =
        makeAction("selectAll", QCoreApplication::translate("platform", "Select &All"),
                   {QKeySequence::SelectAll}, &StringGrid::selectEntries);
    // Ctrl with + or -, as spreadsheets have them: + is Shift+= on most keyboards, or the keypad's.
    insertRowsAction =
        makeAction("insertRows", QCoreApplication::translate("platform", "&Insert Rows Above"),
                   {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::SHIFT | Qt::Key_Plus,
                    Qt::CTRL | Qt::SHIFT | Qt::Key_Equal,
                    QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus)},
                   &StringGrid::insertRowsAbove);
    deleteRowsAction =
        makeAction("deleteRows", QCoreApplication::translate("platform", "Delete &Rows"),
                   {Qt::CTRL | Qt::Key_Minus,
                    QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus)},
                   &StringGrid::deleteRows);
    // No keys, as in spreadsheets; they sort by the current cell's column.
    sortAscendingAction = makeAction("sortAscending", {}, {}, &StringGrid::sortAscending);
    sortDescendingAction = makeAction("sortDescending", {}, {}, &StringGrid::sortDescending);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            &StringGrid::openHeadingMenu);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StringGrid::updateActions);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &StringGrid::updateActions);
    connect(cells, &QAbstractItemModel::rowsInserted, this, &StringGrid::updateActions);
    connect(cells, &QAbstractItemModel::rowsRemoved, this, &StringGrid::updateActions);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &StringGrid::updatePasteAction);
    updateActions();
    updatePasteAction();
}

const QString& StringGrid::Cells(int col, int row) const {
    return cells->cells(col, row);
}

void StringGrid::setCells(int col, int row, const QString& text) {
    cells->setCells(col, row, text);
}

int StringGrid::RowCount() const {
    return cells->gridRowCount();
}

void StringGrid::setRowCount(int rows) {
    cells->setGridRowCount(rows);
}

int StringGrid::ColCount() const {
    return cells->gridColCount();
}

void StringGrid::setColCount(int columns) {
    cells->setGridColCount(columns);
    columnWidths.forgetChoices(); // new columns: none sized by the user yet
    fitColumns();
}

int StringGrid::fixedRows() const {
    return cells->fixedRows();
}

void StringGrid::setFixedRows(int rows) {
    cells->setFixedRows(rows);
    showFixedCells();
}

int StringGrid::fixedCols() const {
    return cells->fixedCols();
}

void StringGrid::setFixedCols(int columns) {
    cells->setFixedCols(columns);
    showFixedCells();
}

int StringGrid::defaultColWidth() const {
    return horizontalHeader()->defaultSectionSize();
}

void StringGrid::setDefaultColWidth(int width) {
    horizontalHeader()->setDefaultSectionSize(width);
    columnWidths.forgetChoices(); // the new default is nobody's choice
    showFixedCells();
    fitColumns();
}

int StringGrid::defaultRowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

void StringGrid::setDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    showFixedCells();
}

void StringGrid::updateGeometries() {
    QTableView::updateGeometries();
    fitColumns();
}

void StringGrid::fitColumns() {
    QHeaderView* header = horizontalHeader();
    if (fitting || header->count() == 0)
        return;
    const std::vector<int> widths =
        columnWidths.share(header->count(), viewport()->width(), kMinColWidth, defaultColWidth());
    fitting = true;
    bool resized = false;
    for (std::size_t i = 0; i < widths.size(); ++i)
        if (header->sectionSize(int(i)) != widths[i]) {
            header->resizeSection(int(i), widths[i]);
            resized = true;
        }
    // The scroll bars follow the new widths now, not at the next layout.
    if (resized)
        QTableView::updateGeometries();
    fitting = false;
}

void StringGrid::showFixedCells() {
    // The heading row is a row and the heading column a column: same sizes as the cells.
    horizontalHeader()->setVisible(fixedRows() > 0);
    horizontalHeader()->setFixedHeight(defaultRowHeight());
    verticalHeader()->setVisible(fixedCols() > 0);
    verticalHeader()->setFixedWidth(defaultColWidth());
}

QModelIndex StringGrid::cellIndex(int col, int row) const {
    return cells->indexOfCell(col, row);
}

void StringGrid::goToCell(int col, int row) {
    const QModelIndex cell = cellIndex(col, row);
    if (!cell.isValid())
        return;
    setCurrentIndex(cell);
    scrollTo(cell);
    setFocus(Qt::OtherFocusReason);
}

void StringGrid::finishEditing() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void StringGrid::setEditHandler(std::function<void(const CellEdit&)> handler) {
    editHandler = std::move(handler);
}

void StringGrid::requestEdit(const CellEdit& edit) {
    if (editHandler)
        editHandler(edit);
    else
        cells->apply(edit);
}

void StringGrid::showRow(int row, bool select) {
    const QModelIndex first = cellIndex(fixedCols(), row);
    if (!first.isValid()) {
        if (select)
            clearSelection(); // what was selected is not what was asked for
        return;
    }
    if (select)
        selectCells(QRect(QPoint(fixedCols(), row), QPoint(ColCount() - 1, row)));
    scrollTo(first);
}

void StringGrid::selectCells(const QRect& rect) {
    const QModelIndex first = cellIndex(rect.left(), rect.top());
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, cellIndex(rect.right(), rect.bottom())),
                             QItemSelectionModel::ClearAndSelect);
}

QRect StringGrid::selectedRect() const {
    QRect rect;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection)
        rect |= QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom()));
    if (rect.isNull() && currentIndex().isValid())
        rect = QRect(currentIndex().column(), currentIndex().row(), 1, 1);
    return rect.isNull() ? rect : rect.translated(fixedCols(), fixedRows());
}

QList<QStringList> StringGrid::texts(const QRect& rect) const {
    QList<QStringList> rows;
    rows.reserve(rect.height());
    for (int row = rect.top(); row <= rect.bottom(); ++row) {
        QStringList line;
        line.reserve(rect.width());
        for (int col = rect.left(); col <= rect.right(); ++col)
            line << Cells(col, row);
        rows << line;
    }
    return rows;
}

QList<QStringList> StringGrid::rowsFrom(int top) const {
    return texts(QRect(QPoint(fixedCols(), top), QPoint(ColCount() - 1, RowCount() - 1)));
}

namespace {
/// The cells exactly as this program copied them, read first when pasting into it: an HTML table
/// cannot hold every text (a carriage return, say).
constexpr QLatin1StringView kOwnCells("application/x-drivelist-cells");
} // namespace

void StringGrid::copy() {
    const QRect rect = selectedRect();
    if (rect.isNull())
        return;
    const QList<QStringList> rows = texts(rect);
    auto* data = new QMimeData;
    const QString text = toTabSeparated(rows);
    data->setText(text);
    data->setHtml(toHtmlTable(rows));
    data->setData(kOwnCells, text.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

QList<QStringList> StringGrid::clipboardRows() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return {};
    if (data->hasFormat(kOwnCells))
        return fromTabSeparated(QString::fromUtf8(data->data(kOwnCells)));
    if (data->hasHtml())
        if (std::optional<QList<QStringList>> table = fromHtmlTable(data->html()))
            return *std::move(table);
    return data->hasText() ? fromTabSeparated(data->text()) : QList<QStringList>();
}

void StringGrid::cut() {
    copy();
    blankSelection(QCoreApplication::translate("platform", "Cut"));
}

void StringGrid::deleteSelection() {
    blankSelection(QCoreApplication::translate("platform", "Delete"));
}

void StringGrid::blankSelection(const QString& name) {
    const QRect rect = selectedRect();
    if (rect.isNull())
        return;
    const QStringList blankRow(rect.width(), QString());
    requestEdit({rect.left(),
                 rect.top(),
                 QList<QStringList>(rect.height(), blankRow),
                 RowCount(),
                 name,
                 {}});
}

void StringGrid::paste() {
    QList<QStringList> rows = clipboardRows();
    if (rows.isEmpty())
        return;
    QRect target = selectedRect();
    if (target.isNull())
        target = QRect(fixedCols(), fixedRows(), 1, 1);
    const int fit = ColCount() - target.left();
    const auto widest =
        std::max_element(rows.begin(), rows.end(), [](const QStringList& a, const QStringList& b) {
            return a.size() < b.size();
        });
    const qsizetype width = widest->size();
    if (width > fit)
        throw Exception(
            QCoreApplication::translate("platform",
                                        "Line %1 of the clipboard holds %2 cells, but only %3 fit "
                                        "from column %4 to %5.")
                .arg(QString::number(widest - rows.begin() + 1), QString::number(width),
                     QString::number(fit), columnName(target.left()), columnName(ColCount() - 1)));
    // Rows that reach the blank last row become entry rows above a new blank last row.
    const qsizetype lastRow = target.top() + rows.size() - 1;
    const qsizetype rowCount = lastRow < gridRows().blankRow(RowCount())
                                   ? RowCount()
                                   : gridRows().rowCountEndingAt(lastRow);
    if (rowCount > kMaxRows)
        throw Exception(QCoreApplication::translate(
                            "platform",
                            "The clipboard holds %1 lines; pasted from row %2 they would make %3 "
                            "rows, and the table holds at most %4.")
                            .arg(QString::number(rows.size()), QString::number(target.top()),
                                 QString::number(rowCount), QString::number(kMaxRows)));
    for (QStringList& row : rows)
        while (row.size() < width)
            row << QString();
    requestEdit({target.left(),
                 target.top(),
                 rows,
                 int(rowCount),
                 QCoreApplication::translate("platform", "Paste"),
                 {}});
    selectCells(QRect(target.topLeft(), QPoint(target.left() + int(width) - 1, int(lastRow))));
}

std::pair<int, int> StringGrid::selectedEntryRows() const {
    const QRect rect = selectedRect();
    if (rect.isNull())
        return {0, -1};
    return {std::max(rect.top(), gridRows().firstEntryRow()),
            std::min(rect.bottom(), gridRows().lastEntryRow(RowCount()))};
}

void StringGrid::rewriteRowsFrom(int top, QList<QStringList> rows, int rowCount,
                                 const QString& name) {
    // The edit reaches the last row that is there before or after it, so that undoing it puts
    // every row back.
    const qsizetype reached = std::max(RowCount(), rowCount) - top;
    const QStringList blank(ColCount() - fixedCols(), QString()); // one list, shared by them all
    rows.reserve(reached);
    while (rows.size() < reached)
        rows << blank;
    requestEdit({fixedCols(), top, rows, rowCount, name, {}});
}

void StringGrid::deleteRows() {
    const auto [top, bottom] = selectedEntryRows();
    if (bottom < top)
        return;
    rewriteRowsFrom(top, rowsFrom(bottom + 1), RowCount() - (bottom - top + 1),
                    QCoreApplication::translate("platform", "Delete Rows"));
}

void StringGrid::insertRowsAbove() {
    const QRect rect = selectedRect();
    if (rect.isNull())
        return;
    const int count = rect.height();
    if (RowCount() + qsizetype(count) > kMaxRows)
        throw Exception(QCoreApplication::translate(
                            "platform", "%1 rows more would make %2 rows, and the table holds at "
                                        "most %3.")
                            .arg(QString::number(count), QString::number(RowCount() + count),
                                 QString::number(kMaxRows)));
    const int top = std::max(rect.top(), gridRows().firstEntryRow());
    QList<QStringList> rows(count, QStringList(ColCount() - fixedCols(), QString()));
    rows << rowsFrom(top);
    rewriteRowsFrom(top, rows, RowCount() + count,
                    QCoreApplication::translate("platform", "Insert Rows"));
}

void StringGrid::selectEntries() {
    const GridRows rows = gridRows();
    if (!rows.hasEntryRows(RowCount()) || ColCount() <= fixedCols()) {
        // No entries: no cell at all, so that a copy has nothing to put on the clipboard.
        clearSelection();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
        return;
    }
    selectCells(QRect(QPoint(fixedCols(), rows.firstEntryRow()),
                      QPoint(ColCount() - 1, rows.lastEntryRow(RowCount()))));
}

void StringGrid::setSortKey(int col, SortKey key) {
    if (col < 0)
        return;
    if (std::size_t(col) >= sortKeys.size())
        sortKeys.resize(std::size_t(col) + 1, SortKey::Text);
    sortKeys[std::size_t(col)] = key;
}

SortKey StringGrid::sortKey(int col) const {
    return col >= 0 && std::size_t(col) < sortKeys.size() ? sortKeys[std::size_t(col)]
                                                          : SortKey::Text;
}

void StringGrid::sortRows(int col, Qt::SortOrder order) {
    const GridRows rows = gridRows();
    if (col < fixedCols() || col >= ColCount() || !rows.hasEntryRows(RowCount()))
        return;
    const int top = rows.firstEntryRow();
    QStringList keys;
    keys.reserve(rows.lastEntryRow(RowCount()) - top + 1);
    for (int row = top; row <= rows.lastEntryRow(RowCount()); ++row)
        keys << Cells(col, row);
    std::vector<int> places = sortedOrder(keys, sortKey(col), order);
    if (std::is_sorted(places.begin(), places.end()))
        return; // no row moves
    requestEdit({fixedCols(),
                 top,
                 {},
                 RowCount(),
                 QCoreApplication::translate("platform", "Sort by %1").arg(Cells(col, 0)),
                 std::move(places)});
}

int StringGrid::currentColumn() const {
    return currentIndex().isValid() ? cells->gridCol(currentIndex()) : -1;
}

void StringGrid::sortAscending() {
    sortRows(currentColumn(), Qt::AscendingOrder);
}

void StringGrid::sortDescending() {
    sortRows(currentColumn(), Qt::DescendingOrder);
}

void StringGrid::aimSorts(QAction* ascending, QAction* descending, int col) const {
    const bool inEntries = col >= fixedCols() && col < ColCount();
    if (inEntries) {
        const QString heading = columnName(col);
        ascending->setText(
            QCoreApplication::translate("platform", "&Sort by %1, Ascending").arg(heading));
        descending->setText(
            QCoreApplication::translate("platform", "S&ort by %1, Descending").arg(heading));
    } else {
        ascending->setText(QCoreApplication::translate("platform", "&Sort Ascending"));
        descending->setText(QCoreApplication::translate("platform", "S&ort Descending"));
    }
    // One row or none: there is nothing to reorder.
    const GridRows rows = gridRows();
    const bool enabled = inEntries && rows.lastEntryRow(RowCount()) > rows.firstEntryRow();
    ascending->setEnabled(enabled);
    descending->setEnabled(enabled);
}

QAction* StringGrid::makeAction(const char* name, const QString& text,
                                const QList<QKeySequence>& keys, void (StringGrid::*slot)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1StringView(name));
    action->setShortcuts(keys);
    // Inside an open cell editor the keys stay the editor's.
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, slot] {
        finishEditing();
        runGuarded([this, slot] { (this->*slot)(); });
    });
    return action;
}

void StringGrid::updateActions() {
    const bool hasCells = !selectedRect().isNull();
    cutAction->setEnabled(hasCells);
    copyAction->setEnabled(hasCells);
    deleteAction->setEnabled(hasCells);
    selectAllAction->setEnabled(gridRows().hasEntryRows(RowCount()) && ColCount() > fixedCols());
    insertRowsAction->setEnabled(hasCells);
    const auto [top, bottom] = selectedEntryRows();
    deleteRowsAction->setEnabled(top <= bottom);
    aimSorts(sortAscendingAction, sortDescendingAction, currentColumn());
}

void StringGrid::updatePasteAction() {
    // Asking the clipboard may mean asking another program: only when it changes, or the menu
    // opens.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    pasteAction->setEnabled(data && ((data->hasText() && !data->text().isEmpty()) ||
                                     data->hasHtml() || data->hasFormat(kOwnCells)));
}

QString StringGrid::columnName(int col) const {
    return fixedRows() > 0 && !Cells(col, 0).isEmpty() ? Cells(col, 0) : QString::number(col);
}

void StringGrid::openMenu(const QPoint& globalPos) {
    if (!menu)
        menu = new QMenu(this);
    menu->clear();
    menu->addActions(leadingActions);
    if (!leadingActions.isEmpty())
        menu->addSeparator();
    menu->addActions({cutAction, copyAction, pasteAction, deleteAction});
    menu->addSeparator();
    menu->addAction(selectAllAction);
    menu->addSeparator();
    menu->addActions({insertRowsAction, deleteRowsAction});
    menu->addSeparator();
    menu->addActions({sortAscendingAction, sortDescendingAction});
    updateActions();
    updatePasteAction();
    menu->popup(globalPos);
}

void StringGrid::openHeadingMenu(const QPoint& pos) {
    const int section = horizontalHeader()->logicalIndexAt(pos);
    if (section < 0)
        return;
    if (!headingsMenu) {
        headingsMenu = new QMenu(this);
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder})
            connect(headingsMenu->addAction(QString()), &QAction::triggered, this, [this, order] {
                finishEditing();
                runGuarded([this, order] { sortRows(headingColumn, order); });
            });
    }
    finishEditing(); // as a click anywhere else does
    headingColumn = section + fixedCols();
    aimSorts(headingsMenu->actions().at(0), headingsMenu->actions().at(1), headingColumn);
    headingsMenu->popup(horizontalHeader()->viewport()->mapToGlobal(pos));
}

void StringGrid::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        openMenu(event->globalPos());
    } else {
        const QRect cell = visualRect(currentIndex());
        openMenu(viewport()->mapToGlobal(cell.isValid() ? cell.center() : QPoint()));
    }
    event->accept();
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
        contextMenuEvent(&menuEvent);
        event->accept();
        return;
    }
    // Select All greyed out still selects what it does, not the view's every cell.
    if (event->matches(QKeySequence::SelectAll)) {
        selectEntries();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace platform
