// The slots of the template storage adapter that the adapter implements, one declaration
// per slot of its interface table (stub slots live with the table in
// adapter/). The table in adapter/storage_table.cpp refers to these.
#pragma once

#include "platform/wbf.h"

namespace talven::storage {

HRESULT WINAPI Attach(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI Detach(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI ClearContext(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI CreateDatabase(PWINBIO_PIPELINE Pipeline, PWINBIO_UUID DatabaseId, WINBIO_BIOMETRIC_TYPE Factor,
                              PWINBIO_UUID Format, LPCWSTR FilePath, LPCWSTR ConnectString, SIZE_T IndexElementCount,
                              SIZE_T InitialSize);
HRESULT WINAPI EraseDatabase(PWINBIO_PIPELINE Pipeline, PWINBIO_UUID DatabaseId, LPCWSTR FilePath,
                             LPCWSTR ConnectString);
HRESULT WINAPI OpenDatabase(PWINBIO_PIPELINE Pipeline, PWINBIO_UUID DatabaseId, LPCWSTR FilePath,
                            LPCWSTR ConnectString);
HRESULT WINAPI CloseDatabase(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI GetDataFormat(PWINBIO_PIPELINE Pipeline, PWINBIO_UUID Format, PWINBIO_VERSION Version);
HRESULT WINAPI GetDatabaseSize(PWINBIO_PIPELINE Pipeline, PSIZE_T AvailableRecordCount, PSIZE_T TotalRecordCount);
HRESULT WINAPI AddRecord(PWINBIO_PIPELINE Pipeline, PWINBIO_STORAGE_RECORD RecordContents);
HRESULT WINAPI DeleteRecord(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity, WINBIO_BIOMETRIC_SUBTYPE SubFactor);
HRESULT WINAPI QueryBySubject(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity, WINBIO_BIOMETRIC_SUBTYPE SubFactor);
HRESULT WINAPI QueryByContent(PWINBIO_PIPELINE Pipeline, WINBIO_BIOMETRIC_SUBTYPE SubFactor, ULONG IndexVector[],
                              SIZE_T IndexElementCount);
HRESULT WINAPI GetRecordCount(PWINBIO_PIPELINE Pipeline, PSIZE_T RecordCount);
HRESULT WINAPI FirstRecord(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI NextRecord(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI GetCurrentRecord(PWINBIO_PIPELINE Pipeline, PWINBIO_STORAGE_RECORD RecordContents);
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
HRESULT WINAPI QueryExtendedInfo(PWINBIO_PIPELINE Pipeline, PWINBIO_EXTENDED_STORAGE_INFO StorageInfo,
                                 SIZE_T StorageInfoSize);
HRESULT WINAPI NotifyDatabaseChange(PWINBIO_PIPELINE Pipeline, BOOLEAN RecordsAdded);

}  // namespace talven::storage
