// The thread's last error: each thread has its own, as on Windows.
#include "platform/win32.h"

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
}

extern "C" DWORD WINAPI GetLastError(void) {
    return lastError;
}

extern "C" void WINAPI SetLastError(DWORD error) {
    lastError = error;
}
