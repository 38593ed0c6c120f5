// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// rowsort.cpp - the order of a table's rows sorted by one column.
#include "rowsort.h"

#include "conversions.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <optional>

namespace platform {
namespace {

/// Sorts [first, last) stably by `less`, or by its reverse for a descending order; equal keys keep
/// their order both ways.
template <typename Iterator, typename Less>
void sortStably(Iterator first, Iterator last, Qt::SortOrder order, const Less& less) {
    if (order == Qt::AscendingOrder)
        std::stable_sort(first, last, less);
    else
        std::stable_sort(first, last, [&less](qsizetype a, qsizetype b) { return less(b, a); });
}

} // namespace

std::vector<qsizetype> sortedOrder(const QList<QStringList>& rows, qsizetype col, SortKey key,
                                   Qt::SortOrder order, const QLocale& locale) {
    std::vector<qsizetype> places(rows.size());
    std::iota(places.begin(), places.end(), qsizetype{0});
    const auto text = [&rows, col](qsizetype row) -> QStringView {
        return col < rows[row].size() ? QStringView(rows[row][col]) : QStringView();
    };
    if (key == SortKey::Integer) {
        std::vector<std::optional<std::int32_t>> values;
        values.reserve(rows.size());
        for (qsizetype row = 0; row < rows.size(); ++row)
            values.push_back(toInt(text(row)));
        const auto numbers = std::stable_partition(
            places.begin(), places.end(), [&values](qsizetype row) { return bool(values[row]); });
        sortStably(places.begin(), numbers, order,
                   [&values](qsizetype a, qsizetype b) { return *values[a] < *values[b]; });
        return places;
    }
    const auto emptyFirst = [&text](qsizetype a, qsizetype b, const auto& less) {
        const bool aEmpty = text(a).isEmpty();
        const bool bEmpty = text(b).isEmpty();
        if (aEmpty || bEmpty)
            return aEmpty && !bEmpty;
        return less(a, b);
    };
    if (locale.language() == QLocale::C) {
        // The C locale's collator has no sort keys that ignore case: its order is the code's.
        sortStably(places.begin(), places.end(), order, [&](qsizetype a, qsizetype b) {
            return emptyFirst(a, b, [&text](qsizetype x, qsizetype y) {
                return text(x).compare(text(y), Qt::CaseInsensitive) < 0;
            });
        });
        return places;
    }
    // One sort key per row, so that the sort compares bytes, not texts through the locale.
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows.size());
    for (qsizetype row = 0; row < rows.size(); ++row)
        keys.push_back(collator.sortKey(text(row).toString()));
    sortStably(places.begin(), places.end(), order, [&](qsizetype a, qsizetype b) {
        return emptyFirst(a, b, [&keys](qsizetype x, qsizetype y) {
            return keys[std::size_t(x)].compare(keys[std::size_t(y)]) < 0;
        });
    });
    return places;
}

} // namespace platform
