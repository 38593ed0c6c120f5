// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// rowsort.h - the order of a table's rows sorted by one column.
#pragma once

#include <QLocale>
#include <QStringList>

#include <vector>

namespace grid {

/// How the texts of a column compare.
enum class SortKey {
    /// As the locale sorts texts, case-insensitively; the empty text first.
    Text,
    /// As the integers StrToInt reads; a text that holds none goes after every one that does.
    Integer,
};

/// The order of rows whose texts in the column sorted by are `keys`: at each place, the index of
/// the row that goes there. Stable: rows with equal keys keep their order, in either direction.
/// Descending reverses the order of the keys; texts that hold no integer stay last either way.
std::vector<int> sortedOrder(const QStringList& keys, SortKey key, Qt::SortOrder order,
                             const QLocale& locale = QLocale());

} // namespace grid
