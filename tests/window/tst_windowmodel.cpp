// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// tst_windowmodel.cpp - the whole window against its model, under seeded random sequences of
// user actions: typing into edits and cells (the fixed ones included), every command by its button
// or by Enter, the clipboard (copy, cut, paste, delete, select all), deleting and inserting rows,
// sorting from the table's menu and from a heading's, resizing the window, undo and redo.
//
//   tst_windowmodel [--sequences N] [--steps N] [--seed S]
//
// runs N sequences from seed S on (S alone with --sequences 1). A sequence that goes astray is
// printed as its steps, with the first difference, and the run fails.
#include "windowmodel.h"

#include "tests/list/listtesting.h"
#include "tests/platform/inputclasses.h"
#include "window/Unit1.h"
#include "window/textfield.h"

#include "grid/stringgrid.h"
#include "grid/stringgridmodel.h"
#include "platform/announcer.h"
#include "platform/errorboundary.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>

#include <cstdio>
#include <cstring>
#include <optional>
#include <random>

namespace {

using Command = WindowModel::Command;

struct Button {
    Command command;
    const char* name;
    const char* caption;
    std::array<int, 5> edits; ///< the fields where Enter runs the command; 0 for none
};
const Button kButtons[] = {{Command::Add, "Button1", "добавить", {1, 2, 3, 4, 6}},
                           {Command::Remove, "Button2", "удалить", {7, 8, 9, 10, 0}},
                           {Command::Search, "Button3", "поиск", {5, 0, 0, 0, 0}},
                           {Command::Clear, "Button4", "очистить список", {}},
                           {Command::Accept, "Button6", "принять результаты редактирования", {}}};
constexpr QSize kStoredSize(787, 283);
/// The captions of Edit1 to Edit10, and the headings of the grid's columns.
const char* const kCaptions[] = {"фирма",          "марка", "объем", "цена",  "цена",
                                 "на какое место", "фирма", "марка", "объем", "цена"};
const char* const kHeadings[] = {"", "firma", "marka", "objom", "zena"};

/// Draws what the user types: mostly what a field takes, so that commands get through, and
/// otherwise any input of the classes that every field is tried with.
class Inputs {
public:
    explicit Inputs(std::mt19937_64& random) : random(random) {}

    QString forNumber() { return pick(10) < 8 ? number() : any(); }
    QString forText() { return pick(10) < 4 ? text() : pick(3) ? fromClass(textInputs()) : any(); }
    QString any() { return fromClass(pick(2) ? numberInputs() : textInputs()); }
    QString fromClass(const QList<TypedInput>& inputs) {
        return inputs[qsizetype(pick(std::size_t(inputs.size())))].text;
    }
    /// Small numbers, so that prices and capacities meet, the 32-bit boundaries, and grouped ones.
    QString number() {
        // Grouped as spreadsheets write them, and once with a separator out of place.
        // The minus sign as HTML writes it, and a dash that only looks like one.
        static const QStringList boundaries = {"2147483647", "-2147483648", "007",        "-0",
                                               "1 000",      "-2,000",      "3\u00A0000", "40,00",
                                               "\u22125",    "\u22122 500", "\u20131"};
        return pick(5) ? QString::number(int(pick(6)) - 1)
                       : boundaries[qsizetype(pick(std::size_t(boundaries.size())))];
    }
    /// Short texts of few letters, so that first letters meet, and now and then a long one.
    QString text() {
        static const QString letters = QStringLiteral("sSbxЖжБ");
        QString result;
        for (std::size_t length = pick(3) ? pick(3) : pick(13); length > 0; --length)
            result += letters[qsizetype(pick(std::size_t(letters.size())))];
        return result;
    }
    /// A cell of a pasted text: what a field takes or refuses, or one with the signs that need
    /// quoting.
    QString cell() {
        static const QStringList quoted = {"a\tb", "x\ny", "\"q\"", "\"",  "r\r\nn",
                                           "",     "\t",   "c\rr",  "cr\r"};
        return pick(6) == 0 ? quoted[qsizetype(pick(std::size_t(quoted.size())))]
                            : (pick(2) ? forText() : forNumber());
    }
    /// A cell as a spreadsheet's HTML table holds it: no controls, single spaces between words,
    /// now and then two lines.
    QString htmlCell() {
        const auto line = [this] {
            QString text = pick(2) ? forText() : forNumber();
            text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
            return text.simplified();
        };
        QString cell = line();
        if (pick(6) == 0)
            if (const QString second = line(); !cell.isEmpty() && !second.isEmpty())
                cell += u'\n' + second;
        return cell;
    }
    /// `rows` as a spreadsheet writes an HTML table: markup around and inside the texts, some
    /// characters as entities, line breaks as <br>.
    QString htmlTable(const WindowModel::Block& rows) {
        QString html = QStringLiteral("<html><body><table border=1>");
        for (const QStringList& row : rows) {
            html += QStringLiteral("<tr>");
            for (const QString& cell : row) {
                QString text = cell.toHtmlEscaped();
                if (!cell.isEmpty() && pick(4) == 0 && !cell[0].isSurrogate() && cell[0] != u'\n')
                    text = QStringLiteral("&#%1;").arg(cell[0].unicode()) +
                           cell.mid(1).toHtmlEscaped();
                text.replace(u'\n', QStringLiteral("<br>"));
                // A line break that ends a cell, as Calc writes an empty one: no part of it.
                if (pick(6) == 0)
                    text += QStringLiteral("<br>");
                static const char* const wrappers[] = {"%1", "<b>%1</b>",
                                                       "<span style=\"color:red\">%1</span>",
                                                       "<font face=\"Arial\"><i>%1</i></font>"};
                html += QStringLiteral("<td>") + QString::fromLatin1(wrappers[pick(4)]).arg(text) +
                        QStringLiteral("</td>");
            }
            html += QStringLiteral("</tr>");
        }
        return html + QStringLiteral("</table></body></html>");
    }
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    }

private:
    std::mt19937_64& random;
};

