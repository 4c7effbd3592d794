// The capture cycle through the sensor table: against the simulated sensor
// for the flow, against built replies for malformed ones.
#include <gtest/gtest.h>

#include <thread>

#include "adapter/request_codes.h"
#include "sim/simulated_sensor.h"
#include "tests/support/scripted_device.h"
#include "tests/sensor/sensor_fixture.h"

namespace sensor_test {
namespace {

class SimulatedCaptureTest : public SensorFixture {
protected:
    void SetUp() override {
        Open(chip_);
        ASSERT_EQ(sensor_.Attach(&pipeline_), S_OK);
        ASSERT_EQ(sensor_.Activate(&pipeline_), S_OK);
    }
    // Starts a capture, lets `present` act from another thread while the
    // service would wait on the event, and finishes it.
    template <typename Present>
    HRESULT Capture(WINBIO_BIR_PURPOSE purpose, Present present, WINBIO_REJECT_DETAIL& reject) {
        LPOVERLAPPED overlapped = nullptr;
        const HRESULT started = sensor_.StartCapture(&pipeline_, purpose, &overlapped);
        if (started != S_OK) return started;
        std::thread other(present);
        EXPECT_EQ(WaitForSingleObject(overlapped->hEvent, INFINITE), WAIT_OBJECT_0);
        other.join();
        return sensor_.FinishCapture(&pipeline_, &reject);
    }
    HRESULT CaptureFinger(WINBIO_BIR_PURPOSE purpose) {
        WINBIO_REJECT_DETAIL reject = 99;
        const HRESULT result = Capture(purpose, [&] { chip_->PresentFinger(3); }, reject);
        EXPECT_EQ(reject, 0u);
        return result;
    }

