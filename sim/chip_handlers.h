// The chip's answer to each request it understands, one file per concern.
// Each handler checks the request's shape before it changes any state.
#pragma once

#include "sim/chip_model.h"
#include "sim/chip_request.h"

namespace sim {

using ChipHandler = ChipAnswer (*)(ChipModel&, const ChipRequest&);

// The handler of a request code; null for codes the chip does not know.
// The capture request is not here: it waits for a finger (capture.h).
ChipHandler HandlerFor(DWORD code);

// A request that failed before the chip saw it (a scripted fault) still
// changes what the chip expects next.
void NoteFailedRequest(ChipModel& chip, DWORD code);

// standard_requests.cpp
ChipAnswer AnswerGetAttributes(ChipModel&, const ChipRequest&);
ChipAnswer AnswerReset(ChipModel&, const ChipRequest&);
ChipAnswer AnswerGetSensorStatus(ChipModel&, const ChipRequest&);

// secure_connection.cpp
ChipAnswer AnswerConnectSecure(ChipModel&, const ChipRequest&);

// enrollment.cpp
ChipAnswer AnswerEnrollBegin(ChipModel&, const ChipRequest&);
ChipAnswer AnswerCheckDuplicate(ChipModel&, const ChipRequest&);
ChipAnswer AnswerEnrollAbort(ChipModel&, const ChipRequest&);
ChipAnswer AnswerEnrollCommit(ChipModel&, const ChipRequest&);

// sample_processing.cpp
ChipAnswer AnswerProcessSample(ChipModel&, const ChipRequest&);
ChipAnswer AnswerSampleDone(ChipModel&, const ChipRequest&);

// matching.cpp
ChipAnswer AnswerGetMatchResult(ChipModel&, const ChipRequest&);
ChipAnswer AnswerMatchDone(ChipModel&, const ChipRequest&);

// storage_commands.cpp
ChipAnswer AnswerGetTemplateTable(ChipModel&, const ChipRequest&);
ChipAnswer AnswerDeleteTemplate(ChipModel&, const ChipRequest&);
ChipAnswer AnswerDeleteTemplates(ChipModel&, const ChipRequest&);
ChipAnswer AnswerGetTemplateInfo(ChipModel&, const ChipRequest&);
ChipAnswer AnswerGetHostId(ChipModel&, const ChipRequest&);
ChipAnswer AnswerHasFreeSlot(ChipModel&, const ChipRequest&);
ChipAnswer AnswerGetTableChanged(ChipModel&, const ChipRequest&);
ChipAnswer AnswerGetChipId(ChipModel&, const ChipRequest&);
ChipAnswer AnswerGetFwInfo(ChipModel&, const ChipRequest&);
ChipAnswer AnswerDbState(ChipModel&, const ChipRequest&);

// pass_through.cpp
ChipAnswer AnswerPassThrough(ChipModel&, const ChipRequest&);

}  // namespace sim
