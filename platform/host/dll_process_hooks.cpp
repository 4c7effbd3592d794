// Compiled into each module: the shared-library constructor and destructor
// play the loader's part and call the module's DllMain with process attach
// and detach.
#include "platform/win32.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

__attribute__((constructor)) void OnModuleLoad() {
    DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void OnModuleUnload() {
    DllMain(nullptr, DLL_PROCESS_DETACH, nullptr);
}

}  // namespace
