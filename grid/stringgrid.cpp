// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// stringgrid.cpp - a grid of editable texts with a fixed heading row and column.
#include "stringgrid.h"

#include "celldelegate.h"
#include "clipboard/clipboardcells.h"
#include "editbuilders.h"
#include "platform/announcer.h"
#include "platform/errorboundary.h"
#include "stringgridmodel.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>

#include <utility>

namespace grid {

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), cellModel(new StringGridModel(this)) {
    setModel(cellModel);
    current = std::make_unique<CurrentCell>(this);
    setItemDelegate(new CellDelegate(
        [this](const TextEdit& edit) {
            requestEdit(edit);
            announceCell(edit.col, edit.row); // an editor that closes says nothing of its cell
        },
        this));
    setupView();
    setupHeaders();
    createActions();
    createMenus();
    connectActions();
}

void StringGrid::setupView() {
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
}

void StringGrid::setupHeaders() {
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
    // A grid that no stored layout configures: five columns, five rows, one fixed of each, as
    // the string grid this one stands in for starts.
    setColCount(5);
    setRowCount(5);
    setFixedCols(1);
    setFixedRows(1);
    setDefaultColWidth(64);
    setDefaultRowHeight(24);
}

void StringGrid::createActions() {
    cutAction = makeAction("cut", QCoreApplication::translate("grid", "Cu&t"), {QKeySequence::Cut},
                           &StringGrid::cut);
    copyAction = makeAction("copy", QCoreApplication::translate("grid", "&Copy"),
                            {QKeySequence::Copy}, &StringGrid::copy);
    pasteAction = makeAction("paste", QCoreApplication::translate("grid", "&Paste"),
                             {QKeySequence::Paste}, &StringGrid::paste);
    deleteAction = makeAction("delete", QCoreApplication::translate("grid", "&Delete"),
                              {QKeySequence::Delete}, &StringGrid::deleteSelection);
    selectAllAction = makeAction("selectAll", QCoreApplication::translate("grid", "Select &All"),
                                 {QKeySequence::SelectAll}, &StringGrid::selectEntries);
    // Ctrl with + or -, as spreadsheets have them. One sequence per key: X11 offers Ctrl+Shift+=
    // both as Ctrl++ and as Ctrl+Shift++, and an action that holds both finds it ambiguous and
    // does nothing. The keypad's keys are keys of their own.
    insertRowsAction =
        makeAction("insertRows", QCoreApplication::translate("grid", "&Insert Rows Above"),
                   {Qt::CTRL | Qt::Key_Plus,
                    QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus)},
                   &StringGrid::insertRowsAbove);
    deleteRowsAction =
        makeAction("deleteRows", QCoreApplication::translate("grid", "Delete &Rows"),
                   {Qt::CTRL | Qt::Key_Minus,
                    QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus)},
                   &StringGrid::deleteRows);
    // No keys, as in spreadsheets; they sort by the current cell's column.
    sortAscendingAction = makeAction("sortAscending", {}, {}, &StringGrid::sortAscending);
    sortDescendingAction = makeAction("sortDescending", {}, {}, &StringGrid::sortDescending);
}

void StringGrid::createMenus() {
    menu = new QMenu(this);
    menu->addActions({cutAction, copyAction, pasteAction, deleteAction});
    menu->addSeparator();
    menu->addAction(selectAllAction);
    menu->addSeparator();
    menu->addActions({insertRowsAction, deleteRowsAction});
    menu->addSeparator();
    menu->addActions({sortAscendingAction, sortDescendingAction});
    connect(menu, &QMenu::aboutToShow, this, &StringGrid::contextMenuAboutToShow);

    headingsMenu = new QMenu(this);
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder})
        connect(headingsMenu->addAction(QString()), &QAction::triggered, this, [this, order] {
            finishEditing();
            platform::runGuarded([this, order] { sortRows(headingColumn, order); });
        });
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            &StringGrid::openHeadingMenu);
}

void StringGrid::connectActions() {
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StringGrid::updateActions);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &StringGrid::updateActions);
    connect(cellModel, &QAbstractItemModel::rowsInserted, this, &StringGrid::updateActions);
    connect(cellModel, &QAbstractItemModel::rowsRemoved, this, &StringGrid::updateActions);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &StringGrid::updatePasteAction);
    updateActions();
    updatePasteAction();
}

void StringGrid::setLeadingActions(const QList<QAction*>& actions) {
    QAction* first = menu->actions().constFirst();
    menu->insertActions(first, actions);
    if (!actions.isEmpty())
        menu->insertSeparator(first);
}

const QString& StringGrid::Cells(int col, int row) const {
    return cellModel->cells(col, row);
}

