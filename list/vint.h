// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// vint.h - one hard-drive entry record.
#pragma once

#include <cstddef>
#include <cstdint>

/// Size of a text field, its terminating NUL included: a field holds at most 9 characters.
inline constexpr std::size_t kTextFieldSize = 10;

/// One entry: manufacturer, model, capacity and price. A plain record, copied whole.
/// `firma` and `marka` hold NUL-terminated 8-bit texts; every writer keeps the NUL inside the
/// field.
struct vint {
    char firma[kTextFieldSize]; ///< manufacturer
    char marka[kTextFieldSize]; ///< model
    std::int32_t objom;         ///< capacity
    std::int32_t zena;          ///< price
};

/// Copies a NUL-terminated text into a field, at most 9 bytes of it, and zero-fills the rest.
/// Reads no further than a field's length from `text`, so an unterminated source is safe too.
void copyFieldBytes(char (&field)[kTextFieldSize], const char* text) noexcept;
