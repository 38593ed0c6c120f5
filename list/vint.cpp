// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// vint.cpp - text fields of the entry record.
#include "vint.h"

#include <cstring>

void copyFieldBytes(char (&field)[kTextFieldSize], const char* text) noexcept {
    const std::size_t length = text ? strnlen(text, kTextFieldSize - 1) : 0;
    if (length > 0)
        std::memcpy(field, text, length);
    std::memset(field + length, 0, kTextFieldSize - length);
}
