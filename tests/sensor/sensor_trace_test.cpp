// The sensor unit's trace messages: UnitTraceId first, the unit's numbers,
// and the level gate.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "adapter/request_codes.h"
#include "adapter/trace_units.h"
#include "tests/support/scripted_device.h"
#include "tests/sensor/sensor_fixture.h"

namespace sensor_test {
namespace {

class SensorTraceTest : public SensorFixture {
protected:
    void SetUp() override {
        device_->Reply(talven::IOCTL_VENDOR_GET_CHIP_ID, std::vector<uint8_t>(32, 0));
        device_->Fail(talven::IOCTL_BIOMETRIC_GET_SENSOR_STATUS, ERROR_GEN_FAILURE);
        Open(device_);
    }
    // (unit, number) of every message since the last clear.
    static std::vector<std::pair<bool, USHORT>> Messages() {
        std::vector<std::pair<bool, USHORT>> messages;
        for (const host::TraceRecord& record : host::TraceSession::Records()) {
            messages.emplace_back(std::memcmp(&record.guid, &talven::SensorTraceUnit, sizeof(GUID)) == 0,
                                  record.number);
        }
        return messages;
    }
    void AttachQueryStatusActivate() {
        ASSERT_EQ(sensor_.Attach(&pipeline_), S_OK);
        WINBIO_SENSOR_STATUS status = 0;
        EXPECT_EQ(sensor_.QueryStatus(&pipeline_, &status), static_cast<HRESULT>(0x80098036));
        EXPECT_EQ(sensor_.Activate(&pipeline_), S_OK);
    }

    std::shared_ptr<test_support::ScriptedDevice> device_ = std::make_shared<test_support::ScriptedDevice>();
};

TEST_F(SensorTraceTest, InformationLevelSeesEveryMessageTaggedWithTheUnit) {
    host::TraceSession::Enable(TRACE_LEVEL_INFORMATION, 1);
    host::TraceSession::Clear();
    AttachQueryStatusActivate();
    const std::vector<host::TraceRecord> records = host::TraceSession::Records();
    std::vector<USHORT> sensorNumbers;
    std::string unitTraceId;
    for (const host::TraceRecord& record : records) {
        if (std::memcmp(&record.guid, &talven::SensorAttachTraceUnit, sizeof(GUID)) == 0 && record.number == 14) {
            unitTraceId = record.arguments.at(0).AsText();
        }
        if (std::memcmp(&record.guid, &talven::SensorTraceUnit, sizeof(GUID)) != 0) continue;
        sensorNumbers.push_back(record.number);
        ASSERT_FALSE(record.arguments.empty());
        EXPECT_EQ(record.arguments[0].AsText(), unitTraceId) << record.number;
    }
    // SHA-256 of 32 zero bytes.
    EXPECT_EQ(unitTraceId, "66687AADF862BD776C8FC18B8E9F8E20089714856EE233B3902A591D0D5F2925");
    EXPECT_EQ(sensorNumbers, (std::vector<USHORT>{27, 28, 78}));
    const host::TraceRecord& exit = records.back();
    ASSERT_EQ(exit.arguments.size(), 2u);
    EXPECT_EQ(exit.arguments[1].AsUInt32(), 0u);
}

TEST_F(SensorTraceTest, ErrorLevelSeesOnlyTheFailedRequest) {
    host::TraceSession::Enable(TRACE_LEVEL_ERROR, 1);
    host::TraceSession::Clear();
    AttachQueryStatusActivate();
    EXPECT_EQ(Messages(), (std::vector<std::pair<bool, USHORT>>{{true, 27}}));
    const host::TraceRecord record = host::TraceSession::Records().at(0);
    ASSERT_EQ(record.arguments.size(), 2u);
    EXPECT_EQ(record.arguments[1].AsUInt32(), 31u);
}

TEST_F(SensorTraceTest, EarlyExitCarriesOnlyTheResult) {
    host::TraceSession::Enable(TRACE_LEVEL_INFORMATION, 1);
    host::TraceSession::Clear();
    EXPECT_EQ(sensor_.Activate(&pipeline_), static_cast<HRESULT>(0x8009800F));
    const std::vector<host::TraceRecord> records = host::TraceSession::Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].number, 79);
    ASSERT_EQ(records[0].arguments.size(), 1u);
    EXPECT_EQ(records[0].arguments[0].AsUInt32(), 0x8009800Fu);
}

}  // namespace
}  // namespace sensor_test
