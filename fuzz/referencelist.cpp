// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// referencelist.cpp - the drive list's described results, kept in a vector.
#include "referencelist.h"

#include <algorithm>
#include <cstring>

namespace {
std::string fieldText(const char (&field)[kTextFieldSize]) {
    std::size_t length = 0;
    while (length < kTextFieldSize - 1 && field[length] != '\0')
        ++length;
    return std::string(field, length);
}

char firstByte(const std::string& text) {
    return text.empty() ? '\0' : text.front();
}
} // namespace

ReferenceEntry::ReferenceEntry(const vint& r)
    : firma(fieldText(r.firma)), marka(fieldText(r.marka)), objom(r.objom), zena(r.zena) {}

ReferenceEntry ReferenceEntry::of(const node& p) {
    ReferenceEntry e;
    e.firma.assign(p.firma, strnlen(p.firma, kTextFieldSize));
    e.marka.assign(p.marka, strnlen(p.marka, kTextFieldSize));
    e.objom = p.objom;
    e.zena = p.zena;
    return e;
}

bool ReferenceList::matches(const vint& r, const ReferenceEntry& e) {
    const ReferenceEntry wanted(r);
    return wanted.zena == e.zena && wanted.objom == e.objom &&
           firstByte(wanted.firma) == firstByte(e.firma) &&
           firstByte(wanted.marka) == firstByte(e.marka);
}

std::int32_t ReferenceList::indexOf(const vint& r) const {
    if (items.empty())
        return -1;
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        if (matches(r, items[i]))
            return static_cast<std::int32_t>(i);
    return static_cast<std::int32_t>(items.size() - 1);
}

std::optional<std::size_t> ReferenceList::at(std::int64_t n) const {
    if (items.empty())
        return std::nullopt;
    const auto last = static_cast<std::int64_t>(items.size() - 1);
    return static_cast<std::size_t>(std::clamp<std::int64_t>(n, 0, last));
}

bool ReferenceList::remove(const vint& r) {
    const auto found =
        std::find_if(items.begin(), items.end(), [&r](const auto& e) { return matches(r, e); });
    if (found == items.end())
        return false;
    items.erase(found);
    return true;
}

void ReferenceList::insert(const vint& r, std::int32_t pos) {
    const auto count = static_cast<std::int64_t>(items.size());
    const bool appends = pos < 0 || pos >= count || (count == 1 && pos != 0);
    items.insert(appends ? items.end() : items.begin() + pos, ReferenceEntry(r));
}

ReferenceEntry ReferenceList::findByPrice(std::int32_t price) const {
    if (items.empty())
        return {};
    const auto found = std::find_if(items.begin(), items.end(),
                                    [price](const auto& e) { return e.zena == price; });
    return found == items.end() ? items.back() : *found;
}

ReferenceEntry ReferenceList::first() const {
    return items.empty() ? ReferenceEntry{} : items[0];
}

ReferenceEntry ReferenceList::removeAt(std::size_t index) {
    const ReferenceEntry taken = items[index];
    items.erase(items.begin() + std::ptrdiff_t(index));
    return taken;
}
