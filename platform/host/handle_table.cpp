// The process-wide handle table, CloseHandle and WaitForSingleObject.
#include "platform/host/handle_table.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace host {
namespace {

struct HandleTable {
    std::mutex mutex;
    std::unordered_map<uintptr_t, std::shared_ptr<HandleObject>> objects;
    // Kernel handles are multiples of 4; starting high keeps them clear of
    // small integers that a caller might mistake for a handle.
    uintptr_t next = 0x1000;
};

HandleTable& Table() {
    static HandleTable* table = new HandleTable;  // outlives every static destructor
    return *table;
}

}  // namespace

DWORD HandleObject::Wait(DWORD) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
}

HANDLE InsertHandle(std::shared_ptr<HandleObject> object) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    const uintptr_t value = table.next;
    table.next += 4;
    table.objects.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<HandleObject> LookupHandle(HANDLE handle) {
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.objects.find(reinterpret_cast<uintptr_t>(handle));
    return found == table.objects.end() ? nullptr : found->second;
}

bool RemoveHandle(HANDLE handle) {
    std::shared_ptr<HandleObject> removed;  // destroyed outside the lock
    HandleTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.objects.find(reinterpret_cast<uintptr_t>(handle));
    if (found == table.objects.end()) {
        return false;
    }
    removed = std::move(found->second);
    table.objects.erase(found);
    return true;
}

}  // namespace host

extern "C" BOOL WINAPI CloseHandle(HANDLE handle) {
    if (!host::RemoveHandle(handle)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

extern "C" DWORD WINAPI WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    std::shared_ptr<host::HandleObject> object = host::LookupHandle(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    return object->Wait(milliseconds);
}
