// The module's entry point: the provider is registered for the module's whole
// lifetime, and the load and unload are the first and last messages.
#include "adapter/trace.h"

namespace {

constexpr USHORT ModuleLoaded = 10;
constexpr USHORT ModuleUnloading = 11;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            talven::RegisterTraceProvider();
            talven::TraceInfo(talven::ModuleEntryTraceUnit, ModuleLoaded);
            break;
        case DLL_PROCESS_DETACH:
            // The gate is shut once unregistered, so this goes first.
            talven::TraceInfo(talven::ModuleEntryTraceUnit, ModuleUnloading);
            talven::UnregisterTraceProvider();
            break;
        default:
            break;
    }
    // A failed registration only leaves tracing off; the load never fails.
    return TRUE;
}
