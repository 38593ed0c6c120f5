// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// Unit1.h - the main window, the program's global objects and the grid repaint.
#pragma once

#include "listtable.h"
#include "resultphrase.h"

#include "list/spisok.h"

#include <QWidget>

#include <memory>

class QAction;
class QPushButton;
class QUndoCommand;
class QUndoStack;

namespace platform {
class Announcer;
}

namespace Ui {
class TForm1;
}

/// The one window: the add, remove and search rows, the six command buttons and the grid that
/// shows the list. Each handler runs the steps of its command in order; an error stops it and is
/// shown in the error dialog, and the window stays open. Every change of the list or the table is
/// a step of the window's history, which undo and redo walk.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    void FormCreate(QObject* Sender);
    void Button1Click(QObject* Sender); ///< add
    void Button2Click(QObject* Sender); ///< remove
    void Button3Click(QObject* Sender); ///< search by price
    void Button4Click(QObject* Sender); ///< clear the list
    void Button5Click(QObject* Sender); ///< exit
    void Button6Click(QObject* Sender); ///< accept the grid's edits

    /// Every change of the list and the table, for undo and redo.
    QUndoStack* undoStack() const { return history; }
    /// The grid, as the view of a list.
    ListTable listTable() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    /// The window's icon, its fonts, its captions fitted and the search's result phrase.
    void setupAppearance();
    /// Each field's command for screen readers, and what tells them what a command did.
    void setupAccessibility();
    /// The history of steps, and the grid's edits made steps of it.
    void createHistory();
    /// Undo and redo, for the grid, its context menu and the buttons.
    void createUndoActions();
    /// Each button to its handler, and Enter in a field to its row's button.
    void connectCommands();
    void connectButton(QPushButton* button, void (TForm1::*handler)(QObject*));
    /// Keeps the grid's stored margins to the window's edges from now on, and gives the window a
    /// minimum size that keeps every control whole.
    void layOutGrid();
    /// Carries `step` out and records it in the history.
    void pushStep(std::unique_ptr<QUndoCommand> step);

    std::unique_ptr<Ui::TForm1> ui;
    std::unique_ptr<ResultPhrase> results;
    QUndoStack* history = nullptr;
    platform::Announcer* announcer = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QSize gridMargins; ///< from the grid's right and bottom edges to the window's
    QSize gridMinimum;
};

/// The list of entries: empty at start, alive for the whole run.
extern spisok drives;
/// Scratch record that the add and remove commands fill from their text fields.
extern vint input;
/// The main window, set when it is created.
extern TForm1* Form1;

/// Repaints the grid of `Form1` below the heading row: blanks every row, then writes one row per
/// entry. Walks the list once; rows beyond the grid's last are not written.
void showList(const spisok& s);
