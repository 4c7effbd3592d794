// The simulated sensor: a host::Device that answers every standard and
// vendor request from a model of the chip, for tests, tools and engineers
// without the hardware.
//
//   auto chip = std::make_shared<sim::SimulatedSensor>(sim::ChipConfig{.slotCount = 4});
//   HANDLE device = host::OpenDevice(chip);
//   chip->PresentFinger(7);                      // the next capture sees finger 7
//   chip->Faults().FailNext(IOCTL_VENDOR_MATCH_DONE, ERROR_GEN_FAILURE);
//   chip->Log().With(IOCTL_VENDOR_MATCH_DONE).back().input[0];   // what the host sent
//   chip->ProtocolViolations();                  // acknowledgements the host got wrong
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/host_device.h"
#include "sim/chip_model.h"
#include "sim/chip_request.h"
#include "sim/fault_script.h"
#include "sim/request_log.h"

namespace sim {

class SimulatedSensor : public host::Device {
public:
    explicit SimulatedSensor(const ChipConfig& config = {});
    explicit SimulatedSensor(ChipModel model);

    host::IoResult Control(const host::IoRequest& request, const std::shared_ptr<host::PendingIo>& pending) override;
    bool Cancel() override;

    // What the next capture sees. A capture waiting for a finger completes
    // at once; otherwise presentations queue up for the captures to come.
    void PresentFinger(uint32_t finger, uint8_t processReject = 0);
    void PresentBadCapture();
    void PresentEmptyCapture();
    void FailCapture(DWORD win32Error);
    void Present(const Presentation& presented);
    bool CaptureWaiting() const;

    // Answers the requests that a Pend fault held back.
    void ReleaseHeld();

    FaultScript& Faults() { return faults_; }
    RequestLog& Log() { return log_; }
    std::vector<std::string> ProtocolViolations() const;

    // Changes behind the host's back, as a real chip drifts from the host's
    // files.
    void InsertTemplate(uint8_t slot, const Template& t);
    void RemoveTemplate(uint8_t slot);
    void SetOwner(uint8_t slot, const OwnerId& owner);
    void SetTableChanged(bool changed);

    // A copy of the whole chip, and any other change to it.
    ChipModel Snapshot() const;
    void Update(const std::function<void(ChipModel&)>& change);

    // The chip's state in a file (see docs/sim.md); Load throws
    // std::runtime_error for a file it cannot use.
    void Save(const std::string& path) const;
    static std::shared_ptr<SimulatedSensor> Load(const std::string& path);

private:
    struct Waiting {
        ChipRequest request;
        std::shared_ptr<host::PendingIo> io;
        uint64_t logId = 0;
        std::optional<DWORD> shortenTo;
    };
    struct Completion {
        Waiting waiting;
        ChipAnswer answer;
        DWORD bytes = 0;
    };

    host::IoResult Finish(uint64_t logId, const ChipAnswer& answer, BYTE* output, DWORD outputSize,
                          std::optional<DWORD> shortenTo);
    ChipAnswer Answer(const ChipRequest& request);
    // The capture's answer now, or none when it waits for a finger (then
    // `waiting` has moved into capture_).
    std::optional<ChipAnswer> StartCapture(Waiting& waiting);
    ChipAnswer CaptureAnswer(const ChipRequest& request, const Presentation& presented);
    Completion Prepare(Waiting waiting, ChipAnswer answer);
    void Deliver(std::vector<Completion>& done);

    mutable std::mutex mutex_;
    ChipModel chip_;
    std::deque<Presentation> presented_;
    std::optional<Waiting> capture_;
    std::vector<Waiting> held_;
    FaultScript faults_;
    RequestLog log_;
};

}  // namespace sim
