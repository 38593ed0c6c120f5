// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// referencelist.h - the drive list's described results, kept in a vector, to check the list by.
#pragma once

#include "list/node.h"
#include "list/vint.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// One entry as the list should hold it: the texts cut at the first NUL or at 9 bytes.
struct ReferenceEntry {
    std::string firma;
    std::string marka;
    std::int32_t objom = 0;
    std::int32_t zena = 0;

    explicit ReferenceEntry(const vint& r);
    /// What a node of the real list holds.
    static ReferenceEntry of(const node& p);
    ReferenceEntry() = default;
    bool operator==(const ReferenceEntry&) const = default;
};

/// The list's operations written from their described results on a plain vector, with none of the
/// list's own code: positions, clamping, the first-character match, the tail fallback.
class ReferenceList {
public:
    const std::vector<ReferenceEntry>& entries() const { return items; }

    /// First match among all but the last entry, else the last index; -1 when empty.
    std::int32_t indexOf(const vint& r) const;
    /// The clamped index that `at(n)` reaches, or nothing on an empty list.
    std::optional<std::size_t> at(std::int64_t n) const;
    bool remove(const vint& r);
    void insert(const vint& r, std::int32_t pos);
    /// Takes out the entry at `index`, which must be one of the list's.
    ReferenceEntry removeAt(std::size_t index);
    /// The entry that `findByPrice` copies; a value-initialised one on an empty list.
    ReferenceEntry findByPrice(std::int32_t price) const;
    ReferenceEntry first() const;
    void clear() { items.clear(); }

private:
    static bool matches(const vint& r, const ReferenceEntry& e);
    std::vector<ReferenceEntry> items;
};
