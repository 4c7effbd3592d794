// Attach, Detach and ClearContext through the sensor table.
#include <gtest/gtest.h>

#include "adapter/request_codes.h"
#include "platform/host/host_heap.h"
#include "sensor/sensor_context.h"
#include "sim/simulated_sensor.h"
#include "tests/support/scripted_device.h"
#include "tests/sensor/sensor_fixture.h"

namespace sensor_test {
namespace {

class SensorAttachTest : public SensorFixture {
protected:
    void SetUp() override { Open(device_); }
    talven::SensorAdapterContext* Context() { return talven::SensorContextOf(&pipeline_); }

    std::shared_ptr<test_support::ScriptedDevice> device_ = std::make_shared<test_support::ScriptedDevice>();
};

TEST_F(SensorAttachTest, ChipWithoutAnswerGetsTheIdOfAllOnesAndIdleState) {
    device_->Fail(talven::IOCTL_VENDOR_GET_CHIP_ID, ERROR_GEN_FAILURE);
    ASSERT_EQ(sensor_.Attach(&pipeline_), S_OK);
    const talven::SensorAdapterContext* context = Context();
    ASSERT_NE(context, nullptr);
    EXPECT_STREQ(context->UnitTraceId, "AF9613760F72635FBDB44A5A0A63C39F12AF30F950A6EE5C971BE188E89C4051");
    EXPECT_EQ(context->CaptureStatus, 255);
    EXPECT_EQ(context->CheckFreeSlot, 1u);
    EXPECT_EQ(context->CaptureFormat.Owner, 0);
    EXPECT_EQ(context->CaptureFormat.Type, 0);
    EXPECT_EQ(context->CaptureBuffer, nullptr);
    EXPECT_EQ(context->SensorAttributesSize, 1580u);
    EXPECT_NE(context->Channel, nullptr);
}

TEST_F(SensorAttachTest, SecondAttachAndSecondDetachAreRefused) {
    ASSERT_EQ(sensor_.Attach(&pipeline_), S_OK);
    const auto* first = pipeline_.SensorContext;
    EXPECT_EQ(sensor_.Attach(&pipeline_), static_cast<HRESULT>(0x8009800F));
    EXPECT_EQ(pipeline_.SensorContext, first);
    EXPECT_EQ(sensor_.ClearContext(&pipeline_), S_OK);
    EXPECT_EQ(sensor_.Detach(&pipeline_), S_OK);
    EXPECT_EQ(pipeline_.SensorContext, nullptr);
    EXPECT_EQ(sensor_.Detach(&pipeline_), static_cast<HRESULT>(0x8009800F));
    EXPECT_EQ(sensor_.ClearContext(&pipeline_), static_cast<HRESULT>(0x8009800F));
    EXPECT_EQ(sensor_.Attach(nullptr), E_POINTER);
}

// Fail the n-th allocation for n = 1, 2, ... until Attach goes through:
// each run ends with the right code, Detach releases what was made and
// nothing leaks.
TEST_F(SensorAttachTest, EveryAllocationFailureEndsCleanly) {
    const size_t baseline = host::LiveAllocations();
    for (unsigned n = 1;; ++n) {
        host::FailAllocation(n);
        const HRESULT result = sensor_.Attach(&pipeline_);
        host::FailAllocation(0);
        if (result == S_OK) {
            EXPECT_NE(Context()->Channel, nullptr);
            EXPECT_EQ(sensor_.Detach(&pipeline_), S_OK);
            EXPECT_EQ(host::LiveAllocations(), baseline);
            break;
        }
        EXPECT_TRUE(result == E_OUTOFMEMORY || (static_cast<DWORD>(result) & 0xFF00FFFFu) == 0xED00007Au)
            << n << " " << std::hex << result;
        if (pipeline_.SensorContext != nullptr) {
            EXPECT_EQ(sensor_.Detach(&pipeline_), S_OK) << n;
        }
        EXPECT_EQ(host::LiveAllocations(), baseline) << n;
        ASSERT_LT(n, 20u);
    }
}

}  // namespace
}  // namespace sensor_test
