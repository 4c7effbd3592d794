// Message numbers of the sensor adapter's trace units. The decoder's format
// files key their texts on (unit GUID, number), so these never move.
#pragma once

#include "platform/win32.h"

namespace talven::sensor_message {

// SensorAttachTraceUnit.
constexpr USHORT AttachEntry = 10;
constexpr USHORT AttachChipIdFailed = 11;   // Win32 error
constexpr USHORT AttachDigestFailed = 12;   // error level
constexpr USHORT AttachChannelFailed = 13;  // status of the channel creation
constexpr USHORT AttachExit = 14;
constexpr USHORT AttachEarlyExit = 15;

// SensorTraceUnit.
constexpr USHORT StartCaptureAttributesFailed = 10;  // error level
constexpr USHORT DetachEntry = 21;
constexpr USHORT DetachChannelReleaseFailed = 22;
constexpr USHORT DetachExit = 23;
constexpr USHORT DetachEarlyExit = 24;
constexpr USHORT ClearContextExit = 25;
constexpr USHORT ClearContextEarlyExit = 26;
constexpr USHORT QueryStatusFailed = 27;  // error level
constexpr USHORT QueryStatusExit = 28;
constexpr USHORT QueryStatusEarlyExit = 29;
constexpr USHORT ResetFailed = 30;  // error level
constexpr USHORT ResetExit = 31;
constexpr USHORT ResetEarlyExit = 32;
constexpr USHORT SetModeRequested = 33;
constexpr USHORT SetModeExit = 34;
constexpr USHORT SetModeEarlyExit = 35;
constexpr USHORT SetIndicatorStatusExit = 36;
constexpr USHORT SetIndicatorStatusEarlyExit = 37;
constexpr USHORT StartCapturePurpose = 39;
constexpr USHORT StartCaptureFormatFailed = 40;
constexpr USHORT StartCaptureBufferFailed = 41;   // error level
constexpr USHORT StartCaptureRequestFailed = 42;  // error level
constexpr USHORT StartCaptureExit = 43;
constexpr USHORT StartCaptureEarlyExit = 44;
constexpr USHORT FinishCaptureWaitFailed = 45;      // error level
constexpr USHORT FinishCaptureFreeSlotFailed = 46;  // error level
constexpr USHORT FinishCaptureFreeSlotAnswer = 47;
constexpr USHORT FinishCaptureExit = 48;
constexpr USHORT FinishCaptureForcedCanceled = 49;
constexpr USHORT FinishCaptureEarlyExit = 50;
constexpr USHORT ExportSensorDataSize = 51;
constexpr USHORT ExportSensorDataExit = 52;
constexpr USHORT ExportSensorDataEarlyExit = 53;
constexpr USHORT CancelEntry = 54;
constexpr USHORT CancelIssued = 55;
constexpr USHORT CancelExit = 56;
constexpr USHORT CancelEarlyExit = 57;
constexpr USHORT PushPurposeAndFlags = 58;
constexpr USHORT PushSampleSize = 59;
constexpr USHORT PushExit = 60;
constexpr USHORT PushEarlyExit = 61;
constexpr USHORT ControlUnitRequest = 62;
constexpr USHORT ControlUnitExit = 63;
constexpr USHORT ControlUnitEarlyExit = 64;
constexpr USHORT PrivilegedRequest = 65;
constexpr USHORT PrivilegedC1F = 66;
constexpr USHORT PrivilegedC1FFailed = 67;  // error level
constexpr USHORT PrivilegedC22 = 68;
constexpr USHORT PrivilegedC22Failed = 69;  // error level
constexpr USHORT PrivilegedExit = 70;
constexpr USHORT PrivilegedEarlyExit = 71;
constexpr USHORT NotifyPowerChangeExit = 72;
constexpr USHORT NotifyPowerChangeEarlyExit = 73;
constexpr USHORT PipelineInitExit = 74;
constexpr USHORT PipelineInitEarlyExit = 75;
constexpr USHORT PipelineCleanupExit = 76;
constexpr USHORT PipelineCleanupEarlyExit = 77;
constexpr USHORT ActivateExit = 78;
constexpr USHORT ActivateEarlyExit = 79;
constexpr USHORT DeactivateExit = 80;
constexpr USHORT DeactivateEarlyExit = 81;
constexpr USHORT QueryExtendedInfoExit = 82;
constexpr USHORT QueryExtendedInfoEarlyExit = 83;
constexpr USHORT ConnectSecureParams = 90;
constexpr USHORT ConnectSecureFailed = 91;
constexpr USHORT ConnectSecureModel846 = 92;  // which of our model certificates the sensor presented
constexpr USHORT ConnectSecureModel807 = 93;
constexpr USHORT ConnectSecureModel808 = 94;
constexpr USHORT ConnectSecureUnknownModel = 95;
constexpr USHORT ConnectSecureExit = 96;
constexpr USHORT ConnectSecureEarlyExit = 97;

}  // namespace talven::sensor_message
