// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// rowsort.h - the order of a table's rows sorted by one column.
#pragma once

#include "platform/columncontent.h"

#include <QLocale>
#include <QStringList>

#include <vector>

namespace grid {

/// The order of rows whose texts in the column sorted by are `keys`, a column that holds
/// `content`: at each place, the index of the row that goes there. Texts sort as the locale sorts
/// them, case-insensitively, the empty text first; integers by value. Stable: rows with equal keys
/// keep their order, in either direction. Descending reverses the order of the keys; texts that
/// hold no integer stay last either way.
std::vector<int> sortedOrder(const QStringList& keys, platform::ColumnContent content,
                             Qt::SortOrder order, const QLocale& locale = QLocale());

} // namespace grid
