// Control side of the host's service control manager.
//
// StartServiceCtrlDispatcherW runs the first service of its table on a
// thread of its own, as Windows does, and returns once that service's main
// function has returned and the service has reported SERVICE_STOPPED. A
// service that returns without registering a control handler can report
// nothing, so for it the return of its main function is enough. Control codes
// are delivered by the test through SendControl, on the test's thread.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "win32_service.h"
#include "win32_types.h"

namespace host {

class ServiceControlManager {
public:
    // Forgets the handler, the recorded reports and injected failures.
    static void Reset();

    // Makes StartServiceCtrlDispatcherW fail with this last error (0: succeed).
    static void FailDispatcher(DWORD error);
    // Makes RegisterServiceCtrlHandlerW fail with this last error (0: succeed).
    static void FailHandlerRegistration(DWORD error);

    // The service names of the last dispatcher table, in table order.
    static std::vector<std::u16string> DispatchedServices();
    // The name the handler was registered for, if one is registered.
    static std::optional<std::u16string> HandlerServiceName();
    // Calls the registered handler with `control` on the calling thread.
    // Returns false when no handler is registered.
    static bool SendControl(DWORD control);

    // Every successful SetServiceStatus report, in order.
    static std::vector<SERVICE_STATUS> StatusReports();
    // The thread id ServiceMain ran on (0 before the dispatcher ran one).
    static DWORD ServiceMainThreadId();
};

}  // namespace host
