// Which handler answers which request code.
#include <utility>

#include "adapter/request_codes.h"
#include "sim/chip_handlers.h"

namespace sim {

using namespace talven;

namespace {

constexpr std::pair<DWORD, ChipHandler> kHandlers[] = {
    {IOCTL_BIOMETRIC_GET_ATTRIBUTES, AnswerGetAttributes},
    {IOCTL_BIOMETRIC_RESET, AnswerReset},
    {IOCTL_BIOMETRIC_GET_SENSOR_STATUS, AnswerGetSensorStatus},
    {IOCTL_BIOMETRIC_CONNECT_SECURE, AnswerConnectSecure},
    {IOCTL_VENDOR_ENROLL_BEGIN, AnswerEnrollBegin},
    {IOCTL_VENDOR_ENROLL_COMMIT, AnswerEnrollCommit},
    {IOCTL_VENDOR_GET_MATCH_RESULT, AnswerGetMatchResult},
    {IOCTL_VENDOR_PROCESS_SAMPLE, AnswerProcessSample},
    {IOCTL_VENDOR_CHECK_DUPLICATE, AnswerCheckDuplicate},
    {IOCTL_VENDOR_GET_TEMPLATE_TABLE, AnswerGetTemplateTable},
    {IOCTL_VENDOR_DELETE_TEMPLATE, AnswerDeleteTemplate},
    {IOCTL_VENDOR_GET_TEMPLATE_INFO, AnswerGetTemplateInfo},
    {IOCTL_VENDOR_GET_HOST_ID, AnswerGetHostId},
    {IOCTL_VENDOR_MATCH_DONE, AnswerMatchDone},
    {IOCTL_VENDOR_ENROLL_ABORT, AnswerEnrollAbort},
    {IOCTL_VENDOR_HAS_FREE_SLOT, AnswerHasFreeSlot},
    {IOCTL_VENDOR_GET_TABLE_CHANGED, AnswerGetTableChanged},
    {IOCTL_VENDOR_SAMPLE_DONE, AnswerSampleDone},
    {IOCTL_VENDOR_DELETE_TEMPLATES, AnswerDeleteTemplates},
    {IOCTL_VENDOR_GET_CHIP_ID, AnswerGetChipId},
    {IOCTL_VENDOR_CONTROL_C1E, AnswerPassThrough},
    {IOCTL_VENDOR_CONTROL_C1F, AnswerPassThrough},
    {IOCTL_VENDOR_CONTROL_C20, AnswerPassThrough},
    {IOCTL_VENDOR_CONTROL_C21, AnswerPassThrough},
    {IOCTL_VENDOR_CONTROL_C22, AnswerPassThrough},
    {IOCTL_VENDOR_CONTROL_C23, AnswerPassThrough},
    {IOCTL_VENDOR_CONTROL_C24, AnswerPassThrough},
    {IOCTL_VENDOR_GET_FW_INFO, AnswerGetFwInfo},
    {IOCTL_VENDOR_DB_STATE, AnswerDbState},
};

}  // namespace

ChipHandler HandlerFor(DWORD code) {
    for (const auto& [handled, handler] : kHandlers)
        if (handled == code) return handler;
    return nullptr;
}

void NoteFailedRequest(ChipModel& chip, DWORD code) {
    // The host must still close a failed match with MATCH_DONE 11; a failed
    // PROCESS_SAMPLE owes nothing.
    if (code == IOCTL_VENDOR_GET_MATCH_RESULT) chip.matchDoneOwed = 11;
    if (code == IOCTL_VENDOR_PROCESS_SAMPLE) chip.sampleDoneOwed = false;
}

}  // namespace sim
