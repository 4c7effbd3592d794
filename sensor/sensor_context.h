// The sensor adapter's per-unit state, hung on WINBIO_PIPELINE.SensorContext
// from Attach to Detach.
#pragma once

#include "adapter/capture_records.h"
#include "adapter/chip_identity.h"
#include "adapter/secure/secure_channel.h"
#include "platform/wbf.h"

namespace talven {

struct SensorAdapterContext {
    SecureChannel* Channel;           // null when it could not be created at all
    WINBIO_BIR_PURPOSE CapturePurpose;
    DWORD CheckFreeSlot;              // 1: the next enrollment capture asks the chip for a free slot
    DWORD CaptureDone;                // 1 once a capture finished since the last Activate
    BYTE CaptureStatus;               // status byte of the last finished capture
    WINBIO_SENSOR_ATTRIBUTES SensorAttributes;
    DWORD SensorAttributesSize;
    BYTE* CaptureBuffer;              // capture reply; allocated by the first StartCapture
    DWORD CaptureBufferSize;
    WINBIO_REGISTERED_FORMAT CaptureFormat;  // 0/0 until negotiated
    WINBIO_UUID VendorFormat;
    BYTE* ExportBuffer;               // the caller's copy of the last exported sample
    SIZE_T ExportBufferSize;
    BYTE ChipIdHash[ChipIdHashSize];
    char UnitTraceId[UnitTraceIdLength];
    DWORD CancelRequested;            // written by Cancel on another thread: access through the helpers below
    OVERLAPPED CaptureOverlapped;     // the capture and the private control requests
};

// The context of an attached pipeline, or null.
inline SensorAdapterContext* SensorContextOf(const WINBIO_PIPELINE* pipeline) {
    return reinterpret_cast<SensorAdapterContext*>(pipeline->SensorContext);
}

// Cancel runs on the service's other thread while a capture is pending.
void SetCancelRequested(SensorAdapterContext& context, DWORD value);
DWORD CancelRequested(SensorAdapterContext& context);

// True while a request started on CaptureOverlapped is still outstanding:
// the capture buffer is the driver's then, and the OVERLAPPED is taken.
bool CapturePending(SensorAdapterContext& context);

// Idle capture state, as after Attach and Activate.
void ResetCaptureState(SensorAdapterContext& context);

}  // namespace talven