    std::shared_ptr<sim::SimulatedSensor> chip_ = std::make_shared<sim::SimulatedSensor>();
};

TEST_F(SimulatedCaptureTest, FingerIsCapturedAndPushedToTheEngine) {
    ASSERT_EQ(CaptureFinger(WINBIO_PURPOSE_IDENTIFY), S_OK);
    WINBIO_REJECT_DETAIL reject = 99;
    EXPECT_EQ(sensor_.PushDataToEngine(&pipeline_, WINBIO_PURPOSE_IDENTIFY, WINBIO_DATA_FLAG_RAW, &reject), S_OK);
    EXPECT_EQ(engineRecord.purpose, WINBIO_PURPOSE_IDENTIFY);
    EXPECT_GT(engineRecord.sampleSize, 0u);
    EXPECT_LE(engineRecord.sampleSize, 161u - 20u);

    // The format was negotiated once, with the engine's vendor format.
    ASSERT_EQ(CaptureFinger(WINBIO_PURPOSE_VERIFY), S_OK);
    EXPECT_EQ(engineRecord.formatQueries, 1);
    EXPECT_EQ(chip_->Log().Count(talven::IOCTL_BIOMETRIC_GET_ATTRIBUTES), 1u);
    const sim::Bytes parameters = chip_->Log().With(talven::IOCTL_BIOMETRIC_CAPTURE_DATA).back().input;
    ASSERT_EQ(parameters.size(), 32u);
    EXPECT_EQ(parameters[4], WINBIO_PURPOSE_VERIFY);
    EXPECT_EQ(parameters[12], 0x44);  // Data1 of the engine's vendor GUID, little-endian
    EXPECT_EQ(parameters[28], 0x20);
}

TEST_F(SimulatedCaptureTest, BadCaptureIsRejectedByFinishAndByPush) {
    WINBIO_REJECT_DETAIL reject = 0;
    EXPECT_EQ(Capture(WINBIO_PURPOSE_IDENTIFY, [&] { chip_->PresentBadCapture(); }, reject),
              static_cast<HRESULT>(0x80098008));
    EXPECT_EQ(reject, 7u);
    reject = 0;
    EXPECT_EQ(sensor_.PushDataToEngine(&pipeline_, WINBIO_PURPOSE_IDENTIFY, 0, &reject),
              static_cast<HRESULT>(0x80098008));
    EXPECT_EQ(reject, 7u);
    EXPECT_EQ(engineRecord.sampleSize, 0u);
}

TEST_F(SimulatedCaptureTest, CancelFromAnotherThreadEndsThePendingCapture) {
    WINBIO_REJECT_DETAIL reject = 0;
    EXPECT_EQ(Capture(WINBIO_PURPOSE_IDENTIFY, [&] { EXPECT_EQ(sensor_.Cancel(&pipeline_), S_OK); }, reject),
              static_cast<HRESULT>(0x80098004));
    // With nothing pending a Cancel has nothing to stop, and the next
    // capture is not affected by it.
    EXPECT_EQ(sensor_.Cancel(&pipeline_), S_OK);
    EXPECT_EQ(CaptureFinger(WINBIO_PURPOSE_IDENTIFY), S_OK);
}

TEST_F(SimulatedCaptureTest, FreeSlotIsAskedOncePerActivateAndOnlyForEnrollment) {
    ASSERT_EQ(CaptureFinger(WINBIO_PURPOSE_ENROLL_FOR_VERIFICATION), S_OK);
    ASSERT_EQ(CaptureFinger(WINBIO_PURPOSE_ENROLL_FOR_IDENTIFICATION), S_OK);
    EXPECT_EQ(chip_->Log().Count(talven::IOCTL_VENDOR_HAS_FREE_SLOT), 0u);
    ASSERT_EQ(CaptureFinger(WINBIO_PURPOSE_ENROLL), S_OK);
    ASSERT_EQ(CaptureFinger(WINBIO_PURPOSE_ENROLL), S_OK);
    EXPECT_EQ(chip_->Log().Count(talven::IOCTL_VENDOR_HAS_FREE_SLOT), 1u);
    ASSERT_EQ(sensor_.Activate(&pipeline_), S_OK);
    ASSERT_EQ(CaptureFinger(WINBIO_PURPOSE_ENROLL), S_OK);
    EXPECT_EQ(chip_->Log().Count(talven::IOCTL_VENDOR_HAS_FREE_SLOT), 2u);
}

TEST_F(SimulatedCaptureTest, ActivateForgetsTheFinishedCapture) {
    ASSERT_EQ(CaptureFinger(WINBIO_PURPOSE_IDENTIFY), S_OK);
    ASSERT_EQ(sensor_.Activate(&pipeline_), S_OK);
    WINBIO_REJECT_DETAIL reject = 0;
    EXPECT_EQ(sensor_.PushDataToEngine(&pipeline_, WINBIO_PURPOSE_IDENTIFY, 0, &reject),
              static_cast<HRESULT>(0x80098026));
    // Deactivate drops the buffer; an export then has nothing to give.
    ASSERT_EQ(sensor_.Deactivate(&pipeline_), S_OK);
    PWINBIO_BIR sample = nullptr;
    SIZE_T size = 1;
    EXPECT_EQ(sensor_.ExportSensorData(&pipeline_, &sample, &size), static_cast<HRESULT>(0x80098026));
    EXPECT_EQ(size, 0u);
}

TEST_F(SimulatedCaptureTest, StartWithoutPurposeIsAPointerError) {
    LPOVERLAPPED overlapped = reinterpret_cast<LPOVERLAPPED>(1);
    EXPECT_EQ(sensor_.StartCapture(&pipeline_, WINBIO_NO_PURPOSE_AVAILABLE, &overlapped), E_POINTER);
    EXPECT_EQ(chip_->Log().Count(talven::IOCTL_BIOMETRIC_CAPTURE_DATA), 0u);
}

// A capture reply whose sample size or status position lies outside the
// 161-byte capture buffer.
class MalformedCaptureTest : public SensorFixture {
protected:
    void SetUp() override {
        device_->Reply(talven::IOCTL_VENDOR_GET_CHIP_ID, std::vector<uint8_t>(32, 1));
        std::vector<uint8_t> attributes(1580, 0);
        attributes[1572] = 1;                                 // one supported format
        attributes[1576] = 0x1B, attributes[1578] = 0x01, attributes[1579] = 0x04;
        device_->Reply(talven::IOCTL_BIOMETRIC_GET_ATTRIBUTES, attributes);
        device_->Pend(talven::IOCTL_BIOMETRIC_CAPTURE_DATA);
        Open(device_);
        ASSERT_EQ(sensor_.Attach(&pipeline_), S_OK);
    }
    HRESULT Finish(const std::vector<uint8_t>& reply, WINBIO_REJECT_DETAIL& reject) {
        LPOVERLAPPED overlapped = nullptr;
        EXPECT_EQ(sensor_.StartCapture(&pipeline_, WINBIO_PURPOSE_IDENTIFY, &overlapped), S_OK);
        device_->CompletePending(reply);
        return sensor_.FinishCapture(&pipeline_, &reject);
    }
    static std::vector<uint8_t> Reply(uint32_t sampleSize, uint32_t standardOffset, uint8_t status) {
        std::vector<uint8_t> reply(161, 0);
        for (int i = 0; i < 4; ++i) reply[16 + i] = static_cast<uint8_t>(sampleSize >> (8 * i));
        for (int i = 0; i < 4; ++i) reply[32 + i] = static_cast<uint8_t>(standardOffset >> (8 * i));
        if (20 + standardOffset + 56 < reply.size()) reply[20 + standardOffset + 56] = status;
        return reply;
    }