QString shown(const QString& text) {
    QString s = text.size() > 100
                    ? text.left(40) + QStringLiteral("…(%1 characters)").arg(text.size())
                    : text;
    s.replace(u'\t', QStringLiteral("\\t"));
    return u'"' + s + u'"';
}

/// Empty when `got` is `want`; otherwise how `what` differs.
QString differ(const QString& what, const QString& got, const QString& want) {
    return got == want ? QString() : what + " is " + shown(got) + " but should be " + shown(want);
}

QString entryText(const ReferenceEntry& e) {
    return WindowModel::decode(e.firma) + ", " + WindowModel::decode(e.marka) + ", " +
           QString::number(e.objom) + ", " + QString::number(e.zena);
}

/// One user action, drawn from a seed but kept as data, so that a sequence can be replayed and
/// shortened.
struct Step {
    enum Kind { SetEdit, EditCell, Click, Action, Resize } kind = Action;
    int target = 0;          ///< the edit's number, or the button's index in kButtons
    int col = 0;             ///< a cell's column
    std::size_t rowDraw = 0; ///< a cell's row, modulo the rows that the grid has then
    QString text;
    bool leaveOpen = false; ///< the cell's editor stays open for the next command to close
    int enterIn = 0;        ///< Enter in this edit runs the command instead of its button
    /// A remove first types the description of a listed entry (the one at rowDraw, modulo the
    /// entries): its first letters followed by these texts, its capacity and its price.
    std::optional<std::array<QString, 2>> describe;
    const char* action = "";  ///< copy, cut, delete, (delete or insert) rows, selectAll, paste,
                              ///< sort (ascending or descending), undo or redo
    bool fromHeading = false; ///< a sort from the menu of the heading of the current column
    QRect cells;              ///< what a clipboard action selects first, rows modulo the grid's
    WindowModel::Block block; ///< what a paste puts on the clipboard first, if anything
    QString html;             ///< and the HTML that goes with it, if any
    bool quoteAll = false, crlf = false, finalBreak = true;
    QSize size; ///< a resize's window size, 0 wide for the narrowest
};

