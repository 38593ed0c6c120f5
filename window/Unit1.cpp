// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// Unit1.cpp - the main window, the program's global objects and the grid repaint.
#include "Unit1.h"

#include "entryinput.h"
#include "textfield.h"
#include "ui_Unit1.h"

#include "platform/conversions.h"
#include "platform/enterkey.h"
#include "platform/errorboundary.h"
#include "platform/fontmap.h"
#include "platform/labeltext.h"
#include "platform/stringgrid.h"
#include "platform/stringgridmodel.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

spisok drives;
vint input{};
TForm1* Form1 = nullptr;

namespace {

constexpr int kFirstEntryRow = 1;
constexpr int kEmptyGridRows = 2; // the heading row and one blank row

/// The grid's columns of an entry's fields, in field order: their headings, and how a cell shows
/// its field. Row 0 holds the headings; column 0 stays empty.
struct Column {
    int col;
    const char* heading;
    /// Whether `cell` already shows the field of `p`, found without building its text.
    bool (*isShownIn)(QStringView cell, const node& p);
    QString (*cellText)(const node& p);
};
constexpr std::array<Column, 4> kColumns = {{
    {1, "firma", [](QStringView t, const node& p) { return isFieldText(t, p.firma); },
     [](const node& p) { return fieldText(p.firma); }},
    {2, "marka", [](QStringView t, const node& p) { return isFieldText(t, p.marka); },
     [](const node& p) { return fieldText(p.marka); }},
    {3, "objom", [](QStringView t, const node& p) { return platform::isIntText(t, p.objom); },
     [](const node& p) { return platform::IntToStr(p.objom); }},
    {4, "zena", [](QStringView t, const node& p) { return platform::isIntText(t, p.zena); },
     [](const node& p) { return platform::IntToStr(p.zena); }},
}};

/// The room a result label has before `next`, so that no two texts overlap.
int roomBefore(const QWidget* label, const QWidget* next) {
    return next->x() - label->x();
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/drivelist-%1.png").arg(size));
    setWindowIcon(icon);
    platform::mapWindowsFonts(this);
    const auto labels = findChildren<QLabel*>();
    for (QLabel* label : labels)
        platform::fitLabel(label);
    // The window's stored place: three pixels left of the screen's edge, 110 down.
    move(-3, 110);
    connectButton(ui->Button1, &TForm1::Button1Click);
    connectButton(ui->Button2, &TForm1::Button2Click);
    connectButton(ui->Button3, &TForm1::Button3Click);
    connectButton(ui->Button4, &TForm1::Button4Click);
    connectButton(ui->Button5, &TForm1::Button5Click);
    connectButton(ui->Button6, &TForm1::Button6Click);
    Form1 = this;
    FormCreate(this);
}

TForm1::~TForm1() {
    if (Form1 == this)
        Form1 = nullptr;
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

void TForm1::FormCreate(QObject* /*Sender*/) {
    for (const Column& column : kColumns)
        ui->StringGrid1->setCells(column.col, 0, QLatin1StringView(column.heading));
}

void TForm1::Button1Click(QObject* /*Sender*/) {
    // Every input is read and checked before anything changes, so a bad one changes nothing.
    readEntry(input, {EntryInput(ui->Edit1, ui->Label1), EntryInput(ui->Edit2, ui->Label2),
                      EntryInput(ui->Edit3, ui->Label3), EntryInput(ui->Edit4, ui->Label4)});
    const std::int32_t position = readNumber(EntryInput(ui->Edit6, ui->Label10));
    drives.insert(input, position);
    ui->StringGrid1->setRowCount(ui->StringGrid1->RowCount() + 1);
    showList(drives);
}

void TForm1::Button2Click(QObject* /*Sender*/) {
    readEntry(input, {EntryInput(ui->Edit7, ui->Label11), EntryInput(ui->Edit8, ui->Label12),
                      EntryInput(ui->Edit9, ui->Label13), EntryInput(ui->Edit10, ui->Label14)});
    if (drives.empty())
        return;
    // Only a removed entry gives up its row; the grid keeps one row per entry and one blank.
    if (drives.remove(input))
        ui->StringGrid1->setRowCount(ui->StringGrid1->RowCount() - 1);
    showList(drives);
}

void TForm1::Button3Click(QObject* /*Sender*/) {
    const std::int32_t price = readNumber(EntryInput(ui->Edit5, ui->Label5));
    if (!drives.empty()) {
        const node found = drives.findByPrice(price);
        if (found.zena == price) {
            showSearchResult(fieldText(found.firma), fieldText(found.marka),
                             platform::IntToStr(found.objom));
            return;
        }
    }
    showSearchResult(QStringLiteral("net"), QStringLiteral("takogo"), QStringLiteral("vinta"));
}

void TForm1::showSearchResult(const QString& firma, const QString& marka, const QString& objom) {
    // The three labels read as one phrase; each text keeps to the room before the next control.
    platform::SetText(ui->Label6, firma, roomBefore(ui->Label6, ui->Label7));
    platform::SetText(ui->Label7, marka, roomBefore(ui->Label7, ui->Label8));
    platform::SetText(ui->Label8, objom, roomBefore(ui->Label8, ui->StringGrid1));
}

void TForm1::Button4Click(QObject* /*Sender*/) {
    drives.clear();
    ui->StringGrid1->setRowCount(kEmptyGridRows);
    showList(drives);
}

void TForm1::Button5Click(QObject* /*Sender*/) {
    close();
}

void TForm1::Button6Click(QObject* /*Sender*/) {
    // Every row is read and checked into a new list first: a bad cell leaves the list whole and
    // the grid as typed, so the user can mend it and accept again.
    platform::StringGrid* grid = ui->StringGrid1;
    spisok rebuilt;
    for (int row = kFirstEntryRow; row < grid->RowCount() - 1; ++row) {
        vint entry{};
        readEntry(entry,
                  {EntryInput(grid, kColumns[0].col, row), EntryInput(grid, kColumns[1].col, row),
                   EntryInput(grid, kColumns[2].col, row), EntryInput(grid, kColumns[3].col, row)});
        rebuilt.insert(entry, row - kFirstEntryRow);
    }
    drives.swap(rebuilt);
    showList(drives);
}

void showList(const spisok& s) {
    platform::StringGrid* grid = Form1->ui->StringGrid1;
    platform::GridUpdate update(grid->gridModel());
    // The list is walked once. Only cells whose text changes are written, so a repaint after a
    // change near the end costs comparisons rather than new strings. Entries beyond the grid's
    // last row are not shown.
    const int rows = grid->RowCount();
    int row = kFirstEntryRow;
    for (const node* p = s.headNode(); p && row < rows; p = p->next, ++row) {
        for (const Column& column : kColumns)
            if (!column.isShownIn(grid->Cells(column.col, row), *p))
                grid->setCells(column.col, row, column.cellText(*p));
    }
    for (; row < rows; ++row)
        for (const Column& column : kColumns)
            if (!grid->Cells(column.col, row).isEmpty())
                grid->setCells(column.col, row, QString());
}
