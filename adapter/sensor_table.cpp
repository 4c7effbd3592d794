// The interface table of the sensor adapter, as the service
// receives it from the query export. Module-global and writable, as the
// framework expects.
#include "adapter/adapter_tables.h"
#include "adapter/stub_slot.h"
#include "sensor/sensor_slots.h"

namespace talven {

WINBIO_SENSOR_INTERFACE SensorInterfaceTable = {
    .Version = WINBIO_SENSOR_INTERFACE_VERSION_6,
    .Type = WINBIO_ADAPTER_TYPE_SENSOR,
    .Size = WINBIO_SENSOR_INTERFACE_SIZE,
    .AdapterId = {0xF6012694, 0xBED2, 0x4223, {0x81, 0xEE, 0xF0, 0x7B, 0x44, 0xF0, 0x69, 0x13}},
    .Attach = sensor::Attach,
    .Detach = sensor::Detach,
    .ClearContext = sensor::ClearContext,
    .QueryStatus = sensor::QueryStatus,
    .Reset = sensor::Reset,
    .SetMode = sensor::SetMode,
    .SetIndicatorStatus = sensor::SetIndicatorStatus,
    .GetIndicatorStatus = StubSlot<SensorTraceUnit, 38>::Slot,
    .StartCapture = sensor::StartCapture,
    .FinishCapture = sensor::FinishCapture,
    .ExportSensorData = sensor::ExportSensorData,
    .Cancel = sensor::Cancel,
    .PushDataToEngine = sensor::PushDataToEngine,
    .ControlUnit = sensor::ControlUnit,
    .ControlUnitPrivileged = sensor::ControlUnitPrivileged,
    .NotifyPowerChange = sensor::NotifyPowerChange,
    .PipelineInit = sensor::PipelineInit,
    .PipelineCleanup = sensor::PipelineCleanup,
    .Activate = sensor::Activate,
    .Deactivate = sensor::Deactivate,
    .QueryExtendedInfo = sensor::QueryExtendedInfo,
    .QueryCalibrationFormats = StubSlot<SensorTraceUnit, 84>::Slot,
    .SetCalibrationFormat = StubSlot<SensorTraceUnit, 85>::Slot,
    .AcceptCalibrationData = StubSlot<SensorTraceUnit, 86>::Slot,
    .AsyncImportRawBuffer = StubSlot<SensorTraceUnit, 87>::Slot,
    .AsyncImportSecureBuffer = StubSlot<SensorTraceUnit, 88>::Slot,
    .QueryPrivateSensorType = StubSlot<SensorTraceUnit, 89>::Slot,
    .ConnectSecure = sensor::ConnectSecure,
    .StartCaptureEx = StubSlot<SensorTraceUnit, 98>::Slot,
    .StartNotifyWake = StubSlot<SensorTraceUnit, 99>::Slot,
    .FinishNotifyWake = StubSlot<SensorTraceUnit, 100>::Slot,
};

}  // namespace talven
