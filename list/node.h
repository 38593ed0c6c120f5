// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// node.h - one element of the drive list.
#pragma once

#include "vint.h"

/// A list element: the four fields of a `vint` in the same order, then the link to the next
/// element.
struct node {
    char firma[kTextFieldSize];
    char marka[kTextFieldSize];
    std::int32_t objom;
    std::int32_t zena;
    node* next; ///< the following element; null on the last one
};

/// True when the record matches the node: equal price, equal capacity, and the same first byte of
/// manufacturer and of model (case matters; an empty text matches only an empty text).
bool matches(const vint& r, const node& p) noexcept;

/// The record a node holds: its four fields, without the link.
vint recordOf(const node& p) noexcept;
