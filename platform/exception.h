// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// exception.h - the error class that commands raise and the error boundary shows.
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <functional>

namespace platform {

/// An error with a message for the user, and optionally the way back to what must be mended.
class Exception : public std::exception {
public:
    explicit Exception(const QString& message, std::function<void()> leadBack = {});

    const QString& Message() const noexcept { return message; }
    const char* what() const noexcept override { return utf8.constData(); }
    /// Takes the user to the input that was refused, once the message has been read; may be empty.
    const std::function<void()>& leadBack() const noexcept { return back; }

private:
    QString message;
    QByteArray utf8; // what() must outlive the call, so the bytes are kept here
    std::function<void()> back;
};

} // namespace platform
