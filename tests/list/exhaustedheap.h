// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// exhaustedheap.h - a node allocator that never has storage, to run the list out of memory.
#pragma once

#include <cstddef>

/// Install with setNodeAllocator(); every node allocation then fails.
inline void* exhaustedHeap(std::size_t) {
    return nullptr;
}
