// FinishCapture and Cancel: the end of a pending capture, normally or
// from the service's other thread.
#include "adapter/device_error.h"
#include "adapter/device_request.h"
#include "adapter/request_codes.h"
#include "sensor/sensor_messages.h"
#include "sensor/sensor_slots.h"
#include "sensor/sensor_trace.h"

namespace talven::sensor {

namespace {

using namespace sensor_message;

constexpr BYTE kNoFreeSlot = 0;

// The first enrollment capture after Activate asks whether the chip still
// has room for the template, so the user is not asked for every sample of
// an enrollment that cannot be stored.
HRESULT AskForFreeSlot(PWINBIO_PIPELINE pipeline, SensorAdapterContext& context) {
    BYTE answer = 0xFF;
    if (!SendSyncRequest(pipeline->SensorHandle, IOCTL_VENDOR_HAS_FREE_SLOT, nullptr, 0, &answer, sizeof answer,
                         nullptr)) {
        const DWORD error = GetLastError();
        TraceError(SensorTraceUnit, FinishCaptureFreeSlotFailed, context.UnitTraceId, error);
        return MapDeviceError(error);
    }
    TraceInfo(SensorTraceUnit, FinishCaptureFreeSlotAnswer, context.UnitTraceId, answer);
    context.CheckFreeSlot = 0;
    return answer == kNoFreeSlot ? WINBIO_E_DATABASE_FULL : S_OK;
}

// The status byte and the sample size both come from the device; a reply
// whose sample does not fit the capture buffer counts as a bad capture and
// is never read past.
BYTE ChipStatusOf(const SensorAdapterContext& context) {
    const std::span<const uint8_t> reply(context.CaptureBuffer, context.CaptureBufferSize);
    const BYTE status = CaptureStatus(reply);
    if (status != CaptureStatusBad && status != CaptureStatusNoData && CaptureSample(reply).empty()) {
        return CaptureStatusBad;
    }
    return status;
}

HRESULT JudgeCapture(PWINBIO_PIPELINE pipeline, SensorAdapterContext& context, PWINBIO_REJECT_DETAIL rejectDetail) {
    context.CaptureDone = 1;
    context.CaptureStatus = ChipStatusOf(context);
    // Bad and empty captures come first: they do not use up the free-slot question.
    if (context.CaptureStatus == CaptureStatusBad || context.CaptureStatus == CaptureStatusNoData) {
        *rejectDetail = WINBIO_FP_POOR_QUALITY;
        return context.CaptureStatus == CaptureStatusBad ? WINBIO_E_BAD_CAPTURE : WINBIO_E_NO_CAPTURE_DATA;
    }
    if (context.CapturePurpose == WINBIO_PURPOSE_ENROLL && context.CheckFreeSlot != 0) {
        return AskForFreeSlot(pipeline, context);
    }
    return S_OK;
}

HRESULT WaitForCapture(PWINBIO_PIPELINE pipeline, SensorAdapterContext& context, PWINBIO_REJECT_DETAIL rejectDetail) {
    SetLastError(ERROR_SUCCESS);
    DWORD returned = 0;
    if (GetOverlappedResult(pipeline->SensorHandle, &context.CaptureOverlapped, &returned, TRUE)) {
        return JudgeCapture(pipeline, context, rejectDetail);
    }
    const DWORD error = GetLastError();
    TraceError(SensorTraceUnit, FinishCaptureWaitFailed, context.UnitTraceId, error);
    return error == ERROR_DEVICE_NOT_AVAILABLE ? HRESULT_FROM_WIN32(ERROR_DEVICE_NOT_AVAILABLE) : MapDeviceError(error);
}

}  // namespace

HRESULT WINAPI FinishCapture(PWINBIO_PIPELINE Pipeline, PWINBIO_REJECT_DETAIL RejectDetail) {
    if (Pipeline == nullptr || RejectDetail == nullptr) return SensorEarlyExit(FinishCaptureEarlyExit, E_POINTER);
    *RejectDetail = 0;
    SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(FinishCaptureEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);

    HRESULT result = context->CaptureBuffer != nullptr ? WaitForCapture(Pipeline, *context, RejectDetail)
                                                         : WINBIO_E_NO_CAPTURE_DATA;
    SensorExit(*context, FinishCaptureExit, result);
    // Whatever the driver made of the request, the service asked to stop.
    if (CancelRequested(*context) != 0 && result != WINBIO_E_CANCELED) {
        TraceInfo(SensorTraceUnit, FinishCaptureForcedCanceled, context->UnitTraceId, result);
        result = WINBIO_E_CANCELED;
    }
    SetCancelRequested(*context, 0);
    return result;
}

HRESULT WINAPI Cancel(PWINBIO_PIPELINE Pipeline) {
    TraceInfo(SensorTraceUnit, CancelEntry);
    if (Pipeline == nullptr) return SensorEarlyExit(CancelEarlyExit, E_POINTER);
    SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr || Pipeline->SensorHandle == INVALID_HANDLE_VALUE) {
        return SensorEarlyExit(CancelEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    }
    // Every request of this process on the handle: the capture, or a
    // request of the other adapters that keeps the sensor busy.
    if (CancelIoEx(Pipeline->SensorHandle, nullptr)) {
        SetCancelRequested(*context, 1);
        TraceInfo(SensorTraceUnit, CancelIssued, context->UnitTraceId);
        return SensorExit(*context, CancelExit, S_OK);
    }
    const DWORD error = GetLastError();
    return SensorExit(*context, CancelExit, error == ERROR_NOT_FOUND ? S_OK : MapDeviceError(error));
}

}  // namespace talven::sensor
