#include "platform/private_heap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

TEST(PrivateHeap, BlocksAreZeroFilledAndDistinct) {
    PrivateHeap* heap = heapCreate();
    auto* a = static_cast<unsigned char*>(heapAlloc(heap, 1000));
    auto* empty1 = heapAlloc(heap, 0);
    auto* empty2 = heapAlloc(heap, 0);
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(std::all_of(a, a + 1000, [](unsigned char b) { return b == 0; }));
    std::memset(a, 0xff, 1000);  // every byte is ours to write
    EXPECT_NE(empty1, nullptr);
    EXPECT_NE(empty1, empty2);
    heapDestroy(heap);
}

TEST(PrivateHeap, MaximumCountsEveryBlock) {
    PrivateHeap* heap = heapCreate(100);
    EXPECT_NE(heapAlloc(heap, 60), nullptr);
    EXPECT_EQ(heapAlloc(heap, 41), nullptr);
    EXPECT_NE(heapAlloc(heap, 40), nullptr);
    EXPECT_EQ(heapAlloc(heap, 1), nullptr);
    heapDestroy(heap);
}

TEST(PrivateHeap, DestroyEndsTheHeap) {
    EXPECT_EQ(heapAlloc(nullptr, 1), nullptr);
    PrivateHeap* heap = heapCreate();
    EXPECT_EQ(heapLiveCount(), 1);
    heapDestroy(heap);
    heapDestroy(nullptr);
    EXPECT_EQ(heapLiveCount(), 0);
}

}  // namespace
