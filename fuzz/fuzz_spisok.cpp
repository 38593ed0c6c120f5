// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// fuzz_spisok.cpp - differential fuzzing of the drive list against its reference model.
//
// Each input is a sequence of operations with arbitrary records, numbers and positions. Every
// operation runs on both the list and the model; after each, the results, the contents and the
// chain's invariants must agree, or the process aborts with a report.
#include "fuzzcheck.h"
#include "referencelist.h"

#include "list/nodeallocator.h"
#include "list/spisok.h"
#include "tests/list/exhaustedheap.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace {

/// Mostly short texts of few letters, so that first characters match often; sometimes raw bytes
/// that fill the field with no NUL at all.
void fillText(FuzzedDataProvider& in, char (&field)[kTextFieldSize]) {
    std::memset(field, 0, sizeof field);
    if (in.ConsumeBool()) {
        const std::string raw = in.ConsumeBytesAsString(in.ConsumeIntegralInRange(0, 12));
        std::memcpy(field, raw.data(), std::min(raw.size(), sizeof field));
    } else {
        const auto length = in.ConsumeIntegralInRange<std::size_t>(0, 3);
        for (std::size_t i = 0; i < length; ++i)
            field[i] = "sSbx"[in.ConsumeIntegralInRange(0, 3)];
    }
}

std::int32_t number(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int32_t>(-2, 5)
                            : in.ConsumeIntegral<std::int32_t>();
}

vint record(FuzzedDataProvider& in) {
    vint r;
    fillText(in, r.firma);
    fillText(in, r.marka);
    r.objom = number(in);
    r.zena = number(in);
    return r;
}

/// The chain's invariants and its contents, walked at most count steps so a cycle cannot hang us.
void checkSame(const spisok& list, const ReferenceList& model) {
    const auto& entries = model.entries();
    FUZZ_CHECK(list.size() == static_cast<std::int32_t>(entries.size()));
    FUZZ_CHECK((list.headNode() == nullptr) == entries.empty());
    FUZZ_CHECK((list.tailNode() == nullptr) == entries.empty());
    FUZZ_CHECK(list.empty() == entries.empty());
    const node* p = list.headNode();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        FUZZ_CHECK(p != nullptr);
        FUZZ_CHECK(strnlen(p->firma, kTextFieldSize) < kTextFieldSize);
        FUZZ_CHECK(strnlen(p->marka, kTextFieldSize) < kTextFieldSize);
        FUZZ_CHECK(ReferenceEntry::of(*p) == entries[i]);
        if (i + 1 == entries.size())
            FUZZ_CHECK(p == list.tailNode() && p->next == nullptr);
        p = p->next;
    }
}

/// The node `index` steps from the head, walked independently of `at`.
const node* walk(const spisok& list, std::size_t index) {
    const node* p = list.headNode();
    while (index-- > 0)
        p = p->next;
    return p;
}

void checkNode(const spisok& list, const node* got, std::optional<std::size_t> expected) {
    FUZZ_CHECK((got == nullptr) == !expected);
    if (expected)
        FUZZ_CHECK(got == walk(list, *expected));
}

void checkCopy(const node& copy, const ReferenceEntry& expected, const node* original) {
    FUZZ_CHECK(ReferenceEntry::of(copy) == expected);
    FUZZ_CHECK(copy.next == (original ? original->next : nullptr));
}

/// The operations a fuzz input chooses from, by number; the seed corpus relies on the order.
enum class Operation {
    Insert,
    Remove,
    IndexOf,
    At,
    NextAt,
    PrevAt,
    FindByPrice,
    First,
    Clear,
    InsertWithoutMemory,
    InsertThenRemoveAt,
    Last = InsertThenRemoveAt
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    spisok list;
    ReferenceList model;
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    while (in.remaining_bytes() > 0) {
        switch (static_cast<Operation>(in.ConsumeIntegralInRange(0, int(Operation::Last)))) {
        case Operation::Insert: {
            const vint r = record(in);
            const std::int32_t pos = number(in);
            list.insert(r, pos);
            model.insert(r, pos);
            break;
        }
        case Operation::Remove: {
            const vint r = record(in);
            FUZZ_CHECK(list.remove(r) == model.remove(r));
            break;
        }
        case Operation::IndexOf: {
            const vint r = record(in);
            FUZZ_CHECK(list.indexOf(r) == model.indexOf(r));
            break;
        }
        case Operation::At: {
            const std::int32_t n = number(in);
            checkNode(list, list.at(n), model.at(n));
            break;
        }
        case Operation::NextAt: {
            const std::int32_t i = number(in);
            checkNode(list, list.nextAt(i), model.at(std::min<std::int64_t>(i + 1LL, kMax)));
            break;
        }
        case Operation::PrevAt: {
            const std::int32_t i = number(in);
            checkNode(list, list.prevAt(i), model.at(std::max<std::int64_t>(i - 1LL, kMin)));
            break;
        }
        case Operation::FindByPrice: {
            const std::int32_t price = number(in);
            const node copy = list.findByPrice(price);
            const ReferenceEntry expected = model.findByPrice(price);
            // Which node was copied: the first with the price, else the tail.
            const node* original = list.headNode();
            while (original && original != list.tailNode() && original->zena != price)
                original = original->next;
            checkCopy(copy, expected, original);
            break;
        }
        case Operation::First:
            checkCopy(list.first(), model.first(), list.headNode());
            break;
        case Operation::Clear:
            list.clear();
            model.clear();
            break;
        case Operation::InsertWithoutMemory: {
            // An exhausted heap: the insert fails and nothing changes.
            const vint r = record(in);
            const NodeAllocator previous = setNodeAllocator(&exhaustedHeap);
            bool failed = false;
            try {
                list.insert(r, number(in));
            } catch (const std::bad_alloc&) {
                failed = true;
            }
            setNodeAllocator(previous);
            FUZZ_CHECK(failed);
            break;
        }
        case Operation::InsertThenRemoveAt: {
            // What undoing an add does: the new node stands at placeOf(pos), and removeAt takes
            // out exactly that one.
            const vint r = record(in);
            const std::int32_t pos = number(in);
            const std::int32_t place = list.placeOf(pos);
            list.insert(r, pos);
            model.insert(r, pos);
            FUZZ_CHECK(walk(list, std::size_t(place)) != nullptr);
            FUZZ_CHECK(ReferenceEntry::of(*walk(list, std::size_t(place))) == ReferenceEntry(r));
            checkSame(list, model);
            const std::size_t index =
                in.ConsumeIntegralInRange<std::size_t>(0, model.entries().size() - 1);
            FUZZ_CHECK(ReferenceEntry(list.removeAt(std::int32_t(index))) == model.removeAt(index));
            break;
        }
        }
        checkSame(list, model);
    }
    return 0;
}
