// Control side of the host's process heap: countdown fault injection.
#pragma once

#include <cstddef>

namespace host {

// Makes the n-th HeapAlloc/HeapReAlloc from now fail (1 = the next one);
// 0 turns injection off.
void FailAllocation(size_t n);
// Live allocations made through HeapAlloc/HeapReAlloc and not freed yet.
size_t LiveAllocations();

}  // namespace host
