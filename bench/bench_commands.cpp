// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// bench_commands.cpp - how long every command takes on long lists, against the floor of the work.
//
// Runs headless. Each command is timed through its button, as a user triggers it, on lists of
// 1,000, 10,000 and 100,000 entries; the median of several runs is reported, with its ratio to the
// floor: the bare cost of producing the 4 x n cell texts and storing them in the grid's model.
// Start-up and peak memory are measured in child processes of this one.
#include "window/Unit1.h"
#include "window/textfield.h"

#include "grid/stringgrid.h"
#include "grid/stringgridmodel.h"
#include "platform/conversions.h"
#include "platform/errorboundary.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QThread>
#include <QUndoStack>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsOf(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

/// The median time of `runs` runs of `work`, each after an untimed `prepare`.
double median(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        times.push_back(millisecondsOf(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

vint entryAt(int i) {
    vint r{};
    storeText(r.firma, QStringLiteral("firma%1").arg(i % 10000));
    storeText(r.marka, QStringLiteral("марка%1").arg(i % 1000));
    r.objom = 40 + i % 2000;
    r.zena = 1000 + i % 5000;
    return r;
}

constexpr std::int32_t kOnlyTheLast = 999999;

class Bench {
public:
    explicit Bench(TForm1* form)
        : form(form), grid(form->findChild<grid::StringGrid*>("StringGrid1")) {}

    /// The list of n entries shown in the grid, built without timing it and with no history; the
    /// last is priced kOnlyTheLast.
    void fill(int n) {
        form->undoStack()->clear();
        fillKeepingHistory(n);
    }

    /// fill() that leaves the steps before, for measuring what they keep.
    void fillKeepingHistory(int n) {
        drives.clear();
        for (int i = 0; i < n; ++i) {
            vint r = entryAt(i);
            if (i == n - 1)
                r.zena = kOnlyTheLast;
            drives.insert(r, i);
        }
        grid->setRowCount(grid->gridRows().rowCountFor(n));
        showList(drives);
    }

    void type(const char* edit, const QString& text) const {
        form->findChild<QLineEdit*>(edit)->setText(text);
    }
    void click(const char* button) const { form->findChild<QPushButton*>(button)->click(); }
    void trigger(const char* action) const { form->findChild<QAction*>(action)->trigger(); }
    void select(int col, int row) const {
        grid->setCurrentIndex(grid->cellIndex(col, row));
        grid->selectionModel()->select(grid->cellIndex(col, row),
                                       QItemSelectionModel::ClearAndSelect);
    }
    /// Selects every cell of grid rows `top` to `bottom`.
    void selectRows(int top, int bottom) const {
        grid->setCurrentIndex(grid->cellIndex(1, top));
        grid->selectionModel()->select(
            QItemSelection(grid->cellIndex(1, top), grid->cellIndex(4, bottom)),
            QItemSelectionModel::ClearAndSelect);
    }
    void undo() const { form->undoStack()->undo(); }
    void redo() const { form->undoStack()->redo(); }

    /// Empties the list and puts its n entries on the clipboard, as a spreadsheet would.
    void clipboardOf(int n) {
        fill(n);
        trigger("selectAll");
        trigger("copy");
        fill(0);
        select(1, 1);
    }

    /// Blanks every cell below the heading, so that the next repaint writes them all anew.
    void blank() const {
        grid::GridUpdate update(grid->gridModel());
        for (int row = grid->gridRows().firstEntryRow(); row < grid->RowCount(); ++row)
            for (int col = 1; col <= 4; ++col)
                grid->setCells(col, row, QString());
    }

    /// Produces the 4 x n texts of n entries and stores them in the model: no list walk at all.
    void floor(const std::vector<vint>& entries) const {
        grid::GridUpdate update(grid->gridModel());
        int row = grid->gridRows().firstEntryRow();
        for (const vint& r : entries) {
            grid->setCells(1, row, fieldText(r.firma));
            grid->setCells(2, row, fieldText(r.marka));
            grid->setCells(3, row, platform::IntToStr(r.objom));
            grid->setCells(4, row, platform::IntToStr(r.zena));
            ++row;
        }
    }

    /// The repaint that looks every row up by index from the head.
    void literalRepaint() const {
        for (int row = grid->gridRows().firstEntryRow(); row < grid->RowCount(); ++row)
            for (int col = 1; col <= 4; ++col)
                grid->setCells(col, row, QString());
        if (!drives.at(0))
            return;
        for (std::int32_t i = 0;; ++i) {
            const node* p = drives.at(i);
            const int row = grid->gridRows().rowOf(i);
            grid->setCells(1, row, fieldText(p->firma));
            grid->setCells(2, row, fieldText(p->marka));
            grid->setCells(3, row, platform::IntToStr(p->objom));
            grid->setCells(4, row, platform::IntToStr(p->zena));
            if (!p->next)
                break;
        }
    }

    TForm1* form;
    grid::StringGrid* grid;
};

struct Row {
    int n;
    std::string what;
    double ms;
    double floorMs;
};

void measureCommands(Bench& b, int n, std::vector<Row>& table) {
    const int runs = n >= 100000 ? 5 : 11;
    std::vector<vint> entries;
    for (int i = 0; i < n; ++i)
        entries.push_back(entryAt(i));
    // The heap ages as the runs go on and every cost drifts with it, the floor's too: it is
    // measured before, amid and after the commands, and the median of the three is the floor.
    std::vector<double> floors;
    const auto measureFloor = [&] {
        b.fill(n);
        floors.push_back(median(
            runs, [] {}, [&] { b.floor(entries); }));
    };
    measureFloor();
    const std::size_t firstRow = table.size();
    const auto add = [&](const std::string& what, double ms) { table.push_back({n, what, ms, 0}); };
    const vint last = entryAt(n - 1);

    b.type("Edit1", "new");
    b.type("Edit2", "entry");
    b.type("Edit3", "1");
    b.type("Edit4", "2");
    add("add at the end", median(
                              runs,
                              [&] {
                                  b.fill(n);
                                  b.type("Edit6", "2147483647");
                              },
                              [&] { b.click("Button1"); }));
    add("add at the front", median(
                                runs,
                                [&] {
                                    b.fill(n);
                                    b.type("Edit6", "0");
                                },
                                [&] { b.click("Button1"); }));
    b.type("Edit7", fieldText(last.firma));
    b.type("Edit8", fieldText(last.marka));
    b.type("Edit9", platform::IntToStr(last.objom));
    b.type("Edit10", platform::IntToStr(kOnlyTheLast));
    add("remove the last", median(
                               runs, [&] { b.fill(n); }, [&] { b.click("Button2"); }));
    b.fill(n);
    b.type("Edit5", platform::IntToStr(kOnlyTheLast));
    add("search, only the last", median(
                                     runs, [] {}, [&] { b.click("Button3"); }));
    add("clear", median(
                     runs, [&] { b.fill(n); }, [&] { b.click("Button4"); }));
    b.fill(n);
    add("accept unchanged edits", median(
                                      runs, [] {}, [&] { b.click("Button6"); }));
    // The table as a spreadsheet: the whole list out and in again.
    b.fill(n);
    add("copy all", median(
                        runs, [&] { b.trigger("selectAll"); }, [&] { b.trigger("copy"); }));
    // Each format is written when a program first asks for it: the text, the HTML and the own
    // cells, as a paste here or into LibreOffice reads them, then Gnumeric's too.
    const auto copyAndWrite = [&](const QStringList& formats) {
        return median(
            runs, [&] { b.trigger("selectAll"); },
            [&] {
                b.trigger("copy");
                const QMimeData* data = QGuiApplication::clipboard()->mimeData();
                for (const QString& format : formats)
                    data->data(format);
            });
    };
    add("copy all, text, HTML, own cells",
        copyAndWrite({"text/plain", "text/html", "application/x-drivelist-cells"}));
    add("copy all, every format written",
        copyAndWrite({"text/plain", "text/html", "application/x-drivelist-cells",
                      "application/x-gnumeric"}));
    add("paste n lines", median(
                             runs, [&] { b.clipboardOf(n); }, [&] { b.trigger("paste"); }));
    add("accept after that paste", median(
                                       runs,
                                       [&] {
                                           b.clipboardOf(n);
                                           b.trigger("paste");
                                       },
                                       [&] { b.click("Button6"); }));
    // The table's own reordering: a sort of every row by a number and by a text column, and the
    // first half of the rows deleted.
    const auto sortBy = [&](int col, const char* action) {
        return median(
            runs,
            [&] {
                b.fill(n);
                b.select(col, 1);
            },
            [&] { b.trigger(action); });
    };
    add("sort by zena, descending", sortBy(4, "sortDescending"));
    add("sort by firma, ascending", sortBy(1, "sortAscending"));
    add("delete rows, the first half", median(
                                           runs,
                                           [&] {
                                               b.fill(n);
                                               b.selectRows(1, n / 2);
                                           },
                                           [&] { b.trigger("deleteRows"); }));
    measureFloor();
    // Undo and redo of the steps that change most.
    const auto undoAndRedo = [&](const char* what, const std::function<void()>& step) {
        const std::string name(what);
        add("undo " + name, median(
                                runs,
                                [&] {
                                    b.fill(n);
                                    step();
                                },
                                [&] { b.undo(); }));
        add("redo " + name, median(
                                runs,
                                [&] {
                                    b.fill(n);
                                    step();
                                    b.undo();
                                },
                                [&] { b.redo(); }));
    };
    undoAndRedo("add at the front", [&] {
        b.type("Edit6", "0");
        b.click("Button1");
    });
    undoAndRedo("remove the last", [&] { b.click("Button2"); });
    undoAndRedo("clear", [&] { b.click("Button4"); });
    undoAndRedo("accept of one price", [&] {
        b.grid->setCells(4, n, QStringLiteral("7"));
        b.click("Button6");
    });
    b.fill(n);
    add("repaint, nothing changed", median(
                                        runs, [] {}, [] { showList(drives); }));
    add("repaint, every cell new", median(
                                       runs, [&] { b.blank(); }, [] { showList(drives); }));
    measureFloor();
    std::sort(floors.begin(), floors.end());
    add("floor", floors[1]);
    if (n <= 10000)
        add("literal repaint, at(i)", median(
                                          3, [] {}, [&] { b.literalRepaint(); }));
    else
        add("literal repaint, at(i)", millisecondsOf([&] { b.literalRepaint(); }));
    for (std::size_t i = firstRow; i < table.size(); ++i)
        table[i].floorMs = floors[1];
}

/// A memory figure of this process, in MB, from /proc/self/status: "VmRSS" (resident now) or
/// "VmHWM" (the peak). Unlike getrusage's, /proc's high-water mark starts afresh at exec, so a
/// child does not report the parent's peak.
double statusMegabytes(const QByteArray& key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(key + ':'))
                return line.mid(key.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

/// How long a paste far past the table's bound takes to be refused, and the memory it leaves.
void measureRefusedPaste(Bench& b) {
    b.fill(0);
    b.select(1, 1);
    const QString lines = QStringLiteral("firma\tmarka\t80\t4000\n").repeated(1'000'000);
    QGuiApplication::clipboard()->setText(lines);
    const double before = statusMegabytes("VmRSS");
    QString refusal;
    platform::setErrorReporter(
        [&refusal](const QString& message, const std::function<void()>&) { refusal = message; });
    const double ms = median(
        5, [] {}, [&] { b.trigger("paste"); });
    platform::setErrorReporter({});
    std::printf(
        "\nrefusing a paste of 1000000 lines (median of 5): %.1f ms, resident memory %.1f MB "
        "before and %.1f MB after%s\n",
        ms, before, statusMegabytes("VmRSS"), refusal.isEmpty() ? " (NOT REFUSED)" : "");
}

/// Child mode: show the window, optionally with n entries (and `clears` undoable clears of lists
/// of n entries before), and report the peak memory.
int child(int n, int clears) {
    TForm1 form;
    form.show();
    Bench bench(&form);
    for (int i = 0; i < clears; ++i) {
        bench.fillKeepingHistory(n);
        bench.click("Button4");
    }
    if (n > 0)
        bench.fillKeepingHistory(n);
    QApplication::processEvents();
    std::printf("shown %.1f\n", statusMegabytes("VmHWM"));
    std::fflush(stdout);
    return 0;
}

/// Runs this program in child mode; returns (milliseconds to "shown", peak MB).
std::pair<double, double> runChild(int n, int clears = 0) {
    QProcess process;
    const auto start = Clock::now();
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--child"), QString::number(n), QString::number(clears)});
    process.waitForReadyRead(30000);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    process.waitForFinished(30000);
    const QByteArray out = process.readAll().trimmed();
    return {ms, out.split(' ').value(1).toDouble()};
}

QString machine() {
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    QString model;
    if (cpuinfo.open(QIODevice::ReadOnly))
        for (const QByteArray& line : cpuinfo.readAll().split('\n'))
            if (line.startsWith("model name")) {
                model = QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
                break;
            }
    return QStringLiteral("%1, %2 cores, %3, Qt %4")
        .arg(model)
        .arg(QThread::idealThreadCount())
        .arg(QSysInfo::prettyProductName(), QString::fromLatin1(qVersion()));
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList args = QApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--child"))
        return child(args[2].toInt(), args[3].toInt());

    std::printf("machine: %s\nlocale: %s\n\n", qPrintable(machine()), qPrintable(QLocale().name()));
    std::vector<Row> table;
    {
        TForm1 form;
        form.show();
        Bench bench(&form);
        // --entries N measures one size only.
        const qsizetype only = args.indexOf(QLatin1String("--entries"));
        const QList<int> sizes = only > 0 && only + 1 < args.size()
                                     ? QList<int>{args[only + 1].toInt()}
                                     : QList<int>{1000, 10000, 100000};
        for (const int n : sizes)
            measureCommands(bench, n, table);
        measureRefusedPaste(bench);
        drives.clear();
    }
    std::printf("%-8s  %-32s  %10s  %9s\n", "entries", "command", "ms", "x floor");
    for (const Row& row : table)
        std::printf("%-8d  %-32s  %10.3f  %9.2f\n", row.n, row.what.c_str(), row.ms,
                    row.ms / row.floorMs);

    std::vector<double> startups;
    double emptyMb = 0;
    for (int i = 0; i < 5; ++i) {
        const auto [ms, mb] = runChild(0);
        startups.push_back(ms);
        emptyMb = mb;
    }
    std::sort(startups.begin(), startups.end());
    const double fullMb = runChild(100000).second;
    const double clearedMb = runChild(100000, 10).second;
    std::printf("\nstart-up to the window shown (median of 5): %.1f ms\n", startups[2]);
    std::printf("peak resident memory: %.1f MB empty, %.1f MB with 100000 entries, %.1f MB with "
                "100000 entries after ten undoable clears of 100000-entry lists\n",
                emptyMb, fullMb, clearedMb);
    return 0;
}
