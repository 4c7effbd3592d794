// The three adapter tables and the query exports that hand them out.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "adapter/adapter_tables.h"
#include "adapter/module_exports.h"
#include "adapter/trace.h"
#include "platform/host/host_trace.h"
#include "sensor/sensor_slots.h"
#include "tests/adapter/guid_match.h"
#include "tests/adapter/trace_session_fixture.h"

namespace talven {
namespace {

// What the service relies on in a table's header and slots.
template <typename Table>
void ExpectWellFormed(const Table& table, USHORT major, WINBIO_ADAPTER_TYPE type, size_t size, size_t slots,
                      const GUID& adapterId) {
    EXPECT_EQ(table.Version.MajorVersion, major);
    EXPECT_EQ(table.Version.MinorVersion, 0);
    EXPECT_EQ(table.Type, type);
    EXPECT_EQ(table.Size, size);
    EXPECT_EQ(table.Size, 32 + 8 * slots);
    EXPECT_EQ(sizeof(Table), table.Size);
    EXPECT_TRUE(SameGuid(table.AdapterId, adapterId));
    const auto* slot = reinterpret_cast<const BYTE*>(&table) + 32;
    for (size_t i = 0; i < slots; ++i) {
        void* entry;
        std::memcpy(&entry, slot + 8 * i, sizeof entry);
        EXPECT_NE(entry, nullptr) << "slot " << i;
    }
}

TEST(AdapterTablesTest, EveryTableMatchesItsKind) {
    ExpectWellFormed(EngineInterfaceTable, 6, 2, 360, 41,
                     {0xB876FDC8, 0x34E7, 0x471A, {0x82, 0xC8, 0x9C, 0xBA, 0x6A, 0x35, 0x38, 0xEC}});
    ExpectWellFormed(SensorInterfaceTable, 6, 1, 280, 31,
                     {0xF6012694, 0xBED2, 0x4223, {0x81, 0xEE, 0xF0, 0x7B, 0x44, 0xF0, 0x69, 0x13}});
    ExpectWellFormed(StorageInterfaceTable, 5, 3, 272, 30,
                     {0xDEC3F1F2, 0x44C0, 0x4E84, {0x95, 0x97, 0x88, 0x80, 0xEC, 0x89, 0x32, 0x77}});
}

TEST(ModuleExportsTest, NullOutParameterIsRefused) {
    EXPECT_EQ(WbioQueryEngineInterface(nullptr), E_POINTER);
    EXPECT_EQ(WbioQuerySensorInterface(nullptr), E_POINTER);
    EXPECT_EQ(WbioQueryStorageInterface(nullptr), E_POINTER);
}

TEST(ModuleExportsTest, EveryCallHandsOutTheSameTable) {
    PWINBIO_ENGINE_INTERFACE engine[2] = {};
    PWINBIO_SENSOR_INTERFACE sensor[2] = {};
    PWINBIO_STORAGE_INTERFACE storage[2] = {};
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(WbioQueryEngineInterface(&engine[i]), S_OK);
        ASSERT_EQ(WbioQuerySensorInterface(&sensor[i]), S_OK);
        ASSERT_EQ(WbioQueryStorageInterface(&storage[i]), S_OK);
    }
    EXPECT_EQ(engine[0], &EngineInterfaceTable);
    EXPECT_EQ(engine[1], engine[0]);
    EXPECT_EQ(sensor[0], &SensorInterfaceTable);
    EXPECT_EQ(sensor[1], sensor[0]);
    EXPECT_EQ(storage[0], &StorageInterfaceTable);
    EXPECT_EQ(storage[1], storage[0]);
    EXPECT_EQ(sensor[0]->Attach, &sensor::Attach);
}

class StubSlotTest : public TraceSessionTest {
protected:
    void SetUp() override {
        TraceSessionTest::SetUp();
        host::TraceSession::Enable(TRACE_LEVEL_INFORMATION, 1);
    }

    // The one message a stub traced, as "unit:number".
    static std::string TracedBy(const GUID& unit) {
        const auto records = host::TraceSession::Records();
        host::TraceSession::Clear();
        if (records.size() != 1) return "messages: " + std::to_string(records.size());
        return (SameGuid(records[0].guid, unit) ? "unit:" : "other unit:") + std::to_string(records[0].number);
    }
};

TEST_F(StubSlotTest, StubsTraceTheirMessageAndLeaveArgumentsAlone) {
    WINBIO_PIPELINE pipeline{};
    WINBIO_INDICATOR_STATUS indicator = 0x5A5A;
    EXPECT_EQ(SensorInterfaceTable.GetIndicatorStatus(&pipeline, &indicator), E_NOTIMPL);
    EXPECT_EQ(indicator, 0x5A5Au);
    EXPECT_EQ(TracedBy(SensorTraceUnit), "unit:38");

    EXPECT_EQ(SensorInterfaceTable.FinishNotifyWake(nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(TracedBy(SensorTraceUnit), "unit:100");

    SIZE_T count = 7;
    PUCHAR buffer = nullptr;
    EXPECT_EQ(EngineInterfaceTable.QueryHashAlgorithms(&pipeline, &count, &count, &buffer), E_NOTIMPL);
    EXPECT_EQ(count, 7u);
    EXPECT_EQ(TracedBy(EngineTraceUnit), "unit:175");
    EXPECT_EQ(EngineInterfaceTable.AcceptPrivateSensorTypeInfo(&pipeline, nullptr, 0), E_NOTIMPL);
    EXPECT_EQ(TracedBy(EngineTraceUnit), "unit:187");

    EXPECT_EQ(StorageInterfaceTable.Reserved1(&pipeline, nullptr, nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(TracedBy(StorageTraceUnit), "unit:307");
    EXPECT_EQ(StorageInterfaceTable.UpdateRecordCommit(&pipeline, nullptr), E_NOTIMPL);
    EXPECT_EQ(TracedBy(StorageTraceUnit), "unit:310");
}

}  // namespace
}  // namespace talven
