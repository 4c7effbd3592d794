#include "adapter/trace_provider.h"

#include <atomic>

#include "adapter/trace_units.h"

namespace talven {

TraceProvider TraceControlBlock{};
// Constant-initialised, so that the marker is in place before any module
// constructor can reach a trace point.
constinit void* TraceProviderListHead = &TraceProviderListHead;

namespace {

// The enable callback runs on a thread of the trace system while trace
// points read the same fields; relaxed atomic access keeps the plain layout
// and makes the race (a message may be emitted or dropped) well defined.
template <typename T>
T Load(T& field) {
    return std::atomic_ref<T>(field).load(std::memory_order_relaxed);
}
template <typename T>
void Store(T& field, T value) {
    std::atomic_ref<T>(field).store(value, std::memory_order_relaxed);
}

TraceProvider* RegisteredBlock() {
    void* head = std::atomic_ref<void*>(TraceProviderListHead).load(std::memory_order_acquire);
    if (head == &TraceProviderListHead) return nullptr;
    return static_cast<TraceProvider*>(head);
}

}  // namespace

void RegisterTraceProvider() {
    TraceProvider& block = TraceControlBlock;
    block.Next = nullptr;
    block.RegistrationHandle = 0;
    Store(block.Logger, TRACEHANDLE{0});
    block.FlagsLength = 1;
    Store(block.Level, UCHAR{0});
    block.Options = 0;
    Store(block.Flags, ULONG{0});
    block.ControlGuid = &TraceProviderControlGuid;
    std::atomic_ref<void*>(TraceProviderListHead).store(&block, std::memory_order_release);

    TRACE_GUID_REGISTRATION registration{&TraceProviderControlGuid, nullptr};
    // A failure leaves the handle 0 and the flags 0: the gate stays shut.
    RegisterTraceGuidsW(TraceProviderControl, &block, &TraceProviderControlGuid, 1, &registration, nullptr, nullptr,
                        &block.RegistrationHandle);
}

void UnregisterTraceProvider() {
    for (TraceProvider* block = RegisteredBlock(); block != nullptr; block = block->Next) {
        if (block->RegistrationHandle != 0) {
            UnregisterTraceGuids(block->RegistrationHandle);
            block->RegistrationHandle = 0;
        }
    }
    std::atomic_ref<void*>(TraceProviderListHead).store(&TraceProviderListHead, std::memory_order_release);
}

bool TraceProviderRegistered() {
    return RegisteredBlock() != nullptr;
}

ULONG WINAPI TraceProviderControl(WMIDPREQUESTCODE requestCode, PVOID context, ULONG* bufferSize, PVOID buffer) {
    if (bufferSize != nullptr) *bufferSize = 0;
    TRACEHANDLE logger = 0;
    UCHAR level = 0;
    ULONG flags = 0;
    switch (requestCode) {
        case WMI_ENABLE_EVENTS:
            logger = GetTraceLoggerHandle(buffer);
            level = GetTraceEnableLevel(logger);
            flags = GetTraceEnableFlags(logger);
            break;
        case WMI_DISABLE_EVENTS:
            break;
        default:
            return ERROR_INVALID_PARAMETER;
    }
    auto& block = *static_cast<TraceProvider*>(context);
    Store(block.Logger, logger);
    Store(block.Level, level);
    Store(block.Flags, flags);
    return ERROR_SUCCESS;
}

bool TraceGateOpen(UCHAR level) {
    TraceProvider* block = RegisteredBlock();
    return block != nullptr && (Load(block->Flags) & 1u) != 0 && Load(block->Level) >= level;
}

TRACEHANDLE TraceLogger() {
    TraceProvider* block = RegisteredBlock();
    return block == nullptr ? 0 : Load(block->Logger);
}

}  // namespace talven
