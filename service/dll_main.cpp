// Module entry of the service module: the autologger is registered while
// the module loads, before any export is called. Nothing is undone at
// unload: the settings are meant to outlive the process.
#include "platform/win32.h"
#include "service/autologger_registration.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) talven::RegisterAutologger();
    return TRUE;
}