    std::shared_ptr<test_support::ScriptedDevice> device_ = std::make_shared<test_support::ScriptedDevice>();
};

TEST_F(MalformedCaptureTest, OutOfRangeSizesAndOffsetsAreFailedCaptures) {
    const struct {
        const char* what;
        std::vector<uint8_t> reply;
        HRESULT expected;
    } cases[] = {
        {"well-formed", Reply(120, 48, 0), S_OK},
        {"sample larger than the buffer", Reply(142, 48, 0), static_cast<HRESULT>(0x80098008)},
        {"sample size far beyond", Reply(0xFFFFFFF0u, 48, 0), static_cast<HRESULT>(0x80098008)},
        {"status beyond the buffer", Reply(120, 90, 0), static_cast<HRESULT>(0x80098026)},
        {"status offset wrapping", Reply(120, 0xFFFFFFFFu, 0), static_cast<HRESULT>(0x80098026)},
    };
    for (const auto& c : cases) {
        WINBIO_REJECT_DETAIL reject = 0;
        EXPECT_EQ(Finish(c.reply, reject), c.expected) << c.what;
        EXPECT_EQ(reject, c.expected == S_OK ? 0u : 7u) << c.what;
        PWINBIO_BIR sample = nullptr;
        SIZE_T size = 0;
        const HRESULT exported = sensor_.ExportSensorData(&pipeline_, &sample, &size);
        if (c.expected == S_OK) {
            EXPECT_EQ(exported, S_OK);
            EXPECT_EQ(size, 120u);
        } else {
            WINBIO_REJECT_DETAIL pushReject = 0;
            EXPECT_NE(sensor_.PushDataToEngine(&pipeline_, WINBIO_PURPOSE_IDENTIFY, 0, &pushReject), S_OK) << c.what;
        }
    }
    // The sample that overruns cannot be exported either.
    WINBIO_REJECT_DETAIL reject = 0;
    Finish(Reply(150, 48, 0), reject);
    PWINBIO_BIR sample = nullptr;
    SIZE_T size = 0;
    EXPECT_EQ(sensor_.ExportSensorData(&pipeline_, &sample, &size), static_cast<HRESULT>(0x80098026));
    EXPECT_EQ(sample, nullptr);
}

}  // namespace
}  // namespace sensor_test
