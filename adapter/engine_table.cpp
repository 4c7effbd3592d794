// The interface table of the match engine adapter, as the service
// receives it from the query export. Module-global and writable, as the
// framework expects.
#include "adapter/adapter_tables.h"
#include "adapter/stub_slot.h"
#include "engine/engine_slots.h"

namespace talven {

WINBIO_ENGINE_INTERFACE EngineInterfaceTable = {
    .Version = WINBIO_ENGINE_INTERFACE_VERSION_6,
    .Type = WINBIO_ADAPTER_TYPE_ENGINE,
    .Size = WINBIO_ENGINE_INTERFACE_SIZE,
    .AdapterId = {0xB876FDC8, 0x34E7, 0x471A, {0x82, 0xC8, 0x9C, 0xBA, 0x6A, 0x35, 0x38, 0xEC}},
    .Attach = engine::Attach,
    .Detach = engine::Detach,
    .ClearContext = engine::ClearContext,
    .QueryPreferredFormat = engine::QueryPreferredFormat,
    .QueryIndexVectorSize = engine::QueryIndexVectorSize,
    .QueryHashAlgorithms = StubSlot<EngineTraceUnit, 175>::Slot,
    .SetHashAlgorithm = StubSlot<EngineTraceUnit, 176>::Slot,
    .QuerySampleHint = engine::QuerySampleHint,
    .AcceptSampleData = engine::AcceptSampleData,
    .ExportEngineData = StubSlot<EngineTraceUnit, 177>::Slot,
    .VerifyFeatureSet = engine::VerifyFeatureSet,
    .IdentifyFeatureSet = engine::IdentifyFeatureSet,
    .CreateEnrollment = engine::CreateEnrollment,
    .UpdateEnrollment = engine::UpdateEnrollment,
    .GetEnrollmentStatus = engine::GetEnrollmentStatus,
    .GetEnrollmentHash = StubSlot<EngineTraceUnit, 178>::Slot,
    .CheckForDuplicate = engine::CheckForDuplicate,
    .CommitEnrollment = engine::CommitEnrollment,
    .DiscardEnrollment = engine::DiscardEnrollment,
    .ControlUnit = engine::ControlUnit,
    .ControlUnitPrivileged = engine::ControlUnitPrivileged,
    .NotifyPowerChange = engine::NotifyPowerChange,
    .Reserved_1 = StubSlot<EngineTraceUnit, 179>::Slot,
    .PipelineInit = engine::PipelineInit,
    .PipelineCleanup = engine::PipelineCleanup,
    .Activate = engine::Activate,
    .Deactivate = engine::Deactivate,
    .QueryExtendedInfo = engine::QueryExtendedInfo,
    .IdentifyAll = StubSlot<EngineTraceUnit, 180>::Slot,
    .SetEnrollmentSelector = StubSlot<EngineTraceUnit, 181>::Slot,
    .SetEnrollmentParameters = engine::SetEnrollmentParameters,
    .QueryExtendedEnrollmentStatus = engine::QueryExtendedEnrollmentStatus,
    .RefreshCache = engine::RefreshCache,
    .SelectCalibrationFormat = StubSlot<EngineTraceUnit, 182>::Slot,
    .QueryCalibrationData = StubSlot<EngineTraceUnit, 183>::Slot,
    .SetAccountPolicy = StubSlot<EngineTraceUnit, 184>::Slot,
    .CreateKey = StubSlot<EngineTraceUnit, 185>::Slot,
    .IdentifyFeatureSetSecure = StubSlot<EngineTraceUnit, 186>::Slot,
    .AcceptPrivateSensorTypeInfo = StubSlot<EngineTraceUnit, 187>::Slot,
    .CreateEnrollmentAuthenticated = engine::CreateEnrollmentAuthenticated,
    .IdentifyFeatureSetAuthenticated = engine::IdentifyFeatureSetAuthenticated,
};

}  // namespace talven
