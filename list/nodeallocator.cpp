// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// nodeallocator.cpp - where the list's nodes come from.
#include "nodeallocator.h"

#include <cstdlib>
#include <new>

namespace {
void* mallocStorage(std::size_t size) {
    return std::malloc(size);
}
NodeAllocator currentAllocator = &mallocStorage;
} // namespace

NodeAllocator setNodeAllocator(NodeAllocator allocator) noexcept {
    NodeAllocator previous = currentAllocator;
    currentAllocator = allocator ? allocator : &mallocStorage;
    return previous;
}

void* allocateNodeStorage(std::size_t size) {
    if (void* storage = currentAllocator(size))
        return storage;
    throw std::bad_alloc();
}