std::vector<Step> generate(std::uint64_t seed, int count) {
    std::mt19937_64 random(seed);
    Inputs inputs(random);
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i) {
        Step step;
        const std::size_t kind = inputs.pick(100);
        step.col = int(inputs.pick(4)) + 1;
        step.rowDraw = inputs.pick(1000);
        if (kind < 25) {
            step.kind = Step::SetEdit;
            step.target = int(inputs.pick(10)) + 1;
            const bool isText = QList<int>{1, 2, 7, 8}.contains(step.target);
            step.text = isText ? inputs.forText() : inputs.forNumber();
        } else if (kind < 40) {
            // Any cell: mostly those that hold entries, sometimes the heading row or column.
            step.kind = Step::EditCell;
            step.col = int(inputs.pick(5));
            step.text = step.col >= 3 ? inputs.forNumber() : inputs.forText();
            step.leaveOpen = inputs.pick(2) == 0;
        } else if (kind < 63) {
            step.kind = Step::Click;
            // Adds and removes more often than the rest, so that lists grow and lose entries in
            // the middle: add 4, remove 3, search, clear and accept 1 each in 10.
            static constexpr int kWeighted[] = {0, 0, 0, 0, 1, 1, 1, 2, 3, 4};
            step.target = kWeighted[inputs.pick(std::size(kWeighted))];
            const auto& edits = kButtons[step.target].edits;
            const auto fields = std::find(edits.begin(), edits.end(), 0) - edits.begin();
            if (fields > 0 && inputs.pick(3) == 0)
                step.enterIn = edits[inputs.pick(std::size_t(fields))];
            if (kButtons[step.target].command == Command::Remove && inputs.pick(2) == 0)
                step.describe = {inputs.text().left(8), inputs.text().left(8)};
            // Half of the adds first type an entry that the add row takes, so that lists grow
            // long enough to have a middle.
            if (kButtons[step.target].command == Command::Add && inputs.pick(2) == 0)
                for (const int edit : {1, 2, 3, 4, 6}) {
                    Step typed;
                    typed.kind = Step::SetEdit;
                    typed.target = edit;
                    typed.text = edit <= 2 ? inputs.text().left(9) : inputs.number();
                    steps.push_back(typed);
                }
        } else if (kind < 76) {
            step.action = kind < 65   ? "copy"
                          : kind < 67 ? "cut"
                          : kind < 69 ? "delete"
                          : kind < 71 ? "deleteRows"
                          : kind < 72 ? "insertRows"
                          : kind < 74 ? "selectAll"
                          : kind < 75 ? "sortAscending"
                                      : "sortDescending";
            step.fromHeading = inputs.pick(3) == 0;
            step.cells = QRect(step.col, 0, int(inputs.pick(std::size_t(5 - step.col))) + 1,
                               int(inputs.pick(4) ? inputs.pick(2) : inputs.pick(1000)) + 1);
            // A third of the sorts first paste a table long enough (over 16 rows) that an
            // unstable sort would show, its keys drawn from few values so that many are equal.
            if (std::strncmp(step.action, "sort", 4) == 0 && inputs.pick(3) == 0) {
                Step paste;
                paste.action = "paste";
                paste.cells = QRect(1, 0, 1, 1);
                paste.rowDraw = inputs.pick(1000);
                for (std::size_t r = inputs.pick(40) + 17; r > 0; --r)
                    paste.block << QStringList{inputs.text().left(2), inputs.text().left(2),
                                               inputs.forNumber(), inputs.forNumber()};
                steps.push_back(paste);
            }
        } else if (kind < 83) { // 7 in 100
            step.action = "paste";
            step.cells = QRect(step.col, 0, 1, 1);
            // Mostly a few rows as wide as the columns left, sometimes many, wider or ragged, now
            // and then more rows than the table may have.
            const std::size_t rows = inputs.pick(8) ? inputs.pick(3) + 1 : inputs.pick(300) + 1;
            if (inputs.pick(2000) == 0)
                step.block = WindowModel::Block(999'999, QStringList{QStringLiteral("x")});
            else if (inputs.pick(3)) {
                // A quarter of them as a spreadsheet's HTML table too, which the paste prefers.
                const bool html = inputs.pick(4) == 0;
                for (std::size_t r = 0; r < rows; ++r) {
                    const int fit = 5 - step.col;
                    const int width = inputs.pick(10) == 0 ? int(inputs.pick(6)) + 1
                                      : inputs.pick(5)     ? fit
                                                           : int(inputs.pick(std::size_t(fit))) + 1;
                    // Now and then a row left blank, as a spreadsheet copies an empty row.
                    const bool blank = html && inputs.pick(8) == 0;
                    step.block << QStringList();
                    while (step.block.last().size() < width)
                        step.block.last() << (blank  ? QString()
                                              : html ? inputs.htmlCell()
                                                     : inputs.cell());
                }
                if (html)
                    step.html = inputs.pick(8) ? inputs.htmlTable(step.block)
                                               : QStringLiteral("<p>no table</p>");
            }
            step.quoteAll = inputs.pick(5) == 0;
            step.crlf = inputs.pick(3) == 0;
            step.finalBreak = inputs.pick(3) != 0;
        } else if (kind < 86) {
            step.kind = Step::Resize;
            const QSize sizes[] = {kStoredSize, QSize(1200, 700), QSize(0, 283),
                                   QSize(int(inputs.pick(900)) + 500, int(inputs.pick(600)) + 283)};
            step.size = sizes[inputs.pick(4)];
        } else {
            step.action = kind < 94 ? "undo" : "redo";
        }
        steps.push_back(step);
    }
    return steps;
}

/// What Qt's model tester has found wrong with the grid's model since the window opened.
QStringList& modelFaults() {
    static QStringList faults;
    return faults;
}

