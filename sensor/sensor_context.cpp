#include "sensor/sensor_context.h"

#include <atomic>

namespace talven {

void SetCancelRequested(SensorAdapterContext& context, DWORD value) {
    std::atomic_ref<DWORD>(context.CancelRequested).store(value);
}

DWORD CancelRequested(SensorAdapterContext& context) {
    return std::atomic_ref<DWORD>(context.CancelRequested).load();
}

namespace {

// What the OVERLAPPED's status reads while its request is outstanding.
constexpr ULONG_PTR kStatusPending = 0x103;

}  // namespace

bool CapturePending(SensorAdapterContext& context) {
    // The driver writes the status from its own thread when it completes.
    return std::atomic_ref<ULONG_PTR>(context.CaptureOverlapped.Internal).load(std::memory_order_acquire) ==
           kStatusPending;
}

void ResetCaptureState(SensorAdapterContext& context) {
    context.CheckFreeSlot = 1;
    context.CaptureDone = 0;
    context.CaptureStatus = CaptureStatusNoData;
    context.CapturePurpose = WINBIO_NO_PURPOSE_AVAILABLE;
    SetCancelRequested(context, 0);
}

}  // namespace talven
