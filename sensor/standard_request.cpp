#include "sensor/standard_request.h"

#include "adapter/device_request.h"

namespace talven {

DWORD SendStandardRequest(HANDLE sensor, DWORD code, LPVOID reply, DWORD replySize, DWORD minimum) {
    DWORD returned = 0;
    if (!SendSyncRequest(sensor, code, nullptr, 0, reply, replySize, &returned)) return GetLastError();
    return returned >= minimum ? ERROR_SUCCESS : ERROR_GEN_FAILURE;
}

}  // namespace talven
