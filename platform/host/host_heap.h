// Control side of the host's process heap: countdown fault injection.
#pragma once

#include <cstddef>

namespace host {

// Makes the n-th HeapAlloc/HeapReAlloc from now fail (1 = the next one);
// 0 turns injection off. The failure is one-shot: later allocations succeed.
void FailAllocation(size_t n);
// True while an armed failure has not fired yet: an operation that finishes
// with the failure still armed made fewer than n allocations, which ends a
// countdown loop of N = 1, 2, ...
bool AllocationFailureArmed();
// Live allocations made through HeapAlloc/HeapReAlloc and not freed yet.
size_t LiveAllocations();

}  // namespace host
