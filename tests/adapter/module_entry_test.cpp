// Module load and unload: the provider's lifetime and the two messages of
// the module-entry unit.
#include <gtest/gtest.h>

#include "adapter/trace_provider.h"
#include "adapter/trace_units.h"
#include "platform/host/host_trace.h"
#include "tests/adapter/guid_match.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace talven {
namespace {


class ModuleEntryTest : public ::testing::Test {
protected:
    void TearDown() override {
        UnregisterTraceProvider();
        host::TraceSession::Disable();
        host::TraceSession::Clear();
    }
};

TEST_F(ModuleEntryTest, AttachRegistersAndTracesLoadedDetachTracesUnloadingThenUnregisters) {
    host::TraceSession::Enable(TRACE_LEVEL_INFORMATION, 1);
    host::TraceSession::Clear();

    EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), TRUE);
    EXPECT_TRUE(host::TraceSession::ProviderRegistered(TraceProviderControlGuid));
    EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_DETACH, nullptr), TRUE);
    EXPECT_FALSE(host::TraceSession::ProviderRegistered(TraceProviderControlGuid));
    EXPECT_EQ(TraceProviderListHead, &TraceProviderListHead);

    const auto records = host::TraceSession::Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(SameGuid(records[0].guid, ModuleEntryTraceUnit));
    EXPECT_EQ(records[0].number, 10);
    EXPECT_TRUE(SameGuid(records[1].guid, ModuleEntryTraceUnit));
    EXPECT_EQ(records[1].number, 11);
}

TEST_F(ModuleEntryTest, LoadSucceedsWhenRegistrationFails) {
    host::TraceSession::FailRegistration(ERROR_ACCESS_DENIED);
    EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), TRUE);
    host::TraceSession::FailRegistration(0);
    EXPECT_FALSE(host::TraceSession::ProviderRegistered(TraceProviderControlGuid));
    EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_DETACH, nullptr), TRUE);
}

TEST_F(ModuleEntryTest, ThreadNotificationsDoNothing) {
    host::TraceSession::Enable(TRACE_LEVEL_VERBOSE, 1);
    EXPECT_EQ(DllMain(nullptr, DLL_THREAD_ATTACH, nullptr), TRUE);
    EXPECT_EQ(DllMain(nullptr, DLL_THREAD_DETACH, nullptr), TRUE);
    EXPECT_FALSE(host::TraceSession::ProviderRegistered(TraceProviderControlGuid));
    EXPECT_EQ(host::TraceSession::CallCount(), 0u);
}

}  // namespace
}  // namespace talven
