// What the host's trace session shares between provider control and message
// recording: the buffer handed to enable callbacks and the logger handle.
//
// The logger handle carries the session's enable state, as on Windows: the
// logger id in bits 0-15, the level in bits 16-23 and the enable flags in
// bits 32-63. GetTraceEnableLevel and GetTraceEnableFlags only decode it.
#pragma once

#include "platform/win32.h"

namespace host {

// The request buffer an enable callback receives, laid out as the header of
// a trace-control request: the logger handle travels in HistoricalContext.
struct TraceEnableBuffer {
    ULONG BufferSize;
    ULONG ProviderId;
    ULONG64 HistoricalContext;
    LONGLONG TimeStamp;
    GUID Guid;
    ULONG ClientContext;
    ULONG Flags;
};
static_assert(sizeof(TraceEnableBuffer) == 48);

constexpr ULONG kTracedGuidFlag = 0x00020000;

constexpr TRACEHANDLE EncodeLogger(USHORT loggerId, UCHAR level, ULONG flags) {
    return static_cast<TRACEHANDLE>(loggerId) | (static_cast<TRACEHANDLE>(level) << 16) |
           (static_cast<TRACEHANDLE>(flags) << 32);
}

// True when `logger` names the session that is enabled now.
bool IsActiveLogger(TRACEHANDLE logger);

}  // namespace host
