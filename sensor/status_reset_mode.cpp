// QueryStatus, Reset, SetMode and SetIndicatorStatus: the thin slots.
#include "adapter/device_error.h"
#include "adapter/request_codes.h"
#include "adapter/standard_replies.h"
#include "sensor/sensor_messages.h"
#include "sensor/sensor_slots.h"
#include "sensor/sensor_trace.h"
#include "sensor/standard_request.h"

namespace talven::sensor {

namespace {

using namespace sensor_message;

constexpr WINBIO_SENSOR_MODE kModeLimit = 5;  // modes 0-4 are known

}  // namespace

HRESULT WINAPI QueryStatus(PWINBIO_PIPELINE Pipeline, PWINBIO_SENSOR_STATUS Status) {
    if (Pipeline == nullptr || Status == nullptr) return SensorEarlyExit(QueryStatusEarlyExit, E_POINTER);
    *Status = WINBIO_SENSOR_STATUS_UNKNOWN;
    const SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(QueryStatusEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);

    WINBIO_DIAGNOSTICS diagnostics = {};
    const DWORD error = SendStandardRequest(Pipeline->SensorHandle, IOCTL_BIOMETRIC_GET_SENSOR_STATUS, &diagnostics,
                                            sizeof diagnostics, SensorStatusReplyMinimum);
    if (error == ERROR_SUCCESS) {
        *Status = diagnostics.SensorStatus;
        return SensorExit(*context, QueryStatusExit, S_OK);
    }
    TraceError(SensorTraceUnit, QueryStatusFailed, context->UnitTraceId, error);
    return SensorExit(*context, QueryStatusExit, MapDeviceError(error));
}

HRESULT WINAPI Reset(PWINBIO_PIPELINE Pipeline) {
    if (Pipeline == nullptr) return SensorEarlyExit(ResetEarlyExit, E_POINTER);
    const SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(ResetEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);

    WINBIO_BLANK_PAYLOAD reply = {};
    const DWORD error =
        SendStandardRequest(Pipeline->SensorHandle, IOCTL_BIOMETRIC_RESET, &reply, sizeof reply, ResetReplyMinimum);
    if (error == ERROR_SUCCESS) return SensorExit(*context, ResetExit, reply.WinBioHresult);
    TraceError(SensorTraceUnit, ResetFailed, context->UnitTraceId, error);
    return SensorExit(*context, ResetExit, MapDeviceError(error));
}

HRESULT WINAPI SetMode(PWINBIO_PIPELINE Pipeline, WINBIO_SENSOR_MODE Mode) {
    if (Pipeline == nullptr) return SensorEarlyExit(SetModeEarlyExit, E_POINTER);
    const SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(SetModeEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    TraceInfo(SensorTraceUnit, SetModeRequested, context->UnitTraceId, Mode);
    // The chip has a single way of working; a known mode needs nothing sent.
    return SensorExit(*context, SetModeExit, Mode < kModeLimit ? S_OK : WINBIO_E_INVALID_SENSOR_MODE);
}

HRESULT WINAPI SetIndicatorStatus(PWINBIO_PIPELINE Pipeline, WINBIO_INDICATOR_STATUS IndicatorStatus) {
    if (Pipeline == nullptr || IndicatorStatus == 0) return SensorEarlyExit(SetIndicatorStatusEarlyExit, E_POINTER);
    const SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(SetIndicatorStatusEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    // The sensor has no indicator to drive.
    const bool known = IndicatorStatus == WINBIO_INDICATOR_ON || IndicatorStatus == WINBIO_INDICATOR_OFF;
    return SensorExit(*context, SetIndicatorStatusExit, known ? S_OK : E_INVALIDARG);
}

}  // namespace talven::sensor
