// The host's service control manager: the dispatcher runs the service's
// main function on a thread of its own and waits until the service has
// stopped; the control handler is called by tests through SendControl.
#include <condition_variable>
#include <mutex>
#include <thread>

#include "host_service.h"
#include "win32_errors.h"
#include "win32_process.h"
#include "win32_sync.h"

namespace {

// The one handle the host gives out; any other is refused.
SERVICE_STATUS_HANDLE const kStatusHandle = reinterpret_cast<SERVICE_STATUS_HANDLE>(0x5C00);

struct Manager {
    std::mutex lock;
    std::condition_variable changed;
    DWORD dispatcherError = 0;
    DWORD registrationError = 0;
    std::vector<std::u16string> dispatched;
    LPHANDLER_FUNCTION handler = nullptr;
    std::u16string handlerName;
    std::vector<SERVICE_STATUS> reports;
    bool stopped = false;
    DWORD serviceMainThread = 0;
};

Manager& TheManager() {
    static Manager manager;
    return manager;
}

std::u16string TextOf(LPCWSTR text) {
    std::u16string copy;
    for (; text != nullptr && *text != 0; ++text) copy += *text;
    return copy;
}

}  // namespace

extern "C" {

BOOL WINAPI StartServiceCtrlDispatcherW(const SERVICE_TABLE_ENTRYW* serviceStartTable) {
    Manager& manager = TheManager();
    {
        std::lock_guard guard(manager.lock);
        if (manager.dispatcherError != 0) {
            SetLastError(manager.dispatcherError);
            return FALSE;
        }
    }
    if (serviceStartTable == nullptr || serviceStartTable[0].lpServiceName == nullptr ||
        serviceStartTable[0].lpServiceProc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    {
        std::lock_guard guard(manager.lock);
        manager.dispatched.clear();
        for (auto* entry = serviceStartTable; entry->lpServiceName != nullptr; ++entry) {
            manager.dispatched.push_back(TextOf(entry->lpServiceName));
        }
        manager.handler = nullptr;
        manager.stopped = false;
    }
    // Windows hands the service its own name as the only argument.
    LPWSTR arguments[] = {serviceStartTable[0].lpServiceName};
    LPSERVICE_MAIN_FUNCTIONW serviceMain = serviceStartTable[0].lpServiceProc;
    std::thread worker([&] {
        {
            std::lock_guard guard(manager.lock);
            manager.serviceMainThread = GetCurrentThreadId();
        }
        serviceMain(1, arguments);
    });
    worker.join();
    std::unique_lock guard(manager.lock);
    manager.changed.wait(guard, [&] { return manager.stopped || manager.handler == nullptr; });
    return TRUE;
}

SERVICE_STATUS_HANDLE WINAPI RegisterServiceCtrlHandlerW(LPCWSTR serviceName, LPHANDLER_FUNCTION handler) {
    Manager& manager = TheManager();
    std::lock_guard guard(manager.lock);
    if (manager.registrationError != 0) {
        SetLastError(manager.registrationError);
        return nullptr;
    }
    if (serviceName == nullptr || handler == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    manager.handler = handler;
    manager.handlerName = TextOf(serviceName);
    return kStatusHandle;
}

BOOL WINAPI SetServiceStatus(SERVICE_STATUS_HANDLE statusHandle, LPSERVICE_STATUS status) {
    Manager& manager = TheManager();
    {
        std::lock_guard guard(manager.lock);
        if (statusHandle != kStatusHandle || manager.handler == nullptr) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        if (status == nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        manager.reports.push_back(*status);
        manager.stopped = status->dwCurrentState == SERVICE_STOPPED;
    }
    manager.changed.notify_all();
    return TRUE;
}

}  // extern "C"

namespace host {

void ServiceControlManager::Reset() {
    Manager& manager = TheManager();
    std::lock_guard guard(manager.lock);
    manager.dispatcherError = 0;
    manager.registrationError = 0;
    manager.dispatched.clear();
    manager.handler = nullptr;
    manager.handlerName.clear();
    manager.reports.clear();
    manager.stopped = false;
    manager.serviceMainThread = 0;
}

void ServiceControlManager::FailDispatcher(DWORD error) {
    Manager& manager = TheManager();
    std::lock_guard guard(manager.lock);
    manager.dispatcherError = error;
}

void ServiceControlManager::FailHandlerRegistration(DWORD error) {
    Manager& manager = TheManager();
    std::lock_guard guard(manager.lock);
    manager.registrationError = error;
}

std::vector<std::u16string> ServiceControlManager::DispatchedServices() {
    Manager& manager = TheManager();
    std::lock_guard guard(manager.lock);
    return manager.dispatched;
}

std::optional<std::u16string> ServiceControlManager::HandlerServiceName() {
    Manager& manager = TheManager();
    std::lock_guard guard(manager.lock);
    if (manager.handler == nullptr) return std::nullopt;
    return manager.handlerName;
}

bool ServiceControlManager::SendControl(DWORD control) {
    LPHANDLER_FUNCTION handler;
    {
        Manager& manager = TheManager();
        std::lock_guard guard(manager.lock);
        handler = manager.handler;
    }
    if (handler == nullptr) return false;
    handler(control);
    return true;
}

std::vector<SERVICE_STATUS> ServiceControlManager::StatusReports() {
    Manager& manager = TheManager();
    std::lock_guard guard(manager.lock);
    return manager.reports;
}

DWORD ServiceControlManager::ServiceMainThreadId() {
    Manager& manager = TheManager();
    std::lock_guard guard(manager.lock);
    return manager.serviceMainThread;
}

}  // namespace host
