// One device request in flight: the PendingIo the device completes, and the
// buffered-request copies that sit between the caller and the device.
//
// As for buffered device requests on Windows, the device sees a copy of the
// input and writes its reply into a zero-filled system buffer of the output
// size; on success the first bytesReturned bytes are copied to the caller's
// buffer, and on failure the caller's buffer is left untouched. Bytes the
// device did not report therefore keep whatever the caller pre-filled.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/host/event_object.h"
#include "platform/host/host_device.h"

namespace host {

// I/O status values as they appear in OVERLAPPED.Internal.
constexpr ULONG_PTR kStatusSuccess = 0;
constexpr ULONG_PTR kStatusPending = 0x103;
constexpr ULONG_PTR kStatusCancelled = 0xC0000120;
// A Win32 error carried as a status: the error in the low 16 bits of an
// error-severity status of the Win32 facility (7).
constexpr ULONG_PTR kStatusWin32Base = 0xC0070000;

ULONG_PTR StatusFromWin32(DWORD error);
DWORD Win32FromStatus(ULONG_PTR status);

// Blocks a thread until a device handle's overlapped requests change; used by
// GetOverlappedResult when the OVERLAPPED has no event.
class CompletionSignal {
public:
    void Notify();
    template <typename Predicate>
    void WaitUntil(Predicate done) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, done);
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
};

class DeviceOperation : public PendingIo {
public:
    // `overlapped` is null for a synchronous request; `event` is the event
    // named by the OVERLAPPED when the request was issued (may be null).
    DeviceOperation(DWORD code, const void* input, DWORD inputSize, void* callerOutput, DWORD outputSize,
                    LPOVERLAPPED overlapped, std::shared_ptr<EventObject> event,
                    std::weak_ptr<CompletionSignal> completion);

    const IoRequest& Request() const override { return request_; }
    bool Complete(DWORD bytesReturned) override;
    bool Fail(DWORD win32Error) override;

    LPOVERLAPPED Overlapped() const { return overlapped_; }
    bool Settled();
    // Blocks until the request completes or fails.
    void WaitSettled();
    // Valid once settled: 0 or the Win32 error, and the bytes returned.
    DWORD Error();
    DWORD BytesReturned();

private:
    bool Settle(DWORD error, DWORD bytesReturned);

    std::vector<BYTE> input_;
    std::vector<BYTE> output_;
    BYTE* const callerOutput_;
    LPOVERLAPPED const overlapped_;
    const std::shared_ptr<EventObject> event_;
    const std::weak_ptr<CompletionSignal> completion_;
    IoRequest request_;

    std::mutex mutex_;
    std::condition_variable settledChanged_;
    bool settled_ = false;
    DWORD error_ = 0;
    DWORD bytesReturned_ = 0;
};

}  // namespace host
