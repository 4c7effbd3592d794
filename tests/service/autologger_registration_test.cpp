// Registration of the boot-time trace session while the module loads.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "diag/msg.h"
#include "platform/host/host_registry.h"
#include "platform/host/host_version.h"
#include "tests/diag/recording_responder.h"
#include "tests/service/registry_expectations.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace talven {
namespace {

using namespace test_support;

class AutologgerRegistration : public ::testing::Test {
protected:
    void SetUp() override {
        host::Registry::Reset();
        host::SetBuildNumber(19045);
        CMsg::Instance().AddResponder(std::make_unique<RecordingResponder>(m_record, "log"));
    }
    void TearDown() override {
        EXPECT_EQ(host::Registry::OpenKeyCount(), 0u) << "every key opened is closed";
        CMsg::Instance().RemoveAllResponders();
        host::Registry::Reset();
        host::SetBuildNumber(26100);
    }

    // Loads the module and returns what it logged.
    std::vector<LoggedMessage> Load() {
        EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), TRUE);
        return m_record.messages;
    }

    static std::vector<LoggedMessage> Result(const char* text) { return {{2, "DllMain", 277, text}}; }

    MessageRecord m_record;
};

TEST_F(AutologgerRegistration, BuildBelow22000WritesTheSessionAndBothProviders) {
    for (DWORD build : {19045u, 21999u}) {
        SCOPED_TRACE(build);
        host::Registry::Reset();
        m_record.messages.clear();
        host::SetBuildNumber(build);
        EXPECT_EQ(Load(), Result("Add Reg lRet: 0"));
        EXPECT_EQ(ValuesOf(kSessionPath), SessionValues());
        EXPECT_EQ(ValuesOf(kPartnerPath), ProviderValues());
        EXPECT_EQ(ValuesOf(kAdapterPath), ProviderValues());
    }
}

TEST_F(AutologgerRegistration, Build22000OrLaterWritesAndLogsNothing) {
    for (DWORD build : {22000u, 26100u}) {
        SCOPED_TRACE(build);
        host::SetBuildNumber(build);
        EXPECT_EQ(Load(), std::vector<LoggedMessage>{});
        EXPECT_FALSE(host::Registry::KeyExists(HKEY_LOCAL_MACHINE, u"SYSTEM"));
    }
}

TEST_F(AutologgerRegistration, ExistingValuesAreOverwritten) {
    Load();
    m_record.messages.clear();
    EXPECT_EQ(Load(), Result("Add Reg lRet: 0"));
    EXPECT_EQ(ValuesOf(kSessionPath), SessionValues());
}

TEST_F(AutologgerRegistration, OtherReasonsDoNothing) {
    for (DWORD reason : {DLL_PROCESS_DETACH, DLL_THREAD_ATTACH, DLL_THREAD_DETACH}) {
        EXPECT_EQ(DllMain(nullptr, reason, nullptr), TRUE);
    }
    EXPECT_TRUE(m_record.messages.empty());
    EXPECT_FALSE(host::Registry::KeyExists(HKEY_LOCAL_MACHINE, u"SYSTEM"));
}

// A registry call that fails, what the module logs, and what stays written.
struct FailureCase {
    const char* what;
    std::u16string failingKey;
    std::optional<std::u16string> failingValue;  // none: the key itself fails
    LONG error;
    const char* logged;
    size_t sessionValues;
    std::optional<size_t> partnerValues;  // none: the key does not exist
    std::optional<size_t> adapterValues;
};

TEST_F(AutologgerRegistration, FirstFailureStopsTheRegistrationAndIsLoggedOnce) {
    const FailureCase cases[] = {
        {"no write access to the machine key", kSessionPath, std::nullopt, ERROR_ACCESS_DENIED, "Add Reg lRet: 0x5", 0,
         std::nullopt, std::nullopt},
        {"a session value", kSessionPath, u"FileMax", ERROR_ACCESS_DENIED, "Add Reg lRet: 0x5", 3, std::nullopt,
         std::nullopt},
        {"the last session value", kSessionPath, u"GUID", ERROR_INVALID_PARAMETER, "Add Reg lRet: 0x57", 10,
         std::nullopt, std::nullopt},
        {"the partner key, which is not reported", kPartnerPath, std::nullopt, ERROR_ACCESS_DENIED, "Add Reg lRet: 0",
         11, std::nullopt, 5},
        {"a partner value", kPartnerPath, u"MatchAllKeyword", ERROR_GEN_FAILURE, "Add Reg lRet: 0x1f", 11, 3,
         std::nullopt},
        {"the adapter key", kAdapterPath, std::nullopt, ERROR_ACCESS_DENIED, "Add Reg lRet: 0x5", 11, 5, std::nullopt},
        {"the last adapter value", kAdapterPath, u"MatchAnyKeyword", ERROR_NOT_ENOUGH_MEMORY, "Add Reg lRet: 0x8", 11,
         5, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host::Registry::Reset();
        m_record.messages.clear();
        if (c.failingValue) {
            host::Registry::FailValue(HKEY_LOCAL_MACHINE, c.failingKey, *c.failingValue, c.error);
        } else {
            host::Registry::FailKey(HKEY_LOCAL_MACHINE, c.failingKey, c.error);
        }
        EXPECT_EQ(Load(), Result(c.logged));
        EXPECT_EQ(ValuesOf(kSessionPath), FirstOf(SessionValues(), c.sessionValues));
        EXPECT_EQ(host::Registry::KeyExists(HKEY_LOCAL_MACHINE, kPartnerPath), c.partnerValues.has_value());
        EXPECT_EQ(ValuesOf(kPartnerPath), FirstOf(ProviderValues(), c.partnerValues.value_or(0)));
        EXPECT_EQ(host::Registry::KeyExists(HKEY_LOCAL_MACHINE, kAdapterPath), c.adapterValues.has_value());
        EXPECT_EQ(ValuesOf(kAdapterPath), FirstOf(ProviderValues(), c.adapterValues.value_or(0)));
        EXPECT_EQ(host::Registry::OpenKeyCount(), 0u);
    }
}

TEST_F(AutologgerRegistration, PartnerKeyFailingStillReportsTheAdapterProviderResult) {
    host::Registry::FailKey(HKEY_LOCAL_MACHINE, kPartnerPath, ERROR_ACCESS_DENIED);
    host::Registry::FailValue(HKEY_LOCAL_MACHINE, kAdapterPath, u"EnableLevel", ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Load(), Result("Add Reg lRet: 0x57"));
    EXPECT_EQ(ValuesOf(kAdapterPath), FirstOf(ProviderValues(), 1));
}

}  // namespace
}  // namespace talven
