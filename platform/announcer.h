// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// announcer.h - short messages said to screen readers without moving the focus.
#pragma once

#include <QString>
#include <QWidget>

namespace platform {

/// Says what a command did to a screen reader, wherever the focus is: a notification, shown
/// anew for every message, which screen readers speak as it shows (Qt 6.4 has no announcement
/// event). It has no size and draws nothing, so nobody sees it.
class Announcer : public QWidget {
    Q_OBJECT

public:
    /// The announcer of `widget`'s window, made the first time it is asked for: one per window.
    static Announcer* of(QWidget* widget);

    /// Has `message` said, once, even when it is the last one again.
    void announce(const QString& message);
    /// The last message: the notification's accessible name.
    const QString& message() const { return said; }

private:
    explicit Announcer(QWidget* window);

    QString said;
};

} // namespace platform
