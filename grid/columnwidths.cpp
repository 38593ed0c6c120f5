// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// columnwidths.cpp - how a grid's width is shared among its columns.
#include "columnwidths.h"

#include <algorithm>

namespace grid {

void ColumnWidths::choose(int column, int width) {
    if (std::size_t(column) >= chosen.size())
        chosen.resize(std::size_t(column) + 1, 0);
    chosen[std::size_t(column)] = width;
}

std::vector<int> ColumnWidths::share(int count, int room, int leastWidth, int defaultWidth) const {
    std::vector<int> widths(std::size_t(std::max(count, 0)), 0);
    if (widths.empty())
        return widths;
    const auto chosenWidth = [this](std::size_t column) {
        return column < chosen.size() ? chosen[column] : 0;
    };
    int taken = 0;
    int unchosen = 0;
    for (std::size_t i = 0; i < widths.size(); ++i)
        chosenWidth(i) > 0 ? taken += chosenWidth(i) : ++unchosen;
    const int each = unchosen > 0 ? std::clamp((room - taken) / unchosen,
                                               std::min(leastWidth, defaultWidth), defaultWidth)
                                  : 0;
    int total = 0;
    for (std::size_t i = 0; i < widths.size(); ++i)
        total += widths[i] = chosenWidth(i) > 0 ? chosenWidth(i) : each;
    if (total < room)
        widths.back() += room - total;
    return widths;
}

} // namespace grid
