// ExportSensorData and PushDataToEngine: handing the captured sample on.
#include <cstring>

#include "sensor/sensor_messages.h"
#include "sensor/sensor_slots.h"
#include "sensor/sensor_trace.h"

namespace talven::sensor {

namespace {

using namespace sensor_message;

// The sample of the current capture reply, bounded by the capture buffer.
std::span<const uint8_t> CurrentSample(const SensorAdapterContext& context) {
    return CaptureSample({context.CaptureBuffer, context.CaptureBufferSize});
}

HRESULT MakeExportRoom(SensorAdapterContext& context, size_t size) {
    if (context.ExportBuffer != nullptr && context.ExportBufferSize >= size) return S_OK;
    void* grown = context.ExportBuffer == nullptr ? HeapAlloc(GetProcessHeap(), 0, size)
                                                  : HeapReAlloc(GetProcessHeap(), 0, context.ExportBuffer, size);
    if (grown == nullptr) return E_OUTOFMEMORY;
    context.ExportBuffer = static_cast<BYTE*>(grown);
    context.ExportBufferSize = size;
    return S_OK;
}

}  // namespace

HRESULT WINAPI ExportSensorData(PWINBIO_PIPELINE Pipeline, PWINBIO_BIR* SampleBuffer, PSIZE_T SampleSize) {
    if (Pipeline == nullptr || SampleBuffer == nullptr || SampleSize == nullptr) {
        return SensorEarlyExit(ExportSensorDataEarlyExit, E_POINTER);
    }
    *SampleSize = 0;
    *SampleBuffer = nullptr;
    SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(ExportSensorDataEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    if (context->CaptureBuffer == nullptr) return SensorExit(*context, ExportSensorDataExit, WINBIO_E_NO_CAPTURE_DATA);

    // A reply whose sample overruns the capture buffer has nothing to export.
    const std::span<const uint8_t> sample = CurrentSample(*context);
    if (sample.empty()) return SensorExit(*context, ExportSensorDataExit, WINBIO_E_NO_CAPTURE_DATA);
    if (const HRESULT room = MakeExportRoom(*context, sample.size()); FAILED(room)) {
        return SensorExit(*context, ExportSensorDataExit, room);
    }
    std::memcpy(context->ExportBuffer, sample.data(), sample.size());
    *SampleBuffer = reinterpret_cast<PWINBIO_BIR>(context->ExportBuffer);
    *SampleSize = sample.size();
    TraceInfo(SensorTraceUnit, ExportSensorDataSize, context->UnitTraceId, static_cast<ULONG>(sample.size()));
    return SensorExit(*context, ExportSensorDataExit, S_OK);
}

HRESULT WINAPI PushDataToEngine(PWINBIO_PIPELINE Pipeline, WINBIO_BIR_PURPOSE Purpose, WINBIO_BIR_DATA_FLAGS Flags,
                                PWINBIO_REJECT_DETAIL RejectDetail) {
    if (Pipeline == nullptr || RejectDetail == nullptr) return SensorEarlyExit(PushEarlyExit, E_POINTER);
    if (Purpose == WINBIO_NO_PURPOSE_AVAILABLE) return SensorEarlyExit(PushEarlyExit, E_INVALIDARG);
    *RejectDetail = 0;
    const SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(PushEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);

    TraceInfo(SensorTraceUnit, PushPurposeAndFlags, context->UnitTraceId, Purpose, Flags);
    if (context->CaptureDone == 0 || context->CaptureBuffer == nullptr) {
        return SensorExit(*context, PushExit, WINBIO_E_NO_CAPTURE_DATA);
    }
    if (context->CaptureStatus == CaptureStatusBad || context->CaptureStatus == CaptureStatusNoData) {
        *RejectDetail = WINBIO_FP_POOR_QUALITY;
        return SensorExit(*context, PushExit, WINBIO_E_BAD_CAPTURE);
    }
    const std::span<const uint8_t> sample = CurrentSample(*context);
    if (sample.empty()) return SensorExit(*context, PushExit, WINBIO_E_NO_CAPTURE_DATA);
    TraceInfo(SensorTraceUnit, PushSampleSize, context->UnitTraceId, static_cast<ULONG>(sample.size()));
    if (Pipeline->EngineInterface == nullptr) return SensorExit(*context, PushExit, E_POINTER);
    if (Pipeline->EngineInterface->AcceptSampleData == nullptr) return SensorExit(*context, PushExit, E_NOTIMPL);
    // The engine reads the sample in place; it stays ours.
    const HRESULT result = Pipeline->EngineInterface->AcceptSampleData(
        Pipeline, reinterpret_cast<PWINBIO_BIR>(const_cast<uint8_t*>(sample.data())), sample.size(), Purpose,
        RejectDetail);
    return SensorExit(*context, PushExit, result);
}

}  // namespace talven::sensor
