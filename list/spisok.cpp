// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// spisok.cpp - the drive list.
#include "spisok.h"

#include "nodeallocator.h"

#include <cassert>
#include <cstdlib>
#include <limits>
#include <new>
#include <utility>

namespace {
node* newNode(const vint& r) {
    node* p = new (allocateNodeStorage(sizeof(node))) node{};
    copyFieldBytes(p->firma, r.firma);
    copyFieldBytes(p->marka, r.marka);
    p->objom = r.objom;
    p->zena = r.zena;
    return p;
}

void releaseNode(node* p) noexcept {
    p->~node();
    std::free(p);
}
} // namespace

spisok::~spisok() {
    clear();
}

std::int32_t spisok::indexOf(vint r) {
    if (!head)
        return -1;
    std::int32_t i = 0;
    for (const node* p = head; p->next && !matches(r, *p); p = p->next)
        ++i;
    return i;
}

node* spisok::at(std::int32_t n) {
    if (n <= 0 || !head)
        return head;
    if (n >= count - 1)
        return tail;
    node* p = head;
    while (n-- > 0)
        p = p->next;
    return p;
}

node* spisok::nextAt(std::int32_t i) {
    return at(i == std::numeric_limits<std::int32_t>::max() ? i : i + 1);
}

node* spisok::prevAt(std::int32_t i) {
    return at(i == std::numeric_limits<std::int32_t>::min() ? i : i - 1);
}

bool spisok::remove(vint r) {
    node* before = nullptr;
    node* p = head;
    while (p && !matches(r, *p)) {
        before = p;
        p = p->next;
    }
    if (!p)
        return false;
    (before ? before->next : head) = p->next;
    if (p == tail)
        tail = before;
    --count;
    releaseNode(p);
    assert((head == nullptr) == (count == 0) && "head is null exactly when the list is empty");
    return true;
}

vint spisok::removeAt(std::int32_t index) noexcept {
    assert(index >= 0 && index < count && "removeAt needs an index of the list");
    node* before = index > 0 ? at(index - 1) : nullptr;
    node* p = before ? before->next : head;
    (before ? before->next : head) = p->next;
    if (p == tail)
        tail = before;
    --count;
    const vint record = recordOf(*p);
    releaseNode(p);
    return record;
}

void spisok::insert(vint r, std::int32_t pos) {
    node* fresh = newNode(r); // the only step that can fail, before anything is linked
    if (!head) {
        head = tail = fresh;
    } else if (pos == 0) {
        fresh->next = head;
        head = fresh;
    } else if (pos < 0 || pos >= count || count == 1) {
        tail->next = fresh;
        tail = fresh;
    } else {
        node* before = at(pos - 1);
        fresh->next = before->next;
        before->next = fresh;
    }
    ++count;
}

node spisok::findByPrice(std::int32_t price) {
    if (!head)
        return node{};
    const node* p = head;
    while (p != tail && p->zena != price)
        p = p->next;
    return *p;
}

node spisok::first() {
    return head ? *head : node{};
}

void spisok::clear() {
    node* p = head;
    while (p) {
        node* next = p->next;
        releaseNode(p);
        p = next;
    }
    head = tail = nullptr;
    count = 0;
}

void spisok::swap(spisok& other) noexcept {
    std::swap(head, other.head);
    std::swap(tail, other.tail);
    std::swap(count, other.count);
}
