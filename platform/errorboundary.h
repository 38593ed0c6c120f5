// errorboundary.h - where a command's error stops: shown to the user, the window left open.
#pragma once

#include <QString>

#include <functional>

namespace platform {

/// Shows one error message. The default opens a modal error dialog over the active window.
/// Within the event loop it returns at once, the dialog staying until the user closes it.
using ErrorReporter = std::function<void(const QString& message)>;

/// Installs `reporter` (an empty one restores the dialog) and returns the one it replaces.
/// Tests install a reporter that records messages, so that no dialog ever blocks them.
ErrorReporter setErrorReporter(ErrorReporter reporter);

/// Shows `message` through the installed reporter.
void ShowException(const QString& message);

/// Runs `handler`; whatever it throws is shown through ShowException and goes no further, so no
/// exception ever crosses the event loop.
void runGuarded(const std::function<void()>& handler) noexcept;

} // namespace platform
