// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// rowsort.cpp - the order of a table's rows sorted by one column.
#include "rowsort.h"

#include "platform/conversions.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>

#include <algorithm>
#include <numeric>
#include <optional>

namespace grid {
namespace {

/// Sorts [first, last) stably by `less`, or by its reverse for a descending order; equal keys keep
/// their order both ways.
template <typename Iterator, typename Less>
void sortStably(Iterator first, Iterator last, Qt::SortOrder order, const Less& less) {
    if (order == Qt::AscendingOrder)
        std::stable_sort(first, last, less);
    else
        std::stable_sort(first, last, [&less](int a, int b) { return less(b, a); });
}

/// Ranks of `texts` in the locale's order ignoring case, the empty text lowest: equal texts get
/// equal ranks.
std::vector<int> textRanks(const QStringList& texts, const QLocale& locale) {
    std::vector<int> byText(std::size_t(texts.size()));
    std::iota(byText.begin(), byText.end(), 0);
    const auto rank = [&](const auto& less) {
        const auto emptyFirst = [&](int a, int b) {
            if (texts[a].isEmpty() || texts[b].isEmpty())
                return texts[a].isEmpty() && !texts[b].isEmpty();
            return less(a, b);
        };
        std::sort(byText.begin(), byText.end(), emptyFirst);
        std::vector<int> ranks(byText.size());
        int next = 0;
        for (std::size_t i = 0; i < byText.size(); ++i) {
            if (i > 0 && emptyFirst(byText[i - 1], byText[i]))
                ++next;
            ranks[std::size_t(byText[i])] = next;
        }
        return ranks;
    };
    if (locale.language() == QLocale::C) {
        // The C locale's collator has no sort keys that ignore case: its order is the code's.
        return rank(
            [&texts](int a, int b) { return texts[a].compare(texts[b], Qt::CaseInsensitive) < 0; });
    }
    // One sort key per text, so that the sort compares bytes, not texts through the locale.
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(byText.size());
    for (const QString& text : texts)
        keys.push_back(collator.sortKey(text));
    return rank(
        [&keys](int a, int b) { return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0; });
}

} // namespace

std::vector<int> sortedOrder(const QStringList& keys, platform::ColumnContent content,
                             Qt::SortOrder order, const QLocale& locale) {
    std::vector<int> places(std::size_t(keys.size()));
    std::iota(places.begin(), places.end(), 0);
    if (content == platform::ColumnContent::Integer) {
        std::vector<std::optional<std::int32_t>> values;
        values.reserve(places.size());
        for (const QString& text : keys)
            values.push_back(platform::toInt(text));
        const auto numbers = std::stable_partition(
            places.begin(), places.end(), [&values](int row) { return bool(values[row]); });
        sortStably(places.begin(), numbers, order,
                   [&values](int a, int b) { return *values[a] < *values[b]; });
        return places;
    }
    // Lists repeat their manufacturers and models: each distinct text is ranked once, and the
    // rows sort by their texts' ranks.
    QHash<QString, int> distinctIndex;
    QStringList distinct;
    std::vector<int> textOf;
    textOf.reserve(places.size());
    for (const QString& text : keys) {
        auto at = distinctIndex.constFind(text);
        if (at == distinctIndex.cend()) {
            at = distinctIndex.insert(text, int(distinct.size()));
            distinct << text;
        }
        textOf.push_back(*at);
    }
    const std::vector<int> ranks = textRanks(distinct, locale);
    sortStably(places.begin(), places.end(), order, [&](int a, int b) {
        return ranks[std::size_t(textOf[a])] < ranks[std::size_t(textOf[b])];
    });
    return places;
}

} // namespace grid
