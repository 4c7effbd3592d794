// The service's main function and its control handler.
#pragma once

#include "platform/win32.h"

namespace talven {

// Registers the handler and reports the service stopped at once: the
// module's only lasting work is done while it loads.
VOID WINAPI ServiceMain(DWORD argumentCount, LPWSTR* arguments);

// Moves the recorded state as each control asks, whatever it was before,
// and reports the whole record for every code.
VOID WINAPI ServiceCtrlHandler(DWORD control);

}  // namespace talven
