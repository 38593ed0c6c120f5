// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// abstrspisok.h - the interface of the drive list.
#pragma once

#include "node.h"

#include <cstdint>

/// The list's nine operations, in their fixed slot order. Positions are 0-based from the head.
class Abstrspisok {
public:
    virtual std::int32_t indexOf(vint r) = 0;
    virtual node* at(std::int32_t n) = 0;
    virtual node* nextAt(std::int32_t i) = 0;
    virtual node* prevAt(std::int32_t i) = 0;
    virtual bool remove(vint r) = 0;
    virtual void insert(vint r, std::int32_t pos) = 0;
    virtual node findByPrice(std::int32_t price) = 0;
    virtual node first() = 0;
    virtual void clear() = 0;

protected:
    // Not deleted through the interface, so no virtual destructor is needed.
    ~Abstrspisok() = default;
};
