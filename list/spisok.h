// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// spisok.h - the drive list: a singly linked list with a head and a tail.
#pragma once

#include "abstrspisok.h"

/// The one implementation of `Abstrspisok`. Owns its nodes; copying is disabled so that no two
/// lists ever share them.
///
/// Invariants: `head` is null exactly when the list is empty, and then `tail` is null and `count`
/// is 0. Otherwise following `next` from `head` reaches `tail` after `count` - 1 steps, and
/// `tail->next` is null.
class spisok final : public Abstrspisok {
public:
    spisok() = default;
    spisok(const spisok&) = delete;
    spisok& operator=(const spisok&) = delete;
    ~spisok();

    /// Index of the first matching node; the last node is never compared, so its index is also
    /// the answer when nothing earlier matches (-1 on an empty list). Linear.
    std::int32_t indexOf(vint r) override;
    /// The node at index `n`, clamped: `n` <= 0 gives the head, `n` >= count - 1 the tail, an empty
    /// list null. Linear in `n`, constant at either end.
    node* at(std::int32_t n) override;
    /// `at(i + 1)`, saturating at the largest index.
    node* nextAt(std::int32_t i) override;
    /// `at(i - 1)`, saturating at the smallest index.
    node* prevAt(std::int32_t i) override;
    /// Unlinks and releases the first matching node; returns whether there was one. Linear.
    bool remove(vint r) override;
    /// Links a copy of `r` at index `pos`. An empty list takes it as its only element; 0 puts it
    /// first; a position of count or more, or a negative one, appends it (so does every position
    /// but 0 on a one-element list). Constant at either end, linear in `pos` otherwise. Throws
    /// std::bad_alloc, leaving the list as it was, when no node can be allocated.
    void insert(vint r, std::int32_t pos) override;
    /// A copy of the first node priced `price`, or of the tail when no earlier node is; the caller
    /// tells the two apart by the copy's price. Value-initialised on an empty list. Linear.
    node findByPrice(std::int32_t price) override;
    /// A copy of the head; value-initialised on an empty list.
    node first() override;
    /// Releases every node. Linear.
    void clear() override;

    /// The index at which `insert(r, pos)` puts its node on the list as it is now. Constant.
    std::int32_t placeOf(std::int32_t pos) const noexcept {
        return pos < 0 || pos > count ? count : pos;
    }
    /// Unlinks and releases the node at `index`, 0 <= `index` < count, and returns its record.
    /// Linear in `index`.
    vint removeAt(std::int32_t index) noexcept;

    /// Exchanges the contents of two lists. Constant.
    void swap(spisok& other) noexcept;

    const node* headNode() const noexcept { return head; }
    const node* tailNode() const noexcept { return tail; }
    std::int32_t size() const noexcept { return count; }
    bool empty() const noexcept { return head == nullptr; }

private:
    node* head = nullptr;
    node* tail = nullptr;
    std::int32_t count = 0;
};
