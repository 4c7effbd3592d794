// A device whose answers the test scripts: per request code a reply, a
// Win32 error, or a pend that the test completes or cancels later (from any
// thread). Codes without a script get the default answer, which
// is ERROR_NOT_SUPPORTED until the test sets another. Every request is
// logged with its code, input bytes, output size and whether it was
// overlapped.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/host/host_device.h"
#include "platform/win32.h"

namespace test_support {

struct LoggedRequest {
    DWORD code = 0;
    std::vector<BYTE> input;
    DWORD outputSize = 0;
    bool overlapped = false;
};

class ScriptedDevice : public host::Device {
public:
    // Completes requests of `code` with these bytes, cut to the output size.
    void Reply(DWORD code, std::vector<BYTE> bytes);
    void Fail(DWORD code, DWORD win32Error);
    // Requests of `code` pend until CompletePending or Cancel;
    // a synchronous one blocks its caller meanwhile.
    void Pend(DWORD code);
    // The answer for codes without a script of their own.
    void ReplyToAll(std::vector<BYTE> bytes);
    void FailAll(DWORD win32Error);

    // Completes the oldest pending request; false when nothing was pending.
    bool CompletePending(const std::vector<BYTE>& bytes);
    // Blocks until at least `count` requests are pending.
    void WaitForPending(size_t count) const;

    std::vector<LoggedRequest> Requests() const;
    std::vector<DWORD> Codes() const;
    // The input of the last request of `code`; empty when none was sent.
    std::vector<BYTE> LastInput(DWORD code) const;

    host::IoResult Control(const host::IoRequest& request, const std::shared_ptr<host::PendingIo>& pending) override;
    bool Cancel() override;

private:
    struct Answer {
        enum class Kind { Reply, Fail, Pend };
        Kind kind = Kind::Fail;
        std::vector<BYTE> bytes;
        DWORD error = ERROR_NOT_SUPPORTED;
    };
    const Answer& AnswerFor(DWORD code) const;
    std::shared_ptr<host::PendingIo> TakeOldestPending();

    mutable std::mutex mutex_;
    mutable std::condition_variable pendingChanged_;
    std::map<DWORD, Answer> answers_;
    Answer defaultAnswer_;
    std::vector<LoggedRequest> log_;
    std::vector<std::shared_ptr<host::PendingIo>> pending_;
};

}  // namespace test_support
