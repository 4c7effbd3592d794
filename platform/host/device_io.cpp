// Device handles: DeviceIoControl, GetOverlappedResult and CancelIoEx
// dispatched to a host::Device, with the completion rules of Windows.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "platform/host/device_operation.h"

namespace host {
namespace {

class DeviceHandleObject : public HandleObject {
public:
    explicit DeviceHandleObject(std::shared_ptr<Device> device) : device(std::move(device)) {}

    void Track(const std::shared_ptr<DeviceOperation>& operation) {
        std::lock_guard lock(mutex_);
        std::erase_if(inFlight_, [](const std::weak_ptr<DeviceOperation>& entry) {
            auto live = entry.lock();
            return !live || live->Settled();
        });
        inFlight_.push_back(operation);
    }

    bool HasPending(LPOVERLAPPED overlapped) {
        std::lock_guard lock(mutex_);
        return std::any_of(inFlight_.begin(), inFlight_.end(), [overlapped](const std::weak_ptr<DeviceOperation>& entry) {
            auto live = entry.lock();
            return live && live->Overlapped() == overlapped && !live->Settled();
        });
    }

    const std::shared_ptr<Device> device;
    const std::shared_ptr<CompletionSignal> completion = std::make_shared<CompletionSignal>();

private:
    std::mutex mutex_;
    std::vector<std::weak_ptr<DeviceOperation>> inFlight_;
};

std::atomic_ref<ULONG_PTR> StatusOf(LPOVERLAPPED overlapped) {
    return std::atomic_ref(overlapped->Internal);
}

[[noreturn]] void DeviceAnsweredTwice(DWORD code) {
    std::fprintf(stderr, "device request 0x%x: device answered a request it had already completed\n", code);
    std::abort();
}

BOOL FailWith(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace

HANDLE OpenDevice(std::shared_ptr<Device> device) {
    return InsertHandle(std::make_shared<DeviceHandleObject>(std::move(device)));
}

}  // namespace host

extern "C" BOOL WINAPI DeviceIoControl(HANDLE device, DWORD ioControlCode, LPVOID inBuffer, DWORD inBufferSize,
                                       LPVOID outBuffer, DWORD outBufferSize, LPDWORD bytesReturned,
                                       LPOVERLAPPED overlapped) {
    auto handle = host::LookupHandleAs<host::DeviceHandleObject>(device);
    if (!handle) {
        return host::FailWith(ERROR_INVALID_HANDLE);
    }
    // Windows writes the byte count of a synchronous request unconditionally;
    // calling without one would crash there, so it must not pass here.
    if (overlapped == nullptr && bytesReturned == nullptr) {
        std::fprintf(stderr, "DeviceIoControl 0x%x: synchronous request without a byte count\n", ioControlCode);
        std::abort();
    }
    if ((inBuffer == nullptr && inBufferSize != 0) || (outBuffer == nullptr && outBufferSize != 0)) {
        return host::FailWith(ERROR_NOACCESS);
    }

    std::shared_ptr<host::EventObject> event;
    if (overlapped != nullptr) {
        if (overlapped->hEvent != nullptr) {
            event = host::LookupHandleAs<host::EventObject>(overlapped->hEvent);
            if (!event) {
                return host::FailWith(ERROR_INVALID_HANDLE);
            }
            event->Reset();
        }
        // Marked pending before the device sees the request, so that a
        // completion from another thread is never overwritten.
        overlapped->InternalHigh = 0;
        host::StatusOf(overlapped).store(host::kStatusPending, std::memory_order_release);
    }

    auto operation = std::make_shared<host::DeviceOperation>(ioControlCode, inBuffer, inBufferSize, outBuffer,
                                                             outBufferSize, overlapped, event, handle->completion);
    handle->Track(operation);
    const host::IoResult result = handle->device->Control(operation->Request(), operation);

    switch (result.kind) {
    case host::IoResult::Kind::Completed:
        if (!operation->Complete(result.bytesReturned)) {
            host::DeviceAnsweredTwice(ioControlCode);
        }
        break;
    case host::IoResult::Kind::Failed:
        if (!operation->Fail(result.error)) {
            host::DeviceAnsweredTwice(ioControlCode);
        }
        break;
    case host::IoResult::Kind::Pending:
        if (overlapped != nullptr) {
            return host::FailWith(ERROR_IO_PENDING);
        }
        // A synchronous request waits for the device, however long it pends.
        operation->WaitSettled();
        break;
    }

    if (bytesReturned != nullptr) {
        *bytesReturned = operation->BytesReturned();
    }
    if (operation->Error() != ERROR_SUCCESS) {
        return host::FailWith(operation->Error());
    }
    return TRUE;
}

extern "C" BOOL WINAPI GetOverlappedResult(HANDLE device, LPOVERLAPPED overlapped, LPDWORD bytesTransferred,
                                           BOOL wait) {
    auto handle = host::LookupHandleAs<host::DeviceHandleObject>(device);
    if (!handle) {
        return host::FailWith(ERROR_INVALID_HANDLE);
    }
    if (overlapped == nullptr) {
        return host::FailWith(ERROR_INVALID_PARAMETER);
    }
    auto status = host::StatusOf(overlapped);
    if (status.load(std::memory_order_acquire) == host::kStatusPending && wait) {
        if (overlapped->hEvent != nullptr) {
            if (WaitForSingleObject(overlapped->hEvent, INFINITE) != WAIT_OBJECT_0) {
                return FALSE;  // the wait's own error stands
            }
        } else {
            handle->completion->WaitUntil(
                [&status] { return status.load(std::memory_order_acquire) != host::kStatusPending; });
        }
    }
    // Still pending after a wait means someone else set the event.
    const ULONG_PTR final = status.load(std::memory_order_acquire);
    if (final == host::kStatusPending) {
        return host::FailWith(ERROR_IO_INCOMPLETE);
    }
    if (bytesTransferred != nullptr) {
        *bytesTransferred = static_cast<DWORD>(overlapped->InternalHigh);
    }
    if (final != host::kStatusSuccess) {
        return host::FailWith(host::Win32FromStatus(final));
    }
    return TRUE;
}

extern "C" BOOL WINAPI CancelIoEx(HANDLE device, LPOVERLAPPED overlapped) {
    auto handle = host::LookupHandleAs<host::DeviceHandleObject>(device);
    if (!handle) {
        return host::FailWith(ERROR_INVALID_HANDLE);
    }
    // The device cancels all its pending requests at once; naming one that
    // is not pending on this handle finds nothing to cancel.
    if (overlapped != nullptr && !handle->HasPending(overlapped)) {
        return host::FailWith(ERROR_NOT_FOUND);
    }
    if (!handle->device->Cancel()) {
        return host::FailWith(ERROR_NOT_FOUND);
    }
    return TRUE;
}
