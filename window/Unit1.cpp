// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// Unit1.cpp - the main window, the program's global objects and the grid repaint.
#include "Unit1.h"

#include "commands.h"
#include "entryinput.h"
#include "refusedcells.h"
#include "textfield.h"
#include "ui_Unit1.h"

#include "grid/stringgrid.h"
#include "grid/stringgridmodel.h"
#include "platform/announcer.h"
#include "platform/conversions.h"
#include "platform/counted.h"
#include "platform/enterkey.h"
#include "platform/errorboundary.h"
#include "platform/fontmap.h"
#include "platform/labeltext.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QUndoStack>

#include <algorithm>
#include <array>
#include <utility>
#include <variant>

spisok drives;
vint input{};
TForm1* Form1 = nullptr;

namespace {

constexpr int kUndoSteps = 1000;

/// The keys that undo and redo: `first` (shown in menus), then the platform's own.
QList<QKeySequence> keysOf(const QList<QKeySequence>& first, QKeySequence::StandardKey key) {
    QList<QKeySequence> keys = first;
    const QList<QKeySequence> platform = QKeySequence::keyBindings(key);
    for (const QKeySequence& sequence : platform)
        if (!keys.contains(sequence))
            keys << sequence;
    return keys;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    setupAppearance();
    setupAccessibility();
    layOutGrid();
    // The window's stored place: three pixels left of the screen's edge, 110 down.
    move(-3, 110);
    createHistory();
    createUndoActions();
    connectCommands();
    Form1 = this;
    FormCreate(this);
}

void TForm1::setupAppearance() {
    // Read as the PNGs they are: a reader left to find out what they are loads every image plugin.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        QImageReader reader(QStringLiteral(":/icons/drivelist-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    setWindowIcon(icon);
    platform::mapWindowsFonts(this);
    const auto labels = findChildren<QLabel*>();
    for (QLabel* label : labels)
        platform::fitLabel(label);
    results = std::make_unique<ResultPhrase>(std::array{ui->Label6, ui->Label7, ui->Label8},
                                             ui->StringGrid1->x());
}

void TForm1::setupAccessibility() {
    // A screen reader names a field by its caption, the same in every row: each field says which
    // command it belongs to, read right after it.
    const std::array<std::pair<QPushButton*, std::vector<QLineEdit*>>, 3> rows = {{
        {ui->Button1, {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit6}},
        {ui->Button2, {ui->Edit7, ui->Edit8, ui->Edit9, ui->Edit10}},
        {ui->Button3, {ui->Edit5}},
    }};
    for (const auto& [button, fields] : rows)
        for (QLineEdit* field : fields)
            field->setAccessibleDescription(button->text());
    announcer = platform::Announcer::of(this);
}

namespace {

/// An entry as a listener hears it: its four fields.
QString spokenEntry(const vint& entry) {
    return QStringList{fieldText(entry.firma), fieldText(entry.marka),
                       platform::IntToStr(entry.objom), platform::IntToStr(entry.zena)}
        .join(u' ');
}

/// What a listener is told that an edit of the table did; nothing for edits of cells, whose
/// new texts are read where they are.
QString spokenEdit(const grid::GridEdit& edit) {
    if (std::holds_alternative<grid::RowOrder>(edit))
        return QCoreApplication::translate("TForm1", "The rows are sorted.");
    if (const auto* inserted = std::get_if<grid::RowInsertion>(&edit))
        return platform::counted("TForm1", inserted->texts.size(),
                                 QT_TRANSLATE_NOOP("TForm1", "1 row inserted."),
                                 QT_TRANSLATE_N_NOOP("TForm1", "%n rows inserted."));
    if (const auto* removed = std::get_if<grid::RowRemoval>(&edit))
        return platform::counted("TForm1", removed->count,
                                 QT_TRANSLATE_NOOP("TForm1", "1 row deleted."),
                                 QT_TRANSLATE_N_NOOP("TForm1", "%n rows deleted."));
    return {};
}

} // namespace

void TForm1::createHistory() {
    history = new QUndoStack(this);
    history->setUndoLimit(kUndoSteps);
    // After every step, and every undo and redo, the cells that the list does not hold yet are
    // noted for the user.
    connect(history, &QUndoStack::indexChanged, this,
            [this] { listTable().noteEditsOver(drives); });
    grid::StringGrid* grid = ui->StringGrid1;
    grid->setEditHandler([this, grid](const grid::GridEdit& edit) {
        std::visit(
            [this, grid]<typename Edit>(const Edit& e) {
                pushStep(std::make_unique<GridEditCommand<Edit>>(grid, e));
            },
            edit);
        if (const QString spoken = spokenEdit(edit); !spoken.isEmpty())
            announcer->announce(spoken);
    });
}

void TForm1::createUndoActions() {
    grid::StringGrid* grid = ui->StringGrid1;
    undoAction = history->createUndoAction(this);
    redoAction = history->createRedoAction(this);
    undoAction->setObjectName(QStringLiteral("undo"));
    redoAction->setObjectName(QStringLiteral("redo"));
    undoAction->setShortcuts(keysOf({QKeySequence(Qt::CTRL | Qt::Key_Z)}, QKeySequence::Undo));
    redoAction->setShortcuts(
        keysOf({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
               QKeySequence::Redo));
    for (QAction* action : {undoAction, redoAction}) {
        // The window's history where no field has one of its own: the table, without an open
        // editor, and the buttons. An edit, or a cell's editor, undoes its own typing.
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        grid->addAction(action);
        // What is typed into an open cell becomes a step before the history moves.
        disconnect(action, &QAction::triggered, history, nullptr);
        const bool isUndo = action == undoAction;
        connect(action, &QAction::triggered, this, [this, grid, action, isUndo] {
            grid->finishEditing();
            if (!(isUndo ? history->canUndo() : history->canRedo()))
                return;
            // The menu's own words: "Undo Add".
            const QString step = action->text().remove(u'&');
            isUndo ? history->undo() : history->redo();
            announcer->announce(step);
        });
    }
    // The menu's words with a key of their own ("&Undo Add"); QUndoStack gives none.
    const auto name = [this] {
        undoAction->setText(
            QCoreApplication::translate("TForm1", "&Undo %1").arg(history->undoText()).trimmed());
        redoAction->setText(
            QCoreApplication::translate("TForm1", "R&edo %1").arg(history->redoText()).trimmed());
    };
    // After QUndoStack's own, which writes the words without the key.
    connect(history, &QUndoStack::undoTextChanged, this, name);
    connect(history, &QUndoStack::redoTextChanged, this, name);
    name();
    grid->setLeadingActions({undoAction, redoAction});
}

void TForm1::connectCommands() {
    const std::array<std::pair<QPushButton*, void (TForm1::*)(QObject*)>, 6> buttons = {{
        {ui->Button1, &TForm1::Button1Click},
        {ui->Button2, &TForm1::Button2Click},
        {ui->Button3, &TForm1::Button3Click},
        {ui->Button4, &TForm1::Button4Click},
        {ui->Button5, &TForm1::Button5Click},
        {ui->Button6, &TForm1::Button6Click},
    }};
    for (const auto& [button, handler] : buttons) {
        connectButton(button, handler);
        button->addActions({undoAction, redoAction});
    }
    // Enter in a field runs the command of its row.
    for (QLineEdit* edit : {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit6})
        connect(edit, &QLineEdit::returnPressed, ui->Button1, &QAbstractButton::click);
    for (QLineEdit* edit : {ui->Edit7, ui->Edit8, ui->Edit9, ui->Edit10})
        connect(edit, &QLineEdit::returnPressed, ui->Button2, &QAbstractButton::click);
    connect(ui->Edit5, &QLineEdit::returnPressed, ui->Button3, &QAbstractButton::click);
}

void TForm1::layOutGrid() {
    grid::StringGrid* grid = ui->StringGrid1;
    const QRect stored = grid->geometry();
    gridMargins = QSize(width() - stored.right() - 1, height() - stored.bottom() - 1);
    // Narrowed, the grid keeps its heading column and one column in view, and scrolls sideways.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    const int frame = 2 * grid->frameWidth();
    gridMinimum =
        QSize(grid->verticalHeader()->width() + grid->defaultColWidth() + scrollBar + frame,
              stored.height());
    setMinimumSize(stored.x() + gridMinimum.width() + gridMargins.width(), height());
    // A screen narrower than the stored width gets a window that fits it.
    if (const QScreen* shown = screen(); shown && shown->availableGeometry().width() < width())
        resize(std::max(minimumWidth(), shown->availableGeometry().width()), height());
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The grid follows the window's right and bottom edges; everything else stays in place.
    grid::StringGrid* grid = ui->StringGrid1;
    grid->resize(std::max(gridMinimum.width(), width() - grid->x() - gridMargins.width()),
                 std::max(gridMinimum.height(), height() - grid->y() - gridMargins.height()));
}

TForm1::~TForm1() {
    // An editor still open commits as the grid goes; there is no history left to take it. The
    // history, cleared as it goes, notes no cells of a grid that is gone.
    ui->StringGrid1->setEditHandler({});
    disconnect(history, nullptr, this, nullptr);
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::pushStep(std::unique_ptr<QUndoCommand> step) {
    // A step that would change nothing is dropped here: pushed, even obsolete, it would cost the
    // steps that could be redone.
    if (step->isObsolete())
        return;
    // The first redo carries the command out; should it throw, the step is dropped unrecorded.
    history->push(step.get());
    step.release();
}

void TForm1::connectButton(QPushButton* button, void (TForm1::*handler)(QObject*)) {
    platform::pressOnEnter(button);
    connect(button, &QAbstractButton::clicked, this, [this, button, handler] {
        // What is typed into a cell counts as soon as any command runs, even one started without
        // the focus leaving the cell (a shortcut, or a press through the accessibility bus).
        ui->StringGrid1->finishEditing();
        platform::runGuarded([this, button, handler] { (this->*handler)(button); });
    });
}

ListTable TForm1::listTable() const {
    return ListTable(ui->StringGrid1);
}

void TForm1::FormCreate(QObject* /*Sender*/) {
    listTable().writeHeadings();
}

void TForm1::Button1Click(QObject* /*Sender*/) {
    // Every input is read and checked before anything changes, so a bad one changes nothing.
    readEntry(input, {EntryInput(ui->Edit1, ui->Label1), EntryInput(ui->Edit2, ui->Label2),
                      EntryInput(ui->Edit3, ui->Label3), EntryInput(ui->Edit4, ui->Label4)});
    const std::int32_t position = readNumber(EntryInput(ui->Edit6, ui->Label10));
    const std::int32_t place = drives.placeOf(position);
    // Inserts, grows the grid to the list and repaints it.
    pushStep(std::make_unique<AddCommand>(drives, listTable(), input, position));
    announcer->announce(QCoreApplication::translate("TForm1", "Added %1 at place %2.")
                            .arg(spokenEntry(input), platform::IntToStr(place)));
}

void TForm1::Button2Click(QObject* /*Sender*/) {
    readEntry(input, {EntryInput(ui->Edit7, ui->Label11), EntryInput(ui->Edit8, ui->Label12),
                      EntryInput(ui->Edit9, ui->Label13), EntryInput(ui->Edit10, ui->Label14)});
    const QString noMatch =
        QCoreApplication::translate("TForm1", "No entry matches: nothing is removed.");
    if (drives.empty()) {
        announcer->announce(noMatch);
        return;
    }
    const std::int32_t at = drives.indexOf(input);
    // Removes, shrinks the grid to the list and repaints it; matching nothing, only repaints.
    if (matches(input, *drives.at(at))) {
        const QString removed = spokenEntry(recordOf(*drives.at(at)));
        pushStep(std::make_unique<RemoveCommand>(drives, listTable(), input, at));
        announcer->announce(QCoreApplication::translate("TForm1", "Removed %1 from place %2.")
                                .arg(removed, platform::IntToStr(at)));
    } else {
        pushStep(std::make_unique<RepaintCommand>(QCoreApplication::translate("TForm1", "Remove"),
                                                  drives, listTable()));
        announcer->announce(noMatch);
    }
}

void TForm1::Button3Click(QObject* /*Sender*/) {
    const std::int32_t price = readNumber(EntryInput(ui->Edit5, ui->Label5));
    if (!drives.empty()) {
        const node found = drives.findByPrice(price);
        if (found.zena == price) {
            const std::array<QString, 3> words = {fieldText(found.firma), fieldText(found.marka),
                                                  platform::IntToStr(found.objom)};
            results->show(words);
            announcer->announce(QStringList(words.begin(), words.end()).join(u' '));
            std::int32_t index = 0;
            for (const node* p = drives.headNode(); p->zena != price; p = p->next)
                ++index;
            listTable().selectEntry(index);
            return;
        }
    }
    results->show({QStringLiteral("net"), QStringLiteral("takogo"), QStringLiteral("vinta")});
    announcer->announce(QStringLiteral("net takogo vinta"));
}

void TForm1::Button4Click(QObject* /*Sender*/) {
    // Empties the list, sets the grid to its two rows and repaints it.
    pushStep(std::make_unique<ClearCommand>(drives, listTable()));
    announcer->announce(QCoreApplication::translate("TForm1", "The list is cleared."));
}

void TForm1::Button5Click(QObject* /*Sender*/) {
    close();
}

void TForm1::Button6Click(QObject* /*Sender*/) {
    // Every row is read and checked into a new list first: a bad cell leaves the list whole and
    // the grid as typed. Every bad cell is named at once, so that a sheet is mended in one round;
    // the first becomes current.
    const ListTable table = listTable();
    const grid::GridRows rows = table.rowRule();
    spisok rebuilt;
    RefusedCells refused;
    for (int row = rows.firstEntryRow(); row < rows.blankRow(ui->StringGrid1->RowCount()); ++row) {
        const std::array<EntryInput, 4> inputs = table.entryInputs(row);
        // A row left wholly blank (a spreadsheet's empty row, an inserted row) is one mistake,
        // not four.
        if (table.isBlankEntryRow(row)) {
            refused.addBlankRow(platform::Exception(
                QCoreApplication::translate(
                    "TForm1", "Row %1 is blank: fill it in, or take it out with Delete Rows.")
                    .arg(row),
                inputs[0].leadBack()));
            continue;
        }
        vint entry{};
        if (readEntry(entry, inputs,
                      [&refused](const platform::Exception& e) { refused.add(e); }) &&
            refused.empty())
            rebuilt.insert(entry, rows.indexOf(row));
    }
    refused.throwIfAny();
    // Puts the rebuilt list in place and repaints the grid.
    pushStep(std::make_unique<AcceptCommand>(drives, table, std::move(rebuilt)));
    announcer->announce(platform::counted(
        "TForm1", drives.size(),
        QT_TRANSLATE_NOOP("TForm1", "The edits are accepted: the list holds 1 entry."),
        QT_TRANSLATE_N_NOOP("TForm1", "The edits are accepted: the list holds %n entries.")));
}

void showList(const spisok& s) {
    Form1->listTable().show(s);
}