void StringGrid::setCells(int col, int row, const QString& text) {
    cellModel->setCells(col, row, text);
}

int StringGrid::RowCount() const {
    return cellModel->gridRowCount();
}

void StringGrid::setRowCount(int rows) {
    cellModel->setGridRowCount(rows);
}

int StringGrid::ColCount() const {
    return cellModel->gridColCount();
}

void StringGrid::setColCount(int columns) {
    cellModel->setGridColCount(columns);
    columnWidths.forgetChoices(); // new columns: none sized by the user yet
    fitColumns();
}

int StringGrid::fixedRows() const {
    return cellModel->fixedRows();
}

void StringGrid::setFixedRows(int rows) {
    cellModel->setFixedRows(rows);
    showFixedCells();
}

int StringGrid::fixedCols() const {
    return cellModel->fixedCols();
}

void StringGrid::setFixedCols(int columns) {
    cellModel->setFixedCols(columns);
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
    return cellModel->indexOfCell(col, row);
}

void StringGrid::goToCell(int col, int row) {
    const QModelIndex cell = cellIndex(col, row);
    if (!cell.isValid())
        return;
    setCurrentIndex(cell);
    scrollTo(cell);
    // Back from a dialog, a screen reader names the table, not its cell: the cell is said once
    // the grid has the focus.
    cellToAnnounce = true;
    setFocus(Qt::OtherFocusReason);
    if (hasFocus())
        announceCurrentCell();
}

void StringGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    announceCurrentCell();
}

QModelIndex StringGrid::currentCell() const {
    return current->index();
}

void StringGrid::announceCurrentCell() {
    if (const QModelIndex cell = currentCell();
        std::exchange(cellToAnnounce, false) && cell.isValid())
        announceCell(cellModel->gridCol(cell), cellModel->gridRow(cell));
}

void StringGrid::announceCell(int col, int row) {
    // The window's: a table's own children are its cells, to screen readers.
    platform::Announcer::of(this)->announce(
        QCoreApplication::translate("grid", "%1, row %2: %3")
            .arg(columnName(*cellModel, col), QString::number(row), Cells(col, row)));
}

void StringGrid::finishEditing() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentCell())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void StringGrid::setEditHandler(std::function<void(const GridEdit&)> handler) {
    editHandler = std::move(handler);
}

void StringGrid::requestEdit(const GridEdit& edit) {
    if (editHandler)
        editHandler(edit);
    else
        cellModel->apply(edit);
}

void StringGrid::scrollToRow(int row) {
    const QModelIndex first = cellIndex(fixedCols(), row);
    if (first.isValid())
        scrollTo(first);
}

void StringGrid::selectRowCells(int row) {
    if (!cellIndex(fixedCols(), row).isValid()) {
        clearSelection(); // what was selected is not what was asked for
        return;
    }
    selectCells(QRect(QPoint(fixedCols(), row), QPoint(ColCount() - 1, row)));
    scrollToRow(row);
}

void StringGrid::selectCells(const QRect& rect) {
    const QModelIndex first = cellIndex(rect.left(), rect.top());
    current->set(first);
    selectionModel()->select(QItemSelection(first, cellIndex(rect.right(), rect.bottom())),
                             QItemSelectionModel::ClearAndSelect);
}

QRect StringGrid::selectedRect() const {
    QRect rect;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection)
        rect |= QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom()));
    if (const QModelIndex cell = currentCell(); rect.isNull() && cell.isValid())
        rect = QRect(cell.column(), cell.row(), 1, 1);
    return rect.isNull() ? rect : rect.translated(fixedCols(), fixedRows());
}

void StringGrid::copy() {
    const QRect rect = selectedRect();
    if (rect.isNull())
        return;
    std::vector<platform::ColumnContent> contents;
    for (int col = rect.left(); col <= rect.right(); ++col)
        contents.push_back(columnContent(col));
    clipboard::CopiedCells cells(rect.width(), std::move(contents));
    for (int row = rect.top(); row <= rect.bottom(); ++row)
        for (int col = rect.left(); col <= rect.right(); ++col)
            cells.append(Cells(col, row));
    QGuiApplication::clipboard()->setMimeData(clipboard::mimeDataOf(std::move(cells)));
}

void StringGrid::cut() {
    copy();
    blankSelection(QCoreApplication::translate("grid", "Cut"));
}

void StringGrid::deleteSelection() {
    blankSelection(QCoreApplication::translate("grid", "Delete"));
}

void StringGrid::blankSelection(const QString& name) {
    if (std::optional<TextEdit> edit = blankEdit(*cellModel, selectedRect(), name))
        requestEdit(*std::move(edit));
}

