#include "tests/support/scripted_device.h"

#include <algorithm>
#include <cstring>

namespace test_support {
namespace {

// Copies as much of `bytes` as the request's output holds and returns the
// count: a reply cut to the caller's buffer.
DWORD WriteReply(const host::IoRequest& request, const std::vector<BYTE>& bytes) {
    const DWORD n = std::min<DWORD>(request.outputSize, static_cast<DWORD>(bytes.size()));
    if (n != 0) std::memcpy(request.output, bytes.data(), n);
    return n;
}

}  // namespace

void ScriptedDevice::Reply(DWORD code, std::vector<BYTE> bytes) {
    std::lock_guard lock(mutex_);
    answers_[code] = {Answer::Kind::Reply, std::move(bytes), 0};
}

void ScriptedDevice::Fail(DWORD code, DWORD win32Error) {
    std::lock_guard lock(mutex_);
    answers_[code] = {Answer::Kind::Fail, {}, win32Error};
}

void ScriptedDevice::Pend(DWORD code) {
    std::lock_guard lock(mutex_);
    answers_[code] = {Answer::Kind::Pend, {}, 0};
}

void ScriptedDevice::ReplyToAll(std::vector<BYTE> bytes) {
    std::lock_guard lock(mutex_);
    defaultAnswer_ = {Answer::Kind::Reply, std::move(bytes), 0};
}

void ScriptedDevice::FailAll(DWORD win32Error) {
    std::lock_guard lock(mutex_);
    defaultAnswer_ = {Answer::Kind::Fail, {}, win32Error};
}

const ScriptedDevice::Answer& ScriptedDevice::AnswerFor(DWORD code) const {
    const auto found = answers_.find(code);
    return found == answers_.end() ? defaultAnswer_ : found->second;
}

host::IoResult ScriptedDevice::Control(const host::IoRequest& request,
                                       const std::shared_ptr<host::PendingIo>& pending) {
    std::lock_guard lock(mutex_);
    log_.push_back({request.code, std::vector<BYTE>(request.input, request.input + request.inputSize),
                    request.outputSize, request.overlapped});
    const Answer& answer = AnswerFor(request.code);
    switch (answer.kind) {
    case Answer::Kind::Reply:
        return host::IoResult::Done(WriteReply(request, answer.bytes));
    case Answer::Kind::Fail:
        return host::IoResult::Fail(answer.error);
    case Answer::Kind::Pend:
        pending_.push_back(pending);
        pendingChanged_.notify_all();
        return host::IoResult::Pend();
    }
    return host::IoResult::Fail(ERROR_NOT_SUPPORTED);
}

std::shared_ptr<host::PendingIo> ScriptedDevice::TakeOldestPending() {
    std::lock_guard lock(mutex_);
    if (pending_.empty()) return nullptr;
    std::shared_ptr<host::PendingIo> oldest = pending_.front();
    pending_.erase(pending_.begin());
    return oldest;
}

// The pending request is completed outside the lock: completion wakes the
// caller, which may send its next request at once.
bool ScriptedDevice::CompletePending(const std::vector<BYTE>& bytes) {
    const std::shared_ptr<host::PendingIo> io = TakeOldestPending();
    return io != nullptr && io->Complete(WriteReply(io->Request(), bytes));
}

bool ScriptedDevice::Cancel() {
    std::vector<std::shared_ptr<host::PendingIo>> cancelled;
    {
        std::lock_guard lock(mutex_);
        cancelled.swap(pending_);
    }
    bool any = false;
    for (const auto& io : cancelled) any = io->Fail(ERROR_OPERATION_ABORTED) || any;
    return any;
}

void ScriptedDevice::WaitForPending(size_t count) const {
    std::unique_lock lock(mutex_);
    pendingChanged_.wait(lock, [&] { return pending_.size() >= count; });
}

std::vector<LoggedRequest> ScriptedDevice::Requests() const {
    std::lock_guard lock(mutex_);
    return log_;
}

std::vector<DWORD> ScriptedDevice::Codes() const {
    std::lock_guard lock(mutex_);
    std::vector<DWORD> codes;
    for (const LoggedRequest& request : log_) codes.push_back(request.code);
    return codes;
}

std::vector<BYTE> ScriptedDevice::LastInput(DWORD code) const {
    std::lock_guard lock(mutex_);
    for (auto it = log_.rbegin(); it != log_.rend(); ++it) {
        if (it->code == code) return it->input;
    }
    return {};
}

}  // namespace test_support
