// The built module as a host process sees it: loading it registers the
// autologger, and EntryPoint is its one export.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/host/host_registry.h"
#include "platform/host/host_service.h"
#include "platform/host/host_version.h"
#include "tests/service/registry_expectations.h"

namespace talven {
namespace {

using namespace test_support;

TEST(ServiceModule, LoadingRegistersAndEntryPointIsTheOnlyExport) {
    host::Registry::Reset();
    host::ServiceControlManager::Reset();
    host::SetBuildNumber(19045);
    void* module = dlopen(ORBY_MOC_UTIL_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    EXPECT_EQ(ValuesOf(kAdapterPath), ProviderValues());

    for (const char* hidden : {"DllMain", "_ZN6talven11ServiceMainEjPPDs", "_ZN6talven4CMsg8InstanceEv"}) {
        EXPECT_EQ(dlsym(module, hidden), nullptr) << hidden;
    }
    auto entryPoint = reinterpret_cast<void (*)()>(dlsym(module, "EntryPoint"));
    ASSERT_NE(entryPoint, nullptr);
    entryPoint();
    ASSERT_EQ(host::ServiceControlManager::StatusReports().size(), 1u);
    EXPECT_EQ(host::ServiceControlManager::StatusReports()[0].dwCurrentState, static_cast<DWORD>(SERVICE_STOPPED));

    EXPECT_EQ(dlclose(module), 0);
    host::Registry::Reset();
    host::ServiceControlManager::Reset();
    host::SetBuildNumber(26100);
}

}  // namespace
}  // namespace talven
