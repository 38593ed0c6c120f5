// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// textfield.h - texts typed into the window, kept in the records' 10-byte fields.
#pragma once

#include "list/vint.h"

#include <QString>

/// Stores `text` in `field` in the fields' 8-bit code page. A text with a control character, with
/// a character the code page lacks, or of more than 9 characters is refused: platform::Exception is
/// thrown, saying which rule the text breaks, and `field` is left as it was.
void storeText(char (&field)[kTextFieldSize], const QString& text);

/// The text held in a field.
QString fieldText(const char (&field)[kTextFieldSize]);

/// Whether `text` is the text held in a field, found without building it.
bool isFieldText(QStringView text, const char (&field)[kTextFieldSize]);
