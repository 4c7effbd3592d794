// A device that answers each request code with bytes or an error the test
// chose, for behaviours the simulated sensor cannot be made to show
// (malformed replies). The capture request can be held pending and
// completed or cancelled later.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/host/host_device.h"
#include "platform/win32.h"

namespace sensor_test {

class ReplyDevice : public host::Device {
public:
    void Reply(DWORD code, std::vector<uint8_t> bytes) {
        std::lock_guard lock(mutex_);
        replies_[code] = {std::move(bytes), 0};
    }
    void Fail(DWORD code, DWORD error) {
        std::lock_guard lock(mutex_);
        replies_[code] = {{}, error};
    }
    // Overlapped requests of this code pend until Complete or Cancel.
    void Hold(DWORD code) {
        std::lock_guard lock(mutex_);
        held_ = code;
    }
    void Complete(const std::vector<uint8_t>& bytes) {
        std::shared_ptr<host::PendingIo> io = TakePending();
        const host::IoRequest& request = io->Request();
        const DWORD n = std::min<DWORD>(request.outputSize, static_cast<DWORD>(bytes.size()));
        std::copy_n(bytes.begin(), n, request.output);
        io->Complete(n);
    }
    std::vector<DWORD> Codes() const {
        std::lock_guard lock(mutex_);
        return codes_;
    }
    std::vector<uint8_t> LastInput(DWORD code) const {
        std::lock_guard lock(mutex_);
        return inputs_.count(code) ? inputs_.at(code) : std::vector<uint8_t>{};
    }

    host::IoResult Control(const host::IoRequest& request, const std::shared_ptr<host::PendingIo>& pending) override {
        std::lock_guard lock(mutex_);
        codes_.push_back(request.code);
        inputs_[request.code].assign(request.input, request.input + request.inputSize);
        if (request.overlapped && request.code == held_) {
            pending_ = pending;
            return host::IoResult::Pend();
        }
        const auto found = replies_.find(request.code);
        if (found == replies_.end()) return host::IoResult::Fail(ERROR_NOT_SUPPORTED);
        if (found->second.error != 0) return host::IoResult::Fail(found->second.error);
        const std::vector<uint8_t>& bytes = found->second.bytes;
        const DWORD n = std::min<DWORD>(request.outputSize, static_cast<DWORD>(bytes.size()));
        std::copy_n(bytes.begin(), n, request.output);
        return host::IoResult::Done(n);
    }

    bool Cancel() override {
        std::shared_ptr<host::PendingIo> io = TakePending();
        return io != nullptr && io->Fail(ERROR_OPERATION_ABORTED);
    }

private:
    struct Answer {
        std::vector<uint8_t> bytes;
        DWORD error = 0;
    };
    std::shared_ptr<host::PendingIo> TakePending() {
        std::lock_guard lock(mutex_);
        return std::exchange(pending_, nullptr);
    }

    mutable std::mutex mutex_;
    std::map<DWORD, Answer> replies_;
    std::map<DWORD, std::vector<uint8_t>> inputs_;
    std::vector<DWORD> codes_;
    DWORD held_ = 0;
    std::shared_ptr<host::PendingIo> pending_;
};

}  // namespace sensor_test
