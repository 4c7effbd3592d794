// The host's kernel-object handles: every HANDLE the host library hands out
// (events, devices, and whatever other host objects need one) names an entry
// of one process-wide table. CloseHandle drops the entry; the object itself
// lives on while a request or a wait still holds it, as a kernel object does.
#pragma once

#include <memory>

#include "platform/win32.h"

namespace host {

class HandleObject {
public:
    virtual ~HandleObject() = default;
    // WaitForSingleObject on the handle. Objects that cannot be waited on
    // fail the wait with ERROR_INVALID_HANDLE.
    virtual DWORD Wait(DWORD milliseconds);
};

// A fresh handle for the object. Handles are never reused, so a stale handle
// is reported as invalid rather than reaching a newer object.
HANDLE InsertHandle(std::shared_ptr<HandleObject> object);
// The object a handle names, or null for unknown and closed handles.
std::shared_ptr<HandleObject> LookupHandle(HANDLE handle);
// Removes the handle; false when it was unknown or already closed.
bool RemoveHandle(HANDLE handle);

// The object a handle names when it is of type T, otherwise null.
template <typename T>
std::shared_ptr<T> LookupHandleAs(HANDLE handle) {
    return std::dynamic_pointer_cast<T>(LookupHandle(handle));
}

}  // namespace host
