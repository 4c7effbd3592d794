// The host trace session: enable and disable reach a provider's callback
// with a logger handle that decodes to the session's level and flags, and
// TraceMessage records its arguments.
#include <gtest/gtest.h>

#include <vector>

#include "platform/host/host_trace.h"
#include "platform/win32.h"

namespace {

constexpr GUID kControl = {0x1f7e9a30, 0x58c2, 0x4b1d, {0x9e, 0x11, 0x2a, 0x3b, 0x4c, 0x5d, 0x6e, 0x7f}};

struct CallbackSeen {
    std::vector<ULONG> codes;
    TRACEHANDLE logger = 0;
    UCHAR level = 0;
    ULONG flags = 0;
};

ULONG WINAPI RecordRequest(WMIDPREQUESTCODE code, PVOID context, ULONG*, PVOID buffer) {
    auto* seen = static_cast<CallbackSeen*>(context);
    seen->codes.push_back(code);
    if (code == WMI_ENABLE_EVENTS) {
        seen->logger = GetTraceLoggerHandle(buffer);
        seen->level = GetTraceEnableLevel(seen->logger);
        seen->flags = GetTraceEnableFlags(seen->logger);
    }
    return ERROR_SUCCESS;
}

class TraceSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RegisterTraceGuidsW(RecordRequest, &seen, &kControl, 0, nullptr, nullptr, nullptr, &registration),
                  0u);
        host::TraceSession::Clear();
    }
    void TearDown() override {
        host::TraceSession::Disable();
        EXPECT_EQ(UnregisterTraceGuids(registration), 0u);
    }
    CallbackSeen seen;
    TRACEHANDLE registration = 0;
};

TEST_F(TraceSessionTest, EnableAndDisableReachTheCallbackWithLevelAndFlags) {
    EXPECT_TRUE(host::TraceSession::ProviderRegistered(kControl));
    EXPECT_EQ(host::TraceSession::Enable(3, 0x80000005u), 0u);
    EXPECT_EQ(seen.codes, (std::vector<ULONG>{WMI_ENABLE_EVENTS}));
    EXPECT_NE(seen.logger, 0u);
    EXPECT_EQ(seen.level, 3);
    EXPECT_EQ(seen.flags, 0x80000005u);

    EXPECT_EQ(host::TraceSession::Disable(), 0u);
    EXPECT_EQ(host::TraceSession::SendRequest(WMI_ENABLE_COLLECTION), 0u);
    EXPECT_EQ(seen.codes, (std::vector<ULONG>{WMI_ENABLE_EVENTS, WMI_DISABLE_EVENTS, WMI_ENABLE_COLLECTION}));
}

TEST_F(TraceSessionTest, MessagesAreRecordedWithTheirArgumentsAndFailOnceDisabled) {
    host::TraceSession::Enable(4, 1);
    const ULONG number = 0xCAFE;
    const char text[] = "sensor";
    const WCHAR wide[] = u"unit";
    EXPECT_EQ(TraceMessage(seen.logger, TRACE_MESSAGE_GUID, &kControl, 12, &number, sizeof number, text,
                           sizeof text, wide, sizeof wide, nullptr),
              0u);
    host::TraceSession::Disable();
    EXPECT_EQ(TraceMessage(seen.logger, TRACE_MESSAGE_GUID, &kControl, 13, nullptr),
              static_cast<ULONG>(ERROR_INVALID_HANDLE));

    const std::vector<host::TraceRecord> records = host::TraceSession::Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].logger, seen.logger);
    EXPECT_EQ(records[0].flags, static_cast<ULONG>(TRACE_MESSAGE_GUID));
    EXPECT_TRUE(records[0].guid == kControl);
    EXPECT_EQ(records[0].number, 12);
    ASSERT_EQ(records[0].arguments.size(), 3u);
    EXPECT_EQ(records[0].arguments[0].AsUInt32(), 0xCAFEu);
    EXPECT_EQ(records[0].arguments[1].AsText(), "sensor");
    EXPECT_EQ(records[0].arguments[2].AsWideText(), u"unit");
    EXPECT_EQ(records[1].number, 13);
    EXPECT_TRUE(records[1].arguments.empty());
}

TEST_F(TraceSessionTest, AProviderRegisteringDuringASessionIsEnabledAtOnce) {
    host::TraceSession::Enable(2, 1);
    CallbackSeen late;
    TRACEHANDLE lateRegistration = 0;
    ASSERT_EQ(RegisterTraceGuidsW(RecordRequest, &late, &kControl, 0, nullptr, nullptr, nullptr, &lateRegistration),
              0u);
    EXPECT_EQ(late.codes, (std::vector<ULONG>{WMI_ENABLE_EVENTS}));
    EXPECT_EQ(late.logger, seen.logger);
    EXPECT_EQ(UnregisterTraceGuids(lateRegistration), 0u);
    EXPECT_EQ(UnregisterTraceGuids(lateRegistration), static_cast<ULONG>(ERROR_INVALID_HANDLE));
}

}  // namespace
