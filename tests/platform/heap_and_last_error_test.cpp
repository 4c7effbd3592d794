// The host process heap with countdown fault injection, and the thread
// last error.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "platform/host/host_heap.h"
#include "platform/win32.h"

namespace {

TEST(ProcessHeapTest, TheNthAllocationFailsOnceAndOnlyIt) {
    const HANDLE heap = GetProcessHeap();
    const size_t live = host::LiveAllocations();
    host::FailAllocation(2);
    void* first = HeapAlloc(heap, 0, 16);
    EXPECT_NE(first, nullptr);
    EXPECT_TRUE(host::AllocationFailureArmed());
    EXPECT_EQ(HeapReAlloc(heap, 0, first, 64), nullptr);  // the second allocation
    EXPECT_FALSE(host::AllocationFailureArmed());
    void* third = HeapAlloc(heap, HEAP_ZERO_MEMORY, 32);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(host::LiveAllocations(), live + 2);
    const BYTE zeros[32] = {};
    EXPECT_EQ(std::memcmp(third, zeros, sizeof zeros), 0);

    std::memset(first, 0x5A, 16);
    void* grown = HeapReAlloc(heap, 0, first, 64);  // a failed ReAlloc kept the block
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(static_cast<BYTE*>(grown)[15], 0x5A);
    EXPECT_TRUE(HeapFree(heap, 0, grown));
    EXPECT_TRUE(HeapFree(heap, 0, third));
    EXPECT_EQ(host::LiveAllocations(), live);
}

TEST(ProcessHeapTest, DisarmingStopsAPendingFailure) {
    host::FailAllocation(1);
    host::FailAllocation(0);
    void* block = HeapAlloc(GetProcessHeap(), 0, 8);
    EXPECT_NE(block, nullptr);
    HeapFree(GetProcessHeap(), 0, block);
}

TEST(LastErrorTest, EachThreadHasItsOwn) {
    SetLastError(ERROR_GEN_FAILURE);
    DWORD seenByOther = 1;
    std::thread other([&] {
        seenByOther = GetLastError();
        SetLastError(ERROR_NOT_FOUND);
    });
    other.join();
    EXPECT_EQ(seenByOther, 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_GEN_FAILURE));
}

}  // namespace
