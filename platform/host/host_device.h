// Control side of the host's device handles, for tests, tools and the
// simulated sensor. Product code never includes this header.
//
// A HANDLE returned by OpenDevice names a Device. DeviceIoControl,
// GetOverlappedResult and CancelIoEx on that handle dispatch to it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "win32_types.h"

namespace host {

// One request as the device sees it.
struct IoRequest {
    DWORD code = 0;
    // As for buffered requests on Windows, the device works on copies owned
    // by the request, valid until it completes: a copy of the caller's input,
    // and a zero-filled output buffer of the caller's output size whose first
    // bytesReturned bytes are copied to the caller's buffer on success (a
    // failed request leaves the caller's buffer untouched).
    const BYTE* input = nullptr;
    DWORD inputSize = 0;
    BYTE* output = nullptr;
    DWORD outputSize = 0;
    bool overlapped = false;
};

// How the device answered a request.
struct IoResult {
    enum class Kind { Completed, Failed, Pending };
    Kind kind = Kind::Completed;
    DWORD bytesReturned = 0;  // Completed
    DWORD error = 0;          // Failed

    static IoResult Done(DWORD bytes) { return {Kind::Completed, bytes, 0}; }
    static IoResult Fail(DWORD win32Error) { return {Kind::Failed, 0, win32Error}; }
    static IoResult Pend() { return {Kind::Pending, 0, 0}; }
};

class PendingIo;

// A device that answers requests. A request that pends is completed later
// through its PendingIo, from any thread.
class Device {
public:
    virtual ~Device() = default;
    // `pending` is the handle through which a Pending answer is completed,
    // from any thread. A synchronous request that pends blocks its caller
    // until then; an overlapped one returns ERROR_IO_PENDING at once.
    // Reporting more bytes than outputSize is a device bug and aborts.
    virtual IoResult Control(const IoRequest& request, const std::shared_ptr<PendingIo>& pending) = 0;
    // CancelIoEx on the device's handle: the device should complete its
    // pending requests with ERROR_OPERATION_ABORTED. Returns false when
    // nothing was pending (CancelIoEx then fails with ERROR_NOT_FOUND).
    virtual bool Cancel() = 0;
};

// A pending overlapped request. Completing it fills the OVERLAPPED and sets
// its event; a second completion is ignored.
class PendingIo {
public:
    virtual ~PendingIo() = default;
    virtual const IoRequest& Request() const = 0;
    // Returns false when the request had already completed.
    virtual bool Complete(DWORD bytesReturned) = 0;
    virtual bool Fail(DWORD win32Error) = 0;
};

// Gives the device a handle. The handle stays valid until CloseHandle.
HANDLE OpenDevice(std::shared_ptr<Device> device);

}  // namespace host