void StringGrid::paste() {
    const clipboard::ClipboardTable table(QGuiApplication::clipboard()->mimeData());
    const QRect selection = selectedRect();
    std::optional<TextEdit> edit = pasteEdit(
        *cellModel, selection, table.shape(), [&table] { return table.rows(); }, kMaxRows);
    if (!edit)
        return;
    const QRect pasted(edit->col, edit->row, int(edit->texts.first().size()),
                       int(edit->texts.size()));
    requestEdit(*std::move(edit));
    selectCells(pasted);
}

void StringGrid::deleteRows() {
    if (std::optional<RowRemoval> edit = deleteRowsEdit(*cellModel, selectedRect()))
        requestEdit(*std::move(edit));
}

void StringGrid::insertRowsAbove() {
    if (std::optional<RowInsertion> edit = insertRowsEdit(*cellModel, selectedRect(), kMaxRows))
        requestEdit(*std::move(edit));
}

void StringGrid::selectEntries() {
    const GridRows rows = gridRows();
    if (!rows.hasEntryRows(RowCount()) || ColCount() <= fixedCols()) {
        // No entries: no cell at all, so that a copy has nothing to put on the clipboard.
        clearSelection();
        current->clear();
        return;
    }
    const QRect entries(QPoint(fixedCols(), rows.firstEntryRow()),
                        QPoint(ColCount() - 1, rows.lastEntryRow(RowCount())));
    // As in a spreadsheet, the current cell stays where it is when it is among the entries, so
    // that typing goes on where the user was.
    if (const QModelIndex cell = currentCell();
        cell.isValid() && entries.contains(cellModel->gridCol(cell), cellModel->gridRow(cell))) {
        selectionModel()->select(QItemSelection(cellIndex(entries.left(), entries.top()),
                                                cellIndex(entries.right(), entries.bottom())),
                                 QItemSelectionModel::ClearAndSelect);
        return;
    }
    selectCells(entries);
}

void StringGrid::setColumnContent(int col, platform::ColumnContent content) {
    if (col < 0)
        return;
    if (std::size_t(col) >= columnContents.size())
        columnContents.resize(std::size_t(col) + 1, platform::ColumnContent::Text);
    columnContents[std::size_t(col)] = content;
}

platform::ColumnContent StringGrid::columnContent(int col) const {
    return col >= 0 && std::size_t(col) < columnContents.size() ? columnContents[std::size_t(col)]
                                                                : platform::ColumnContent::Text;
}

void StringGrid::sortRows(int col, Qt::SortOrder order) {
    if (std::optional<RowOrder> edit = sortEdit(*cellModel, col, columnContent(col), order))
        requestEdit(*std::move(edit));
}

int StringGrid::currentColumn() const {
    const QModelIndex cell = currentCell();
    return cell.isValid() ? cellModel->gridCol(cell) : -1;
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
        const QString heading = columnName(*cellModel, col);
        ascending->setText(
            QCoreApplication::translate("grid", "&Sort by %1, Ascending").arg(heading));
        descending->setText(
            QCoreApplication::translate("grid", "S&ort by %1, Descending").arg(heading));
    } else {
        ascending->setText(QCoreApplication::translate("grid", "&Sort Ascending"));
        descending->setText(QCoreApplication::translate("grid", "S&ort Descending"));
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
        platform::runGuarded([this, slot] { (this->*slot)(); });
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
    deleteRowsAction->setEnabled(deleteRowsEdit(*cellModel, selectedRect()).has_value());
    aimSorts(sortAscendingAction, sortDescendingAction, currentColumn());
}

void StringGrid::updatePasteAction() {
    // Asking the clipboard may mean asking another program: only when it changes, or the menu
    // opens.
    pasteAction->setEnabled(clipboard::offersCells(QGuiApplication::clipboard()->mimeData()));
}

void StringGrid::contextMenuAboutToShow() {
    updateActions();
    updatePasteAction();
}

void StringGrid::openMenu(const QPoint& globalPos) {
    menu->popup(globalPos);
}

void StringGrid::openHeadingMenu(const QPoint& pos) {
    const int section = horizontalHeader()->logicalIndexAt(pos);
    if (section < 0)
        return;
    finishEditing(); // as a click anywhere else does
    headingColumn = section + fixedCols();
    aimSorts(headingsMenu->actions().at(0), headingsMenu->actions().at(1), headingColumn);
    headingsMenu->popup(horizontalHeader()->viewport()->mapToGlobal(pos));
}

void StringGrid::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        openMenu(event->globalPos());
    } else {
        const QRect cell = visualRect(currentCell());
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

} // namespace grid
