// ControlUnit and ControlUnitPrivileged: the vendor tools' two private chip
// commands, forwarded only through the privileged slot.
#include "adapter/device_error.h"
#include "adapter/device_request.h"
#include "adapter/request_codes.h"
#include "sensor/sensor_messages.h"
#include "sensor/sensor_slots.h"
#include "sensor/sensor_trace.h"

namespace talven::sensor {

namespace {

using namespace sensor_message;

constexpr SIZE_T kC1FSendSize = 1;
constexpr SIZE_T kC22ReceiveSize = 32;

bool ArgumentsPresent(PWINBIO_PIPELINE pipeline, PUCHAR sendBuffer, PUCHAR receiveBuffer, PSIZE_T receiveDataSize,
                      PULONG operationStatus) {
    return pipeline != nullptr && sendBuffer != nullptr && receiveBuffer != nullptr && receiveDataSize != nullptr &&
           operationStatus != nullptr;
}

void ClearOutputs(PUCHAR receiveBuffer, PSIZE_T receiveDataSize, PULONG operationStatus) {
    *operationStatus = 0;
    receiveBuffer[0] = 0;
    *receiveDataSize = 0;
}

bool IsPrivateCode(ULONG code) {
    return code == IOCTL_VENDOR_CONTROL_C1F || code == IOCTL_VENDOR_CONTROL_C22;
}

void TraceRequest(const SensorAdapterContext& context, USHORT message, ULONG code, SIZE_T sendSize,
                  SIZE_T receiveSize) {
    TraceInfo(SensorTraceUnit, message, context.UnitTraceId, code, static_cast<ULONG>(sendSize),
              static_cast<ULONG>(receiveSize));
}

HRESULT SendPrivate(PWINBIO_PIPELINE pipeline, SensorAdapterContext& context, ULONG code, PUCHAR sendBuffer,
                    SIZE_T sendSize, PUCHAR receiveBuffer, SIZE_T receiveSize, PSIZE_T receiveDataSize,
                    PULONG operationStatus) {
    const bool c1f = code == IOCTL_VENDOR_CONTROL_C1F;
    TraceInfo(SensorTraceUnit, c1f ? PrivilegedC1F : PrivilegedC22, context.UnitTraceId);
    DWORD returned = 0;
    const DWORD error = SendOverlappedRequest(pipeline->SensorHandle, code, sendBuffer, static_cast<DWORD>(sendSize),
                                              receiveBuffer, static_cast<DWORD>(receiveSize),
                                              &context.CaptureOverlapped, &returned);
    *operationStatus = error;
    if (error != ERROR_SUCCESS) {
        TraceError(SensorTraceUnit, c1f ? PrivilegedC1FFailed : PrivilegedC22Failed, context.UnitTraceId, error);
        return MapDeviceError(error);
    }
    *receiveDataSize = returned;
    return S_OK;
}

}  // namespace

HRESULT WINAPI ControlUnit(PWINBIO_PIPELINE Pipeline, ULONG ControlCode, PUCHAR SendBuffer, SIZE_T SendBufferSize,
                           PUCHAR ReceiveBuffer, SIZE_T ReceiveBufferSize, PSIZE_T ReceiveDataSize,
                           PULONG OperationStatus) {
    if (!ArgumentsPresent(Pipeline, SendBuffer, ReceiveBuffer, ReceiveDataSize, OperationStatus)) {
        return SensorEarlyExit(ControlUnitEarlyExit, E_POINTER);
    }
    ClearOutputs(ReceiveBuffer, ReceiveDataSize, OperationStatus);
    const SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(ControlUnitEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    TraceRequest(*context, ControlUnitRequest, ControlCode, SendBufferSize, ReceiveBufferSize);
    // The codes are known here but served only by the privileged slot.
    return SensorExit(*context, ControlUnitExit, IsPrivateCode(ControlCode) ? S_OK : E_INVALIDARG);
}

HRESULT WINAPI ControlUnitPrivileged(PWINBIO_PIPELINE Pipeline, ULONG ControlCode, PUCHAR SendBuffer,
                                     SIZE_T SendBufferSize, PUCHAR ReceiveBuffer, SIZE_T ReceiveBufferSize,
                                     PSIZE_T ReceiveDataSize, PULONG OperationStatus) {
    if (!ArgumentsPresent(Pipeline, SendBuffer, ReceiveBuffer, ReceiveDataSize, OperationStatus)) {
        return SensorEarlyExit(PrivilegedEarlyExit, E_POINTER);
    }
    ClearOutputs(ReceiveBuffer, ReceiveDataSize, OperationStatus);
    SensorAdapterContext* context = SensorContextOf(Pipeline);
    if (context == nullptr) return SensorEarlyExit(PrivilegedEarlyExit, WINBIO_E_INVALID_DEVICE_STATE);
    TraceRequest(*context, PrivilegedRequest, ControlCode, SendBufferSize, ReceiveBufferSize);

    const bool sizesFit = (ControlCode == IOCTL_VENDOR_CONTROL_C1F && SendBufferSize == kC1FSendSize) ||
                          (ControlCode == IOCTL_VENDOR_CONTROL_C22 && ReceiveBufferSize == kC22ReceiveSize);
    if (!sizesFit) return SensorExit(*context, PrivilegedExit, E_INVALIDARG);
    // Both commands wait on the capture's OVERLAPPED.
    if (CapturePending(*context)) return SensorExit(*context, PrivilegedExit, WINBIO_E_DEVICE_BUSY);
    return SensorExit(*context, PrivilegedExit,
                      SendPrivate(Pipeline, *context, ControlCode, SendBuffer, SendBufferSize, ReceiveBuffer,
                                  ReceiveBufferSize, ReceiveDataSize, OperationStatus));
}

}  // namespace talven::sensor
