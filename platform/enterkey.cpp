// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// enterkey.cpp - Enter presses a focused button.
#include "enterkey.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace platform {
namespace {

class EnterPresses : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            modifiers != Qt::NoModifier)
            return false;
        static_cast<QAbstractButton*>(watched)->click();
        return true;
    }
};

} // namespace

void pressOnEnter(QAbstractButton* button) {
    button->installEventFilter(new EnterPresses(button));
}

} // namespace platform
