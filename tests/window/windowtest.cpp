// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// windowtest.cpp - a window under test.
#include "windowtest.h"

#include "grid/stringgrid.h"
#include "platform/errorboundary.h"
#include "window/textfield.h"

#include <QAccessible>
#include <QTest>

#include <algorithm>

WindowTest::WindowTest() {
    drives.clear();
    input = vint{};
    // The user reads each message and dismisses it at once.
    platform::setErrorReporter(
        [this](const QString& message, const std::function<void()>& dismissed) {
            errors << message;
            if (dismissed)
                dismissed();
        });
    window = std::make_unique<TForm1>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

WindowTest::~WindowTest() {
    platform::setErrorReporter({});
    window.reset();
    drives.clear();
}

template <typename Control> Control* WindowTest::control(const char* name) const {
    if (auto* found = window->findChild<Control*>(name))
        return found;
    QTest::qFail(
        qPrintable(
            QStringLiteral("the window has no control %1 of that kind").arg(QLatin1String(name))),
        __FILE__, __LINE__);
    // The test has failed; a stand-in lets it end without crashing.
    auto standIn = std::make_unique<Control>();
    Control* raw = standIn.get();
    standIns.push_back(std::move(standIn));
    return raw;
}

QLineEdit* WindowTest::edit(const char* name) const {
    return control<QLineEdit>(name);
}

QPushButton* WindowTest::button(const char* name) const {
    return control<QPushButton>(name);
}

QLabel* WindowTest::label(const char* name) const {
    return control<QLabel>(name);
}

grid::StringGrid* WindowTest::grid() const {
    return control<grid::StringGrid>("StringGrid1");
}

namespace {
void replaceText(QLineEdit* target, const QString& text) {
    target->setFocus();
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    // Long texts and what no keyboard types arrive by pasting.
    const bool typeable = text.size() <= 100 && std::all_of(text.begin(), text.end(), [](QChar c) {
                              return c.isPrint() && !c.isSurrogate();
                          });
    if (typeable) {
        // One key press per character; keyClicks() would take Latin-1 only.
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    } else {
        target->insert(text);
    }
}
} // namespace

void WindowTest::type(const char* editName, const QString& text) const {
    replaceText(edit(editName), text);
}

void WindowTest::typeIntoCell(int col, int row, const QString& text) const {
    grid::StringGrid* g = grid();
    const QModelIndex cell = g->cellIndex(col, row);
    g->scrollTo(cell);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(cell).center());
    QCOMPARE(g->currentIndex(), cell);
    QTest::keyClick(g->viewport(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(g->indexWidget(cell));
    QVERIFY(editor);
    replaceText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!g->indexWidget(cell)); // the editor commits and closes once events are processed
}

void WindowTest::click(const char* buttonName) const {
    QTest::mouseClick(button(buttonName), Qt::LeftButton);
}

void WindowTest::fillAddRow(const QString& firma, const QString& marka, const QString& objom,
                            const QString& zena, const QString& position) const {
    type("Edit1", firma);
    type("Edit2", marka);
    type("Edit3", objom);
    type("Edit4", zena);
    type("Edit6", position);
}

void WindowTest::add(const QString& firma, const QString& marka, const QString& objom,
                     const QString& zena, const QString& position) const {
    fillAddRow(firma, marka, objom, zena, position);
    click("Button1");
}

void WindowTest::addAll(const QStringList& entries) const {
    for (const QString& entry : entries) {
        const QStringList f = entry.split('|');
        add(f[0], f[1], f[2], f[3], f.value(4, QStringLiteral("2147483647")));
    }
}

QStringList WindowTest::row(int r) const {
    QStringList cells;
    for (int col = 1; col <= 4; ++col)
        cells << grid()->Cells(col, r);
    return cells;
}

QList<QStringList> WindowTest::rows() const {
    QList<QStringList> result;
    for (int r = 1; r < grid()->RowCount(); ++r)
        result << row(r);
    return result;
}

WindowState WindowTest::state() const {
    WindowState s;
    for (const node* p = drives.headNode(); p; p = p->next)
        s.list << QStringList{fieldText(p->firma), fieldText(p->marka), QString::number(p->objom),
                              QString::number(p->zena)};
    for (int r = 0; r < grid()->RowCount(); ++r) {
        QStringList cells;
        for (int col = 0; col < grid()->ColCount(); ++col)
            cells << grid()->Cells(col, r);
        s.grid << cells;
    }
    // As a screen reader reads them: the whole text, even where the label shows it shortened.
    for (const char* name : {"Label6", "Label7", "Label8"})
        s.labels << QAccessible::queryAccessibleInterface(label(name))->text(QAccessible::Name);
    return s;
}
