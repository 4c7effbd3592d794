#include "tools/talven_host/stand_in_engine.h"

#include "platform/results.h"

namespace talven_host {

namespace {

AcceptedSample lastSample;

HRESULT WINAPI PreferAnsi381(PWINBIO_PIPELINE, PWINBIO_REGISTERED_FORMAT standardFormat, PWINBIO_UUID vendorFormat) {
    *standardFormat = {WINBIO_ANSI_381_FORMAT_OWNER, WINBIO_ANSI_381_FORMAT_TYPE};
    *vendorFormat = {};
    return S_OK;
}

HRESULT WINAPI AcceptAnySample(PWINBIO_PIPELINE, PWINBIO_BIR, SIZE_T sampleSize, WINBIO_BIR_PURPOSE purpose,
                               PWINBIO_REJECT_DETAIL rejectDetail) {
    lastSample = {sampleSize, purpose};
    *rejectDetail = 0;
    return S_OK;
}

}  // namespace

WINBIO_ENGINE_INTERFACE StandInEngine(const WINBIO_ENGINE_INTERFACE& moduleEngine) {
    WINBIO_ENGINE_INTERFACE engine = moduleEngine;
    engine.QueryPreferredFormat = PreferAnsi381;
    engine.AcceptSampleData = AcceptAnySample;
    return engine;
}

AcceptedSample LastAcceptedSample() {
    return lastSample;
}

}  // namespace talven_host
