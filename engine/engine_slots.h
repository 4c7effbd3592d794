// The slots of the match engine adapter that the adapter implements, one declaration
// per slot of its interface table (stub slots live with the table in
// adapter/). The table in adapter/engine_table.cpp refers to these.
#pragma once

#include "platform/wbf.h"

namespace talven::engine {

HRESULT WINAPI Attach(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI Detach(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI ClearContext(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI QueryPreferredFormat(PWINBIO_PIPELINE Pipeline, PWINBIO_REGISTERED_FORMAT StandardFormat,
                                    PWINBIO_UUID VendorFormat);
HRESULT WINAPI QueryIndexVectorSize(PWINBIO_PIPELINE Pipeline, PSIZE_T IndexElementCount);
HRESULT WINAPI QuerySampleHint(PWINBIO_PIPELINE Pipeline, PSIZE_T SampleHint);
HRESULT WINAPI AcceptSampleData(PWINBIO_PIPELINE Pipeline, PWINBIO_BIR SampleBuffer, SIZE_T SampleSize,
                                WINBIO_BIR_PURPOSE Purpose, PWINBIO_REJECT_DETAIL RejectDetail);
HRESULT WINAPI VerifyFeatureSet(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                WINBIO_BIOMETRIC_SUBTYPE SubFactor, BOOLEAN* Match, PUCHAR* PayloadBlob,
                                PSIZE_T PayloadBlobSize, PUCHAR* HashValue, PSIZE_T HashSize,
                                PWINBIO_REJECT_DETAIL RejectDetail);
HRESULT WINAPI IdentifyFeatureSet(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                  PWINBIO_BIOMETRIC_SUBTYPE SubFactor, PUCHAR* PayloadBlob, PSIZE_T PayloadBlobSize,
                                  PUCHAR* HashValue, PSIZE_T HashSize, PWINBIO_REJECT_DETAIL RejectDetail);
HRESULT WINAPI CreateEnrollment(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI UpdateEnrollment(PWINBIO_PIPELINE Pipeline, PWINBIO_REJECT_DETAIL RejectDetail);
HRESULT WINAPI GetEnrollmentStatus(PWINBIO_PIPELINE Pipeline, PWINBIO_REJECT_DETAIL RejectDetail);
HRESULT WINAPI CheckForDuplicate(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                 PWINBIO_BIOMETRIC_SUBTYPE SubFactor, BOOLEAN* Duplicate);
HRESULT WINAPI CommitEnrollment(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                WINBIO_BIOMETRIC_SUBTYPE SubFactor, PUCHAR PayloadBlob, SIZE_T PayloadBlobSize);
HRESULT WINAPI DiscardEnrollment(PWINBIO_PIPELINE Pipeline);
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
HRESULT WINAPI QueryExtendedInfo(PWINBIO_PIPELINE Pipeline, PWINBIO_EXTENDED_ENGINE_INFO EngineInfo,
                                 SIZE_T EngineInfoSize);
HRESULT WINAPI SetEnrollmentParameters(PWINBIO_PIPELINE Pipeline, PWINBIO_EXTENDED_ENROLLMENT_PARAMETERS Parameters);
HRESULT WINAPI QueryExtendedEnrollmentStatus(PWINBIO_PIPELINE Pipeline,
                                             PWINBIO_EXTENDED_ENROLLMENT_STATUS EnrollmentStatus,
                                             SIZE_T EnrollmentStatusSize);
HRESULT WINAPI RefreshCache(PWINBIO_PIPELINE Pipeline);
HRESULT WINAPI CreateEnrollmentAuthenticated(PWINBIO_PIPELINE Pipeline, PUCHAR* Nonce, PSIZE_T NonceSize);
HRESULT WINAPI IdentifyFeatureSetAuthenticated(PWINBIO_PIPELINE Pipeline, const UCHAR* Nonce, SIZE_T NonceSize,
                                               PWINBIO_IDENTITY Identity, PWINBIO_BIOMETRIC_SUBTYPE SubFactor,
                                               PWINBIO_REJECT_DETAIL RejectDetail, PUCHAR* Authenticator,
                                               PSIZE_T AuthenticatorSize);

}  // namespace talven::engine
