#include "adapter/device_error.h"

namespace talven {

HRESULT MapDeviceError(DWORD win32Error) {
    switch (win32Error) {
        case ERROR_OPERATION_ABORTED:
        case ERROR_CANCELLED:
        case ERROR_DRIVER_PROCESS_TERMINATED:
            return WINBIO_E_CANCELED;
        default:
            return WINBIO_E_DEVICE_FAILURE;
    }
}

}  // namespace talven
