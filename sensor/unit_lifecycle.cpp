// NotifyPowerChange, PipelineInit/Cleanup, Activate, Deactivate and
// QueryExtendedInfo: the slots around the use of a unit.
#include "sensor/sensor_messages.h"
#include "sensor/sensor_slots.h"
#include "sensor/sensor_trace.h"

namespace talven::sensor {

namespace {

using namespace sensor_message;

// PBT_APMSUSPEND, PBT_APMPOWERSTATUSCHANGE, PBT_APMRESUMEAUTOMATIC.
constexpr ULONG kKnownPowerEvents[] = {4, 10, 18};
// GenericSensorCapabilities and Factor.
constexpr SIZE_T kExtendedInfoWritten = 8;

HRESULT ContextOnly(PWINBIO_PIPELINE pipeline, USHORT exit, USHORT earlyExit) {
    if (pipeline == nullptr) return SensorEarlyExit(earlyExit, E_POINTER);
    const SensorAdapterContext* context = SensorContextOf(pipeline);
    if (context == nullptr) return SensorEarlyExit(earlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    return SensorExit(*context, exit, S_OK);
}

}  // namespace

HRESULT WINAPI NotifyPowerChange(PWINBIO_PIPELINE Pipeline, ULONG PowerEventType) {
    if (Pipeline == nullptr) return SensorEarlyExit(NotifyPowerChangeEarlyExit, E_POINTER);
    const SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(NotifyPowerChangeEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    // The chip keeps its state across suspend and resume by itself.
    bool known = false;
    for (ULONG event : kKnownPowerEvents) known = known || event == PowerEventType;
    return SensorExit(*context, NotifyPowerChangeExit, known ? S_OK : E_INVALIDARG);
}

HRESULT WINAPI PipelineInit(PWINBIO_PIPELINE Pipeline) {
    return ContextOnly(Pipeline, PipelineInitExit, PipelineInitEarlyExit);
}

HRESULT WINAPI PipelineCleanup(PWINBIO_PIPELINE Pipeline) {
    return ContextOnly(Pipeline, PipelineCleanupExit, PipelineCleanupEarlyExit);
}

HRESULT WINAPI Activate(PWINBIO_PIPELINE Pipeline) {
    if (Pipeline == nullptr) return SensorEarlyExit(ActivateEarlyExit, E_POINTER);
    SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr || Pipeline->SensorHandle == INVALID_HANDLE_VALUE) {
        return SensorEarlyExit(ActivateEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    }
    ResetCaptureState(*context);
    return SensorExit(*context, ActivateExit, S_OK);
}

HRESULT WINAPI Deactivate(PWINBIO_PIPELINE Pipeline) {
    if (Pipeline == nullptr) return SensorEarlyExit(DeactivateEarlyExit, E_POINTER);
    SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(DeactivateEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    // The negotiated format, the attributes and the export buffer stay. A
    // buffer the driver may still write into stays too, until it is done.
    if (context->CaptureBuffer != nullptr && !CapturePending(*context)) {
        HeapFree(GetProcessHeap(), 0, context->CaptureBuffer);
        context->CaptureBuffer = nullptr;
    }
    return SensorExit(*context, DeactivateExit, S_OK);
}

HRESULT WINAPI QueryExtendedInfo(PWINBIO_PIPELINE Pipeline, PWINBIO_EXTENDED_SENSOR_INFO SensorInfo,
                                 SIZE_T SensorInfoSize) {
    if (Pipeline == nullptr || SensorInfo == nullptr) return SensorEarlyExit(QueryExtendedInfoEarlyExit, E_POINTER);
    const SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(QueryExtendedInfoEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    if (SensorInfoSize < kExtendedInfoWritten) return SensorExit(*context, QueryExtendedInfoExit, E_INVALIDARG);
    // Only the two leading fields: the caller's record may be no larger.
    SensorInfo->GenericSensorCapabilities = 0;
    SensorInfo->Factor = WINBIO_TYPE_FINGERPRINT;
    return SensorExit(*context, QueryExtendedInfoExit, S_OK);
}

}  // namespace talven::sensor
