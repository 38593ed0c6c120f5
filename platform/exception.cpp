// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// exception.cpp - the error class that commands raise and the error boundary shows.
#include "exception.h"

#include <utility>

namespace platform {

Exception::Exception(const QString& message, std::function<void()> leadBack)
    : message(message), utf8(message.toUtf8()), back(std::move(leadBack)) {}

} // namespace platform
