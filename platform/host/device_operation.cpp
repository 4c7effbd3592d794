// Completion of a device request: copy-back to the caller, the OVERLAPPED's
// status and byte count, its event, and the waiters.
#include "platform/host/device_operation.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace host {

ULONG_PTR StatusFromWin32(DWORD error) {
    if (error == ERROR_SUCCESS) {
        return kStatusSuccess;
    }
    if (error == ERROR_OPERATION_ABORTED) {
        return kStatusCancelled;
    }
    return kStatusWin32Base | (error & 0xFFFF);
}

DWORD Win32FromStatus(ULONG_PTR status) {
    if (status == kStatusSuccess) {
        return ERROR_SUCCESS;
    }
    if (status == kStatusCancelled) {
        return ERROR_OPERATION_ABORTED;
    }
    if ((status & 0xFFFF0000) == kStatusWin32Base) {
        return static_cast<DWORD>(status & 0xFFFF);
    }
    return ERROR_GEN_FAILURE;
}

void CompletionSignal::Notify() {
    // Taking the lock orders the notification after the waiter's check of
    // the OVERLAPPED, so no completion is missed.
    { std::lock_guard lock(mutex_); }
    changed_.notify_all();
}

DeviceOperation::DeviceOperation(DWORD code, const void* input, DWORD inputSize, void* callerOutput,
                                 DWORD outputSize, LPOVERLAPPED overlapped, std::shared_ptr<EventObject> event,
                                 std::weak_ptr<CompletionSignal> completion)
    : input_(static_cast<const BYTE*>(input), static_cast<const BYTE*>(input) + (input ? inputSize : 0)),
      output_(outputSize, 0),
      callerOutput_(static_cast<BYTE*>(callerOutput)),
      overlapped_(overlapped),
      event_(std::move(event)),
      completion_(std::move(completion)) {
    request_.code = code;
    request_.input = input_.empty() ? nullptr : input_.data();
    request_.inputSize = static_cast<DWORD>(input_.size());
    request_.output = output_.empty() ? nullptr : output_.data();
    request_.outputSize = outputSize;
    request_.overlapped = overlapped != nullptr;
}

bool DeviceOperation::Complete(DWORD bytesReturned) {
    // A device that claims more bytes than the buffer holds is broken; going
    // on would hand the caller a length that indexes past its buffer.
    if (bytesReturned > request_.outputSize) {
        std::fprintf(stderr, "device request 0x%x: device reported %u bytes for a %u-byte output buffer\n",
                     request_.code, bytesReturned, request_.outputSize);
        std::abort();
    }
    return Settle(ERROR_SUCCESS, bytesReturned);
}

bool DeviceOperation::Fail(DWORD win32Error) {
    if (win32Error == ERROR_SUCCESS) {
        std::fprintf(stderr, "device request 0x%x: device failed it with error 0 (success)\n", request_.code);
        std::abort();
    }
    return Settle(win32Error, 0);
}

bool DeviceOperation::Settle(DWORD error, DWORD bytesReturned) {
    {
        std::lock_guard lock(mutex_);
        if (settled_) {
            return false;
        }
        if (error == ERROR_SUCCESS && bytesReturned > 0) {
            std::memcpy(callerOutput_, output_.data(), bytesReturned);
        }
        if (overlapped_ != nullptr) {
            overlapped_->InternalHigh = bytesReturned;
            // Released last: a reader that sees the final status also sees
            // the byte count and the copied reply.
            std::atomic_ref(overlapped_->Internal).store(StatusFromWin32(error), std::memory_order_release);
        }
        settled_ = true;
        error_ = error;
        bytesReturned_ = bytesReturned;
    }
    settledChanged_.notify_all();
    if (event_) {
        event_->Set();
    }
    if (auto completion = completion_.lock()) {
        completion->Notify();
    }
    return true;
}

bool DeviceOperation::Settled() {
    std::lock_guard lock(mutex_);
    return settled_;
}

void DeviceOperation::WaitSettled() {
    std::unique_lock lock(mutex_);
    settledChanged_.wait(lock, [this] { return settled_; });
}

DWORD DeviceOperation::Error() {
    std::lock_guard lock(mutex_);
    return error_;
}

DWORD DeviceOperation::BytesReturned() {
    std::lock_guard lock(mutex_);
    return bytesReturned_;
}

}  // namespace host
