// The capture request: its reply record, waiting for a finger, cancellation.
#include <thread>

#include "sim_test_support.h"

namespace sim::testing {
namespace {

using namespace talven;

// The 161-byte capture reply for a finger captured for identification.
const char* kFingerCapture =
    "a1000000 00000000 01000000 00000000 8d000000"                            // capture-data head
    "30000000 20000000 39000000 50000000 00000000 00000000 00000000 00000000"  // BIR blocks
    "0000 00 00 20 000000 08000000 00 02 00 00"                               // BIR header ...
    "0000000000000000 0000000000000000 0000000000000000 1b000104 00000000"
    "3900000000000000 46495200 30313000 00000000 0000 1f00"                   // ANSI-381 general header
    "f401 f401 f401 f401 01 01 08 00 0000 0000"
    "11000000 0100 0100 00 01 01 64 00 00 0000"                               // finger-view record
    "00 00000000";                                                            // status byte, padding

class CaptureTest : public ChipTest {
protected:
    void Start(uint8_t purpose = WINBIO_PURPOSE_IDENTIFY) {
        overlapped_.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        params_ = CaptureParameters(purpose);
        output_.assign(161, 0xCC);
        DWORD bytes = 0;
        started_ = DeviceIoControl(device, IOCTL_BIOMETRIC_CAPTURE_DATA, params_.data(), 32, output_.data(), 161,
                                   &bytes, &overlapped_);
        startError_ = started_ ? 0 : GetLastError();
    }
    Reply Wait() {
        Reply r;
        r.ok = GetOverlappedResult(device, &overlapped_, &r.bytes, TRUE);
        r.error = r.ok ? 0 : GetLastError();
        r.output = output_;
        return r;
    }
    void TearDown() override {
        if (overlapped_.hEvent != nullptr) CloseHandle(overlapped_.hEvent);
        ChipTest::TearDown();
    }

    OVERLAPPED overlapped_{};
    Bytes params_;
    Bytes output_;
    BOOL started_ = FALSE;
    DWORD startError_ = 0;
};

TEST_F(CaptureTest, WaitsUntilAFingerIsPresented) {
    Start();
    EXPECT_FALSE(started_);
    EXPECT_EQ(startError_, static_cast<DWORD>(ERROR_IO_PENDING));
    EXPECT_TRUE(chip->CaptureWaiting());
    EXPECT_EQ(WaitForSingleObject(overlapped_.hEvent, 0), static_cast<DWORD>(WAIT_TIMEOUT));

    chip->PresentFinger(7);
    Reply r = Wait();
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, 161u);
    EXPECT_EQ(r.output, FromHex(kFingerCapture));
    EXPECT_EQ(chip->Snapshot().lastCapture->finger, 7u);
    ASSERT_EQ(chip->Log().With(IOCTL_BIOMETRIC_CAPTURE_DATA).size(), 1u);
    EXPECT_EQ(chip->Log().With(IOCTL_BIOMETRIC_CAPTURE_DATA)[0].input, params_);
}

TEST_F(CaptureTest, CancelFromAnotherThreadAbortsTheWaitingCapture) {
    Start();
    ASSERT_EQ(startError_, static_cast<DWORD>(ERROR_IO_PENDING));
    std::thread canceller([&] { EXPECT_TRUE(CancelIoEx(device, nullptr)); });
    Reply r = Wait();
    canceller.join();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, static_cast<DWORD>(ERROR_OPERATION_ABORTED));
    EXPECT_EQ(chip->Log().With(IOCTL_BIOMETRIC_CAPTURE_DATA)[0].error, static_cast<DWORD>(ERROR_OPERATION_ABORTED));

    // Nothing is pending any more.
    EXPECT_FALSE(CancelIoEx(device, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_FOUND));
}

TEST_F(CaptureTest, StatusByteTellsBadAndEmptyCapturesFromFingers) {
    struct Case {
        void (SimulatedSensor::*present)();
        uint8_t status;
    };
    for (const Case& c : {Case{&SimulatedSensor::PresentBadCapture, 1}, Case{&SimulatedSensor::PresentEmptyCapture, 255}}) {
        ((*chip).*c.present)();
        Reply r = SendOverlapped(IOCTL_BIOMETRIC_CAPTURE_DATA, CaptureParameters(WINBIO_PURPOSE_VERIFY), 161);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.output[156], c.status);
        EXPECT_EQ(r.output[8], WINBIO_SENSOR_REJECT);
        EXPECT_EQ(r.output[12], WINBIO_FP_POOR_QUALITY);
    }
}

TEST_F(CaptureTest, PresentedFingersQueueForTheCapturesToCome) {
    chip->PresentFinger(1);
    chip->PresentFinger(2);
    EXPECT_TRUE(SendOverlapped(IOCTL_BIOMETRIC_CAPTURE_DATA, CaptureParameters(4), 161).ok);
    EXPECT_EQ(chip->Snapshot().lastCapture->finger, 1u);
    EXPECT_TRUE(SendOverlapped(IOCTL_BIOMETRIC_CAPTURE_DATA, CaptureParameters(4), 161).ok);
    EXPECT_EQ(chip->Snapshot().lastCapture->finger, 2u);
}

TEST_F(CaptureTest, ACaptureCanEndWithADeviceError) {
    Start();
    chip->FailCapture(ERROR_GEN_FAILURE);
    Reply r = Wait();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, static_cast<DWORD>(ERROR_GEN_FAILURE));
    EXPECT_FALSE(chip->Snapshot().lastCapture);
}

TEST_F(CaptureTest, ASecondCaptureWhileOneWaitsIsRefused) {
    Start();
    EXPECT_EQ(SendOverlapped(IOCTL_BIOMETRIC_CAPTURE_DATA, CaptureParameters(2), 161).error, 170u);  // ERROR_BUSY
    chip->PresentFinger(3);
    EXPECT_TRUE(Wait().ok);
}

TEST_F(CaptureTest, BadParametersAreRefusedWithoutWaiting) {
    Bytes params = CaptureParameters(2);
    params[0] = 31;
    EXPECT_EQ(SendOverlapped(IOCTL_BIOMETRIC_CAPTURE_DATA, params, 161).error,
              static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(chip->CaptureWaiting());
}

}  // namespace
}  // namespace sim::testing
