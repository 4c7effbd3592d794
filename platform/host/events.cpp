// Events: manual- and auto-reset, set, reset and waited on with or without
// a time-out.
#include <chrono>

#include "platform/host/event_object.h"

namespace host {

void EventObject::Set() {
    {
        std::lock_guard lock(mutex_);
        signaled_ = true;
    }
    // A manual-reset event releases every waiter, an auto-reset one a single waiter.
    if (manualReset_) {
        changed_.notify_all();
    } else {
        changed_.notify_one();
    }
}

void EventObject::Reset() {
    std::lock_guard lock(mutex_);
    signaled_ = false;
}

DWORD EventObject::Wait(DWORD milliseconds) {
    std::unique_lock lock(mutex_);
    auto isSignaled = [this] { return signaled_; };
    if (milliseconds == INFINITE) {
        changed_.wait(lock, isSignaled);
    } else if (!changed_.wait_for(lock, std::chrono::milliseconds(milliseconds), isSignaled)) {
        return WAIT_TIMEOUT;
    }
    if (!manualReset_) {
        signaled_ = false;
    }
    return WAIT_OBJECT_0;
}

}  // namespace host

// Named events are not needed by the modules; a name is refused rather than
// silently creating an unnamed event that another opener would not find.
extern "C" HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES, BOOL manualReset, BOOL initialState, LPCWSTR name) {
    if (name != nullptr) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return nullptr;
    }
    return host::InsertHandle(std::make_shared<host::EventObject>(manualReset != FALSE, initialState != FALSE));
}

extern "C" BOOL WINAPI SetEvent(HANDLE event) {
    auto object = host::LookupHandleAs<host::EventObject>(event);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    object->Set();
    return TRUE;
}

extern "C" BOOL WINAPI ResetEvent(HANDLE event) {
    auto object = host::LookupHandleAs<host::EventObject>(event);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    object->Reset();
    return TRUE;
}
