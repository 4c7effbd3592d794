// The interface table of the template storage adapter, as the service
// receives it from the query export. Module-global and writable, as the
// framework expects.
#include "adapter/adapter_tables.h"
#include "adapter/stub_slot.h"
#include "storage/storage_slots.h"

namespace talven {

WINBIO_STORAGE_INTERFACE StorageInterfaceTable = {
    .Version = WINBIO_STORAGE_INTERFACE_VERSION_5,
    .Type = WINBIO_ADAPTER_TYPE_STORAGE,
    .Size = WINBIO_STORAGE_INTERFACE_SIZE,
    .AdapterId = {0xDEC3F1F2, 0x44C0, 0x4E84, {0x95, 0x97, 0x88, 0x80, 0xEC, 0x89, 0x32, 0x77}},
    .Attach = storage::Attach,
    .Detach = storage::Detach,
    .ClearContext = storage::ClearContext,
    .CreateDatabase = storage::CreateDatabase,
    .EraseDatabase = storage::EraseDatabase,
    .OpenDatabase = storage::OpenDatabase,
    .CloseDatabase = storage::CloseDatabase,
    .GetDataFormat = storage::GetDataFormat,
    .GetDatabaseSize = storage::GetDatabaseSize,
    .AddRecord = storage::AddRecord,
    .DeleteRecord = storage::DeleteRecord,
    .QueryBySubject = storage::QueryBySubject,
    .QueryByContent = storage::QueryByContent,
    .GetRecordCount = storage::GetRecordCount,
    .FirstRecord = storage::FirstRecord,
    .NextRecord = storage::NextRecord,
    .GetCurrentRecord = storage::GetCurrentRecord,
    .ControlUnit = storage::ControlUnit,
    .ControlUnitPrivileged = storage::ControlUnitPrivileged,
    .NotifyPowerChange = storage::NotifyPowerChange,
    .PipelineInit = storage::PipelineInit,
    .PipelineCleanup = storage::PipelineCleanup,
    .Activate = storage::Activate,
    .Deactivate = storage::Deactivate,
    .QueryExtendedInfo = storage::QueryExtendedInfo,
    .NotifyDatabaseChange = storage::NotifyDatabaseChange,
    .Reserved1 = StubSlot<StorageTraceUnit, 307>::Slot,
    .Reserved2 = StubSlot<StorageTraceUnit, 308>::Slot,
    .UpdateRecordBegin = StubSlot<StorageTraceUnit, 309>::Slot,
    .UpdateRecordCommit = StubSlot<StorageTraceUnit, 310>::Slot,
};

}  // namespace talven
