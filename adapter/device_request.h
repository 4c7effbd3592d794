// Sending requests on a unit's sensor handle, the two ways the adapters do
// it: synchronously, and overlapped on an adapter's own OVERLAPPED for the
// pass-through control codes.
#pragma once

#include "platform/win32.h"

namespace talven {

// Blocks until the driver completes the request. Returns FALSE on failure,
// with the cause in the thread's last error. `bytesReturned` may be null.
BOOL SendSyncRequest(HANDLE device, DWORD code, LPVOID input, DWORD inputSize, LPVOID output, DWORD outputSize,
                     LPDWORD bytesReturned);

// Sends with `overlapped` and, when the driver pends it, waits for the
// completion. Returns the request's Win32 error, 0 when it succeeded (what a
// control operation reports as its OperationStatus). A failure never reads 0:
// one without a recorded cause is ERROR_GEN_FAILURE.
DWORD SendOverlappedRequest(HANDLE device, DWORD code, LPVOID input, DWORD inputSize, LPVOID output,
                            DWORD outputSize, LPOVERLAPPED overlapped, LPDWORD bytesReturned);

}  // namespace talven
