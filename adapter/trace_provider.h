// The module's event-trace provider: its control block, the list head that
// every trace point tests first, registration and the enable callback.
#pragma once

#include <cstddef>

#include "platform/win32.h"

namespace talven {

// One per module, in static storage. The field order is the one the trace
// decoder and our own tools expect of a classic provider control block.
struct TraceProvider {
    TraceProvider* Next;            // always null: the module has one provider
    TRACEHANDLE RegistrationHandle; // 0 while not registered
    TRACEHANDLE Logger;             // session handle; 0 while disabled
    UCHAR FlagsLength;              // 1: one 32-bit flags word
    UCHAR Level;                    // enable level; 0 while disabled
    USHORT Options;                 // 0
    ULONG Flags;                    // enable flags; 0 while disabled
    LPCGUID ControlGuid;
};
static_assert(offsetof(TraceProvider, Next) == 0);
static_assert(offsetof(TraceProvider, RegistrationHandle) == 8);
static_assert(offsetof(TraceProvider, Logger) == 16);
static_assert(offsetof(TraceProvider, FlagsLength) == 24);
static_assert(offsetof(TraceProvider, Level) == 25);
static_assert(offsetof(TraceProvider, Options) == 26);
static_assert(offsetof(TraceProvider, Flags) == 28);
static_assert(offsetof(TraceProvider, ControlGuid) == 32);
static_assert(sizeof(TraceProvider) == 40);

// The module's control block.
extern TraceProvider TraceControlBlock;
// Points at itself while the provider is not registered, at the control
// block after registration.
extern void* TraceProviderListHead;

// Process attach: fills the control block and registers it. A failed
// registration leaves tracing off; the module still loads.
void RegisterTraceProvider();
// Process detach: unregisters every registered block and marks the list
// unregistered again.
void UnregisterTraceProvider();
bool TraceProviderRegistered();

// The enable callback the trace system calls with request codes 4 (enable)
// and 5 (disable); `context` is the control block.
ULONG WINAPI TraceProviderControl(WMIDPREQUESTCODE requestCode, PVOID context, ULONG* bufferSize, PVOID buffer);

// The trace gate: registered, flag bit 0 set and the session level at least
// `level`. Read afresh at every trace point.
bool TraceGateOpen(UCHAR level);
TRACEHANDLE TraceLogger();

}  // namespace talven
