#include "platform/private_heap.h"

#include <atomic>
#include <memory>
#include <new>
#include <vector>

class PrivateHeap {
  public:
    explicit PrivateHeap(std::size_t maximum_bytes) : maximum_bytes_(maximum_bytes) {}

    void* allocate(std::size_t bytes) {
        if (maximum_bytes_ != 0 && bytes > maximum_bytes_ - used_bytes_) return nullptr;
        try {
            blocks_.reserve(blocks_.size() + 1);
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
        // Value-initialised, so zero-filled; one byte for an empty block keeps it distinct.
        std::unique_ptr<std::byte[]> block(new (std::nothrow) std::byte[bytes ? bytes : 1]());
        if (!block) return nullptr;
        used_bytes_ += bytes;
        blocks_.push_back(std::move(block));
        return blocks_.back().get();
    }

  private:
    std::size_t maximum_bytes_;
    std::size_t used_bytes_ = 0;
    std::vector<std::unique_ptr<std::byte[]>> blocks_;
};

namespace {
std::atomic<long> live_heaps{0};
}  // namespace

PrivateHeap* heapCreate(std::size_t maximum_bytes) {
    auto* heap = new (std::nothrow) PrivateHeap(maximum_bytes);
    if (heap) ++live_heaps;
    return heap;
}

void* heapAlloc(PrivateHeap* heap, std::size_t bytes) {
    return heap ? heap->allocate(bytes) : nullptr;
}

void heapDestroy(PrivateHeap* heap) {
    if (!heap) return;
    delete heap;
    --live_heaps;
}

long heapLiveCount() {
    return live_heaps.load();
}
