#pragma once

#include <cstddef>

// A private heap: zero-filled blocks that are never freed one by one but all at once
// when the heap is destroyed, so one call ends every allocation of a task.
class PrivateHeap;

// maximum_bytes caps the total of the heap's blocks; 0 lets it grow as needed.
PrivateHeap* heapCreate(std::size_t maximum_bytes = 0);

// A zero-filled block of bytes (a distinct block even for 0 bytes), or null when the heap
// is null, its maximum would be passed, or memory is short.
void* heapAlloc(PrivateHeap* heap, std::size_t bytes);

// Frees the heap and every block in it; null is ignored.
void heapDestroy(PrivateHeap* heap);

// Heaps created and not yet destroyed, for leak checks.
long heapLiveCount();
