// Attach, Detach and ClearContext: the life of the sensor context.
#include "adapter/trace.h"
#include "sensor/sensor_certificate_chains.h"
#include "sensor/sensor_context.h"
#include "sensor/sensor_messages.h"
#include "sensor/sensor_slots.h"
#include "sensor/sensor_trace.h"

namespace talven::sensor {

namespace {

using namespace sensor_message;

HRESULT AttachEarlyExitWith(HRESULT result) {
    TraceInfo(SensorAttachTraceUnit, AttachEarlyExit, result);
    return result;
}

void IdentifyChip(HANDLE sensor, SensorAdapterContext& context) {
    BYTE chipId[ChipIdSize];
    const ChipIdentityOutcome outcome =
        ReadChipIdentity(sensor, SensorChipIdFill, chipId, context.ChipIdHash, context.UnitTraceId);
    if (outcome.RequestError != ERROR_SUCCESS) TraceInfo(SensorAttachTraceUnit, AttachChipIdFailed, outcome.RequestError);
    if (outcome.DigestStatus != 0) TraceError(SensorAttachTraceUnit, AttachDigestFailed);
}

// The channel copies the chain list, so ours lives only for the creation.
HRESULT CreateChannel(PWINBIO_PIPELINE pipeline, SensorAdapterContext& context) {
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(CertificateChain) * SensorCertificateChainCount);
    if (memory == nullptr) return E_OUTOFMEMORY;
    const std::span<CertificateChain, SensorCertificateChainCount> chains(static_cast<CertificateChain*>(memory),
                                                                          SensorCertificateChainCount);
    FillSensorCertificateChains(chains);
    const DWORD status = CreateSecureChannel(pipeline, chains.data(), SensorCertificateChainCount, &context.Channel);
    HeapFree(GetProcessHeap(), 0, memory);
    if (status == 0) return S_OK;
    TraceInfo(SensorAttachTraceUnit, AttachChannelFailed, context.UnitTraceId, status);
    // A channel object that could not be allocated at all reports a bare
    // 122, which as an HRESULT would read as success.
    return context.Channel == nullptr ? E_OUTOFMEMORY : static_cast<HRESULT>(status);
}

}  // namespace

HRESULT WINAPI Attach(PWINBIO_PIPELINE Pipeline) {
    TraceInfo(SensorAttachTraceUnit, AttachEntry);
    if (Pipeline == nullptr) return AttachEarlyExitWith(E_POINTER);
    if (Pipeline->SensorContext != nullptr) return AttachEarlyExitWith(WINBIO_E_INVALID_DEVICE_STATE);

    auto* context =
        static_cast<SensorAdapterContext*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(SensorAdapterContext)));
    if (context == nullptr) return AttachEarlyExitWith(E_OUTOFMEMORY);

    HRESULT result = E_OUTOFMEMORY;
    context->CaptureOverlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (context->CaptureOverlapped.hEvent != nullptr) {
        ResetCaptureState(*context);
        context->SensorAttributesSize = sizeof(WINBIO_SENSOR_ATTRIBUTES);
        context->CaptureBufferSize = CaptureBufferSize;
        IdentifyChip(Pipeline->SensorHandle, *context);
        result = CreateChannel(Pipeline, *context);
    }
    TraceInfo(SensorAttachTraceUnit, AttachExit, context->UnitTraceId, result);
    // Also after a failure: Detach releases whatever was made.
    Pipeline->SensorContext = reinterpret_cast<PWINIBIO_SENSOR_CONTEXT>(context);
    return result;
}

HRESULT WINAPI Detach(PWINBIO_PIPELINE Pipeline) {
    TraceInfo(SensorTraceUnit, DetachEntry);
    if (Pipeline == nullptr) return SensorEarlyExit(DetachEarlyExit, E_POINTER);
    SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(DetachEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);

    context->SensorAttributes = {};
    context->SensorAttributesSize = 0;
    if (context->CaptureOverlapped.hEvent != nullptr) CloseHandle(context->CaptureOverlapped.hEvent);
    if (context->CaptureBuffer != nullptr) HeapFree(GetProcessHeap(), 0, context->CaptureBuffer);
    if (context->ExportBuffer != nullptr) HeapFree(GetProcessHeap(), 0, context->ExportBuffer);
    if (context->Channel != nullptr) {
        if (const DWORD status = DestroySecureChannel(context->Channel); status != 0) {
            TraceInfo(SensorTraceUnit, DetachChannelReleaseFailed, context->UnitTraceId, status);
        }
        context->Channel = nullptr;
    }
    SensorExit(*context, DetachExit, S_OK);
    HeapFree(GetProcessHeap(), 0, context);
    Pipeline->SensorContext = nullptr;
    return S_OK;
}

HRESULT WINAPI ClearContext(PWINBIO_PIPELINE Pipeline) {
    if (Pipeline == nullptr) return SensorEarlyExit(ClearContextEarlyExit, E_POINTER);
    const SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(ClearContextEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    // Capture state belongs to Activate; there is nothing per operation to clear.
    return SensorExit(*context, ClearContextExit, S_OK);
}

}  // namespace talven::sensor
