// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// gnumericcells.h - cells in Gnumeric's own clipboard format, which says what each cell holds.
#pragma once

#include "copiedcells.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <QStringList>

#include <optional>
#include <vector>

namespace clipboard {

/// The clipboard format that Gnumeric reads first: its XML of a range of cells.
inline constexpr QLatin1StringView kGnumericFormat("application/x-gnumeric");

/// Whether XML can carry every text of `cells`: no control but tab, line feed and carriage return,
/// and no lone half of a surrogate pair. Linear in the texts.
bool gnumericCarries(const CopiedCells& cells);

/// `cells`, whose texts gnumericCarries(), as Gnumeric's clipboard XML (gnm:ClipboardRange,
/// UTF-8): a cell of a number column that holds an integer (toInt()) as that number, every other
/// non-empty cell as the text it is, never read as a formula or a date. Linear in the texts.
QByteArray toGnumericCells(const CopiedCells& cells);

/// The rows of Gnumeric's clipboard XML: each cell's value as Gnumeric holds it (a formula's
/// result, a number as its digits, not as a narrow column shows it), each row as wide as its last
/// cell that holds something. None when the XML is not such a range.
std::optional<QList<QStringList>> fromGnumericCells(const QByteArray& xml);

/// How many rows that range holds, read from its first element alone; none as above.
std::optional<qsizetype> gnumericRowCount(const QByteArray& xml);

} // namespace clipboard
