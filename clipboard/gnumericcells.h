// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// gnumericcells.h - cells in Gnumeric's own clipboard format, which says what each cell holds.
#pragma once

#include "copiedcells.h"
#include "tableshape.h"

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

/// The shape of the rows that fromGnumericCells() reads, and whether a number among them is one
/// that the sheet shows as something else (a date, a time, a percentage: see showsAsNumber()).
struct GnumericShape {
    TableShape table;
    bool showsOtherwise = false;
};

/// The rows of Gnumeric's clipboard XML: each cell's value as Gnumeric holds it (a formula's
/// result, a number as its digits, not as a narrow column shows it), each row as wide as its last
/// cell; but a number that the sheet shows otherwise (by the cell's ValueFormat or its style's
/// Format) as `shown`, the same cells as the sheet shows them, holds it, where it does. None when
/// the XML is not such a range: not well formed, or a cell outside the range's rows and columns.
std::optional<QList<QStringList>> fromGnumericCells(const QByteArray& xml,
                                                    const QList<QStringList>& shown = {});

/// The shape of the rows that fromGnumericCells() reads, found in one pass over the XML that
/// builds no cell; none as above. Linear, and memory in the cells it holds, not the range's size.
std::optional<GnumericShape> gnumericShape(const QByteArray& xml);

} // namespace clipboard
