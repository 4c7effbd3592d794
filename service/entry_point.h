// The service module's one export.
#pragma once

#include "platform/win32.h"

// Makes the calling thread the service's control dispatcher and returns
// once the service has stopped. Call it on the host process's main thread.
extern "C" VOID WINAPI EntryPoint(void);
