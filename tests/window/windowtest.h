// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// windowtest.h - a window under test: its controls by name, typing, clicking, reading the grid.
#pragma once

#include "window/Unit1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <memory>
#include <vector>

namespace grid {
class StringGrid;
}

/// Everything a command may change, for checking that a refused command changed nothing.
struct WindowState {
    QList<QStringList> list; ///< the entries of `drives`, as texts
    QList<QStringList> grid; ///< every cell, row by row
    QStringList labels;      ///< the captions of the three result labels
    bool operator==(const WindowState&) const = default;
};

/// A fresh window over an empty list, with errors recorded instead of shown in a dialog.
class WindowTest {
public:
    WindowTest();
    ~WindowTest();

    TForm1* form() const { return window.get(); }
    QLineEdit* edit(const char* name) const;
    QPushButton* button(const char* name) const;
    QLabel* label(const char* name) const;
    grid::StringGrid* grid() const;

    /// Replaces an edit's text by typing, as a user does.
    void type(const char* editName, const QString& text) const;
    void click(const char* buttonName) const;
    /// Types an entry into the add row.
    void fillAddRow(const QString& firma, const QString& marka, const QString& objom,
                    const QString& zena, const QString& position) const;
    /// Types an entry into the add row and clicks "добавить".
    void add(const QString& firma, const QString& marka, const QString& objom, const QString& zena,
             const QString& position) const;

    /// Replaces a cell's text as a user does: click the cell, F2, erase, type, Enter.
    void typeIntoCell(int col, int row, const QString& text) const;

    /// Adds one entry per "firma|marka|objom|zena[|position]" text through the add row; without a
    /// position each goes to the end.
    void addAll(const QStringList& entries) const;

    /// Columns 1 to 4 of a grid row.
    QStringList row(int r) const;
    /// Columns 1 to 4 of every row below the heading row.
    QList<QStringList> rows() const;
    WindowState state() const;

    QStringList errors;

private:
    /// The named control; a missing one fails the test.
    template <typename Control> Control* control(const char* name) const;

    std::unique_ptr<TForm1> window;
    mutable std::vector<std::unique_ptr<QObject>> standIns;
};
