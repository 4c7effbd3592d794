// The query exports. Slot 0 of the sensor table already holds the sensor
// Attach, so the sensor query has nothing to prepare before handing it out.
#include "adapter/module_exports.h"

#include "adapter/adapter_tables.h"
#include "platform/results.h"

namespace {

template <typename Table>
HRESULT HandOut(Table& table, Table** out) {
    if (out == nullptr) return E_POINTER;
    *out = &table;
    return S_OK;
}

}  // namespace

extern "C" HRESULT WINAPI WbioQueryEngineInterface(PWINBIO_ENGINE_INTERFACE* EngineInterface) {
    return HandOut(talven::EngineInterfaceTable, EngineInterface);
}

extern "C" HRESULT WINAPI WbioQuerySensorInterface(PWINBIO_SENSOR_INTERFACE* SensorInterface) {
    return HandOut(talven::SensorInterfaceTable, SensorInterface);
}

extern "C" HRESULT WINAPI WbioQueryStorageInterface(PWINBIO_STORAGE_INTERFACE* StorageInterface) {
    return HandOut(talven::StorageInterfaceTable, StorageInterface);
}
