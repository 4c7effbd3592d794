// StartCapture: format negotiation on the first capture, then the
// overlapped capture request that the service waits on.
#include <cstring>

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

bool FormatUnset(const WINBIO_REGISTERED_FORMAT& format) {
    return format.Owner == 0 && format.Type == 0;
}

bool SensorSupports(const WINBIO_SENSOR_ATTRIBUTES& attributes, const WINBIO_REGISTERED_FORMAT& format) {
    // The record has room for one entry, whatever count the driver claims.
    constexpr DWORD room = sizeof attributes.SupportedFormat / sizeof attributes.SupportedFormat[0];
    const DWORD entries = attributes.SupportedFormatEntries < room ? attributes.SupportedFormatEntries : room;
    for (DWORD i = 0; i < entries; ++i) {
        const WINBIO_REGISTERED_FORMAT& supported = attributes.SupportedFormat[i];
        if (supported.Owner == format.Owner && supported.Type == format.Type) return true;
    }
    return false;
}

HRESULT ReadSensorAttributes(PWINBIO_PIPELINE pipeline, SensorAdapterContext& context) {
    const DWORD error = SendStandardRequest(pipeline->SensorHandle, IOCTL_BIOMETRIC_GET_ATTRIBUTES,
                                            &context.SensorAttributes, context.SensorAttributesSize,
                                            AttributesReplyMinimum);
    if (error == ERROR_SUCCESS) return context.SensorAttributes.WinBioHresult;
    TraceError(SensorTraceUnit, StartCaptureAttributesFailed, context.UnitTraceId, error);
    return MapDeviceError(error);
}

// Asks the engine which format it wants and keeps it when the sensor can
// deliver it, ANSI-381 otherwise. The engine writes straight into the
// context, so a failed attribute read leaves its choice in place and the
// negotiation is not repeated.
HRESULT NegotiateFormat(PWINBIO_PIPELINE pipeline, SensorAdapterContext& context) {
    if (pipeline->EngineInterface == nullptr) return E_POINTER;
    if (pipeline->EngineInterface->QueryPreferredFormat == nullptr) return E_NOTIMPL;
    const HRESULT preferred =
        pipeline->EngineInterface->QueryPreferredFormat(pipeline, &context.CaptureFormat, &context.VendorFormat);
    if (FAILED(preferred)) {
        TraceInfo(SensorTraceUnit, StartCaptureFormatFailed, context.UnitTraceId);
        return preferred;
    }
    const HRESULT attributes = ReadSensorAttributes(pipeline, context);
    if (FAILED(attributes)) return attributes;
    if (!SensorSupports(context.SensorAttributes, context.CaptureFormat)) {
        context.CaptureFormat = {WINBIO_ANSI_381_FORMAT_OWNER, WINBIO_ANSI_381_FORMAT_TYPE};
    }
    return S_OK;
}

HRESULT PrepareCaptureBuffer(SensorAdapterContext& context) {
    if (context.CaptureBuffer != nullptr) {
        std::memset(context.CaptureBuffer, 0, context.CaptureBufferSize);
        return S_OK;
    }
    context.CaptureBuffer = static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, context.CaptureBufferSize));
    if (context.CaptureBuffer != nullptr) return S_OK;
    TraceError(SensorTraceUnit, StartCaptureBufferFailed, context.UnitTraceId);
    return E_OUTOFMEMORY;
}

HRESULT SendCaptureRequest(PWINBIO_PIPELINE pipeline, SensorAdapterContext& context) {
    BYTE parameters[CaptureParametersSize];
    BuildCaptureParameters(parameters, context.CapturePurpose, context.CaptureFormat, context.VendorFormat);
    DWORD returned = 0;
    if (DeviceIoControl(pipeline->SensorHandle, IOCTL_BIOMETRIC_CAPTURE_DATA, parameters, sizeof parameters,
                        context.CaptureBuffer, context.CaptureBufferSize, &returned, &context.CaptureOverlapped) ||
        GetLastError() == ERROR_IO_PENDING) {
        return S_OK;
    }
    const DWORD error = GetLastError();
    TraceError(SensorTraceUnit, StartCaptureRequestFailed, context.UnitTraceId, error);
    return MapDeviceError(error);
}

HRESULT StartCaptureIn(PWINBIO_PIPELINE pipeline, SensorAdapterContext& context) {
    if (FormatUnset(context.CaptureFormat)) {
        if (const HRESULT negotiated = NegotiateFormat(pipeline, context); FAILED(negotiated)) return negotiated;
    }
    if (const HRESULT prepared = PrepareCaptureBuffer(context); FAILED(prepared)) return prepared;
    return SendCaptureRequest(pipeline, context);
}

}  // namespace

HRESULT WINAPI StartCapture(PWINBIO_PIPELINE Pipeline, WINBIO_BIR_PURPOSE Purpose, LPOVERLAPPED* Overlapped) {
    if (Pipeline == nullptr || Purpose == WINBIO_NO_PURPOSE_AVAILABLE || Overlapped == nullptr) {
        return SensorEarlyExit(StartCaptureEarlyExit, E_POINTER);
    }
    *Overlapped = nullptr;
    SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(StartCaptureEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);

    TraceInfo(SensorTraceUnit, StartCapturePurpose, context->UnitTraceId, Purpose);
    // A Cancel that came between two captures must not end this one.
    SetCancelRequested(*context, 0);
    context->CapturePurpose = Purpose;
    const HRESULT result = StartCaptureIn(Pipeline, *context);
    if (SUCCEEDED(result)) *Overlapped = &context->CaptureOverlapped;
    return SensorExit(*context, StartCaptureExit, result);
}

}  // namespace talven::sensor
