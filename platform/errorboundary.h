// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// errorboundary.h - where a command's error stops: shown to the user, the window left open.
#pragma once

#include <QString>

#include <functional>

namespace platform {

/// Shows one error message and calls `dismissed` (when not empty) once the user has read it. The
/// default opens a modal error dialog over the active window; within the event loop it returns at
/// once, the dialog staying until the user closes it.
using ErrorReporter =
    std::function<void(const QString& message, const std::function<void()>& dismissed)>;

/// Installs `reporter` (an empty one restores the dialog) and returns the one it replaces. A
/// reporter other than the dialog lets a caller that drives the window take the messages itself.
ErrorReporter setErrorReporter(ErrorReporter reporter);

/// Shows `message` through the installed reporter; `dismissed` runs once it has been read.
void ShowException(const QString& message, const std::function<void()>& dismissed = {});

/// Runs `handler`; whatever it throws is shown through ShowException and goes no further, so no
/// exception ever crosses the event loop. A refused input's way back runs once the message is
/// dismissed.
void runGuarded(const std::function<void()>& handler) noexcept;

} // namespace platform
