// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// htmltable.h - cells as spreadsheets and browsers also put them on the clipboard: an HTML table.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

/// An HTML document holding one table: a <tr> per row, a <td> per cell, the texts escaped, their
/// spaces kept and their line breaks written as <br>.
QString toHtmlTable(const QList<QStringList>& rows);

/// The cells of the first table of an HTML document, read by Qt's own HTML reader
/// (QTextDocument): each table cell is one cell, its text without markup, entities read, its line
/// breaks and paragraphs as line breaks; a cell that spans others leaves them empty. None when the
/// document holds no table.
std::optional<QList<QStringList>> fromHtmlTable(const QString& html);

} // namespace platform
