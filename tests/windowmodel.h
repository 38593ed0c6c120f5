// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// windowmodel.h - what the window should hold after any sequence of user actions, written from
// the commands' described results and calling none of the window's code.
#pragma once

#include "fuzz/referencelist.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

/// The window as a plain value: the list, every grid cell, the result labels as a screen reader
/// reads them, the ten edits, and what the last command refused.
class WindowModel {
public:
    enum class Command { Add, Remove, Search, Clear, Accept };

    /// An input that a command refused: its name as the message gives it, the text quoted in the
    /// message (empty where the message quotes nothing), and where the user is taken back to.
    struct Refusal {
        QString name;
        QString quote;
        int edit = 0; ///< 1 to 10 for an edit, 0 for a grid cell
        int col = 0;
        int row = 0;
    };

    WindowModel();

    /// Edit 1 to 10 now holds `text`.
    void setEdit(int edit, const QString& text);
    /// A cell typed into (its editor may still be open: the grid then shows the editor's text). A
    /// fixed cell refuses: false, and nothing changes.
    bool editCell(int col, int row, const QString& text);
    void run(Command command);

    /// What the grid shows, an open editor's text included.
    const QList<QStringList>& grid() const { return cells; }
    const ReferenceList& list() const { return entries; }
    const QStringList& labels() const { return results; }
    const QString& edit(int edit) const { return edits[std::size_t(edit - 1)]; }
    const std::optional<Refusal>& refusal() const { return refused; }

    /// The name the window gives a grid cell in its messages.
    static QString cellName(int col, int row);
    /// How a message quotes a typed text.
    static QString quote(const QString& text);
    /// The text of a field's bytes, as the grid shows it.
    static QString decode(const std::string& bytes);

private:
    struct Source {
        QString text;
        Refusal where;
    };

    void add();
    void remove();
    void search();
    void accept();
    void showList();
    /// Reads an entry's four values; false, with `refused` set, at the first refused one.
    bool readEntry(vint& entry, const std::array<Source, 4>& sources);
    bool readText(char (&field)[kTextFieldSize], const Source& source);
    bool readNumber(std::int32_t& value, const Source& source);
    Source editSource(int edit) const;
    Source cellSource(int col, int row) const;

    ReferenceList entries;
    QList<QStringList> cells;
    QStringList results;
    std::array<QString, 10> edits;
    std::optional<Refusal> refused;
};
