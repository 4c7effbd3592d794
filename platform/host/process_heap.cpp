// The process heap, with countdown fault injection and a count of live
// blocks so that tests can require every allocation to be released.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/host/host_heap.h"
#include "platform/win32.h"

namespace {

// Blocks HeapAlloc returns without HEAP_ZERO_MEMORY are filled with this, as
// a debugging heap does, so that code relying on zeroed memory it did not
// ask for fails the same way on every run.
constexpr int kUninitialisedFill = 0xCD;

struct ProcessHeap {
    std::mutex mutex;
    std::unordered_map<void*, size_t> blocks;  // live block -> size
    size_t failCountdown = 0;                  // 0: no failure armed
};

ProcessHeap& Heap() {
    static ProcessHeap* heap = new ProcessHeap;  // outlives every static destructor
    return *heap;
}

HANDLE ProcessHeapHandle() {
    return reinterpret_cast<HANDLE>(&Heap());
}

// Consumes one step of the countdown; true when this allocation must fail.
bool InjectedFailure(ProcessHeap& heap) {
    if (heap.failCountdown == 0) {
        return false;
    }
    return --heap.failCountdown == 0;
}

[[noreturn]] void ForeignBlock(const char* function, void* memory) {
    std::fprintf(stderr, "%s: %p is not a live block of the process heap (double free?)\n", function, memory);
    std::abort();
}

}  // namespace

namespace host {

void FailAllocation(size_t n) {
    std::lock_guard lock(Heap().mutex);
    Heap().failCountdown = n;
}

bool AllocationFailureArmed() {
    std::lock_guard lock(Heap().mutex);
    return Heap().failCountdown != 0;
}

size_t LiveAllocations() {
    std::lock_guard lock(Heap().mutex);
    return Heap().blocks.size();
}

}  // namespace host

extern "C" HANDLE WINAPI GetProcessHeap(void) {
    return ProcessHeapHandle();
}

// As on Windows, a failed allocation does not set the last error.
extern "C" LPVOID WINAPI HeapAlloc(HANDLE heapHandle, DWORD flags, SIZE_T bytes) {
    if (heapHandle != ProcessHeapHandle()) {
        return nullptr;
    }
    ProcessHeap& heap = Heap();
    std::lock_guard lock(heap.mutex);
    if (InjectedFailure(heap)) {
        return nullptr;
    }
    // A zero-byte request still yields a distinct block.
    void* memory = std::malloc(bytes == 0 ? 1 : bytes);
    if (memory == nullptr) {
        return nullptr;
    }
    std::memset(memory, (flags & HEAP_ZERO_MEMORY) ? 0 : kUninitialisedFill, bytes);
    heap.blocks.emplace(memory, bytes);
    return memory;
}

// On failure the original block stays valid and unchanged.
extern "C" LPVOID WINAPI HeapReAlloc(HANDLE heapHandle, DWORD flags, LPVOID memory, SIZE_T bytes) {
    if (heapHandle != ProcessHeapHandle() || memory == nullptr) {
        return nullptr;
    }
    ProcessHeap& heap = Heap();
    std::lock_guard lock(heap.mutex);
    auto found = heap.blocks.find(memory);
    if (found == heap.blocks.end()) {
        ForeignBlock("HeapReAlloc", memory);
    }
    if (InjectedFailure(heap)) {
        return nullptr;
    }
    const size_t oldSize = found->second;
    void* resized = std::realloc(memory, bytes == 0 ? 1 : bytes);
    if (resized == nullptr) {
        return nullptr;
    }
    if (bytes > oldSize) {
        std::memset(static_cast<BYTE*>(resized) + oldSize, (flags & HEAP_ZERO_MEMORY) ? 0 : kUninitialisedFill,
                    bytes - oldSize);
    }
    heap.blocks.erase(found);
    heap.blocks.emplace(resized, bytes);
    return resized;
}

extern "C" BOOL WINAPI HeapFree(HANDLE heapHandle, DWORD, LPVOID memory) {
    if (heapHandle != ProcessHeapHandle()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (memory == nullptr) {
        return TRUE;
    }
    ProcessHeap& heap = Heap();
    std::lock_guard lock(heap.mutex);
    if (heap.blocks.erase(memory) == 0) {
        ForeignBlock("HeapFree", memory);
    }
    std::free(memory);
    return TRUE;
}
