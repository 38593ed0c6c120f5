// Unit1.cpp - the main window, the program's global objects and the grid repaint.
#include "Unit1.h"

#include "textfield.h"
#include "ui_Unit1.h"

#include "platform/conversions.h"
#include "platform/errorboundary.h"
#include "platform/exception.h"
#include "platform/fontmap.h"
#include "platform/labeltext.h"
#include "platform/stringgrid.h"
#include "platform/stringgridmodel.h"

#include <QLabel>
#include <QLineEdit>

spisok drives;
vint input{};
TForm1* Form1 = nullptr;

namespace {

// Grid columns of an entry's fields; row 0 holds their headings, column 0 stays empty.
enum Column { kFirma = 1, kMarka = 2, kObjom = 3, kZena = 4 };
constexpr int kFirstEntryRow = 1;
constexpr int kEmptyGridRows = 2; // the heading row and one blank row

QString columnHeading(int col) {
    static const QString headings[] = {QString(), QStringLiteral("firma"), QStringLiteral("marka"),
                                       QStringLiteral("objom"), QStringLiteral("zena")};
    return headings[col];
}

QString cellName(int col, int row) {
    return QStringLiteral("Row %1, column %2 (%3)").arg(row).arg(col).arg(columnHeading(col));
}

/// Runs `read`; an error it raises comes out again with `name()` before its message, so that the
/// user learns which field or cell to mend. The name is only built then.
template <typename Name, typename Read> auto naming(const Name& name, const Read& read) {
    try {
        return read();
    } catch (const Exception& e) {
        throw Exception(name() + QStringLiteral(": ") + e.Message());
    }
}

void copyEditText(char (&field)[kTextFieldSize], const QLineEdit* edit, const QLabel* caption) {
    naming([caption] { return caption->text(); }, [&] { copyText(field, edit->text()); });
}

/// The entry typed into a grid row, every cell checked.
vint readRow(const StringGrid* grid, int row) {
    const auto name = [row](int col) { return [row, col] { return cellName(col, row); }; };
    vint entry{};
    naming(name(kFirma), [&] { copyText(entry.firma, grid->Cells(kFirma, row)); });
    naming(name(kMarka), [&] { copyText(entry.marka, grid->Cells(kMarka, row)); });
    entry.objom = naming(name(kObjom), [&] { return StrToInt(grid->Cells(kObjom, row)); });
    entry.zena = naming(name(kZena), [&] { return StrToInt(grid->Cells(kZena, row)); });
    return entry;
}

/// Keeps cell writes quiet until the repaint is complete, then announces them at once.
class GridUpdate {
public:
    explicit GridUpdate(StringGridModel* model) : model(model) { model->beginUpdate(); }
    ~GridUpdate() { model->endUpdate(); }
    GridUpdate(const GridUpdate&) = delete;
    GridUpdate& operator=(const GridUpdate&) = delete;

private:
    StringGridModel* model;
};

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    platform::mapWindowsFonts(this);
    const auto labels = findChildren<QLabel*>();
    for (QLabel* label : labels)
        platform::fitLabel(label);
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

void TForm1::connectButton(QAbstractButton* button, void (TForm1::*handler)(QObject*)) {
    connect(button, &QAbstractButton::clicked, this, [this, button, handler] {
        // What is typed into a cell counts as soon as any command runs.
        ui->StringGrid1->finishEditing();
        platform::runGuarded([this, button, handler] { (this->*handler)(button); });
    });
}

void TForm1::FormCreate(QObject* /*Sender*/) {
    for (int col = kFirma; col <= kZena; ++col)
        ui->StringGrid1->setCells(col, 0, columnHeading(col));
}

void TForm1::Button1Click(QObject* /*Sender*/) {
    // Every input is read and checked before anything changes, so a bad one changes nothing.
    copyEditText(input.firma, ui->Edit1, ui->Label1);
    copyEditText(input.marka, ui->Edit2, ui->Label2);
    input.objom = StrToInt(ui->Edit3->text());
    input.zena = StrToInt(ui->Edit4->text());
    const std::int32_t position = StrToInt(ui->Edit6->text());
    drives.insert(input, position);
    ui->StringGrid1->setRowCount(ui->StringGrid1->RowCount() + 1);
    showList(drives);
}

void TForm1::Button2Click(QObject* /*Sender*/) {
    copyEditText(input.firma, ui->Edit7, ui->Label11);
    copyEditText(input.marka, ui->Edit8, ui->Label12);
    input.objom = StrToInt(ui->Edit9->text());
    input.zena = StrToInt(ui->Edit10->text());
    if (drives.empty())
        return;
    // Only a removed entry gives up its row; the grid keeps one row per entry and one blank.
    if (drives.remove(input))
        ui->StringGrid1->setRowCount(ui->StringGrid1->RowCount() - 1);
    showList(drives);
}

void TForm1::Button3Click(QObject* /*Sender*/) {
    const std::int32_t price = StrToInt(ui->Edit5->text());
    if (!drives.empty()) {
        const node found = drives.findByPrice(price);
        if (found.zena == price) {
            showSearchResult(fieldText(found.firma), fieldText(found.marka), IntToStr(found.objom));
            return;
        }
    }
    showSearchResult(QStringLiteral("net"), QStringLiteral("takogo"), QStringLiteral("vinta"));
}

void TForm1::showSearchResult(const QString& firma, const QString& marka, const QString& objom) {
    platform::SetText(ui->Label6, firma);
    platform::SetText(ui->Label7, marka);
    platform::SetText(ui->Label8, objom);
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
    const StringGrid* grid = ui->StringGrid1;
    spisok rebuilt;
    for (int row = kFirstEntryRow; row < grid->RowCount() - 1; ++row)
        rebuilt.insert(readRow(grid, row), row - kFirstEntryRow);
    drives.swap(rebuilt);
    showList(drives);
}

void showList(const spisok& s) {
    StringGrid* grid = Form1->ui->StringGrid1;
    GridUpdate update(grid->gridModel());
    // The list is walked once. Only cells whose text changes are written, so a repaint after a
    // change near the end costs comparisons rather than new strings. Entries beyond the grid's
    // last row are not shown.
    const int rows = grid->RowCount();
    int row = kFirstEntryRow;
    const auto show = [grid, &row](int col, auto shows, auto text) {
        if (!shows(grid->Cells(col, row)))
            grid->setCells(col, row, text());
    };
    for (const node* p = s.headNode(); p && row < rows; p = p->next, ++row) {
        show(
            kFirma, [p](QStringView t) { return isFieldText(t, p->firma); },
            [p] { return fieldText(p->firma); });
        show(
            kMarka, [p](QStringView t) { return isFieldText(t, p->marka); },
            [p] { return fieldText(p->marka); });
        show(
            kObjom, [p](QStringView t) { return isIntText(t, p->objom); },
            [p] { return IntToStr(p->objom); });
        show(
            kZena, [p](QStringView t) { return isIntText(t, p->zena); },
            [p] { return IntToStr(p->zena); });
    }
    for (; row < rows; ++row)
        for (int col = kFirma; col <= kZena; ++col)
            show(
                col, [](QStringView t) { return t.isEmpty(); }, [] { return QString(); });
}
