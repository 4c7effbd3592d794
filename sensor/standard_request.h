// The synchronous standard requests of the sensor slots (status, reset,
// attributes), each accepted only when enough of its reply came back.
#pragma once

#include "platform/win32.h"

namespace talven {

// ERROR_SUCCESS when the request succeeded with at least `minimum` bytes;
// otherwise its Win32 error. A short reply reads as ERROR_GEN_FAILURE rather
// than whatever the thread's last error happened to hold.
DWORD SendStandardRequest(HANDLE sensor, DWORD code, LPVOID reply, DWORD replySize, DWORD minimum);

}  // namespace talven
