// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// columncontent.h - what the cells of a table's column hold.
#pragma once

namespace platform {

/// What a column's cells hold. It decides both how the column sorts and whether a copy tells
/// other programs that its cells are numbers.
enum class ColumnContent {
    /// Texts: sorted as the locale sorts them, copied as texts.
    Text,
    /// Integers as StrToInt reads them: sorted by value, each one copied as a number; a cell
    /// that holds no integer sorts after every one that does and is copied as a text.
    Integer,
};

} // namespace platform
