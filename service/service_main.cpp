#include "service/service_main.h"

#include "diag/msg.h"
#include "service/service_status.h"

namespace talven {

VOID WINAPI ServiceMain(DWORD, LPWSTR*) {
    ServiceStatusHandle = RegisterServiceCtrlHandlerW(kServiceName, ServiceCtrlHandler);
    if (ServiceStatusHandle == nullptr) {
        CMsg::Instance().Log(0, "ServiceMain", 378, "RegisterServiceCtrlHandler failed. LastErr: %d",
                             static_cast<INT>(GetLastError()));
        return;
    }
    ServiceStatusRecord.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    ServiceStatusRecord.dwCurrentState = SERVICE_STOPPED;
    ServiceStatusRecord.dwControlsAccepted =
        SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE | SERVICE_ACCEPT_SHUTDOWN;
    ServiceStatusRecord.dwWin32ExitCode = 0;
    ServiceStatusRecord.dwServiceSpecificExitCode = 0;
    ServiceStatusRecord.dwCheckPoint = 0;
    ServiceStatusRecord.dwWaitHint = 0;
    SetServiceStatus(ServiceStatusHandle, &ServiceStatusRecord);
    CMsg::Instance().Log(2, "ServiceMain", 393, "SetServiceStatus(SERVICE_STOPPED)");
}

}  // namespace talven
