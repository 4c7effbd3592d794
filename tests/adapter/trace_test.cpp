// The trace provider: the gate, the enable callback and the argument lists
// that reach TraceMessage.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "adapter/trace.h"
#include "platform/host/host_trace.h"
#include "tests/adapter/guid_match.h"
#include "tests/adapter/trace_session_fixture.h"

namespace talven {
namespace {


constexpr GUID TestUnit = {0x01234567, 0x89AB, 0xCDEF, {1, 2, 3, 4, 5, 6, 7, 8}};

class TraceTest : public TraceSessionTest {
protected:
    // One information and one failure message.
    static void TraceBothLevels() {
        TraceInfo(TestUnit, 20);
        TraceError(TestUnit, 21);
    }

    static std::vector<USHORT> RecordedNumbers() {
        std::vector<USHORT> numbers;
        for (const host::TraceRecord& record : host::TraceSession::Records()) numbers.push_back(record.number);
        return numbers;
    }
};

TEST_F(TraceTest, NothingReachesTraceMessageWithoutASession) {
    TraceBothLevels();
    EXPECT_EQ(host::TraceSession::CallCount(), 0u);
}

TEST_F(TraceTest, FlagsWithoutBitZeroEmitNothingAtAnyLevel) {
    host::TraceSession::Enable(TRACE_LEVEL_VERBOSE, 0xFFFFFFFEu);
    TraceBothLevels();
    EXPECT_EQ(host::TraceSession::CallCount(), 0u);
}

TEST_F(TraceTest, SessionLevelSelectsMessages) {
    struct Case {
        UCHAR level;
        std::vector<USHORT> expected;
    };
    const Case cases[] = {
        {TRACE_LEVEL_CRITICAL, {}},
        {TRACE_LEVEL_ERROR, {21}},
        {TRACE_LEVEL_WARNING, {21}},
        {TRACE_LEVEL_INFORMATION, {20, 21}},
        {TRACE_LEVEL_VERBOSE, {20, 21}},
    };
    for (const Case& c : cases) {
        host::TraceSession::Clear();
        host::TraceSession::Enable(c.level, 1);
        TraceBothLevels();
        EXPECT_EQ(RecordedNumbers(), c.expected) << "session level " << int(c.level);
    }
}

TEST_F(TraceTest, DisableStopsAtOnceAndClearsTheEnableState) {
    host::TraceSession::Enable(TRACE_LEVEL_INFORMATION, 1);
    EXPECT_NE(TraceControlBlock.Logger, 0u);
    EXPECT_EQ(TraceControlBlock.Level, TRACE_LEVEL_INFORMATION);
    EXPECT_EQ(TraceControlBlock.Flags, 1u);

    host::TraceSession::Disable();
    TraceBothLevels();
    EXPECT_EQ(host::TraceSession::CallCount(), 0u);
    EXPECT_EQ(TraceControlBlock.Logger, 0u);
    EXPECT_EQ(TraceControlBlock.Level, 0);
    EXPECT_EQ(TraceControlBlock.Flags, 0u);
}

TEST_F(TraceTest, UnknownRequestCodesAreRefusedAndChangeNothing) {
    host::TraceSession::Enable(TRACE_LEVEL_INFORMATION, 1);
    const TRACEHANDLE logger = TraceControlBlock.Logger;
    EXPECT_EQ(host::TraceSession::SendRequest(WMI_ENABLE_COLLECTION), 87u);
    for (WMIDPREQUESTCODE code : {WMI_GET_ALL_DATA, WMI_DISABLE_COLLECTION, WMI_EXECUTE_METHOD}) {
        ULONG bufferSize = 99;
        EXPECT_EQ(TraceProviderControl(code, &TraceControlBlock, &bufferSize, nullptr), 87u) << code;
        EXPECT_EQ(bufferSize, 0u);
    }
    EXPECT_EQ(TraceControlBlock.Logger, logger);
    EXPECT_EQ(TraceControlBlock.Level, TRACE_LEVEL_INFORMATION);
    EXPECT_EQ(TraceControlBlock.Flags, 1u);
}

TEST_F(TraceTest, RegistrationFillsTheControlBlockAndUnregistrationRestoresTheMarker) {
    EXPECT_EQ(TraceProviderListHead, &TraceControlBlock);
    EXPECT_TRUE(host::TraceSession::ProviderRegistered(TraceProviderControlGuid));
    EXPECT_NE(TraceControlBlock.RegistrationHandle, 0u);
    EXPECT_EQ(TraceControlBlock.FlagsLength, 1);
    EXPECT_EQ(TraceControlBlock.ControlGuid, &TraceProviderControlGuid);
    EXPECT_EQ(TraceControlBlock.Next, nullptr);

    host::TraceSession::Enable(TRACE_LEVEL_INFORMATION, 1);
    UnregisterTraceProvider();
    EXPECT_EQ(TraceProviderListHead, &TraceProviderListHead);
    EXPECT_EQ(TraceControlBlock.RegistrationHandle, 0u);
    EXPECT_FALSE(host::TraceSession::ProviderRegistered(TraceProviderControlGuid));
    TraceBothLevels();
    EXPECT_EQ(host::TraceSession::CallCount(), 0u);
}

TEST_F(TraceTest, FailedRegistrationLeavesTracingOff) {
    UnregisterTraceProvider();
    host::TraceSession::Enable(TRACE_LEVEL_VERBOSE, 1);
    host::TraceSession::FailRegistration(ERROR_ACCESS_DENIED);
    RegisterTraceProvider();
    host::TraceSession::FailRegistration(0);
    TraceBothLevels();
    EXPECT_EQ(host::TraceSession::CallCount(), 0u);
    EXPECT_EQ(TraceControlBlock.RegistrationHandle, 0u);
}

class TraceArgumentsTest : public TraceTest {
protected:
    void SetUp() override {
        TraceTest::SetUp();
        host::TraceSession::Enable(TRACE_LEVEL_INFORMATION, 1);
    }
    static host::TraceRecord Only() {
        const auto records = host::TraceSession::Records();
        EXPECT_EQ(records.size(), 1u);
        return records.empty() ? host::TraceRecord{} : records.front();
    }
};

TEST_F(TraceArgumentsTest, MessageCarriesUnitNumberFlagsAndLogger) {
    TraceInfo(TestUnit, 42);
    const host::TraceRecord record = Only();
    EXPECT_TRUE(SameGuid(record.guid, TestUnit));
    EXPECT_EQ(record.number, 42);
    EXPECT_EQ(record.flags, 43u);
    EXPECT_EQ(record.logger, TraceControlBlock.Logger);
    EXPECT_TRUE(record.arguments.empty());
}

TEST_F(TraceArgumentsTest, TextTravelsWithItsNulAndNumbersByValue) {
    const char unitTraceId[] = "0AFF";
    TraceInfo(TestUnit, 12, unitTraceId, HRESULT(0x80098004), 7u, 8, 9, 10);
    const host::TraceRecord record = Only();
    ASSERT_EQ(record.arguments.size(), 6u);
    EXPECT_EQ(record.arguments[0].bytes, (std::vector<BYTE>{'0', 'A', 'F', 'F', 0}));
    EXPECT_EQ(record.arguments[1].bytes.size(), 4u);
    EXPECT_EQ(record.arguments[1].AsUInt32(), 0x80098004u);
    EXPECT_EQ(record.arguments[5].AsUInt32(), 10u);
}

TEST_F(TraceArgumentsTest, NullStringsAreSentAsNull) {
    const char* noText = nullptr;
    const WCHAR* noWideText = nullptr;
    TraceInfo(TestUnit, 10, noText, noWideText);
    const host::TraceRecord record = Only();
    ASSERT_EQ(record.arguments.size(), 2u);
    EXPECT_EQ(record.arguments[0].bytes, (std::vector<BYTE>{'N', 'U', 'L', 'L', 0}));
    EXPECT_EQ(record.arguments[1].bytes.size(), 10u);
    EXPECT_EQ(record.arguments[1].AsWideText(), u"NULL");
}

TEST_F(TraceArgumentsTest, RealsAreEightBytesAndWideTextIsUtf16) {
    TraceInfo(TestUnit, 10, "a", 1.5, 2.0f);
    TraceInfo(TestUnit, 11, "a", WSTR("dump"));
    const auto records = host::TraceSession::Records();
    ASSERT_EQ(records.size(), 2u);
    ASSERT_EQ(records[0].arguments.size(), 3u);
    EXPECT_EQ(records[0].arguments[1].bytes.size(), 8u);
    EXPECT_EQ(records[0].arguments[1].AsDouble(), 1.5);
    EXPECT_EQ(records[0].arguments[2].AsDouble(), 2.0);
    ASSERT_EQ(records[1].arguments.size(), 2u);
    EXPECT_EQ(records[1].arguments[1].bytes.size(), 10u);
    EXPECT_EQ(records[1].arguments[1].AsWideText(), u"dump");
}

}  // namespace
}  // namespace talven
