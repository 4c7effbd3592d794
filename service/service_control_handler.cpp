#include "diag/msg.h"
#include "service/service_main.h"
#include "service/service_status.h"

namespace talven {

VOID WINAPI ServiceCtrlHandler(DWORD control) {
    CMsg& log = CMsg::Instance();
    switch (control) {
        case SERVICE_CONTROL_STOP:
            log.Log(2, "ServiceCtrlHandler", 338, "SERVICE_CONTROL_STOP");
            ServiceStatusRecord.dwCurrentState = SERVICE_STOPPED;
            ServiceStatusRecord.dwWin32ExitCode = 0;
            break;
        case SERVICE_CONTROL_SHUTDOWN:
            log.Log(2, "ServiceCtrlHandler", 344, "SERVICE_CONTROL_SHUTDOWN");
            ServiceStatusRecord.dwCurrentState = SERVICE_STOPPED;
            ServiceStatusRecord.dwWin32ExitCode = 0;
            break;
        case SERVICE_CONTROL_PAUSE:
            log.Log(2, "ServiceCtrlHandler", 350, "SERVICE_CONTROL_PAUSE");
            ServiceStatusRecord.dwCurrentState = SERVICE_PAUSED;
            break;
        case SERVICE_CONTROL_CONTINUE:
            log.Log(2, "ServiceCtrlHandler", 355, "SERVICE_CONTROL_CONTINUE");
            ServiceStatusRecord.dwCurrentState = SERVICE_RUNNING;
            break;
        default:
            log.Log(2, "ServiceCtrlHandler", 360, "dwControl: %#x dwCurrentState: %#x", static_cast<UINT>(control),
                    static_cast<UINT>(ServiceStatusRecord.dwCurrentState));
            break;
    }
    SetServiceStatus(ServiceStatusHandle, &ServiceStatusRecord);
}

}  // namespace talven
