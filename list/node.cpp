// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// node.cpp - matching a record against a list element.
#include "node.h"

bool matches(const vint& r, const node& p) noexcept {
    return r.zena == p.zena && r.objom == p.objom && r.firma[0] == p.firma[0] &&
           r.marka[0] == p.marka[0];
}

vint recordOf(const node& p) noexcept {
    vint r{};
    copyFieldBytes(r.firma, p.firma);
    copyFieldBytes(r.marka, p.marka);
    r.objom = p.objom;
    r.zena = p.zena;
    return r;
}