/// A fresh window and a fresh model, driven step by step and compared after every step.
class Replay {
public:
    Replay() {
        drives.clear();
        input = vint{};
        platform::setErrorReporter(
            [this](const QString& message, const std::function<void()>& dismissed) {
                messages << message;
                if (dismissed)
                    dismissed(); // the user reads the message and closes it
            });
        QGuiApplication::clipboard()->clear();
        form = std::make_unique<TForm1>();
        form->show();
        grid = control<grid::StringGrid>("StringGrid1");
        // Every edit reaches the view as what it is, within Qt's contract for models.
        // This program runs no QtTest function: the tester warns, and a warning fails the step.
        modelFaults().clear();
        tester.emplace(grid->gridModel(), QAbstractItemModelTester::FailureReportingMode::Warning);
        const auto children = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children)
            stored.emplace_back(child, child->geometry());
    }
    ~Replay() {
        platform::setErrorReporter({});
        tester.reset();
        form.reset();
        drives.clear();
        // No event loop runs between the steps: what the window posted (closed editors to delete
        // among it) is handled here, so that the queue does not grow from one sequence to the next.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    /// The named control of the window; without it the run cannot go on.
    template <typename Control> Control* control(const QString& name) const {
        auto* found = form->findChild<Control*>(name);
        if (!found)
            qFatal("the window has no control %s of that kind", qPrintable(name));
        return found;
    }

    const WindowModel::Tally& tally() const { return model.tally(); }
    long htmlPastes = 0; ///< pastes of an HTML table

    /// Applies `step` to both, and describes it in `log`; the first difference, or empty.
    QString apply(const Step& step, QStringList& log) {
        messages.clear();
        searched = selectedAll = checkClipboard = false;
        acted = step.kind == Step::Click || step.action == QLatin1String("paste") ||
                step.action == QLatin1String("insertRows");
        checkView = step.kind == Step::Click || step.kind == Step::Action;
        // The focus in a cell's editor is the table's: the editor closes when a command runs.
        focusBefore = form->focusWidget();
        if (focusBefore && grid->isAncestorOf(focusBefore))
            focusBefore = grid;
        selectionBefore = grid->selectionModel()->selection();
        switch (step.kind) {
        case Step::SetEdit:
            control<QLineEdit>(QStringLiteral("Edit%1").arg(step.target))->setText(step.text);
            model.setEdit(step.target, step.text);
            log << QStringLiteral("Edit%1 = %2").arg(step.target).arg(shown(step.text));
            break;
        case Step::EditCell:
            editCell(step, log);
            break;
        case Step::Click: {
            const Button& button = kButtons[step.target];
            searched = button.command == Command::Search;
            if (step.describe)
                describe(step, log);
            if (step.enterIn > 0) {
                log << QStringLiteral("Enter in Edit%1").arg(step.enterIn);
                QTest::keyClick(control<QLineEdit>(QStringLiteral("Edit%1").arg(step.enterIn)),
                                Qt::Key_Return);
            } else {
                log << QStringLiteral("click %1 (%2)")
                           .arg(QString::fromUtf8(button.caption), button.name);
                control<QPushButton>(QLatin1String(button.name))->click();
            }
            model.run(button.command);
            break;
        }
        case Step::Action:
            act(step, log);
            break;
        case Step::Resize: {
            const QSize size(step.size.width() > 0 ? step.size.width() : form->minimumWidth(),
                             step.size.height());
            log << QStringLiteral("resize to %1 x %2").arg(size.width()).arg(size.height());
            form->resize(size);
            break;
        }
        }
        // The event loop runs between a user's actions: scroll bars come and go in it. A scroll bar
        // that goes resizes the view, which lays the columns out on the next pass.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (!modelFaults().isEmpty())
            return QStringLiteral("the grid's model broke Qt's contract: ") + modelFaults().first();
        return compare();
    }

private:
    void editCell(const Step& step, QStringList& log) {
        const int col = step.col;
        const int row = int(step.rowDraw % std::size_t(grid->RowCount()));
        log << QStringLiteral("cell (%1, %2) = %3%4")
                   .arg(col)
                   .arg(row)
                   .arg(shown(step.text),
                        step.leaveOpen ? QStringLiteral(", editor left open") : QString());
        const bool taken = model.editCell(col, row, step.text, step.leaveOpen);
        const QModelIndex cell = grid->cellIndex(col, row);
        if (!cell.isValid()) {
            // A fixed cell is no item: neither the view nor the model's headers take a text.
            const bool heading = row == 0;
            const int section = heading ? col - 1 : row - 1;
            refusedFixed =
                taken || (section >= 0 && grid->gridModel()->setHeaderData(
                                              section, heading ? Qt::Horizontal : Qt::Vertical,
                                              step.text, Qt::EditRole));
            return;
        }
        grid->setCurrentIndex(cell); // closes an editor open elsewhere, committing its text
        if (!grid->indexWidget(cell))
            grid->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
        if (!editor) {
            refusedFixed = true; // an editable cell that opened no editor
            return;
        }
        editor->setText(step.text);
        if (!step.leaveOpen)
            grid->finishEditing();
    }

    /// Types into the remove row the description of a listed entry, from the model's list.
    void describe(const Step& step, QStringList& log) {
        const auto& entries = model.list().entries();
        if (entries.empty())
            return;
        const std::size_t index = step.rowDraw % entries.size();
        const ReferenceEntry& entry = entries[index];
        log << QStringLiteral("describe entry %1 in the remove row").arg(index);
        const auto firstLetter = [](const std::string& text, const QString& tail) {
            const QString decoded = WindowModel::decode(text);
            return decoded.isEmpty() ? decoded : decoded.left(1) + tail;
        };
        const QString texts[] = {firstLetter(entry.firma, (*step.describe)[0]),
                                 firstLetter(entry.marka, (*step.describe)[1]),
                                 QString::number(entry.objom), QString::number(entry.zena)};
        for (int i = 0; i < 4; ++i) {
            control<QLineEdit>(QStringLiteral("Edit%1").arg(7 + i))->setText(texts[i]);
            model.setEdit(7 + i, texts[i]);
            log << QStringLiteral("Edit%1 = %2").arg(7 + i).arg(shown(texts[i]));
        }
    }

    /// A clipboard or history action, with the cells it acts on selected first.
    void act(const Step& step, QStringList& log) {
        const QString name = QLatin1String(step.action);
        const int rows = grid->RowCount() - 1; // below the heading row
        const int top = 1 + int(step.rowDraw % std::size_t(rows));
        const QRect cells(step.cells.left(), top, step.cells.width(),
                          std::min(step.cells.height(), rows - top + 1));
        if (!step.block.isEmpty()) {
            const QString text =
                WindowModel::tabSeparated(step.block, step.quoteAll, step.crlf, step.finalBreak);
            auto* data = new QMimeData;
            data->setText(text);
            if (!step.html.isEmpty() && step.html.contains(QLatin1String("<table"))) {
                // As Gnumeric gives a sheet: its plain text unquoted, so that a line break in a
                // cell splits its row there; only the HTML table holds the cells as they are.
                QStringList lines;
                for (const QStringList& row : step.block)
                    lines << row.join(u'\t');
                data->setText(lines.join(QLatin1String("\n")) + u'\n');
                ++htmlPastes;
            }
            if (!step.html.isEmpty())
                data->setHtml(step.html);
            QGuiApplication::clipboard()->setMimeData(data);
            model.setClipboard(step.block);
            log << QStringLiteral("the clipboard holds %1").arg(shown(text));
            if (!step.html.isEmpty())
                log << QStringLiteral("and the HTML %1").arg(shown(step.html));
        }
        if (name != "undo" && name != "redo") {
            const QRect selected = name == "paste" ? QRect(cells.topLeft(), QSize(1, 1)) : cells;
            log << QStringLiteral("select (%1, %2) to (%3, %4)")
                       .arg(selected.left())
                       .arg(selected.top())
                       .arg(selected.right())
                       .arg(selected.bottom());
            model.moveTo(selected.left(), selected.top());
            const QModelIndex first = grid->cellIndex(selected.left(), selected.top());
            grid->setCurrentIndex(first);
            grid->selectionModel()->select(
                QItemSelection(first, grid->cellIndex(selected.right(), selected.bottom())),
                QItemSelectionModel::ClearAndSelect);
        }
        const bool sort = name.startsWith("sort");
        if (sort && step.fromHeading) {
            log << name + " from the heading's menu";
            sortFromHeading(cells.left(), name == "sortDescending");
            model.commitOpenEditor(); // opening the menu ends the editing
        } else {
            log << name;
            currentBefore = grid->currentCell();
            trigger(step.action);
        }
        checkClipboard = name == "copy" || name == "cut";
        if (name == "copy" || name == "cut" || name == "delete")
            name == "copy"  ? model.copy(cells)
            : name == "cut" ? model.cut(cells)
                            : model.erase(cells);
        else if (name == "paste")
            model.paste(cells.left(), cells.top());
        else if (name == "deleteRows")
            model.deleteRows(cells);
        else if (name == "insertRows")
            model.insertRows(cells);
        else if (sort)
            model.sortRows(cells.left(), name == "sortDescending");
        else if (name == "undo" || name == "redo")
            name == "undo" ? model.undo() : model.redo();
        else if (grid->RowCount() > 2) { // select all, then copy what it selected
            selectedAll = checkClipboard = true;
            // Select All commits an open editor, then makes the first entry current: the row of
            // that commit is not the one left in view.
            model.commitOpenEditor();
            trigger("copy");
            model.copy(QRect(QPoint(1, 1), QPoint(4, grid->RowCount() - 2)));
        } else {
            model.forget(); // nothing to select: the action is disabled
        }
    }

    /// Opens the context menu of column `col`'s heading and picks a sort.
    void sortFromHeading(int col, bool descending) const {
        QHeaderView* headings = grid->horizontalHeader();
        const QPoint at(headings->sectionViewportPosition(col - 1) + 2, headings->height() / 2);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at,
                                headings->viewport()->mapToGlobal(at));
        QApplication::sendEvent(headings->viewport(), &click);
        QMenu* menu = grid->headingMenu();
        if (!menu || menu->actions().size() != 2)
            qFatal("a heading's menu should hold the two sorts");
        menu->actions().at(descending ? 1 : 0)->trigger();
        menu->close();
        // As the desktop does when a popup closes: the window is active again.
        form->activateWindow();
    }

    void trigger(const char* name) const {
        const auto actions = form->findChildren<QAction*>(QLatin1String(name));
        if (actions.size() != 1)
            qFatal("the window has %d actions named %s", int(actions.size()), name);
        actions[0]->trigger();
    }

    /// What the grid shows at (col, row), an open editor's text included.
    QString cellText(int col, int row) const {
        const QModelIndex cell = grid->cellIndex(col, row);
        if (cell.isValid())
            if (auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell)))
                return editor->text();
        return grid->Cells(col, row);
    }

    QString compare() const {
        if (refusedFixed)
            return QStringLiteral("a fixed cell took a text, or a cell opened no editor");
        if (const QString chain = chainError(drives); !chain.isEmpty())
            return QStringLiteral("the list's chain: ") + chain;
        QStringList listed, expected;
        for (const node* p = drives.headNode(); p; p = p->next)
            listed << entryText(ReferenceEntry::of(*p));
        for (const ReferenceEntry& e : model.list().entries())
            expected << entryText(e);
        if (QString d = differ("the list", listed.join(" | "), expected.join(" | ")); !d.isEmpty())
            return d;
        const auto& cells = model.grid();
        if (QString d = differ("the row count", QString::number(grid->RowCount()),
                               QString::number(cells.size()));
            !d.isEmpty())
            return d;
        // The actions follow the rows, however they came or went.
        const auto selectAll = form->findChild<QAction*>(QStringLiteral("selectAll"));
        if (selectAll->isEnabled() != (cells.size() > 2))
            return QStringLiteral("Select All should be enabled exactly when there are entries");
        for (int row = 0; row < cells.size(); ++row)
            for (int col = 0; col < 5; ++col)
                if (QString d = differ(QStringLiteral("cell (%1, %2)").arg(col).arg(row),
                                       cellText(col, row), cells[row][col]);
                    !d.isEmpty())
                    return d;
        // A cell the list does not hold yet is noted, and the note says what the list holds.
        for (int row = 1; row < cells.size(); ++row)
            for (int col = 1; col < 5; ++col) {
                if (model.isOpen(1, row) || model.isOpen(2, row) || model.isOpen(3, row) ||
                    model.isOpen(4, row))
                    continue; // not written into the cell yet, which may leave a blank row
                const std::optional<QString> listed = model.listed(col, row);
                const bool differs = cells[row][col] != listed.value_or(QString());
                const QModelIndex cell = grid->cellIndex(col, row);
                const QString note = grid->gridModel()->data(cell, Qt::ToolTipRole).toString();
                // A screen reader hears the note, or, in the blank last row, what the row is for.
                const QString described =
                    grid->gridModel()->data(cell, Qt::AccessibleDescriptionRole).toString();
                const bool lastRow = row == cells.size() - 1;
                if (described != (note.isEmpty() && lastRow ? "the row for a new entry" : note))
                    return QStringLiteral("cell (%1, %2) is described as %3")
                        .arg(col)
                        .arg(row)
                        .arg(shown(described));
                // A blank entry row is noted as one that accept refuses, whatever the list holds.
                bool blank = !lastRow;
                for (int c = 1; c < 5; ++c)
                    blank = blank && cells[row][c].isEmpty();
                if (blank != note.startsWith("a blank row, which accept refuses"))
                    return QStringLiteral("cell (%1, %2) of a%3 blank row is noted %4")
                        .arg(col)
                        .arg(row)
                        .arg(blank ? "" : " non-", shown(note));
                if (blank)
                    continue;
                if (differs == note.isEmpty())
                    return QStringLiteral("cell (%1, %2) should%3 be noted, its note is %4")
                        .arg(col)
                        .arg(row)
                        .arg(differs ? "" : " not", shown(note));
                // The code page's two characters that one cannot see are named by their codes.
                const QString held = QString(listed.value_or(QString()))
                                         .replace(QChar(0xA0), QStringLiteral("<U+00A0>"))
                                         .replace(QChar(0xAD), QStringLiteral("<U+00AD>"));
                if (differs && !held.isEmpty() && !note.contains(held))
                    return QStringLiteral("the note of cell (%1, %2), %3, should say %4")
                        .arg(col)
                        .arg(row)
                        .arg(shown(note), shown(held));
            }
        // The result labels as a screen reader reads them, and as the eye sees them.
        for (int n = 0; n < 3; ++n) {
            auto* label = control<QLabel>(QStringLiteral("Label%1").arg(6 + n));
            const QString& whole = model.labels()[n];
            const QString read =
                QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            if (QString d = differ(label->objectName() + " as read", read, whole); !d.isEmpty())
                return d;
            const QString& text = label->text();
            if (text != whole &&
                !(text.endsWith(QStringLiteral("…")) && whole.startsWith(text.chopped(1))))
                return differ(label->objectName() + " as shown", text, whole);
        }
        // A search's result is said to a screen reader, hit or miss, wherever the focus is.
        if (searched && !model.refusal())
            if (QString d =
                    differ("what a screen reader is told",
                           form->findChild<platform::Announcer*>()->message(),
                           QStringList(model.labels().begin(), model.labels().end()).join(u' '));
                !d.isEmpty())
                return d;
        for (int n = 1; n <= 10; ++n)
            if (QString d = differ(QStringLiteral("Edit%1").arg(n),
                                   control<QLineEdit>(QStringLiteral("Edit%1").arg(n))->text(),
                                   model.edit(n));
                !d.isEmpty())
                return d;
        // Every step changes what the user sees: no more steps to undo than the model has.
        if (QString d = differ("the steps to undo", QString::number(form->undoStack()->index()),
                               QString::number(model.steps()));
            !d.isEmpty())
            return d;
        if (checkClipboard)
            if (QString d = differ("the clipboard", QGuiApplication::clipboard()->text(),
                                   model.clipboardText());
                !d.isEmpty())
                return d;
        // A screen reader takes a focused cell for the keyboard focus: the current cell says so
        // while the focus is in the table, and only then.
        if (const QModelIndex current = grid->currentCell(); current.isValid()) {
            const QWidget* focus = QApplication::focusWidget();
            const bool inGrid = focus && (focus == grid || grid->isAncestorOf(focus));
            // Read afresh: headless, no screen reader has Qt keep its cells in step with the rows.
            QAccessible::deleteAccessibleInterface(
                QAccessible::uniqueId(QAccessible::queryAccessibleInterface(grid)));
            if (QAccessible::queryAccessibleInterface(grid)
                    ->tableInterface()
                    ->cellAt(current.row(), current.column())
                    ->state()
                    .focused != inGrid)
                return QStringLiteral("the current cell tells a screen reader it has%1 the focus")
                    .arg(inGrid ? " not" : "");
        }
        if (QString d = compareLayout(); !d.isEmpty())
            return d;
        if (QString d = compareView(); !d.isEmpty())
            return d;
        return compareRefusal();
    }

    /// The grid follows the window's right and bottom edges, nothing else moves, nothing scrolls
    /// sideways while there is room, and the result phrase keeps within its row.
    QString compareLayout() const {
        const QSize size = form->size();
        if (size.width() < form->minimumWidth() || size.height() < form->minimumHeight())
            return QStringLiteral("the window is smaller than its minimum");
        int phraseEnd = 0; // the result labels stand in order, from their stored places on
        for (const auto& [child, rect] : stored) {
            const QRect at = child->geometry();
            if (QStringList{"Label6", "Label7", "Label8"}.contains(child->objectName())) {
                if (at.x() < std::max(rect.x(), phraseEnd) || at.right() >= grid->x())
                    return child->objectName() + " stands out of its row or over another";
                phraseEnd = at.right() + 1;
            } else if (at != (child != grid
                                  ? rect
                                  : QRect(rect.topLeft(), size - QSize(rect.x() + 18, 18)))) {
                return child->objectName() + " has moved";
            }
        }
        const int overflow =
            std::max(grid->horizontalHeader()->length() - grid->viewport()->width(), 0);
        if (grid->horizontalScrollBar()->maximum() != overflow ||
            (size.width() >= kStoredSize.width() && overflow > 0))
            return QStringLiteral("the grid scrolls sideways by %1 pixels, its columns overflowing "
                                  "by %2, in a window %3 wide")
                .arg(grid->horizontalScrollBar()->maximum())
                .arg(overflow)
                .arg(size.width());
        return {};
    }

    /// The row that changed is in view, a found entry is selected, and select all selects the
    /// entries.
    QString compareView() const {
        if (!checkView || model.refusal())
            return {};
        if (const auto row = model.shownRow(); row && *row > 0 && *row < grid->RowCount())
            if (!grid->viewport()->rect().intersects(grid->visualRect(grid->cellIndex(1, *row))))
                return QStringLiteral("row %1 should be in view").arg(*row);
        if (const std::optional<QRect> pasted = model.pastedCells()) {
            const QItemSelection selection = grid->selectionModel()->selection();
            const QRect want(grid->cellIndex(pasted->left(), pasted->top()).column(),
                             grid->cellIndex(pasted->left(), pasted->top()).row(), pasted->width(),
                             pasted->height());
            if (selection.size() != 1 ||
                QRect(QPoint(selection[0].left(), selection[0].top()),
                      QPoint(selection[0].right(), selection[0].bottom())) != want)
                return QStringLiteral("the pasted cells should be selected");
        }
        // Select All leaves the current cell where it was among the entries, as a spreadsheet does.
        if (selectedAll && currentBefore.isValid() && currentBefore.row() < grid->RowCount() - 2 &&
            grid->currentCell() != currentBefore)
            return QStringLiteral("Select All moved the current cell");
        if (!model.foundRow() && !selectedAll && !searched)
            return {};
        // A search that finds nothing leaves the selection as it was.
        QModelIndexList want =
            model.foundRow() || selectedAll ? QModelIndexList() : selectionBefore.indexes();
        const int first = model.foundRow().value_or(1);
        const int last = model.foundRow() ? first : selectedAll ? grid->RowCount() - 2 : 0;
        // A found entry whose row the table no longer has (deleted, not accepted) selects no cell.
        for (int row = first; row <= last && row < model.grid().size(); ++row)
            for (int col = 1; col <= 4; ++col)
                want << grid->cellIndex(col, row);
        QModelIndexList got = grid->selectionModel()->selectedIndexes();
        std::sort(got.begin(), got.end());
        std::sort(want.begin(), want.end());
        if (got != want)
            return QStringLiteral("%1 cells are selected where %2 should be")
                .arg(got.size())
                .arg(want.size());
        if (model.foundRow() && form->focusWidget() != focusBefore)
            return QStringLiteral("the search moved the focus");
        return {};
    }

    /// A refused action shows one message and changes nothing (compare() has checked the rest); a
    /// refused field or cell is named in it and is where the user is taken back to.
    QString compareRefusal() const {
        const auto& refusal = model.refusal();
        if (!refusal || !acted)
            return messages.isEmpty()
                       ? QString()
                       : QStringLiteral("unexpected message %1").arg(shown(messages.join('|')));
        if (messages.size() != 1)
            return QStringLiteral("%1 messages where one was due").arg(messages.size());
        if (refusal->edit < 0)
            return {};
        const QString& message = messages[0];
        QWidget* focus = form->focusWidget();
        if (refusal->edit > 0) {
            auto* edit = control<QLineEdit>(QStringLiteral("Edit%1").arg(refusal->edit));
            const QString caption = QString::fromUtf8(kCaptions[refusal->edit - 1]);
            if (!message.startsWith(caption))
                return QStringLiteral("the message %1 should name %2").arg(shown(message), caption);
            if (focus != edit || edit->selectedText() != edit->text())
                return QStringLiteral("Edit%1 should have the focus, its text selected")
                    .arg(refusal->edit);
            return {};
        }
        // Every refused cell is named, the first twenty on a line each, after a line that counts
        // them when there are more than one.
        const auto& cells = model.refusals();
        const QStringList lines = message.split(u'\n');
        const qsizetype named = std::min<qsizetype>(qsizetype(cells.size()), 20);
        const qsizetype expected = cells.size() == 1 ? 1 : 1 + named + (cells.size() > 20);
        if (lines.size() != expected)
            return QStringLiteral("the message %1 should have %2 lines for %3 refused cells")
                .arg(shown(message))
                .arg(expected)
                .arg(cells.size());
        for (qsizetype i = 0; i < named; ++i) {
            const QString& line = lines[cells.size() == 1 ? 0 : i + 1];
            const WindowModel::Refusal& cell = cells[std::size_t(i)];
            // A blank row is named by its row alone, and named blank.
            const QString heading =
                cell.blankRow ? QStringLiteral("blank") : QString::fromLatin1(kHeadings[cell.col]);
            if (!line.contains(QString::number(cell.row)) || !line.contains(heading))
                return QStringLiteral("the message %1 should name row %2 of %3")
                    .arg(shown(line))
                    .arg(cells[std::size_t(i)].row)
                    .arg(heading);
        }
        if (focus != grid || grid->currentIndex() != grid->cellIndex(refusal->col, refusal->row))
            return QStringLiteral("cell (%1, %2) should be current, with the focus")
                .arg(refusal->col)
                .arg(refusal->row);
        return {};
    }

    WindowModel model;
    std::unique_ptr<TForm1> form;
    grid::StringGrid* grid = nullptr;
    std::optional<QAbstractItemModelTester> tester;
    QStringList messages;
    std::vector<std::pair<QWidget*, QRect>> stored; ///< the controls as the window opened
    bool acted = false;                             ///< a command ran, and may have refused
    bool checkClipboard = false;                    ///< the step wrote the clipboard
    bool selectedAll = false;
    bool searched = false;
    bool checkView = false; ///< the step may scroll or select
    QWidget* focusBefore = nullptr;
    QItemSelection selectionBefore;
    QPersistentModelIndex currentBefore; ///< the current cell as an action was triggered
    bool refusedFixed = false;
};

