// The framework result of a driver request that an adapter sent itself and
// that failed.
#pragma once

#include "platform/results.h"

namespace talven {

// Cancelled, aborted and terminated-driver requests are WINBIO_E_CANCELED
// (the service treats them as an ended operation, not a broken sensor);
// everything else is WINBIO_E_DEVICE_FAILURE.
HRESULT MapDeviceError(DWORD win32Error);

}  // namespace talven
