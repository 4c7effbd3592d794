// The module's exports: one query per adapter kind, each returning the
// address of the same static table on every call.
#pragma once

#include "platform/wbf.h"

extern "C" {
// E_POINTER for a null out-parameter (nothing written), S_OK otherwise.
HRESULT WINAPI WbioQueryEngineInterface(PWINBIO_ENGINE_INTERFACE* EngineInterface);
HRESULT WINAPI WbioQuerySensorInterface(PWINBIO_SENSOR_INTERFACE* SensorInterface);
HRESULT WINAPI WbioQueryStorageInterface(PWINBIO_STORAGE_INTERFACE* StorageInterface);
}
