// The slots of the sensor adapter that the adapter implements, one declaration
// per slot of its interface table (stub slots live with the table in
// adapter/). The table in adapter/sensor_table.cpp refers to these.
#pragma once

#include "platform/wbf.h"

namespace talven::sensor {

HRESULT WINAPI Attach(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI Detach(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI ClearContext(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI QueryStatus(PWINBIO_PIPELINE Pipeline, PWINBIO_SENSOR_STATUS Status);
HRESULT WINAPI Reset(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI SetMode(PWINBIO_PIPELINE Pipeline, WINBIO_SENSOR_MODE Mode);
HRESULT WINAPI SetIndicatorStatus(PWINBIO_PIPELINE Pipeline, WINBIO_INDICATOR_STATUS IndicatorStatus);
HRESULT WINAPI StartCapture(PWINBIO_PIPELINE Pipeline, WINBIO_BIR_PURPOSE Purpose, LPOVERLAPPED* Overlapped);
HRESULT WINAPI FinishCapture(PWINBIO_PIPELINE Pipeline, PWINBIO_REJECT_DETAIL RejectDetail);
HRESULT WINAPI ExportSensorData(PWINBIO_PIPELINE Pipeline, PWINBIO_BIR* SampleBuffer, PSIZE_T SampleSize);
HRESULT WINAPI Cancel(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI PushDataToEngine(PWINBIO_PIPELINE Pipeline, WINBIO_BIR_PURPOSE Purpose, WINBIO_BIR_DATA_FLAGS Flags,
                                PWINBIO_REJECT_DETAIL RejectDetail);
HRESULT WINAPI ControlUnit(PWINBIO_PIPELINE Pipeline, ULONG ControlCode, PUCHAR SendBuffer, SIZE_T SendBufferSize,
                           PUCHAR ReceiveBuffer, SIZE_T ReceiveBufferSize, PSIZE_T ReceiveDataSize,
                           PULONG OperationStatus);
HRESULT WINAPI ControlUnitPrivileged(PWINBIO_PIPELINE Pipeline, ULONG ControlCode, PUCHAR SendBuffer,
                                     SIZE_T SendBufferSize, PUCHAR ReceiveBuffer, SIZE_T ReceiveBufferSize,
                                     PSIZE_T ReceiveDataSize, PULONG OperationStatus);
HRESULT WINAPI NotifyPowerChange(PWINBIO_PIPELINE Pipeline, ULONG PowerEventType);
HRESULT WINAPI PipelineInit(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI PipelineCleanup(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI Activate(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI Deactivate(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI QueryExtendedInfo(PWINBIO_PIPELINE Pipeline, PWINBIO_EXTENDED_SENSOR_INFO SensorInfo,
                                 SIZE_T SensorInfoSize);
HRESULT WINAPI ConnectSecure(PWINBIO_PIPELINE Pipeline, const WINBIO_SECURE_CONNECTION_PARAMS* ConnectionParams,
                             PWINBIO_SECURE_CONNECTION_DATA* ConnectionData);

}  // namespace talven::sensor
