// Enrollment on the chip: ENROLL_BEGIN opens it on the slot the host chose,
// enrollment samples of one finger accumulate (sample_processing.cpp),
// CHECK_DUPLICATE looks for that finger among the templates, ENROLL_ABORT
// drops the enrollment and ENROLL_COMMIT stores the template.
#include <algorithm>

#include "sim/chip_handlers.h"

namespace sim {

namespace {

constexpr size_t kNonceSize = 32;
constexpr size_t kDuplicateReplySize = 35;
constexpr size_t kCommitInputSize = 33;

// The commit record carries a key but not its kind, so the chip reads the
// kind from the key the way the host decodes keys: a key using its last four
// bytes is a secure id; a short key that does not open like a SID
// (revision 1, a sub-authority count that fits) is a GUID; the rest are SIDs.
uint8_t KindOfKey(const KeyBytes& key) {
    const auto nonzero = [](uint8_t b) { return b != 0; };
    if (std::any_of(key.begin() + 28, key.end(), nonzero)) return kKindSecureId;
    const bool fitsIn16 = std::none_of(key.begin() + 16, key.end(), nonzero);
    const bool opensLikeSid = key[0] == 1 && key[1] >= 1 && 8u + 4u * key[1] <= 28u;
    return fitsIn16 && !opensLikeSid ? kKindGuid : kKindSid;
}

}  // namespace

ChipAnswer AnswerEnrollBegin(ChipModel& chip, const ChipRequest& request) {
    if (request.input.size() != 1) return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
    const bool wantsNonce = request.outputSize > 0;
    if (wantsNonce && request.outputSize < kNonceSize) return ChipAnswer::Fail(ERROR_INSUFFICIENT_BUFFER);
    const uint8_t slot = request.input[0];
    if (slot >= chip.slots.size()) return ChipAnswer::Fail(ERROR_INVALID_PARAMETER);
    if (chip.slots[slot]) return ChipAnswer::Fail(ERROR_ALREADY_EXISTS);

    PendingEnrollment enrollment;
    enrollment.slot = slot;
    if (!wantsNonce) {
        chip.enrollment = enrollment;
        return ChipAnswer::Done();
    }
    enrollment.nonce = chip.RandomBytes<kNonceSize>();
    chip.enrollment = enrollment;
    return ChipAnswer::Reply(Bytes(enrollment.nonce->begin(), enrollment.nonce->end()));
}

ChipAnswer AnswerCheckDuplicate(ChipModel& chip, const ChipRequest& request) {
    if (auto bad = CheckShape(request, 0, kDuplicateReplySize)) return *bad;
    if (!chip.enrollment) return ChipAnswer::Fail(ERROR_GEN_FAILURE);
    Bytes reply(kDuplicateReplySize, 0);
    const auto& finger = chip.enrollment->finger;
    const auto slot = finger ? chip.FirstSlotOf(*finger) : std::nullopt;
    if (!slot) {
        reply[1] = 1;  // no duplicate
        return ChipAnswer::Reply(std::move(reply));
    }
    const Template& existing = *chip.slots[*slot];
    reply[0] = existing.kind;
    reply[2] = existing.subFactor;
    std::copy(existing.key.begin(), existing.key.end(), reply.begin() + 3);
    return ChipAnswer::Reply(std::move(reply));
}

ChipAnswer AnswerEnrollAbort(ChipModel& chip, const ChipRequest& request) {
    if (auto bad = CheckShape(request, 0, 0)) return *bad;
    chip.enrollment.reset();
    return ChipAnswer::Done();
}

ChipAnswer AnswerEnrollCommit(ChipModel& chip, const ChipRequest& request) {
    if (auto bad = CheckShape(request, kCommitInputSize, 0)) return *bad;
    const auto& enrollment = chip.enrollment;
    if (!enrollment || !enrollment->finger || enrollment->samples < chip.config.samplesPerEnrollment)
        return ChipAnswer::Fail(ERROR_GEN_FAILURE);
    if (chip.slots[enrollment->slot]) return ChipAnswer::Fail(ERROR_ALREADY_EXISTS);

    Template t;
    t.finger = *enrollment->finger;
    t.subFactor = request.input[0];
    std::copy(request.input.begin() + 1, request.input.end(), t.key.begin());
    t.kind = KindOfKey(t.key);
    t.owner = chip.config.hostId;
    chip.slots[enrollment->slot] = t;
    chip.enrollment.reset();
    return ChipAnswer::Done();
}

}  // namespace sim
