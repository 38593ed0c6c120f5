// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// nodeallocator.h - where the list's nodes come from.
#pragma once

#include <cstddef>

/// A function that returns `size` bytes of raw storage, or null when it has none.
using NodeAllocator = void* (*)(std::size_t size);

/// Replaces the allocator of new nodes (the default is std::malloc) and returns the previous one;
/// null restores std::malloc. An allocator that returns null stands for an exhausted heap, which
/// the list answers with std::bad_alloc and no change. Nodes are always released with std::free,
/// so a replacement must hand out malloc'ed storage.
NodeAllocator setNodeAllocator(NodeAllocator allocator) noexcept;

/// Storage for one node from the current allocator; throws std::bad_alloc when it returns null.
void* allocateNodeStorage(std::size_t size);
