// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// quoted.h - what the user typed, as an error message quotes it.
#pragma once

#include <QString>

namespace platform {

/// `text` itself up to `longest` characters; past that its first ones, never half a character,
/// and "…".
QString shortened(const QString& text, qsizetype longest);

/// "U+" and the character's code in at least four hexadecimal digits: "U+0009", "U+1F600".
QString characterCode(char32_t c);

/// `text` with every character that one cannot see, or that turns the text around it, written
/// as its code in angle brackets: "ab<U+0009>cd". Controls, format characters (bidirectional
/// overrides and isolates among them), line and paragraph separators and every space but the
/// plain one are; with `dashes`, every dash but the hyphen-minus too (they pass for a minus sign).
QString visible(const QString& text, bool dashes = false);

/// `text` between single quotes, as visible() writes it with its dashes and inside Unicode isolates
/// (U+2068 and U+2069), so that no text turns the message around; past 30 characters it is cut and
/// the cut marked with "…", so that a pasted page cannot blow a message up.
QString quoted(const QString& text);

} // namespace platform
