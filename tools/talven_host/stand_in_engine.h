// A stand-in engine table for a module whose engine adapter does not yet
// answer: it prefers ANSI-381 samples and accepts every sample pushed to
// it, remembering what it got.
#pragma once

#include "platform/wbf.h"

namespace talven_host {

// The module's engine table with QueryPreferredFormat and AcceptSampleData
// replaced.
WINBIO_ENGINE_INTERFACE StandInEngine(const WINBIO_ENGINE_INTERFACE& moduleEngine);

struct AcceptedSample {
    SIZE_T size = 0;
    WINBIO_BIR_PURPOSE purpose = 0;
};
// What the stand-in's AcceptSampleData last received.
AcceptedSample LastAcceptedSample();

}  // namespace talven_host