/// Replays `steps` on a fresh window; the first difference (empty when none), with the steps up
/// to it described in `log`.
QString replay(const std::vector<Step>& steps, QStringList& log,
               WindowModel::Tally* tally = nullptr) {
    Replay r;
    log.clear();
    QString difference;
    for (const Step& step : steps)
        if (difference = r.apply(step, log); !difference.isEmpty())
            break;
    if (tally) {
        *tally += r.tally();
        tally->htmlPastes += r.htmlPastes;
    }
    return difference;
}

/// Drops every step that the failure does not need, one at a time, keeping the failure.
std::vector<Step> shorten(std::vector<Step> steps) {
    QStringList log;
    for (std::size_t i = 0; i < steps.size();) {
        std::vector<Step> fewer = steps;
        fewer.erase(fewer.begin() + std::ptrdiff_t(i));
        if (!replay(fewer, log).isEmpty())
            steps = std::move(fewer);
        else
            ++i;
    }
    return steps;
}

long option(int argc, char** argv, const char* name, long fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::strtol(argv[i + 1], nullptr, 10);
    return fallback;
}

} // namespace

int main(int argc, char** argv) {
    // Popups opened on the headless platform say, each time, what it cannot do.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& m) {
        if (context.category && std::strcmp(context.category, "qt.modeltest") == 0)
            modelFaults() << m;
        else if (!m.startsWith(QLatin1String("This plugin does not support")))
            standard(type, context, m);
    });
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const long sequences = option(argc, argv, "--sequences", 2000);
    const long stepCount = option(argc, argv, "--steps", 50);
    const long firstSeed = option(argc, argv, "--seed", 1);
    long failed = 0;
    long run = 0;
    WindowModel::Tally met;
    for (long seed = firstSeed; seed < firstSeed + sequences; ++seed) {
        ++run;
        const std::vector<Step> steps = generate(std::uint64_t(seed), int(stepCount));
        QStringList log;
        if (replay(steps, log, &met).isEmpty())
            continue;
        ++failed;
        const std::vector<Step> shortest = shorten(steps);
        const QString difference = replay(shortest, log);
        std::fprintf(stderr, "seed %ld went astray; rerun it with: %s --sequences 1 --seed %ld\n",
                     seed, argv[0], seed);
        std::fprintf(stderr, "the shortest sequence that still does, on a fresh window:\n");
        for (const QString& step : log)
            std::fprintf(stderr, "  %s\n", qPrintable(step));
        std::fprintf(stderr, "first difference: %s\n", qPrintable(difference));
        if (failed >= 3)
            break;
    }
    std::printf("%ld sequences of %ld steps from seed %ld\n", run, stepCount, firstSeed);
    std::printf("%ld passed, %ld failed%s\n", run - failed, failed,
                run < sequences ? " (stopped at the third failure)" : "");
    std::printf("met: %ld removes of an entry between the first and the last, %ld of them undone\n",
                met.middleRemoves, met.undoneMiddleRemoves);
    std::printf(
        "met: %ld sorts that moved rows: %ld of more than 16 rows, %ld with equal keys, %ld "
        "with cells that hold no integer in a number column, %ld over edits not "
        "accepted\n",
        met.sorts, met.longSorts, met.sortsWithTies, met.sortsWithNonNumbers, met.sortsOverEdits);
    std::printf("met: %ld pastes of an HTML table, %ld numbers read from digits in groups, %ld "
                "accepts that refused several cells at once, %ld blank rows refused\n",
                met.htmlPastes, met.groupedNumbers, met.acceptsRefusingMany, met.blankRowsRefused);
    return failed == 0 ? 0 : 1;
}
