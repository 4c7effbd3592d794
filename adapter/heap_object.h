// Channel objects live on the process heap, like everything the adapters
// allocate, so that the host's allocation failures reach them too.
#pragma once

#include <new>
#include <utility>

#include "platform/win32.h"

namespace talven {

// The object, or null when the heap has no room.
template <typename T, typename... Arguments>
T* HeapNew(Arguments&&... arguments) {
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(T));
    return memory == nullptr ? nullptr : new (memory) T(std::forward<Arguments>(arguments)...);
}

// Accepts null.
template <typename T>
void HeapDelete(T* object) {
    if (object == nullptr) return;
    object->~T();
    HeapFree(GetProcessHeap(), 0, object);
}

}  // namespace talven
