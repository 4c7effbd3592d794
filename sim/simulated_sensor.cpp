#include "sim/simulated_sensor.h"

#include <algorithm>
#include <cstring>

#include "adapter/request_codes.h"
#include "sim/capture.h"
#include "sim/chip_handlers.h"
#include "sim/state_file.h"

namespace sim {

using talven::IOCTL_BIOMETRIC_CAPTURE_DATA;

namespace {

constexpr DWORD kErrorBusy = 170;  // ERROR_BUSY: a capture is already waiting

Bytes CopyInput(const host::IoRequest& request) {
    if (request.input == nullptr || request.inputSize == 0) return {};
    return Bytes(request.input, request.input + request.inputSize);
}

// Copies as much of the reply as the caller's buffer (and a Shorten fault)
// allows; the rest of the buffer keeps what the caller put there.
DWORD CopyReply(const ChipAnswer& answer, BYTE* output, DWORD outputSize, std::optional<DWORD> shortenTo) {
    size_t n = std::min<size_t>(answer.reply.size(), outputSize);
    if (shortenTo) n = std::min<size_t>(n, *shortenTo);
    if (n > 0 && output != nullptr) std::memcpy(output, answer.reply.data(), n);
    return static_cast<DWORD>(n);
}

}  // namespace

SimulatedSensor::SimulatedSensor(const ChipConfig& config) : chip_(config) {}
SimulatedSensor::SimulatedSensor(ChipModel model) : chip_(std::move(model)) {}

host::IoResult SimulatedSensor::Control(const host::IoRequest& request,
                                        const std::shared_ptr<host::PendingIo>& pending) {
    ChipRequest chipRequest{request.code, CopyInput(request), request.outputSize};
    const uint64_t logId = log_.Record(request.code, chipRequest.input, request.outputSize, request.overlapped);
    const std::optional<Fault> fault = faults_.Take(request.code);
    std::optional<DWORD> shortenTo;

    std::lock_guard lock(mutex_);
    if (fault && fault->action == Fault::Action::Fail) {
        NoteFailedRequest(chip_, request.code);
        return Finish(logId, ChipAnswer::Fail(fault->error), nullptr, 0, std::nullopt);
    }
    if (fault && fault->action == Fault::Action::Pend) {
        held_.push_back({std::move(chipRequest), pending, logId, std::nullopt});
        return host::IoResult::Pend();
    }
    if (fault) shortenTo = fault->bytes;

    if (request.code == IOCTL_BIOMETRIC_CAPTURE_DATA) {
        Waiting waiting{std::move(chipRequest), pending, logId, shortenTo};
        if (auto now = StartCapture(waiting)) return Finish(logId, *now, request.output, request.outputSize, shortenTo);
        return host::IoResult::Pend();
    }
    return Finish(logId, Answer(chipRequest), request.output, request.outputSize, shortenTo);
}

host::IoResult SimulatedSensor::Finish(uint64_t logId, const ChipAnswer& answer, BYTE* output, DWORD outputSize,
                                       std::optional<DWORD> shortenTo) {
    if (answer.error != 0) {
        log_.Settle(logId, LoggedRequest::Outcome::Failed, 0, answer.error);
        return host::IoResult::Fail(answer.error);
    }
    const DWORD bytes = CopyReply(answer, output, outputSize, shortenTo);
    log_.Settle(logId, LoggedRequest::Outcome::Completed, bytes, 0);
    return host::IoResult::Done(bytes);
}

ChipAnswer SimulatedSensor::Answer(const ChipRequest& request) {
    const ChipHandler handler = HandlerFor(request.code);
    if (handler == nullptr) return ChipAnswer::Fail(ERROR_NOT_SUPPORTED);
    return handler(chip_, request);
}

std::optional<ChipAnswer> SimulatedSensor::StartCapture(Waiting& waiting) {
    if (auto now = AnswerCaptureAtOnce(waiting.request)) return now;
    if (capture_) return ChipAnswer::Fail(kErrorBusy);
    if (!presented_.empty()) {
        const Presentation next = presented_.front();
        presented_.pop_front();
        return CaptureAnswer(waiting.request, next);
    }
    capture_ = std::move(waiting);
    return std::nullopt;
}

ChipAnswer SimulatedSensor::CaptureAnswer(const ChipRequest& request, const Presentation& presented) {
    if (presented.kind != Presentation::Kind::DeviceError) chip_.lastCapture = presented;
    return AnswerCapture(request, presented);
}

SimulatedSensor::Completion SimulatedSensor::Prepare(Waiting waiting, ChipAnswer answer) {
    Completion done{std::move(waiting), std::move(answer), 0};
    if (done.answer.error == 0) {
        const host::IoRequest& io = done.waiting.io->Request();
        done.bytes = CopyReply(done.answer, io.output, io.outputSize, done.waiting.shortenTo);
    }
    return done;
}

// Completing a request sets the caller's event, so it happens outside the
// chip's lock.
void SimulatedSensor::Deliver(std::vector<Completion>& done) {
    for (Completion& c : done) {
        if (c.answer.error != 0) {
            log_.Settle(c.waiting.logId, LoggedRequest::Outcome::Failed, 0, c.answer.error);
            c.waiting.io->Fail(c.answer.error);
        } else {
            log_.Settle(c.waiting.logId, LoggedRequest::Outcome::Completed, c.bytes, 0);
            c.waiting.io->Complete(c.bytes);
        }
    }
}

bool SimulatedSensor::Cancel() {
    std::vector<Completion> done;
    {
        std::lock_guard lock(mutex_);
        if (capture_) done.push_back(Prepare(std::move(*capture_), ChipAnswer::Fail(ERROR_OPERATION_ABORTED)));
        capture_.reset();
        for (Waiting& w : held_) {
            NoteFailedRequest(chip_, w.request.code);
            done.push_back(Prepare(std::move(w), ChipAnswer::Fail(ERROR_OPERATION_ABORTED)));
        }
        held_.clear();
    }
    Deliver(done);
    return !done.empty();
}

void SimulatedSensor::Present(const Presentation& presented) {
    std::vector<Completion> done;
    {
        std::lock_guard lock(mutex_);
        if (!capture_) {
            presented_.push_back(presented);
            return;
        }
        Waiting waiting = std::move(*capture_);
        capture_.reset();
        ChipAnswer answer = CaptureAnswer(waiting.request, presented);
        done.push_back(Prepare(std::move(waiting), std::move(answer)));
    }
    Deliver(done);
}

void SimulatedSensor::PresentFinger(uint32_t finger, uint8_t processReject) {
    Present(Presentation::OfFinger(finger, processReject));
}
void SimulatedSensor::PresentBadCapture() { Present(Presentation::Bad()); }
void SimulatedSensor::PresentEmptyCapture() { Present(Presentation::Empty()); }
void SimulatedSensor::FailCapture(DWORD win32Error) { Present(Presentation::Failure(win32Error)); }

bool SimulatedSensor::CaptureWaiting() const {
    std::lock_guard lock(mutex_);
    return capture_.has_value();
}

void SimulatedSensor::ReleaseHeld() {
    std::vector<Completion> done;
    {
        std::lock_guard lock(mutex_);
        std::vector<Waiting> held = std::move(held_);
        held_.clear();
        for (Waiting& w : held) {
            if (w.request.code != IOCTL_BIOMETRIC_CAPTURE_DATA) {
                ChipAnswer answer = Answer(w.request);
                done.push_back(Prepare(std::move(w), std::move(answer)));
            } else if (auto now = StartCapture(w)) {
                done.push_back(Prepare(std::move(w), std::move(*now)));
            }
        }
    }
    Deliver(done);
}

std::vector<std::string> SimulatedSensor::ProtocolViolations() const {
    std::lock_guard lock(mutex_);
    return chip_.violations;
}

void SimulatedSensor::InsertTemplate(uint8_t slot, const Template& t) {
    std::lock_guard lock(mutex_);
    chip_.slots.at(slot) = t;
}

void SimulatedSensor::RemoveTemplate(uint8_t slot) {
    std::lock_guard lock(mutex_);
    chip_.slots.at(slot).reset();
}

void SimulatedSensor::SetOwner(uint8_t slot, const OwnerId& owner) {
    std::lock_guard lock(mutex_);
    chip_.slots.at(slot).value().owner = owner;
}

void SimulatedSensor::SetTableChanged(bool changed) {
    std::lock_guard lock(mutex_);
    chip_.tableChanged = changed;
}

ChipModel SimulatedSensor::Snapshot() const {
    std::lock_guard lock(mutex_);
    return chip_;
}

void SimulatedSensor::Update(const std::function<void(ChipModel&)>& change) {
    std::lock_guard lock(mutex_);
    change(chip_);
}

void SimulatedSensor::Save(const std::string& path) const {
    std::lock_guard lock(mutex_);
    SaveState(chip_, path);
}

std::shared_ptr<SimulatedSensor> SimulatedSensor::Load(const std::string& path) {
    return std::make_shared<SimulatedSensor>(LoadState(path));
}

}  // namespace sim
