// The module's three adapter interface tables. The query exports hand out
// their addresses; the service never owns or frees them.
#pragma once

#include "platform/wbf.h"

namespace talven {

extern WINBIO_SENSOR_INTERFACE SensorInterfaceTable;
extern WINBIO_ENGINE_INTERFACE EngineInterfaceTable;
extern WINBIO_STORAGE_INTERFACE StorageInterfaceTable;

}  // namespace talven
