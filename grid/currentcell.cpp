// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// currentcell.cpp - a view's current cell, kept while the focus is elsewhere.
#include "currentcell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QItemSelectionModel>
#include <QSignalBlocker>

namespace grid {

CurrentCell::CurrentCell(QAbstractItemView* view)
    : view(view), aside(new QItemSelectionModel(view->model(), this)) {
    view->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this] { hasFocusWithin() ? giveBack() : holdAside(); });
    // A cell made current while the focus is elsewhere (a search's row, a refused cell before the
    // grid takes the focus) goes aside at once; the view has scrolled to it by then.
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && !hasFocusWithin())
                    holdAside();
            });
}

QModelIndex CurrentCell::index() const {
    const QModelIndex current = view->currentIndex();
    return current.isValid() ? current : aside->currentIndex();
}

void CurrentCell::set(const QModelIndex& cell) {
    // Held aside, the same cell is current still: setting it on the view would scroll to it.
    if (cell != index())
        view->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
}

void CurrentCell::clear() {
    aside->clearCurrentIndex();
    view->selectionModel()->clearCurrentIndex();
}

bool CurrentCell::eventFilter(QObject* watched, QEvent* event) {
    // Back before the view's own handler, which would otherwise make its first cell current.
    if (watched == view && event->type() == QEvent::FocusIn)
        giveBack();
    return QObject::eventFilter(watched, event);
}

bool CurrentCell::hasFocusWithin() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == view || view->isAncestorOf(focus));
}

void CurrentCell::holdAside() {
    const QModelIndex current = view->currentIndex();
    if (!current.isValid())
        return;
    aside->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    // Quietly: to everything but screen readers the cell is still current.
    const QSignalBlocker quiet(view->selectionModel());
    view->selectionModel()->clearCurrentIndex();
}

void CurrentCell::giveBack() {
    const QModelIndex held = aside->currentIndex();
    if (!held.isValid())
        return;
    aside->clearCurrentIndex();
    const QSignalBlocker quiet(view->selectionModel());
    view->selectionModel()->setCurrentIndex(held, QItemSelectionModel::NoUpdate);
}

} // namespace grid
