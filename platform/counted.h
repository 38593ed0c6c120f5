// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// counted.h - a number of things in words, as a person counts them.
#pragma once

#include <QString>

namespace platform {

/// `n` things in the words of the translation context `context`: `one` for one thing, since
/// English has no plural form for it, and `many` in the language's own plural forms for any other
/// number (%n, or %Ln for the locale's digit groups). Both are marked for translation where they
/// are written (QT_TRANSLATE_NOOP, QT_TRANSLATE_N_NOOP).
QString counted(const char* context, qsizetype n, const char* one, const char* many);

} // namespace platform
