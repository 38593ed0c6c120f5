// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// windowmodel.h - what the window should hold after any sequence of user actions, written from
// the commands' described results and calling none of the window's code.
#pragma once

#include "fuzz/referencelist.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

/// The window as a plain value: the list, every grid cell, the result labels as a screen reader
/// reads them, the ten edits, the clipboard, the history of steps, and what the last action
/// refused.
class WindowModel {
public:
    enum class Command { Add, Remove, Search, Clear, Accept };
    using Block = QList<QStringList>;

    /// What an action refused: an edit (1 to 10) or a grid cell (edit 0, at col and row), which
    /// the user is taken back to; or a paste (edit -1), which leads nowhere.
    struct Refusal {
        int edit = 0;
        int col = 0;
        int row = 0;
        bool blankRow = false; ///< the whole row, refused once as blank (col is its first)
    };

    WindowModel();

    /// Edit 1 to 10 now holds `text`.
    void setEdit(int edit, const QString& text);
    /// A cell typed into; with `open`, its editor stays open (the grid shows the editor's text)
    /// until the next action commits it. A fixed cell refuses: false, and nothing changes.
    bool editCell(int col, int row, const QString& text, bool open);
    void run(Command command);

    /// Clipboard actions over a rectangle of grid cells (columns and rows as the grid counts).
    void copy(const QRect& cells);
    void cut(const QRect& cells);
    void erase(const QRect& cells);
    /// Takes out the entry rows among those of `cells`; puts as many blank rows as `cells` spans
    /// above its top row.
    void deleteRows(const QRect& cells);
    void insertRows(const QRect& cells);
    /// Reorders the entry rows by column `col`: numbers (columns 3 and 4) as integers, the rest
    /// after; texts as the locale orders them ignoring case, the empty first; stable.
    void sortRows(int col, bool descending);
    /// Pastes the rows of the clipboard's text at (col, row).
    void paste(int col, int row);
    /// Puts a text on the clipboard, as another program does.
    void setClipboard(const Block& rows) { clipboard = rows; }
    void undo();
    void redo();
    /// Cell (col, row) becomes current: an editor open in another cell is committed.
    void moveTo(int col, int row);
    /// What the actions do first: an open editor's text is committed, a step when it changed.
    void commitOpenEditor();
    /// What an action does first but the commit, for one that turns out disabled.
    void forget();

    /// What the list puts at grid cell (col, row): its entry's field there, none beyond the list.
    std::optional<QString> listed(int col, int row) const;
    /// Whether a cell's editor is open at (col, row).
    bool isOpen(int col, int row) const {
        return openEditor && openEditor->col == col && openEditor->row == row;
    }
    /// What the grid shows, an open editor's text included.
    const QList<QStringList>& grid() const { return state.cells; }
    const ReferenceList& list() const { return state.entries; }
    const QStringList& labels() const { return results; }
    const QString& edit(int edit) const { return edits[std::size_t(edit - 1)]; }
    const std::optional<Refusal>& refusal() const { return refused; }
    /// Every cell and blank row that the last accept refused, in reading order; empty for another
    /// refusal.
    const std::vector<Refusal>& refusals() const { return refusedCells; }
    /// The clipboard's text as the table writes it.
    QString clipboardText() const;
    /// How many steps can be undone.
    int steps() const { return int(done.size()); }
    /// The grid row the last action scrolled into view, if any.
    std::optional<int> shownRow() const { return rowShown; }
    /// How often the cases that matter most were met: removes of an entry between the first and
    /// the last, and undos of them; sorts that moved rows, and among them those over rows with
    /// equal keys, over texts that are no integer in a number column, over edits not accepted.
    struct Tally {
        long middleRemoves = 0;
        long undoneMiddleRemoves = 0;
        long sorts = 0;
        long sortsWithTies = 0;
        long sortsWithNonNumbers = 0;
        long sortsOverEdits = 0;
        long longSorts = 0; ///< of more than 16 rows, where sorting algorithms change
        long htmlPastes = 0;
        long groupedNumbers = 0;      ///< read from digits grouped by separators
        long acceptsRefusingMany = 0; ///< accepts that refused more than one cell
        long blankRowsRefused = 0;

        Tally& operator+=(const Tally& other);
    };
    const Tally& tally() const { return met; }
    /// The grid row the last search selected, if any.
    std::optional<int> foundRow() const { return rowFound; }
    /// The cells, in grid columns and rows, that the last paste wrote and selected, if any.
    std::optional<QRect> pastedCells() const { return cellsPasted; }

    /// The text of a field's bytes, as the grid shows it.
    static QString decode(const std::string& bytes);
    /// Tab-separated lines as spreadsheets write them: `quoteAll` quotes every cell, `crlf` ends
    /// lines with CR LF, and without `finalBreak` the last line has no line end where that is
    /// still read the same.
    static QString tabSeparated(const Block& rows, bool quoteAll = false, bool crlf = false,
                                bool finalBreak = true);

private:
    struct Source {
        QString text;
        Refusal where;
    };
    /// What undo and redo put back.
    struct State {
        ReferenceList entries;
        QList<QStringList> cells;
        bool operator==(const State& other) const {
            return entries.entries() == other.entries.entries() && cells == other.cells;
        }
    };
    struct Step {
        State before;
        State after;
        int row;
        bool middleRemove = false; ///< a remove that took an entry neither first nor last
    };
    struct OpenEditor {
        int col;
        int row;
        QString before;
    };

    /// Every action starts here: nothing refused or shown yet, and an open editor committed.
    void begin();
    /// Each returns the grid row that it changed, 0 for none.
    int add();
    int remove();
    void search();
    void accept();
    void showList();
    /// A grid row as the list shows entry `e`.
    static QStringList rowOf(const ReferenceEntry& e);
    /// Whether the table of `s` is just its list: a row per entry, the blank row, nothing typed.
    static bool showsOnlyTheList(const State& s);
    /// Makes the change from `before` to now a step that shows `row`; none, and false, when
    /// nothing changed.
    bool record(const State& before, int row);
    void write(const QRect& cells, const Block& texts);
    /// Reads an entry's four values; false, with `refused` set, at the first refused one.
    bool readEntry(vint& entry, const std::array<Source, 4>& sources);
    bool readText(char (&field)[kTextFieldSize], const Source& source);
    bool readNumber(std::int32_t& value, const Source& source);
    /// The integer a field or cell holding `text` stands for, if any.
    static std::optional<std::int32_t> numberIn(const QString& text);
    Source editSource(int edit) const;
    Source cellSource(int col, int row) const;

    State state;
    QStringList results;
    std::array<QString, 10> edits;
    std::optional<Refusal> refused;
    std::vector<Refusal> refusedCells;
    Block clipboard;
    std::vector<Step> done;
    std::vector<Step> undone;
    std::optional<OpenEditor> openEditor;
    std::optional<int> rowShown;
    std::optional<int> rowFound;
    std::optional<QRect> cellsPasted;
    Tally met;
};
