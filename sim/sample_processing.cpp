// PROCESS_SAMPLE has the chip work on its last capture; SAMPLE_DONE is the
// host's acknowledgement, which must echo the reported reject detail (the
// chip's 12 reported as 8) and the sample token.
#include <algorithm>
#include <string>

#include "sim/chip_handlers.h"

namespace sim {

namespace {

constexpr size_t kProcessReplySize = 9;
constexpr size_t kSampleDoneInputSize = 9;
constexpr uint8_t kChipTooSkewed = 12;

bool IsEnrollmentPurpose(uint8_t purpose) {
    return purpose == WINBIO_PURPOSE_ENROLL || purpose == WINBIO_PURPOSE_ENROLL_FOR_VERIFICATION ||
           purpose == WINBIO_PURPOSE_ENROLL_FOR_IDENTIFICATION;
}

// Adds an accepted sample to the open enrollment; a sample of another finger
// than the first one cannot be merged.
uint8_t Accumulate(PendingEnrollment& enrollment, uint32_t finger) {
    if (enrollment.finger && *enrollment.finger != finger) return WINBIO_FP_MERGE_FAILURE;
    enrollment.finger = finger;
    ++enrollment.samples;
    return 0;
}

}  // namespace

ChipAnswer AnswerProcessSample(ChipModel& chip, const ChipRequest& request) {
    if (auto bad = CheckShape(request, 1, kProcessReplySize)) return *bad;
    if (chip.sampleDoneOwed) chip.violations.push_back("PROCESS_SAMPLE before SAMPLE_DONE of the previous sample");

    ProcessedSample sample;
    sample.purpose = request.input[0];
    const auto& capture = chip.lastCapture;
    if (capture && capture->kind == Presentation::Kind::Finger) {
        sample.finger = capture->finger;
        sample.reject = capture->processReject;
    } else {
        sample.reject = WINBIO_FP_POOR_QUALITY;
    }
    if (sample.reject == 0 && IsEnrollmentPurpose(sample.purpose) && chip.enrollment)
        sample.reject = Accumulate(*chip.enrollment, *sample.finger);
    sample.token = chip.RandomBytes<8>();
    chip.lastSample = sample;
    chip.sampleDoneOwed = true;

    Bytes reply(kProcessReplySize);
    reply[0] = sample.reject;
    std::copy(sample.token.begin(), sample.token.end(), reply.begin() + 1);
    return ChipAnswer::Reply(std::move(reply));
}

ChipAnswer AnswerSampleDone(ChipModel& chip, const ChipRequest& request) {
    if (!chip.sampleDoneOwed) chip.violations.push_back("SAMPLE_DONE without a processed sample");
    const bool owed = chip.sampleDoneOwed;
    chip.sampleDoneOwed = false;
    if (request.input.size() != kSampleDoneInputSize) {
        chip.violations.push_back("SAMPLE_DONE carried " + std::to_string(request.input.size()) + " bytes, expected 9");
        return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
    }
    if (!owed) return ChipAnswer::Done();

    const ProcessedSample& sample = *chip.lastSample;
    const uint8_t expected = sample.reject == kChipTooSkewed ? WINBIO_FP_TOO_SKEWED : sample.reject;
    if (request.input[0] != expected)
        chip.violations.push_back("SAMPLE_DONE carried reject detail " + std::to_string(request.input[0]) +
                                  ", expected " + std::to_string(expected));
    if (!std::equal(sample.token.begin(), sample.token.end(), request.input.begin() + 1))
        chip.violations.push_back("SAMPLE_DONE carried another sample token");
    return ChipAnswer::Done();
}

}  // namespace sim
