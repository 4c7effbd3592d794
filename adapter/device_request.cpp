#include "adapter/device_request.h"

namespace talven {

namespace {

DWORD FailureCause() {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

}  // namespace

BOOL SendSyncRequest(HANDLE device, DWORD code, LPVOID input, DWORD inputSize, LPVOID output, DWORD outputSize,
                     LPDWORD bytesReturned) {
    // Without an OVERLAPPED the byte count is mandatory.
    DWORD ignored = 0;
    return DeviceIoControl(device, code, input, inputSize, output, outputSize,
                           bytesReturned != nullptr ? bytesReturned : &ignored, nullptr);
}

DWORD SendOverlappedRequest(HANDLE device, DWORD code, LPVOID input, DWORD inputSize, LPVOID output,
                            DWORD outputSize, LPOVERLAPPED overlapped, LPDWORD bytesReturned) {
    DWORD ignored = 0;
    LPDWORD transferred = bytesReturned != nullptr ? bytesReturned : &ignored;
    if (DeviceIoControl(device, code, input, inputSize, output, outputSize, transferred, overlapped)) {
        return ERROR_SUCCESS;
    }
    if (GetLastError() != ERROR_IO_PENDING) return FailureCause();
    SetLastError(ERROR_SUCCESS);
    if (!GetOverlappedResult(device, overlapped, transferred, TRUE)) return FailureCause();
    return ERROR_SUCCESS;
}

}  // namespace talven
