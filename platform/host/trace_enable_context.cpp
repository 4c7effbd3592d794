// Decoding of the enable request a provider's callback receives.
#include "platform/host/trace_session_state.h"

extern "C" TRACEHANDLE WINAPI GetTraceLoggerHandle(PVOID buffer) {
    const auto* request = static_cast<const host::TraceEnableBuffer*>(buffer);
    if (request == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return static_cast<TRACEHANDLE>(-1);
    }
    if (request->BufferSize != sizeof(host::TraceEnableBuffer) || !(request->Flags & host::kTracedGuidFlag)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return static_cast<TRACEHANDLE>(-1);
    }
    return request->HistoricalContext;
}

extern "C" UCHAR WINAPI GetTraceEnableLevel(TRACEHANDLE logger) {
    return static_cast<UCHAR>((logger >> 16) & 0xFF);
}

extern "C" ULONG WINAPI GetTraceEnableFlags(TRACEHANDLE logger) {
    return static_cast<ULONG>(logger >> 32);
}
