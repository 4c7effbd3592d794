#include "service/entry_point.h"

#include "diag/msg.h"
#include "service/service_main.h"
#include "service/service_status.h"

extern "C" VOID WINAPI EntryPoint(void) {
    talven::CMsg& log = talven::CMsg::Instance();
    log.Log(2, "EntryPoint", 310, "EntryPoint");
    WCHAR serviceName[] = WSTR("KvoMocUtil");
    SERVICE_TABLE_ENTRYW table[] = {
        {serviceName, talven::ServiceMain},
        {nullptr, nullptr},
    };
    if (!StartServiceCtrlDispatcherW(table)) {
        log.Log(0, "EntryPoint", 324, "StartServiceCtrlDispatcher failed. LastErr: %d",
                static_cast<INT>(GetLastError()));
    }
}
