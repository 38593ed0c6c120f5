// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// Unit1.h - the main window, the program's global objects and the grid repaint.
#pragma once

#include "list/spisok.h"

#include <QWidget>

#include <memory>

class QPushButton;

namespace Ui {
class TForm1;
}

/// The one window: the add, remove and search rows, the six command buttons and the grid that
/// shows the list. Each handler runs the steps of its command in order; an error stops it and is
/// shown in the error dialog, and the window stays open.
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

private:
    void connectButton(QPushButton* button, void (TForm1::*handler)(QObject*));
    void showSearchResult(const QString& firma, const QString& marka, const QString& objom);

    std::unique_ptr<Ui::TForm1> ui;

    friend void showList(const spisok& s);
};

/// The list of entries: empty at start, alive for the whole run.
extern spisok drives;
/// Scratch record that the add and remove commands fill from their text fields.
extern vint input;
/// The main window, set when it is created.
extern TForm1* Form1;

/// Repaints the grid below the heading row: blanks every row, then writes one row per entry.
/// Walks the list once; rows beyond the grid's last are not written.
void showList(const spisok& s);
