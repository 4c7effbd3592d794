// Trace providers and the controller that enables and disables them through
// their callbacks, as the trace system does.
#include <atomic>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/host/host_trace.h"
#include "platform/host/trace_session_state.h"

namespace host {
namespace {

struct Provider {
    TRACEHANDLE registration;
    WMIDPREQUEST callback;
    PVOID context;
    GUID controlGuid;
};

struct ProviderRegistry {
    // Held while callbacks run, so that UnregisterTraceGuids waits for a
    // running callback and none starts after it returns. Recursive because a
    // callback may itself call into tracing.
    std::recursive_mutex mutex;
    std::vector<Provider> providers;
    TRACEHANDLE nextRegistration = 1;
    USHORT nextLoggerId = 1;
    ULONG registrationError = ERROR_SUCCESS;
};

ProviderRegistry& Registry() {
    static ProviderRegistry* registry = new ProviderRegistry;  // outlives every static destructor
    return *registry;
}

// The logger handle of the enabled session, 0 when none is; read by
// TraceMessage without taking the registry's lock.
std::atomic<TRACEHANDLE> activeLogger{0};

ULONG Call(const Provider& provider, ULONG requestCode, TRACEHANDLE logger) {
    TraceEnableBuffer buffer{};
    buffer.BufferSize = sizeof(buffer);
    buffer.HistoricalContext = logger;
    buffer.Guid = provider.controlGuid;
    buffer.Flags = kTracedGuidFlag;
    ULONG bufferSize = sizeof(buffer);
    return provider.callback(static_cast<WMIDPREQUESTCODE>(requestCode), provider.context, &bufferSize, &buffer);
}

// Sends a request to every provider; the first nonzero answer is the result.
ULONG CallAll(ProviderRegistry& registry, ULONG requestCode, TRACEHANDLE logger) {
    ULONG result = ERROR_SUCCESS;
    const std::vector<Provider> providers = registry.providers;  // a callback may unregister
    for (const Provider& provider : providers) {
        const ULONG answer = Call(provider, requestCode, logger);
        if (result == ERROR_SUCCESS) {
            result = answer;
        }
    }
    return result;
}

}  // namespace

bool IsActiveLogger(TRACEHANDLE logger) {
    return logger != 0 && logger == activeLogger.load();
}

ULONG TraceSession::Enable(UCHAR level, ULONG flags) {
    ProviderRegistry& registry = Registry();
    std::lock_guard lock(registry.mutex);
    // Each enable is a new logger, so a handle from an earlier one is stale.
    const TRACEHANDLE logger = EncodeLogger(registry.nextLoggerId, level, flags);
    registry.nextLoggerId = static_cast<USHORT>(registry.nextLoggerId % 0xFFFF + 1);
    activeLogger.store(logger);
    return CallAll(registry, WMI_ENABLE_EVENTS, logger);
}

ULONG TraceSession::Disable() {
    ProviderRegistry& registry = Registry();
    std::lock_guard lock(registry.mutex);
    return CallAll(registry, WMI_DISABLE_EVENTS, activeLogger.exchange(0));
}

ULONG TraceSession::SendRequest(ULONG requestCode) {
    ProviderRegistry& registry = Registry();
    std::lock_guard lock(registry.mutex);
    return CallAll(registry, requestCode, activeLogger.load());
}

bool TraceSession::ProviderRegistered(const GUID& controlGuid) {
    ProviderRegistry& registry = Registry();
    std::lock_guard lock(registry.mutex);
    for (const Provider& provider : registry.providers) {
        if (provider.controlGuid == controlGuid) {
            return true;
        }
    }
    return false;
}

void TraceSession::FailRegistration(ULONG error) {
    ProviderRegistry& registry = Registry();
    std::lock_guard lock(registry.mutex);
    registry.registrationError = error;
}

}  // namespace host

// A provider that registers while a session is enabled is enabled before the
// registration returns, so that its first messages are not lost.
extern "C" ULONG WINAPI RegisterTraceGuidsW(WMIDPREQUEST requestAddress, PVOID requestContext, LPCGUID controlGuid,
                                            ULONG, PTRACE_GUID_REGISTRATION, LPCWSTR, LPCWSTR,
                                            PTRACEHANDLE registrationHandle) {
    if (requestAddress == nullptr || controlGuid == nullptr || registrationHandle == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    host::ProviderRegistry& registry = host::Registry();
    std::lock_guard lock(registry.mutex);
    if (registry.registrationError != ERROR_SUCCESS) {
        return registry.registrationError;
    }
    const host::Provider provider{registry.nextRegistration++, requestAddress, requestContext, *controlGuid};
    registry.providers.push_back(provider);
    *registrationHandle = provider.registration;
    if (const TRACEHANDLE logger = host::activeLogger.load()) {
        host::Call(provider, WMI_ENABLE_EVENTS, logger);
    }
    return ERROR_SUCCESS;
}

extern "C" ULONG WINAPI UnregisterTraceGuids(TRACEHANDLE registrationHandle) {
    host::ProviderRegistry& registry = host::Registry();
    std::lock_guard lock(registry.mutex);
    const auto removed = std::erase_if(registry.providers, [registrationHandle](const host::Provider& provider) {
        return provider.registration == registrationHandle;
    });
    return removed == 0 ? ERROR_INVALID_HANDLE : ERROR_SUCCESS;
}
