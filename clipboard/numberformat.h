// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// numberformat.h - what a spreadsheet's number format makes of a number it shows.
#pragma once

#include <QStringView>

namespace clipboard {

/// Whether a spreadsheet that shows a number in the format `code` (LibreOffice's and Gnumeric's
/// codes: "General", "0.00E+00", "#,##0", "[$$-409]#,##0.00") shows it as that number, however
/// rounded, grouped or marked with a currency: not as a date, a time, a percentage, a fraction, a
/// truth value or a text. An empty code is the general format. Linear in the code.
bool showsAsNumber(QStringView code);

} // namespace clipboard
