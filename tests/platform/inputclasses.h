// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// inputclasses.h - the classes of input that every field and cell is tried with.
#pragma once

#include <QList>
#include <QString>

/// One input of a class: a name for the test row, the text, and whether a field takes it.
struct TypedInput {
    const char* name;
    QString text;
    bool valid;
};

/// The 32-bit boundaries, and every malformed or out-of-range number.
const QList<TypedInput>& numberInputs();

/// Texts that a field takes (nine characters, markup and signs among them) and every kind that it
/// refuses.
const QList<TypedInput>& textInputs();
