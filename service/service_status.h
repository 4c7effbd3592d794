// The service's one status record and the handle it is reported through,
// shared by ServiceMain (dispatcher thread) and the control handler (main
// thread). No lock: ServiceMain reports the service stopped at once, so no
// control is expected to overlap it.
#pragma once

#include "platform/win32.h"

namespace talven {

inline constexpr const WCHAR* kServiceName = WSTR("KvoMocUtil");

extern SERVICE_STATUS ServiceStatusRecord;
extern SERVICE_STATUS_HANDLE ServiceStatusHandle;

}  // namespace talven
