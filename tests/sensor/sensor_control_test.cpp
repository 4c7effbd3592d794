// Control, power, extended information and the thin slots through the
// sensor table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "adapter/request_codes.h"
#include "tests/support/scripted_device.h"
#include "tests/sensor/sensor_fixture.h"

namespace sensor_test {
namespace {

constexpr ULONG kC1F = 0x44307c;
constexpr ULONG kC22 = 0x443088;

class SensorControlTest : public SensorFixture {
protected:
    void SetUp() override {
        device_->Reply(talven::IOCTL_VENDOR_GET_CHIP_ID, std::vector<uint8_t>(32, 2));
        Open(device_);
        ASSERT_EQ(sensor_.Attach(&pipeline_), S_OK);
    }
    HRESULT Privileged(ULONG code, SIZE_T sendSize, SIZE_T receiveSize) {
        return sensor_.ControlUnitPrivileged(&pipeline_, code, send_, sendSize, receive_, receiveSize, &received_,
                                             &status_);
    }
    size_t Requests(DWORD code) {
        const std::vector<DWORD> codes = device_->Codes();
        return static_cast<size_t>(std::count(codes.begin(), codes.end(), code));
    }

    std::shared_ptr<test_support::ScriptedDevice> device_ = std::make_shared<test_support::ScriptedDevice>();
    UCHAR send_[32] = {};
    UCHAR receive_[64] = {};
    SIZE_T received_ = 0;
    ULONG status_ = 0;
};

TEST_F(SensorControlTest, ControlUnitKnowsThePrivateCodesButSendsNothing) {
    receive_[0] = 0x55;
    received_ = 9;
    EXPECT_EQ(sensor_.ControlUnit(&pipeline_, kC1F, send_, 1, receive_, 8, &received_, &status_), S_OK);
    EXPECT_EQ(receive_[0], 0);
    EXPECT_EQ(received_, 0u);
    EXPECT_EQ(Requests(kC1F), 0u);
    EXPECT_EQ(sensor_.ControlUnit(&pipeline_, 0x443078, send_, 1, receive_, 8, &received_, &status_), E_INVALIDARG);
}

TEST_F(SensorControlTest, PrivilegedRequestsCheckSizesAndReportTheDriversError) {
    EXPECT_EQ(Privileged(kC1F, 2, 8), E_INVALIDARG);
    EXPECT_EQ(Privileged(kC22, 4, 16), E_INVALIDARG);
    EXPECT_EQ(Privileged(0x443078, 1, 32), E_INVALIDARG);
    EXPECT_EQ(Requests(kC1F) + Requests(kC22), 0u);

    device_->Reply(kC22, std::vector<uint8_t>(32, 0xAB));
    EXPECT_EQ(Privileged(kC22, 4, 32), S_OK);
    EXPECT_EQ(received_, 32u);
    EXPECT_EQ(receive_[31], 0xAB);
    EXPECT_EQ(status_, 0u);

    device_->Fail(kC1F, ERROR_OPERATION_ABORTED);
    EXPECT_EQ(Privileged(kC1F, 1, 8), static_cast<HRESULT>(0x80098004));
    EXPECT_EQ(status_, 995u);
    device_->Fail(kC1F, ERROR_GEN_FAILURE);
    EXPECT_EQ(Privileged(kC1F, 1, 8), static_cast<HRESULT>(0x80098036));
    EXPECT_EQ(status_, 31u);
}

TEST_F(SensorControlTest, PrivilegedRequestWaitsForThePendingCapture) {
    device_->Pend(talven::IOCTL_BIOMETRIC_CAPTURE_DATA);
    std::vector<uint8_t> attributes(1580, 0);
    device_->Reply(talven::IOCTL_BIOMETRIC_GET_ATTRIBUTES, attributes);
    LPOVERLAPPED overlapped = nullptr;
    ASSERT_EQ(sensor_.StartCapture(&pipeline_, WINBIO_PURPOSE_VERIFY, &overlapped), S_OK);
    device_->Reply(kC1F, {1, 2, 3});
    EXPECT_EQ(Privileged(kC1F, 1, 8), static_cast<HRESULT>(0x80098010));
    EXPECT_EQ(Requests(kC1F), 0u);
    EXPECT_EQ(sensor_.Cancel(&pipeline_), S_OK);
    WINBIO_REJECT_DETAIL reject = 0;
    EXPECT_EQ(sensor_.FinishCapture(&pipeline_, &reject), static_cast<HRESULT>(0x80098004));
    EXPECT_EQ(Privileged(kC1F, 1, 8), S_OK);
    EXPECT_EQ(received_, 3u);
}

TEST_F(SensorControlTest, ThinSlotsAnswerByValue) {
    const struct {
        const char* what;
        HRESULT result;
        HRESULT expected;
    } cases[] = {
        {"power event 7", sensor_.NotifyPowerChange(&pipeline_, 7), E_INVALIDARG},
        {"power event 18", sensor_.NotifyPowerChange(&pipeline_, 18), S_OK},
        {"mode 4", sensor_.SetMode(&pipeline_, 4), S_OK},
        {"mode 5", sensor_.SetMode(&pipeline_, 5), static_cast<HRESULT>(0x80098027)},
        {"indicator 0", sensor_.SetIndicatorStatus(&pipeline_, 0), E_POINTER},
        {"indicator 2", sensor_.SetIndicatorStatus(&pipeline_, 2), S_OK},
        {"indicator 3", sensor_.SetIndicatorStatus(&pipeline_, 3), E_INVALIDARG},
        {"pipeline init", sensor_.PipelineInit(&pipeline_), S_OK},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;

    WINBIO_EXTENDED_SENSOR_INFO info = {};
    info.GenericSensorCapabilities = 0x77;
    EXPECT_EQ(sensor_.QueryExtendedInfo(&pipeline_, &info, 7), E_INVALIDARG);
    EXPECT_EQ(info.GenericSensorCapabilities, 0x77u);
    EXPECT_EQ(sensor_.QueryExtendedInfo(&pipeline_, &info, 8), S_OK);
    EXPECT_EQ(info.GenericSensorCapabilities, 0u);
    EXPECT_EQ(info.Factor, 8u);
}

TEST_F(SensorControlTest, StatusAndResetComeFromTheDriver) {
    std::vector<uint8_t> diagnostics(20, 0);
    diagnostics[8] = 3;  // WINBIO_SENSOR_READY
    device_->Reply(talven::IOCTL_BIOMETRIC_GET_SENSOR_STATUS, diagnostics);
    WINBIO_SENSOR_STATUS status = 0;
    EXPECT_EQ(sensor_.QueryStatus(&pipeline_, &status), S_OK);
    EXPECT_EQ(status, 3u);
    device_->Reply(talven::IOCTL_BIOMETRIC_RESET, {8, 0, 0, 0, 0x36, 0x80, 0x09, 0x80});
    EXPECT_EQ(sensor_.Reset(&pipeline_), static_cast<HRESULT>(0x80098036));
    device_->Reply(talven::IOCTL_BIOMETRIC_RESET, {8, 0, 0, 0});  // short
    EXPECT_EQ(sensor_.Reset(&pipeline_), static_cast<HRESULT>(0x80098036));
    device_->Fail(talven::IOCTL_BIOMETRIC_GET_SENSOR_STATUS, ERROR_CANCELLED);
    EXPECT_EQ(sensor_.QueryStatus(&pipeline_, &status), static_cast<HRESULT>(0x80098004));
}

}  // namespace
}  // namespace sensor_test
