// The built module as the service loads it: its exports, and the provider
// its load registers and its unload removes.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "adapter/trace_units.h"
#include "platform/host/host_trace.h"
#include "platform/wbf.h"

namespace {

using SensorQuery = HRESULT(WINAPI*)(PWINBIO_SENSOR_INTERFACE*);
using EngineQuery = HRESULT(WINAPI*)(PWINBIO_ENGINE_INTERFACE*);
using StorageQuery = HRESULT(WINAPI*)(PWINBIO_STORAGE_INTERFACE*);

TEST(LoadedModuleTest, LoadRegistersTheProviderAndTheExportsHandOutTables) {
    void* module = dlopen(TALVEN_MOC_ADAPTER_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    EXPECT_TRUE(host::TraceSession::ProviderRegistered(talven::TraceProviderControlGuid));

    auto sensorQuery = reinterpret_cast<SensorQuery>(dlsym(module, "WbioQuerySensorInterface"));
    auto engineQuery = reinterpret_cast<EngineQuery>(dlsym(module, "WbioQueryEngineInterface"));
    auto storageQuery = reinterpret_cast<StorageQuery>(dlsym(module, "WbioQueryStorageInterface"));
    ASSERT_NE(sensorQuery, nullptr);
    ASSERT_NE(engineQuery, nullptr);
    ASSERT_NE(storageQuery, nullptr);
    // Nothing else of the module is reachable by name.
    EXPECT_EQ(dlsym(module, "DllMain"), nullptr);

    PWINBIO_SENSOR_INTERFACE sensor = nullptr;
    PWINBIO_ENGINE_INTERFACE engine = nullptr;
    PWINBIO_STORAGE_INTERFACE storage = nullptr;
    EXPECT_EQ(sensorQuery(nullptr), E_POINTER);
    ASSERT_EQ(sensorQuery(&sensor), S_OK);
    ASSERT_EQ(engineQuery(&engine), S_OK);
    ASSERT_EQ(storageQuery(&storage), S_OK);
    EXPECT_EQ(sensor->Size, 280u);
    EXPECT_EQ(engine->Size, 360u);
    EXPECT_EQ(storage->Size, 272u);
    EXPECT_NE(sensor->Attach, nullptr);

    ASSERT_EQ(dlclose(module), 0);
    EXPECT_FALSE(host::TraceSession::ProviderRegistered(talven::TraceProviderControlGuid));
}

}  // namespace
