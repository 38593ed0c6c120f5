// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// quoted.h - what the user typed, as an error message quotes it.
#pragma once

#include <QString>

namespace platform {

/// `text` itself up to `longest` characters; past that its first ones, never half a character,
/// and "…".
QString shortened(const QString& text, qsizetype longest);

/// `text` between single quotes, literally; past 30 characters it is cut and the cut is marked
/// with "…", so that a pasted page cannot blow a message up.
QString quoted(const QString& text);

} // namespace platform
